#include <gtest/gtest.h>

#include <set>

#include "properties/app_colors_dialog.h"
#include "property_test_support.h"

namespace lumora {
namespace {

using testing::NewApplication;

constexpr std::size_t kGraphicsStart = 2 * kTextColorSetCount;

std::size_t GraphicsButton(int set, int position) {
    return kGraphicsStart + static_cast<std::size_t>(4 * set + position);
}

TEST(AppColorsDialog, ButtonsFollowTheControlIdentifiersAndTheirSets) {
    const auto& slots = ColorButtonSlots();
    std::set<int> ids;
    for (const ColorButtonSlot& slot : slots) {
        ids.insert(slot.controlId);
    }
    EXPECT_EQ(ids.size(), slots.size());
    EXPECT_EQ(slots[0].controlId, 1005);
    EXPECT_EQ(slots[9].controlId, 1014);
    EXPECT_TRUE(slots[9].textSet);
    EXPECT_EQ(slots[9].set, 4);
    EXPECT_EQ(slots[9].position, 1);
    EXPECT_EQ(slots[GraphicsButton(1, 0)].controlId, 1023);
    EXPECT_EQ(slots[GraphicsButton(5, 3)].controlId, 1054);
    EXPECT_FALSE(slots[GraphicsButton(5, 3)].textSet);
    EXPECT_EQ(TextColorSetMeaning(2), u"Normally used for Highlighted (or \"hot\") Form Text");
    EXPECT_EQ(GraphicsColorSetLabel(4), u"Graphics Color #4");
    EXPECT_EQ(GraphicsColorSetMeaning(4), u"Window Border Graphics");
}

TEST(AppColorsDialog, OpensOnTheNewApplicationsColours) {
    NewApplication app;
    const ColorButtonChoices choices = OpenAppColors(app.doc);
    // Text set 0 is $F004F004: yellow on dark blue.
    EXPECT_EQ(kPropellerPalette[choices[0]], (RgbColor{255, 255, 0}));
    EXPECT_EQ(kPropellerPalette[choices[1]], (RgbColor{0, 0, 85}));
    // Graphics set 4 is $0404A8A8.
    for (int p = 0; p < 4; ++p) {
        const RgbColor expected = p < 2 ? RgbColor{0, 0, 85} : RgbColor{170, 170, 170};
        EXPECT_EQ(kPropellerPalette[choices[GraphicsButton(4, p)]], expected) << p;
    }
}

TEST(AppColorsDialog, OkWithoutChangesKeepsEveryLongAndTheModifiedFlag) {
    NewApplication app;
    // Long 12 holds $FF bytes and long 1 does not match long 0: both stay as they are.
    app.doc.appColors[1] = 0x12345678;
    const auto before = app.doc.appColors;
    const ColorButtonChoices opened = OpenAppColors(app.doc);
    EXPECT_EQ(ApplyAppColors(app.doc, opened, opened), Refresh::Render);
    EXPECT_EQ(app.doc.appColors, before);
    EXPECT_FALSE(app.doc.IsModified());
}

TEST(AppColorsDialog, AChangedButtonChangesExactlyItsLongsAndTheirShadows) {
    struct Case {
        std::size_t button;
        int paletteIndex;
        std::vector<std::pair<std::size_t, std::uint32_t>> longs;  // every long that changes
    };
    const Case cases[] = {
        // Text set 0's background to white: both longs rebuilt, foreground kept.
        {1, 63, {{0, 0xF0FCF0FC}, {1, 0xF0F0FCFC}, {16, 0xA0A8A0A8}, {17, 0xA0A0A8A8}}},
        // Text set 2's foreground to black.
        {4, 0, {{4, 0x00A800A8}, {5, 0x0000A8A8}, {20, 0x00540054}, {21, 0x00005454}}},
        // Graphics set 2's first colour (long 12, $FC54FFA8): only its byte, $FF kept elsewhere.
        {GraphicsButton(2, 0), 21, {{12, 0x5454FFA8}, {28, 0x0000AA54}}},
        // Graphics set 5's last colour.
        {GraphicsButton(5, 3), 63, {{15, 0x08A808FC}, {31, 0x045404A8}}},
    };
    for (const Case& c : cases) {
        NewApplication app;
        const auto before = app.doc.appColors;
        const ColorButtonChoices opened = OpenAppColors(app.doc);
        ColorButtonChoices chosen = opened;
        chosen[c.button] = c.paletteIndex;
        ApplyAppColors(app.doc, opened, chosen);
        auto expected = before;
        for (const auto& [index, value] : c.longs) {
            expected[index] = value;
        }
        EXPECT_EQ(app.doc.appColors, expected) << c.button;
        EXPECT_TRUE(app.doc.IsModified()) << c.button;
    }
}

TEST(AppColorsDialog, ChoosingTheShownColourAgainIsNoChange) {
    NewApplication app;
    const auto before = app.doc.appColors;
    const ColorButtonChoices opened = OpenAppColors(app.doc);
    ColorButtonChoices chosen = opened;
    // Long 12's $FF byte shows as white; picking white again leaves it $FF.
    chosen[GraphicsButton(2, 2)] = 63;
    ASSERT_EQ(opened[GraphicsButton(2, 2)], 63);
    ApplyAppColors(app.doc, opened, chosen);
    EXPECT_EQ(app.doc.appColors, before);
    EXPECT_FALSE(app.doc.IsModified());
}

TEST(AppColorsDialog, OkWithABitmapShownAsksOnlyForARepaint) {
    NewApplication app;
    app.doc.SelectByName(u"BitmapData1");
    ASSERT_EQ(app.doc.currentForm, nullptr);
    const ColorButtonChoices opened = OpenAppColors(app.doc);
    ColorButtonChoices chosen = opened;
    chosen[0] = 3;
    EXPECT_EQ(ApplyAppColors(app.doc, opened, chosen), Refresh::Repaint);
    EXPECT_EQ(app.doc.appColors[0], 0x0C040C04u);
}

}  // namespace
}  // namespace lumora
