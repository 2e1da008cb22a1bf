#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "codegen/build_command.h"
#include "codegen/source_generator.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/output_sink.h"
#include "model/records.h"
#include "model/text_encoding.h"
#include "recording_messages.h"

namespace lumora {
namespace {

using testing::RecordingMessages;

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

TileImage ClearTile() {
    TileImage tile;
    for (int y = 0; y < TileImage::kSize; ++y) {
        for (int x = 0; x < TileImage::kSize; ++x) {
            tile.SetPixel(x, y, 1);
        }
    }
    return tile;
}

CLmForm& AddForm(CLumoraDoc& doc, std::u16string name) {
    doc.forms.push_back(std::make_unique<CLmForm>());
    CLmForm& form = *doc.forms.back();
    form.name = std::move(name);
    return form;
}

CLmComponent& AddButton(CLmForm& form, std::u16string name, std::u16string handler) {
    form.components.push_back(std::make_unique<CLmComponent>());
    CLmComponent& c = *form.components.back();
    c.type = 1;
    c.name = std::move(name);
    c.caption = u"Go";
    c.handler = std::move(handler);
    return c;
}

void AddObject(CLumoraDoc& doc, std::int32_t resourceId, std::u16string name, std::u16string stem) {
    doc.objects.push_back(std::make_unique<CLmObject>());
    doc.objects.back()->resourceId = resourceId;
    doc.objects.back()->name = std::move(name);
    doc.objects.back()->fileStem = stem;
    doc.objects.back()->fileName = std::move(stem);
}

// A small design built by hand, so every line of its source can be written out below.
void BuildSmallDesign(CLumoraDoc& doc) {
    doc.SetTitle(u"Demo.lmd");
    doc.templateText = u"'Start of Standard XGA Lumora code\r\n'End of standard code.\r\n";
    doc.customCode = u"PUB OnGo\r\n  return\r\n";
    doc.mainFormName = u"Main";
    doc.backgroundBitmapName = u"Back";
    doc.backgroundBitmapColor = 2;
    doc.appColors[3] = 0x0000A8A8;
    CLmForm& main = AddForm(doc, u"Main");
    main.caption = u"Hi";
    main.top = 1;
    main.left = 2;
    main.height = 10;
    main.width = 20;
    CLmComponent& go = AddButton(main, u"GoButton", u"OnGo");
    go.top = 3;
    go.left = 4;
    go.height = 4;
    go.width = 6;
    go.textColor = 1;
    go.hotKeyIndex = 1;
    AddObject(doc, 346, u"vga", u"VGA_1024x768_Tile_Driver_With_Cursor");
    AddObject(doc, 0, u"fm", u"FloatMath");
    auto back = std::make_unique<CLmBitmap>();
    back->name = u"Back";
    back->widthTiles = 1;
    back->heightTiles = 1;
    back->tileCount = 1;
    back->bitDepth = 1;
    back->tiles = {ClearTile()};
    doc.bitmaps.push_back(std::move(back));
}

std::string Generate(const CLumoraDoc& doc) {
    const std::optional<std::u16string> source = GenerateApplicationSource(doc);
    EXPECT_TRUE(source.has_value());
    return source ? ToUtf8(*source) : std::string();
}

// The text between two markers, markers excluded.
std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find(from);
    if (start == std::string::npos) {
        return "<missing " + from + ">";
    }
    const std::size_t end = text.find(to, start + from.size());
    if (end == std::string::npos) {
        return "<missing " + to + ">";
    }
    return text.substr(start + from.size(), end - start - from.size());
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TEST(GenerateApplicationSource, WholeTextOfASmallDesign) {
    CLumoraDoc doc;
    RecordingMessages messages;
    doc.AttachMessages(&messages);
    BuildSmallDesign(doc);
    std::string colors = Lines({
        "DAT  'Application Colors Declarations",
        "vgacolors long",
        "     long $00000000' color# 0, Text color# 0",
        "     long $00000000' color# 1, Text color# 0",
        "     long $00000000' color# 2, Text color# 1",
        "     long $0000A8A8' color# 3, Text color# 1",
        "     long $00000000' color# 4, Text color# 2",
        "     long $00000000' color# 5, Text color# 2",
        "     long $00000000' color# 6, Text color# 3",
        "     long $00000000' color# 7, Text color# 3",
        "     long $00000000' color# 8, Text color# 4",
        "     long $00000000' color# 9, Text color# 4",
        "     long $00000000' color# 10, Graphics color# 0",
        "     long $00000000' color# 11, Graphics color# 1",
        "     long $00000000' color# 12, Graphics color# 2",
        "     long $00000000' color# 13, Graphics color# 3",
        "     long $00000000' color# 14, Graphics color# 4",
        "     long $00000000' color# 15, Graphics color# 5",
        "     long 7[48]  'reserve space for cursor & shadow colors",
        "",
    });
    const std::string expected =
        Lines({
            "'Lumora Application: Demo",
            "'Code generated by Lumora",
            "",
            "'Start of Standard XGA Lumora code",
            "'End of standard code.",
            "",
            "",
            "PUB ShowMainForm  'Identifies Main Form and sets background info",
            "     pBackgroundBitmap:=@Back",
            "     nBackBmpXTiles:=1",
            "     nBackBmpYTiles:=1",
            "     BackBmpColor:=2",
            "     ShowForm(@Main)",
            "",
            "",
            "OBJ  'Extra objects required for application",
            "     fm : \"FloatMath\"",
            "",
            "",
            "PUB HandleLeftButtonUp(pOb)  'Calls specified left button up event handler for "
            "form objects",
            "     CASE pOb",
            "          0:  'placeholder",
            "               return",
            "",
            "          @GoButton:",
            "               OnGo",
            "PUB OnGo",
            "  return",
            "",
            "",
        }) +
        colors +
        Lines({
            "DAT   'Form Data: Main",
            "sTitleMain  byte \"Hi\",0",
            "Main  word",
            "     byte 1 'top",
            "     byte 2 'left",
            "     byte 10 'height",
            "     byte 20 'width",
            "     word @sTitleMain",
            "     byte 0 'title color",
            "     byte 14 'border color",
            "     byte 1 'text color",
            "     byte 1 'number of form objects",
            "     word @GoButton  'address of form object#1",
            "",
            "",
            "GoButton byte",
            "     byte 1 'Object Type",
            "     byte 3 'Top",
            "     byte 4 'Left",
            "     byte 4 'Height",
            "     byte 6 'Width",
            "     byte 1 'Text Color",
            "     byte 1 'Hot Key (0 for none)",
            "     byte 10 'Border color",
            "     byte \"Go\",0",
            "",
            "",
            "DAT   'Bitmap Data",
            "",
            "padding LONG 7[16]  'alignment padding for the following user defined characters ",
            "UserCharStart long",
            "DAT   'Bitmap Data: Back",
            "Back long",
        }) +
        Repeat(Lines({"     long $00000000"}), 16) + Lines({"UserCharEnd long"});
    EXPECT_EQ(Generate(doc), expected);
    EXPECT_TRUE(messages.shown.empty());
}

TEST(GenerateApplicationSource, WithoutUserObjectsTheDispatchFollowsAfterTwoEmptyLines) {
    CLumoraDoc doc;
    BuildSmallDesign(doc);
    doc.objects.pop_back();
    EXPECT_NE(Generate(doc).find(Lines({"OBJ  'Extra objects required for application", "", ""}) +
                                 "PUB HandleLeftButtonUp(pOb)"),
              std::string::npos);
}

TEST(GenerateApplicationSource, WithoutHandlersOnlyThePlaceholderBranch) {
    CLumoraDoc doc;
    BuildSmallDesign(doc);
    doc.forms[0]->components[0]->handler.clear();
    EXPECT_EQ(Between(Generate(doc), "     CASE pOb\r\n", "PUB OnGo"),
              Lines({"          0:  'placeholder", "               return", ""}));
}

TEST(GenerateApplicationSource, DispatchVisitsEveryFormInOrderAndRepeatsSharedHandlers) {
    CLumoraDoc doc;
    BuildSmallDesign(doc);
    CLmForm& other = AddForm(doc, u"Other");
    AddButton(other, u"First", u"OnGo");
    AddButton(other, u"Silent", u"");
    AddButton(other, u"Second", u"OnOther(1)");
    CLmForm& third = AddForm(doc, u"Third");
    AddButton(third, u"Third1", u"OnGo");
    const std::string text = Generate(doc);
    EXPECT_EQ(Between(text, "               return\r\n\r\n", "PUB OnGo"),
              Lines({
                  "          @GoButton:",
                  "               OnGo",
                  "          @First:",
                  "               OnGo",
                  "          @Second:",
                  "               OnOther(1)",
                  "          @Third1:",
                  "               OnGo",
              }));
    // Form data follows the document's form order.
    const std::size_t main = text.find("DAT   'Form Data: Main\r\n");
    const std::size_t second = text.find("DAT   'Form Data: Other\r\n");
    const std::size_t last = text.find("DAT   'Form Data: Third\r\n");
    EXPECT_LT(main, second);
    EXPECT_LT(second, last);
    EXPECT_LT(last, text.find("DAT   'Bitmap Data\r\n"));
    // The main form is the one shown, wherever it stands in the list.
    doc.mainFormName = u"Third";
    EXPECT_NE(Generate(doc).find("     ShowForm(@Third)\r\n"), std::string::npos);
}

TEST(GenerateApplicationSource, MissingBackgroundBitmapGeneratesNothing) {
    struct Case {
        const char* why;
        void (*damage)(CLumoraDoc&);
        std::u16string message;
    };
    const Case cases[] = {
        {"no bitmaps", [](CLumoraDoc& doc) { doc.bitmaps.clear(); },
         u"Bitmap does not exist:  Back"},
        {"names compare case-sensitively",
         [](CLumoraDoc& doc) { doc.backgroundBitmapName = u"back"; },
         u"Bitmap does not exist:  back"},
        {"empty name", [](CLumoraDoc& doc) { doc.backgroundBitmapName.clear(); },
         u"Bitmap does not exist:  "},
    };
    for (const Case& c : cases) {
        CLumoraDoc doc;
        RecordingMessages messages;
        doc.AttachMessages(&messages);
        BuildSmallDesign(doc);
        c.damage(doc);
        EXPECT_FALSE(GenerateApplicationSource(doc).has_value()) << c.why;
        EXPECT_EQ(messages.shown, std::vector<std::u16string>{c.message}) << c.why;
    }
}

TEST(GenerateApplicationSource, BackgroundSizeComesFromTheNamedBitmap) {
    CLumoraDoc doc;
    BuildSmallDesign(doc);
    auto wide = std::make_unique<CLmBitmap>();
    wide->name = u"Wide";
    wide->widthTiles = 3;
    wide->heightTiles = 2;
    wide->tileCount = 6;
    wide->tiles.assign(6, ClearTile());
    doc.bitmaps.push_back(std::move(wide));
    doc.backgroundBitmapName = u"Wide";
    EXPECT_EQ(Between(Generate(doc), "sets background info\r\n", "     BackBmpColor"),
              Lines({"     pBackgroundBitmap:=@Wide", "     nBackBmpXTiles:=3",
                     "     nBackBmpYTiles:=2"}));
}

TEST(GenerateApplicationSource, TabsAnywhereAreReplacedAfterOneMessage) {
    CLumoraDoc doc;
    RecordingMessages messages;
    doc.AttachMessages(&messages);
    BuildSmallDesign(doc);
    doc.forms[0]->components[0]->caption = u"a\tb";
    doc.customCode = u"PUB OnGo\r\n\treturn\r\n";
    const std::string text = Generate(doc);
    EXPECT_EQ(text.find('\t'), std::string::npos);
    // `     byte "a` is twelve columns wide, so the tab takes three.
    EXPECT_NE(text.find("     byte \"a   b\",0\r\n"), std::string::npos);
    EXPECT_NE(text.find("PUB OnGo\r\n     return\r\n"), std::string::npos);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(GenerateApplicationSource, NewApplicationCarriesTheRuntimeAndNeedsNoMessage) {
    CLumoraDoc doc;
    RecordingMessages messages;
    doc.AttachMessages(&messages);
    ASSERT_TRUE(StartNewApplication(doc));
    const std::optional<std::u16string> source = GenerateApplicationSource(doc);
    ASSERT_TRUE(source.has_value());
    const std::u16string header =
        u"'Lumora Application: Untitled\r\n'Code generated by Lumora\r\n\r\n";
    EXPECT_EQ(source->substr(0, header.size()), header);
    EXPECT_EQ(source->substr(header.size(), doc.templateText.size()), doc.templateText);
    EXPECT_EQ(source->substr(header.size() + doc.templateText.size(), 7), u"\r\n\r\nPUB");
    EXPECT_EQ(source->find(u'\t'), std::u16string::npos);
    EXPECT_TRUE(messages.shown.empty());
    const std::string text = ToUtf8(*source);
    // The built-in objects are the runtime's own; none is declared again.
    EXPECT_EQ(Between(text, "OBJ  'Extra objects required for application\r\n", "PUB HandleLeft"),
              "\r\n\r\n");
    EXPECT_NE(text.find("Number1 long\r\n"), std::string::npos);
    EXPECT_NE(text.find("     long 3999 'max. value\r\n"), std::string::npos);
}

class RecordingOutput : public OutputSink {
  public:
    void ClearOutput() override { calls.emplace_back(u"clear"); }
    void AddOutputLine(std::u16string_view line) override {
        calls.push_back(u"line:" + std::u16string(line));
    }
    void ScrollOutputToEnd() override { calls.emplace_back(u"scroll"); }
    std::vector<std::u16string> calls;
};

TEST(RunBuildCommand, ClearsTheOutputReportsTheFileAndHandsTheTextOn) {
    CLumoraDoc doc;
    BuildSmallDesign(doc);
    RecordingOutput output;
    output.calls.emplace_back(u"earlier");
    const std::optional<std::u16string> source = RunBuildCommand(doc, output);
    ASSERT_TRUE(source.has_value());
    EXPECT_EQ(*source, *GenerateApplicationSource(doc));
    EXPECT_EQ(output.calls, (std::vector<std::u16string>{u"earlier", u"clear",
                                                         u"line:Demo.spin successfully created."}));
}

TEST(RunBuildCommand, RefusedGenerationLeavesTheOutputAlone) {
    CLumoraDoc doc;
    RecordingMessages messages;
    doc.AttachMessages(&messages);
    BuildSmallDesign(doc);
    doc.backgroundBitmapName = u"Gone";
    RecordingOutput output;
    EXPECT_FALSE(RunBuildCommand(doc, output).has_value());
    EXPECT_TRUE(output.calls.empty());
    EXPECT_EQ(messages.shown, std::vector<std::u16string>{u"Bitmap does not exist:  Gone"});
}

}  // namespace
}  // namespace lumora
