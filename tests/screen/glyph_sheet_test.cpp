#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <vector>

#include "screen/glyph_sheet.h"
#include "screen/rom_font.h"
#include "test_files.h"

namespace lumora {
namespace {

// The 16 x 32 bitmap of one character: its plane of its pair.
std::vector<bool> CharacterBits(const RomFont& font, int code) {
    std::vector<bool> bits;
    for (int y = 0; y < kFontRows; ++y) {
        for (int x = 0; x < 16; ++x) {
            bits.push_back(((font.Pixel(code / 2, x, y) >> (code & 1)) & 1) != 0);
        }
    }
    return bits;
}

bool Blank(const std::vector<bool>& bits) {
    for (bool b : bits) {
        if (b) {
            return false;
        }
    }
    return true;
}

TEST(BuiltInFont, BoxPiecesAreBevelledFourColourCells) {
    const RomFont font = BuiltInFont();
    // Tile t is pair t / 2, rows 16 (t % 2) .. + 15.
    auto tile = [&](int t, int x, int y) { return font.Pixel(t / 2, x, (t % 2) * 16 + y); };
    struct Case {
        int tile;
        int x, y;
        std::uint32_t value;
    };
    const Case cases[] = {
        {0, 0, 0, 3},
        {0, 0, 15, 3},
        {0, 15, 0, 3},
        {0, 8, 8, 0},  // top-left
        {12, 7, 0, 3},
        {12, 7, 15, 0},  // top edge
        {8, 0, 0, 3},
        {8, 15, 8, 2},  // top-right
        {10, 0, 7, 3},
        {10, 15, 7, 0},  // left edge
        {11, 15, 7, 2},
        {11, 0, 7, 0},  // right edge
        {1, 0, 0, 3},
        {1, 8, 15, 2},  // bottom-left
        {13, 7, 15, 2},
        {13, 7, 0, 0},  // bottom edge
        {9, 15, 15, 2},
        {9, 15, 0, 2},
        {9, 0, 15, 2},
        {9, 5, 5, 0},  // bottom-right
        // The inner line, four pixels in from the outer edge, with face on both sides of it.
        {0, 4, 4, 1},
        {0, 15, 4, 1},
        {0, 4, 15, 1},
        {0, 3, 9, 0},
        {0, 9, 5, 0},
        {12, 7, 4, 1},
        {12, 7, 3, 0},
        {12, 7, 5, 0},
        {13, 7, 11, 1},
        {13, 7, 12, 0},
        {10, 4, 7, 1},
        {10, 3, 7, 0},
        {11, 11, 7, 1},
        {11, 12, 7, 0},
        {8, 0, 4, 1},
        {8, 11, 4, 1},
        {8, 12, 4, 0},
        {8, 11, 15, 1},
        {1, 4, 0, 1},
        {1, 4, 11, 1},
        {1, 15, 11, 1},
        {1, 8, 12, 0},
        {9, 11, 0, 1},
        {9, 11, 11, 1},
        {9, 0, 11, 1},
        {9, 12, 12, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tile(c.tile, c.x, c.y), c.value)
            << "tile " << c.tile << " at " << c.x << "," << c.y;
    }
}

TEST(BuiltInFont, HasEveryCharacterTheDesignerDrawsAndEachIsDistinct) {
    const RomFont font = BuiltInFont();
    std::set<std::vector<bool>> shapes;
    std::vector<int> codes = {4, 5, 15};
    for (int c = 33; c < 127; ++c) {
        codes.push_back(c);
    }
    for (int code : codes) {
        const std::vector<bool> bits = CharacterBits(font, code);
        EXPECT_FALSE(Blank(bits)) << "code " << code;
        EXPECT_TRUE(shapes.insert(bits).second) << "code " << code << " repeats another";
    }
    EXPECT_TRUE(Blank(CharacterBits(font, ' ')));
    // '@' and 'A' share pair 32, one in each bit plane.
    EXPECT_NE(CharacterBits(font, '@'), CharacterBits(font, 'A'));
}

TEST(GlyphSheet, StoresEachFontPixelRotatedByOneInItsTile) {
    RomFont font;
    // Pair 5, row 20 (bottom half, tile 11, tile row 4): pixel 3 has value 2, pixel 15 value 3.
    font.longs[5 * 32 + 20] = (2u << 6) | (3u << 30);
    // Pair 0, row 0: pixels 0..3 have the values 0..3.
    font.longs[0] = 0u | (1u << 2) | (2u << 4) | (3u << 6);
    const GlyphSheet sheet(font);
    EXPECT_EQ(sheet.Index(11, 3, 4), 3);
    EXPECT_EQ(sheet.Index(11, 15, 4), 0);
    EXPECT_EQ(sheet.Index(11, 4, 4), 1);
    EXPECT_EQ(sheet.Index(10, 3, 4), 1);  // the top half of pair 5 is empty
    EXPECT_EQ(sheet.SheetIndex(16 * 11 + 3, 4), 3);
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(sheet.Index(0, p, 0), (p + 1) % 4);
    }
    EXPECT_EQ(sheet.SheetIndex(0, 16), sheet.Index(16, 0, 0));  // second row of the sheet
}

TEST(RomFontLoading, AcceptsTheFontRegionOrTheHubRomLittleEndian) {
    for (std::size_t size : {kFontBytes, kHubRomImageBytes}) {
        std::vector<unsigned char> bytes(size, 0xEE);
        bytes[0] = 0x01, bytes[1] = 0x02, bytes[2] = 0x03, bytes[3] = 0x04;
        bytes[kFontBytes - 4] = 0xAA, bytes[kFontBytes - 1] = 0x55;
        std::string error;
        const auto font = RomFontFromBytes(bytes, error);
        ASSERT_TRUE(font) << error;
        EXPECT_EQ(font->longs[0], 0x04030201u);
        EXPECT_EQ(font->longs[kFontLongs - 1], 0x55EEEEAAu);
    }
}

TEST(RomFontLoading, RefusesOtherSizesAndNonFiles) {
    const testing::ScratchDir dir;
    for (std::size_t size : {std::size_t{0}, std::size_t{100}, kFontBytes - 1, kFontBytes + 1,
                             kHubRomImageBytes + 4, std::size_t{65536}}) {
        const auto path = dir / ("font" + std::to_string(size));
        std::ofstream(path, std::ios::binary) << std::string(size, '\x11');
        std::string error;
        EXPECT_FALSE(LoadRomFontFile(path, error)) << size;
        EXPECT_NE(error.find("16384"), std::string::npos) << error;
        EXPECT_NE(error.find(std::to_string(size) + " bytes"), std::string::npos) << error;
    }
    const auto good = dir / "good";
    std::ofstream(good, std::ios::binary) << std::string(kHubRomImageBytes, '\x11');
    std::string error;
    const auto font = LoadRomFontFile(good, error);
    ASSERT_TRUE(font) << error;
    EXPECT_EQ(font->longs[7], 0x11111111u);
    EXPECT_FALSE(LoadRomFontFile(dir, error));
    EXPECT_FALSE(LoadRomFontFile(dir / "missing", error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace lumora
