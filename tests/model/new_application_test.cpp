#include <gtest/gtest.h>

#include "model/document.h"
#include "model/new_application.h"
#include "model/resource_texts.h"
#include "model/text_encoding.h"
#include "recording_object_tree.h"

namespace lumora {
namespace {

struct ExpectedComponent {
    std::u16string name;
    ComponentType type;
    std::u16string caption;
    std::int32_t top, left, height, width, textColor, borderColor, hotKeyIndex, value, maxValue,
        minValue, group, id;
};

// Written out by hand from the documented defaults, not derived from the code.
const ExpectedComponent kDefaultComponents[] = {
    {u"Button1", ComponentType::Button, u"OK", 24, 18, 4, 10, 1, 0, 0, 0, 0, 0, 0, 1000},
    {u"Group1", ComponentType::GroupBox, u"Welcome", 5, 4, 14, 25, 1, 1, 0, 0, 0, 0, 0, 1001},
    {u"Text1", ComponentType::Text, u"To Lumora!", 10, 6, 2, 10, 1, 0, 0, 0, 0, 0, 0, 1002},
    {u"Option1", ComponentType::OptionButton, u"Test Option", 13, 7, 2, 15, 1, 0, 0, 0, 0, 0, 0,
     1003},
    {u"Check1", ComponentType::CheckBox, u"Test Check Box", 16, 7, 2, 18, 1, 0, 0, 0, 0, 0, 0,
     1004},
    {u"Number1", ComponentType::NumberEdit, u"", 9, 37, 6, 4, 1, 0, 0, 123, 3999, 0, 0, 1005},
};

void ExpectDefaultApplication(const CLumoraDoc& doc) {
    EXPECT_EQ(doc.appName, u"Untitled");
    EXPECT_EQ(doc.mainFormName, u"Form1");
    EXPECT_EQ(doc.backgroundBitmapName, u"BitmapData1");
    EXPECT_EQ(doc.backgroundBitmapColor, 4);
    EXPECT_EQ(doc.formCounter, 1);
    EXPECT_EQ(doc.bitmapCounter, 1);
    EXPECT_EQ(doc.typeCounters, (std::array<std::int32_t, 10>{0, 1, 1, 1, 1, 1, 0, 1, 0, 0}));
    EXPECT_EQ(doc.nextComponentId, 1006);
    EXPECT_EQ(doc.reserved1, 0);
    EXPECT_EQ(doc.reserved2, 1);
    EXPECT_EQ(doc.reserved3, 0);
    EXPECT_TRUE(doc.reservedText.empty());
    EXPECT_TRUE(doc.ready);
    EXPECT_FALSE(doc.IsModified());

    ASSERT_EQ(doc.forms.size(), 1u);
    const CLmForm& form = *doc.forms[0];
    EXPECT_EQ(form.name, u"Form1");
    EXPECT_EQ(form.caption, u"New Form");
    EXPECT_EQ(form.top, 5);
    EXPECT_EQ(form.left, 8);
    EXPECT_EQ(form.height, 30);
    EXPECT_EQ(form.width, 49);
    EXPECT_EQ(form.backgroundColor, 1);
    EXPECT_EQ(form.titleColor, 0);
    EXPECT_EQ(form.borderColor, 4);

    ASSERT_EQ(form.components.size(), std::size(kDefaultComponents));
    for (std::size_t i = 0; i < form.components.size(); ++i) {
        const CLmComponent& c = *form.components[i];
        const ExpectedComponent& e = kDefaultComponents[i];
        SCOPED_TRACE(ToUtf8(e.name));
        EXPECT_EQ(c.name, e.name);
        EXPECT_EQ(c.type, static_cast<std::int32_t>(e.type));
        EXPECT_EQ(c.caption, e.caption);
        EXPECT_EQ(c.top, e.top);
        EXPECT_EQ(c.left, e.left);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.textColor, e.textColor);
        EXPECT_EQ(c.borderColor, e.borderColor);
        EXPECT_EQ(c.hotKeyIndex, e.hotKeyIndex);
        EXPECT_EQ(c.value, e.value);
        EXPECT_EQ(c.maxValue, e.maxValue);
        EXPECT_EQ(c.minValue, e.minValue);
        EXPECT_EQ(c.group, e.group);
        EXPECT_EQ(c.id, e.id);
        EXPECT_TRUE(c.handler.empty());
    }

    ASSERT_EQ(doc.bitmaps.size(), 1u);
    const CLmBitmap& bitmap = *doc.bitmaps[0];
    EXPECT_EQ(bitmap.name, u"BitmapData1");
    EXPECT_EQ(bitmap.bitDepth, 1);
    EXPECT_EQ(bitmap.widthTiles, 1);
    EXPECT_EQ(bitmap.heightTiles, 1);
    EXPECT_EQ(bitmap.tileCount, 1);
    EXPECT_EQ(bitmap.color, 4);
    ASSERT_EQ(bitmap.tiles.size(), 1u);

    EXPECT_EQ(doc.currentForm, doc.forms[0].get());
    EXPECT_EQ(doc.currentComponent, form.components.back().get());
    EXPECT_EQ(doc.currentBitmap, nullptr);
}

TEST(NewApplication, MatchesTheDefaultsFieldForField) {
    CLumoraDoc doc;
    ASSERT_TRUE(StartNewApplication(doc));
    ExpectDefaultApplication(doc);
}

TEST(NewApplication, NewAfterEditingGivesTheSameApplicationAgain) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    doc.AddForm();
    doc.AddComponent(AddTool::Button);
    doc.AddBitmap(2, 2, 1);
    doc.customCode = u"changed";
    doc.appColors[3] = 0;
    doc.reserved3 = 7;
    doc.SetTitle(u"Other.lmd");
    ASSERT_TRUE(StartNewApplication(doc));
    ExpectDefaultApplication(doc);
}

TEST(NewApplication, DefaultColours) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    const std::uint32_t expected[32] = {
        0xF004F004, 0xF0F00404, 0x00A800A8, 0x0000A8A8, 0x80A880A8, 0x8080A8A8, 0x00F800F8,
        0x0000F8F8, 0x08A808A8, 0x0808A8A8, 0xFC54A8A8, 0x54FCA8A8, 0xFC54FFA8, 0x54FCFFA8,
        0x0404A8A8, 0x08A808A8, 0xA000A000, 0xA0A00000, 0x00540054, 0x00005454, 0x40544054,
        0x40405454, 0x00A400A4, 0x0000A4A4, 0x04540454, 0x04045454, 0xA8005454, 0x00A85454,
        0xA800AA54, 0x00A8AA54, 0x00005454, 0x04540454};
    for (int i = 0; i < 64; ++i) {
        EXPECT_EQ(doc.appColors[i], i < 32 ? expected[i] : 0u) << "entry " << i;
    }
}

TEST(NewApplication, SampleTileBytesAreStoredBottomRowFirst) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    const auto& bytes = doc.bitmaps[0]->tiles[0].bytes;
    const std::uint8_t rowA[8] = {0x11, 0x00, 0x11, 0x00, 0x11, 0x00, 0x11, 0x00};
    const std::uint8_t rowB[8] = {0x00, 0x11, 0x00, 0x11, 0x00, 0x11, 0x00, 0x00};
    for (int row = 0; row < 16; ++row) {
        const std::uint8_t* expected = (row / 2) % 2 == 0 ? rowA : rowB;
        for (int b = 0; b < 8; ++b) {
            EXPECT_EQ(bytes[row * 8 + b], expected[b]) << "stored row " << row << " byte " << b;
        }
    }
    // Top-left pixels as drawn: 0 0 1 1 on the top row, 1 1 0 0 on row 2.
    const TileImage& tile = doc.bitmaps[0]->tiles[0];
    EXPECT_EQ(tile.Pixel(0, 0), 0);
    EXPECT_EQ(tile.Pixel(2, 0), 1);
    EXPECT_EQ(tile.Pixel(0, 2), 1);
    EXPECT_EQ(tile.Pixel(14, 0), 0);
}

TEST(NewApplication, CustomCodeAndObjects) {
    CLumoraDoc doc;
    StartNewApplication(doc);
    EXPECT_EQ(doc.customCode,
              u"'Custom Spin Code Starts Here\r\n"
              u"PUB OnAppStarting 'This routine is called at startup, you can initialize any "
              u"special objects or data here\r\nreturn\r\n\r\n"
              u"PUB IdleProcess 'This routine is called very often while waiting for mouse or "
              u"keyboard input\r\n  'Be careful with what you add here.  Code that takes time "
              u"may slow system responsiveness\r\nreturn\r\n\r\n");

    struct Expected {
        std::u16string name, stem;
        ResourceId resource;
    };
    const Expected expected[] = {
        {u"vga", u"VGA_1024x768_Tile_Driver_With_Cursor", ResourceId::VgaDriver},
        {u"mouse", u"mouse", ResourceId::MouseDriver},
        {u"num", u"numbers", ResourceId::NumbersObject},
        {u"kb", u"Keyboard", ResourceId::KeyboardDriver},
    };
    ASSERT_EQ(doc.objects.size(), std::size(expected));
    for (std::size_t i = 0; i < doc.objects.size(); ++i) {
        const CLmObject& o = *doc.objects[i];
        EXPECT_EQ(o.name, expected[i].name);
        EXPECT_EQ(o.fileName, expected[i].stem);
        EXPECT_EQ(o.fileStem, expected[i].stem);
        EXPECT_EQ(o.resourceId, static_cast<std::int32_t>(expected[i].resource));
        ASSERT_FALSE(o.code.empty());
        EXPECT_EQ(o.code.front(), kByteOrderMark) << "built-in code keeps its byte-order mark";
        EXPECT_EQ(o.code, LoadResourceText(expected[i].resource));
        EXPECT_TRUE(o.reservedText.empty());
    }
    ASSERT_FALSE(doc.templateText.empty());
    EXPECT_NE(doc.templateText.front(), kByteOrderMark);
    EXPECT_EQ(kByteOrderMark + doc.templateText, LoadResourceText(ResourceId::RuntimeTemplate));
}

TEST(NewApplication, RebuildsAnAttachedObjectTree) {
    CLumoraDoc doc;
    testing::RecordingObjectTree tree;
    doc.AttachObjectTree(&tree);
    StartNewApplication(doc);
    EXPECT_GT(tree.rebuilds, 0);
}

TEST(ResourceTexts, EveryResourceIsUtf16WithByteOrderMark) {
    for (ResourceId id : {ResourceId::VgaDriver, ResourceId::MouseDriver, ResourceId::NumbersObject,
                          ResourceId::KeyboardDriver, ResourceId::RuntimeTemplate}) {
        const std::u16string text = LoadResourceText(id);
        ASSERT_GE(text.size(), 2u) << static_cast<int>(id);
        EXPECT_EQ(text.front(), kByteOrderMark) << static_cast<int>(id);
        EXPECT_EQ(text.substr(text.size() - 2), u"\r\n") << static_cast<int>(id);
    }
    EXPECT_TRUE(LoadResourceText(static_cast<ResourceId>(1)).empty());
}

}  // namespace
}  // namespace lumora
