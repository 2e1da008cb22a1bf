#include <gtest/gtest.h>

#include <utility>

#include "model/colors.h"

namespace lumora {
namespace {

TEST(ColorModel, PaletteEntriesFollowTheLevelsOfTheirIndex) {
    struct Case {
        int index;
        RgbColor rgb;
    };
    const Case cases[] = {{0, {0, 0, 0}},      {1, {0, 0, 85}},     {3, {0, 0, 255}},
                          {12, {0, 255, 0}},   {21, {85, 85, 85}},  {42, {170, 170, 170}},
                          {48, {255, 0, 0}},   {60, {255, 255, 0}}, {63, {255, 255, 255}},
                          {38, {170, 85, 170}}};
    for (const Case& c : cases) {
        EXPECT_EQ(kPropellerPalette[c.index], c.rgb) << "index " << c.index;
    }
}

TEST(ColorModel, ChannelLevelsRoundDownBetweenPaletteSteps) {
    const std::pair<int, int> cases[] = {{0, 0},   {84, 0},  {85, 1},  {169, 1},
                                         {170, 2}, {254, 2}, {255, 3}, {128, 1}};
    for (const auto& [value, level] : cases) {
        EXPECT_EQ(ColorLevelFromChannel(static_cast<std::uint8_t>(value)), level) << value;
    }
    EXPECT_EQ(PropellerColorFromRgb({200, 100, 50}), 0x90);
}

TEST(ColorModel, EveryPaletteColourConvertsToItsOwnByteAndBack) {
    for (int i = 0; i < kPaletteSize; ++i) {
        const PropellerColor byte = PropellerColorFromRgb(kPropellerPalette[i]);
        EXPECT_EQ(byte, i << 2);
        // The two low bits never change the colour.
        for (int low = 0; low < 4; ++low) {
            EXPECT_EQ(RgbFromPropellerColor(static_cast<PropellerColor>(byte | low)),
                      kPropellerPalette[i]);
        }
    }
}

}  // namespace
}  // namespace lumora
