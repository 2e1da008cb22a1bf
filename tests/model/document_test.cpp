#include <gtest/gtest.h>

#include "model/document.h"
#include "model/records.h"

namespace lumora {
namespace {

TEST(SetTitle, StripsOnlyAnExactLowerCaseExtension) {
    struct Case {
        std::u16string title;
        std::u16string appName;
    };
    const Case cases[] = {
        {u"App.lmd", u"App"}, {u"App.LMD", u"App.LMD"}, {u"App", u"App"},           {u".lmd", u""},
        {u"lmd", u"lmd"},     {u"a.lmd.lmd", u"a.lmd"}, {u"Untitled", u"Untitled"},
    };
    for (const Case& c : cases) {
        CLumoraDoc doc;
        doc.SetTitle(c.title);
        EXPECT_EQ(doc.appName, c.appName);
        EXPECT_EQ(doc.Title(), c.title);
    }
}

TEST(ShadowColor, LowersEveryTwoBitFieldOneStep) {
    EXPECT_EQ(ShadowColor(0xFCFCFCFCu), 0xA8A8A8A8u);
    EXPECT_EQ(ShadowColor(0x54545454u), 0x00000000u);
    EXPECT_EQ(ShadowColor(0x03030303u), 0x02020202u);
    EXPECT_EQ(ShadowColor(0xFFFFFFFFu), 0xAAAAAAAAu);
    EXPECT_EQ(ShadowColor(0x00000000u), 0x00000000u);
    // Fields are independent: 3, 2, 1, 0 in one byte become 2, 1, 0, 0.
    EXPECT_EQ(ShadowColor(0x000000E4u), 0x00000090u);
}

TEST(DeriveShadowColors, WritesOnlyTheShadowRange) {
    CLumoraDoc doc;
    doc.appColors.fill(0x12345678u);
    doc.appColors[0] = 0xFCFCFCFCu;
    doc.DeriveShadowColors();
    EXPECT_EQ(doc.appColors[16], 0xA8A8A8A8u);
    EXPECT_EQ(doc.appColors[0], 0xFCFCFCFCu);
    EXPECT_EQ(doc.appColors[15], 0x12345678u);
    EXPECT_EQ(doc.appColors[31], ShadowColor(0x12345678u));
    EXPECT_EQ(doc.appColors[32], 0x12345678u);
}

TEST(Records, ConstructedDefaults) {
    const CLmComponent c;
    EXPECT_TRUE(c.caption.empty());
    EXPECT_TRUE(c.name.empty());
    EXPECT_TRUE(c.handler.empty());
    for (std::int32_t v : {c.type, c.hotKeyIndex, c.top, c.left, c.height, c.width, c.textColor,
                           c.borderColor, c.id, c.value, c.maxValue, c.minValue, c.group}) {
        EXPECT_EQ(v, 0);
    }
    const CLmForm f;
    EXPECT_EQ(f.caption, u"New Form");
    EXPECT_TRUE(f.name.empty());
    EXPECT_EQ(f.top, 6);
    EXPECT_EQ(f.left, 10);
    EXPECT_EQ(f.height, 25);
    EXPECT_EQ(f.width, 40);
    EXPECT_EQ(f.backgroundColor, 1);
    EXPECT_EQ(f.borderColor, 4);
    EXPECT_EQ(f.titleColor, 0);
}

TEST(TileImage, StoresBottomRowFirstWithLeftPixelHigh) {
    TileImage tile;
    tile.SetPixel(0, 15, 0xA);  // bottom-left: first byte, high nibble
    tile.SetPixel(1, 15, 0x5);  // its right neighbour: same byte, low nibble
    tile.SetPixel(15, 0, 0x3);  // top-right: last byte, low nibble
    EXPECT_EQ(tile.bytes[0], 0xA5);
    EXPECT_EQ(tile.bytes[127], 0x03);
    EXPECT_EQ(tile.Pixel(0, 15), 0xA);
    EXPECT_EQ(tile.Pixel(1, 15), 0x5);
    EXPECT_EQ(tile.Pixel(15, 0), 0x3);
    tile.SetPixel(0, 15, 0x1);
    EXPECT_EQ(tile.bytes[0], 0x15) << "rewriting one nibble keeps the other";
}

TEST(DeleteContents, EmptiesTheListsAndLeavesNoDanglingSelection) {
    CLumoraDoc doc;
    doc.AddForm();
    doc.AddComponent(AddTool::Button);
    doc.DeleteContents();
    EXPECT_TRUE(doc.forms.empty());
    EXPECT_TRUE(doc.bitmaps.empty());
    EXPECT_TRUE(doc.objects.empty());
    EXPECT_EQ(doc.currentForm, nullptr);
    EXPECT_EQ(doc.currentComponent, nullptr);
}

}  // namespace
}  // namespace lumora
