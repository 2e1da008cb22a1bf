#include <gtest/gtest.h>

#include "model/colors.h"
#include "screen/tile_screen.h"

namespace lumora {
namespace {

Rgbquad Quad(RgbColor c) {
    return {c.blue, c.green, c.red, 0};
}

TEST(TileScreen, DisplayColourIndexesTakeTheLongsBytesRotatedByOne) {
    // b3 white, b2 green, b1 blue, b0 red.
    const TileColors colors = TileDisplayColors(0xFC300CC0, kPropellerPalette);
    EXPECT_EQ(colors[0], Quad({255, 255, 255}));
    EXPECT_EQ(colors[1], Quad({255, 0, 0}));
    EXPECT_EQ(colors[2], Quad({0, 0, 255}));
    EXPECT_EQ(colors[3], Quad({0, 255, 0}));
    // Only the two low bits differ from black in each byte.
    for (const Rgbquad& q : TileDisplayColors(0x03020100, kPropellerPalette)) {
        EXPECT_EQ(q, Quad({0, 0, 0}));
    }
}

TEST(TileScreen, TileColoursFollowTheColourTableAtTheTilesSet) {
    ColorTable colors{};
    colors[3] = 0xFC300CC0;
    TileScreen screen(colors);
    screen.SetGlyphTile(2, 7, 40, 3);
    const int index = 2 * 64 + 7;
    EXPECT_EQ(screen.tileColors[4 * index + 1], Quad({255, 0, 0}));
    colors[3] = 0x000000FC;
    screen.UpdateTileColors(index);
    EXPECT_EQ(screen.tileColors[4 * index + 1], Quad({255, 255, 255}));
    EXPECT_EQ(screen.tileColors[4 * index + 0], Quad({0, 0, 0}));
}

TEST(TileScreen, PutCharWritesBothHalvesOfTheFontPairAndAdvances) {
    ColorTable colors{};
    TileScreen screen(colors);
    screen.cursorRow = 10;
    screen.cursorCol = 5;
    screen.cursorColor = 1;
    screen.PutChar(65);
    EXPECT_EQ(screen.tileGlyphs[645], 64);
    EXPECT_EQ(screen.tileGlyphs[709], 65);
    EXPECT_EQ(screen.tileColorSets[645], 3);
    EXPECT_EQ(screen.tileColorSets[709], 3);
    EXPECT_EQ(screen.cursorCol, 6);
    EXPECT_EQ(screen.cursorRow, 10);
    // An even code uses the even set of the pair.
    screen.PutChar(66);
    EXPECT_EQ(screen.tileGlyphs[646], 66);
    EXPECT_EQ(screen.tileGlyphs[710], 67);
    EXPECT_EQ(screen.tileColorSets[646], 2);
}

TEST(TileScreen, PutCharIgnoresTheRuntimesNonPrintingCodesAndUsesTheLowByte) {
    ColorTable colors{};
    TileScreen screen(colors);
    const std::vector<std::int32_t> before = screen.tileGlyphs;
    screen.cursorRow = 3;
    screen.cursorCol = 3;
    for (int code = 0; code < 4; ++code) {
        screen.PutChar(code);
    }
    EXPECT_EQ(screen.tileGlyphs, before);
    EXPECT_EQ(screen.cursorCol, 3);
    screen.PutChar(0x141);  // low byte 'A'
    EXPECT_EQ(screen.tileGlyphs[3 * 64 + 3], 64);
}

TEST(TileScreen, PutCharPastTheLastColumnIsDroppedNotWrapped) {
    ColorTable colors{};
    TileScreen screen(colors);
    const std::vector<std::int32_t> before = screen.tileGlyphs;
    screen.cursorRow = 4;
    screen.cursorCol = 63;
    screen.PutChar('A');
    EXPECT_EQ(screen.tileGlyphs[4 * 64 + 63], 64);
    EXPECT_EQ(screen.cursorCol, 64);
    screen.PutChar('B');
    screen.PutChar('C');
    std::vector<std::int32_t> expected = before;
    expected[4 * 64 + 63] = 64;
    expected[5 * 64 + 63] = 65;
    EXPECT_EQ(screen.tileGlyphs, expected);
    EXPECT_EQ(screen.cursorCol, 64);
}

TEST(TileScreen, PutCharOnTheLastRowWritesOnlyTheTopHalf) {
    ColorTable colors{};
    TileScreen screen(colors);
    std::vector<std::int32_t> expected = screen.tileGlyphs;
    screen.cursorRow = 47;
    screen.cursorCol = 0;
    screen.PutChar('A');
    expected[47 * 64] = 64;
    EXPECT_EQ(screen.tileGlyphs, expected);
    // Below the screen, left of it or above it nothing is written.
    for (const auto& [row, col] : {std::pair{48, 0}, std::pair{-2, 5}, std::pair{10, -1}}) {
        screen.cursorRow = row;
        screen.cursorCol = col;
        screen.PutChar('Z');
    }
    EXPECT_EQ(screen.tileGlyphs, expected);
    // A character on row -1 shows its lower half on row 0.
    screen.cursorRow = -1;
    screen.cursorCol = 9;
    screen.PutChar('A');
    expected[9] = 65;
    EXPECT_EQ(screen.tileGlyphs, expected);
}

}  // namespace
}  // namespace lumora
