#include <gtest/gtest.h>

#include "model/document.h"
#include "model/new_application.h"
#include "properties/app_colors.h"

namespace lumora {
namespace {

TEST(ColorsDialog, DialogOpensTextAndGraphicsSetsFromTheirLongs) {
    CLumoraDoc doc;
    doc.appColors[0] = 0xF004F004;
    doc.appColors[1] = 0x12345678;  // never read
    doc.appColors[10] = 0x0404A8A8;
    const AppColorsDialogValues values = ReadAppColorsDialog(doc);
    EXPECT_EQ(values.text[0][0], (RgbColor{255, 255, 0}));
    EXPECT_EQ(values.text[0][1], (RgbColor{0, 0, 85}));
    const std::array<RgbColor, 4> graphics = {RgbColor{0, 0, 85}, RgbColor{0, 0, 85},
                                              RgbColor{170, 170, 170}, RgbColor{170, 170, 170}};
    EXPECT_EQ(values.graphics[0], graphics);
}

TEST(ColorsDialog, DialogOkRebuildsTheOddTextLongAndTheShadows) {
    CLumoraDoc doc;
    doc.appColors[0] = 0xF004F004;
    doc.appColors[1] = 0x00000000;  // does not match long 0
    doc.appColors[10] = 0x0404A8A8;
    doc.appColors[15] = 0xFCFCFCFC;
    doc.appColors[40] = 0xDEADBEEF;
    WriteAppColorsDialog(doc, ReadAppColorsDialog(doc));
    EXPECT_EQ(doc.appColors[0], 0xF004F004u);
    EXPECT_EQ(doc.appColors[1], 0xF0F00404u);
    EXPECT_EQ(doc.appColors[16], 0xA000A000u);
    EXPECT_EQ(doc.appColors[17], 0xA0A00000u);
    EXPECT_EQ(doc.appColors[26], 0x00005454u);
    EXPECT_EQ(doc.appColors[31], 0xA8A8A8A8u);
    EXPECT_EQ(doc.appColors[40], 0xDEADBEEFu);
    EXPECT_FALSE(doc.IsModified());
}

TEST(ColorsDialog, DialogOkOnNewApplicationClearsOnlyTheLowBitsOfItsColours) {
    CLumoraDoc doc;
    ASSERT_TRUE(StartNewApplication(doc));
    ColorTable expected = doc.appColors;
    // The default button colours carry $FF bytes; the dialog writes %RRGGBB00.
    expected[12] = 0xFC54FCA8;
    expected[13] = 0x54FCFCA8;
    expected[28] = ShadowColor(expected[12]);
    expected[29] = ShadowColor(expected[13]);
    WriteAppColorsDialog(doc, ReadAppColorsDialog(doc));
    EXPECT_EQ(doc.appColors, expected);
}

TEST(ColorsDialog, DialogWritesChosenColoursMostSignificantFirst) {
    CLumoraDoc doc;
    AppColorsDialogValues values = ReadAppColorsDialog(doc);
    values.text[4] = {RgbColor{255, 0, 0}, RgbColor{0, 170, 0}};
    values.graphics[5] = {RgbColor{255, 255, 255}, RgbColor{85, 85, 85}, RgbColor{0, 0, 255},
                          RgbColor{200, 100, 50}};
    WriteAppColorsDialog(doc, values);
    EXPECT_EQ(doc.appColors[8], 0xC020C020u);
    EXPECT_EQ(doc.appColors[9], 0xC0C02020u);
    EXPECT_EQ(doc.appColors[15], 0xFC540C90u);
    EXPECT_EQ(ReadGraphicsColorSet(doc.appColors, 5).colors,
              (std::array<PropellerColor, 4>{0xFC, 0x54, 0x0C, 0x90}));
}

}  // namespace
}  // namespace lumora
