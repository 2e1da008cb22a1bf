#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "codegen/bitmap_declarations.h"
#include "codegen/color_declarations.h"
#include "model/new_application.h"
#include "model/records.h"
#include "model/text_encoding.h"

namespace lumora {
namespace {

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

TileImage FilledTile(std::uint8_t value) {
    TileImage tile;
    for (int y = 0; y < TileImage::kSize; ++y) {
        for (int x = 0; x < TileImage::kSize; ++x) {
            tile.SetPixel(x, y, value);
        }
    }
    return tile;
}

std::unique_ptr<CLmBitmap> MakeBitmap(std::u16string name, int w, int h,
                                      const std::vector<TileImage>& tiles) {
    auto bitmap = std::make_unique<CLmBitmap>();
    bitmap->name = std::move(name);
    bitmap->widthTiles = w;
    bitmap->heightTiles = h;
    bitmap->tileCount = static_cast<std::int32_t>(tiles.size());
    bitmap->tiles = tiles;
    bitmap->bitDepth = 1;
    bitmap->color = 4;
    return bitmap;
}

std::string BitmapText(std::vector<std::unique_ptr<CLmBitmap>> bitmaps) {
    std::u16string out;
    AppendBitmapDeclarations(out, bitmaps);
    return ToUtf8(out);
}

const std::string kBitmapHead = Lines({
    "DAT   'Bitmap Data",
    "",
    "padding LONG 7[16]  'alignment padding for the following user defined characters ",
    "UserCharStart long",
});
const std::string kBitmapTail = Lines({"UserCharEnd long"});

TEST(ColorDeclarations, SixteenSetsWithTheirCommentsThenTheReservedLongs) {
    std::array<std::uint32_t, kColorLongCount> colors{};
    const std::uint32_t first16[] = {0xF004F004, 0xF0F00404, 0x00A800A8, 0x0000A8A8,
                                     0x80A880A8, 0x8080A8A8, 0x00F800F8, 0x0000F8F8,
                                     0x08A808A8, 0x0808A8A8, 0xFC54A8A8, 0x54FCA8A8,
                                     0xFC54FFA8, 0x54FCFFA8, 0x0000abcd, 0x00000000};
    for (int i = 0; i < 16; ++i) {
        colors[static_cast<std::size_t>(i)] = first16[i];
    }
    // Derived entries are the runtime's business and never written.
    colors[16] = 0x11111111;
    colors[40] = 0x22222222;
    std::u16string out;
    AppendColorDeclarations(out, colors);
    EXPECT_EQ(ToUtf8(out), Lines({
                               "DAT  'Application Colors Declarations",
                               "vgacolors long",
                               "     long $F004F004' color# 0, Text color# 0",
                               "     long $F0F00404' color# 1, Text color# 0",
                               "     long $00A800A8' color# 2, Text color# 1",
                               "     long $0000A8A8' color# 3, Text color# 1",
                               "     long $80A880A8' color# 4, Text color# 2",
                               "     long $8080A8A8' color# 5, Text color# 2",
                               "     long $00F800F8' color# 6, Text color# 3",
                               "     long $0000F8F8' color# 7, Text color# 3",
                               "     long $08A808A8' color# 8, Text color# 4",
                               "     long $0808A8A8' color# 9, Text color# 4",
                               "     long $FC54A8A8' color# 10, Graphics color# 0",
                               "     long $54FCA8A8' color# 11, Graphics color# 1",
                               "     long $FC54FFA8' color# 12, Graphics color# 2",
                               "     long $54FCFFA8' color# 13, Graphics color# 3",
                               "     long $0000ABCD' color# 14, Graphics color# 4",
                               "     long $00000000' color# 15, Graphics color# 5",
                               "     long 7[48]  'reserve space for cursor & shadow colors",
                               "",
                           }));
}

TEST(BitmapDeclarations, NoBitmapsStillGiveThePaddingAndBothLabels) {
    EXPECT_EQ(BitmapText({}), kBitmapHead + kBitmapTail);
}

TEST(BitmapDeclarations, SingleAllSetTileHasOnlyEvenBits) {
    std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
    bitmaps.push_back(MakeBitmap(u"Dot", 1, 1, {FilledTile(0)}));
    EXPECT_EQ(BitmapText(std::move(bitmaps)),
              kBitmapHead + Lines({"DAT   'Bitmap Data: Dot", "Dot long"}) +
                  Repeat(Lines({"     long $55555555"}), 16) + kBitmapTail);
}

TEST(BitmapDeclarations, PairsVerticallyAdjacentTilesInOneImage) {
    struct Case {
        std::uint8_t upper;
        std::uint8_t lower;
        const char* line;
    };
    const Case cases[] = {
        {0, 0, "     long $FFFFFFFF"},
        {1, 1, "     long $00000000"},
        {0, 1, "     long $55555555"},
        {1, 0, "     long $AAAAAAAA"},
        // Only the lowest bit of a stored value counts, whatever the bit depth says.
        {2, 3, "     long $55555555"},
    };
    for (const Case& c : cases) {
        std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
        bitmaps.push_back(MakeBitmap(u"Tall", 1, 2, {FilledTile(c.upper), FilledTile(c.lower)}));
        bitmaps.back()->bitDepth = 2;
        EXPECT_EQ(BitmapText(std::move(bitmaps)),
                  kBitmapHead + Lines({"DAT   'Bitmap Data: Tall", "Tall long"}) +
                      Repeat(Lines({c.line}), 16) + kBitmapTail)
            << int{c.upper} << "/" << int{c.lower};
    }
}

TEST(BitmapDeclarations, SampleTileRowsFromTheTop) {
    // Rows 0, 1, 4, 5, ...: pixels 0 0 1 1 0 0 1 1 0 0 1 1 0 0 0 0 (0 = set, bit 2x).
    // Rows 2, 3, 6, 7, ...: pixels 1 1 0 0 1 1 0 0 1 1 0 0 1 1 0 0.
    const std::string a = Lines({"     long $55050505", "     long $55050505"});
    const std::string b = Lines({"     long $50505050", "     long $50505050"});
    std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
    bitmaps.push_back(MakeBitmap(u"BitmapData1", 1, 1, {SampleTile()}));
    EXPECT_EQ(BitmapText(std::move(bitmaps)),
              kBitmapHead + Lines({"DAT   'Bitmap Data: BitmapData1", "BitmapData1 long"}) +
                  Repeat(a + b, 4) + kBitmapTail);
}

// Tile i is clear except pixel (i, 0), so the first long of an image tells which tiles it holds.
std::vector<TileImage> NumberedTiles(int count) {
    std::vector<TileImage> tiles;
    for (int i = 0; i < count; ++i) {
        TileImage tile = FilledTile(1);
        tile.SetPixel(i, 0, 0);
        tiles.push_back(tile);
    }
    return tiles;
}

std::vector<std::string> FirstLongsOfImages(const std::string& text) {
    std::vector<std::string> firsts;
    std::size_t pos = text.find("     long $");
    int line = 0;
    while (pos != std::string::npos) {
        if (line % 16 == 0) {
            firsts.push_back(text.substr(pos + 11, 8));
        }
        ++line;
        pos = text.find("     long $", pos + 1);
    }
    return firsts;
}

TEST(BitmapDeclarations, ThreeByThreeGoesRowPairByRowPairThenTheLastRowAlone) {
    std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
    bitmaps.push_back(MakeBitmap(u"Grid", 3, 3, NumberedTiles(9)));
    const std::string text = BitmapText(std::move(bitmaps));
    // (0 over 3), (1 over 4), (2 over 5), then 6, 7, 8 with empty odd bits.
    EXPECT_EQ(FirstLongsOfImages(text),
              (std::vector<std::string>{"00000081", "00000204", "00000810", "00001000", "00004000",
                                        "00010000"}));
    EXPECT_NE(text.find("Grid long\r\n     long $00000081\r\n     long $00000000\r\n"),
              std::string::npos);
}

TEST(BitmapDeclarations, BitmapsFollowEachOtherWithoutABlankLine) {
    std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
    bitmaps.push_back(MakeBitmap(u"One", 1, 1, {FilledTile(1)}));
    bitmaps.push_back(MakeBitmap(u"Two", 1, 1, {FilledTile(0)}));
    EXPECT_EQ(BitmapText(std::move(bitmaps)),
              kBitmapHead + Lines({"DAT   'Bitmap Data: One", "One long"}) +
                  Repeat(Lines({"     long $00000000"}), 16) +
                  Lines({"DAT   'Bitmap Data: Two", "Two long"}) +
                  Repeat(Lines({"     long $55555555"}), 16) + kBitmapTail);
}

TEST(BitmapDeclarations, TilesMissingFromADamagedBitmapAreWrittenClear) {
    // The tile count says one tile, so the second row is not paired in.
    std::vector<std::unique_ptr<CLmBitmap>> bitmaps;
    bitmaps.push_back(MakeBitmap(u"Short", 1, 2, {FilledTile(0), FilledTile(0)}));
    bitmaps.back()->tileCount = 1;
    // Fewer images than the size promises: the layout stays, the missing ones are clear.
    bitmaps.push_back(MakeBitmap(u"Hollow", 2, 1, {FilledTile(0)}));
    bitmaps.back()->tileCount = 2;
    EXPECT_EQ(BitmapText(std::move(bitmaps)),
              kBitmapHead + Lines({"DAT   'Bitmap Data: Short", "Short long"}) +
                  Repeat(Lines({"     long $55555555"}), 16) +
                  Lines({"DAT   'Bitmap Data: Hollow", "Hollow long"}) +
                  Repeat(Lines({"     long $55555555"}), 16) +
                  Repeat(Lines({"     long $00000000"}), 16) + kBitmapTail);
}

TEST(TilePairRow, PixelXIsBitTwoXAndTheLowerTileTheOddBits) {
    TileImage upper = FilledTile(1);
    TileImage lower = FilledTile(1);
    upper.SetPixel(15, 3, 0);
    lower.SetPixel(0, 3, 0);
    EXPECT_EQ(TilePairRow(&upper, &lower, 3), 0x40000002u);
    EXPECT_EQ(TilePairRow(&upper, nullptr, 3), 0x40000000u);
    EXPECT_EQ(TilePairRow(nullptr, &lower, 3), 0x00000002u);
    EXPECT_EQ(TilePairRow(&upper, &lower, 2), 0u);
}

}  // namespace
}  // namespace lumora
