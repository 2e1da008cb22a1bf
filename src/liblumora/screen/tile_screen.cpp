#include "screen/tile_screen.h"

#include "model/records.h"

namespace lumora {

TileColors TileDisplayColors(std::uint32_t colorLong, const Palette& palette) {
    TileColors colors;
    for (int d = 0; d < 4; ++d) {
        const RgbColor rgb = palette[ColorByte(colorLong, (d + 3) % 4) >> 2];
        colors[d] = {rgb.blue, rgb.green, rgb.red, 0};
    }
    return colors;
}

const TileImage* TileImageRef::Image() const {
    if (bitmap == nullptr || image < 0 || static_cast<std::size_t>(image) >= bitmap->tiles.size()) {
        return nullptr;
    }
    return &bitmap->tiles[static_cast<std::size_t>(image)];
}

TileScreen::TileScreen(const ColorTable& colors)
    : tileGlyphs(kScreenTiles, 32),
      tileColorSets(kScreenTiles, 0),
      tileImages(kScreenTiles),
      tileColors(4 * kScreenTiles),
      colors_(&colors) {
    for (int i = 0; i < kScreenTiles; ++i) {
        UpdateTileColors(i);
    }
}

void TileScreen::UpdateTileColors(int index) {
    if (index < 0 || index >= kScreenTiles) {
        return;
    }
    const std::uint32_t colorLong = (*colors_)[static_cast<std::size_t>(tileColorSets[index] & 63)];
    const TileColors colors = TileDisplayColors(colorLong, palette);
    for (int d = 0; d < 4; ++d) {
        tileColors[4 * static_cast<std::size_t>(index) + d] = colors[d];
    }
}

void TileScreen::SetGlyphTile(std::int64_t row, std::int64_t column, std::int32_t glyph,
                              std::int64_t colorSet) {
    if (!OnScreen(row, column)) {
        return;
    }
    const int index = TileIndex(row, column);
    tileGlyphs[index] = glyph & 0xFF;
    tileImages[index] = {};
    tileColorSets[index] = static_cast<std::int32_t>(colorSet & 63);
    UpdateTileColors(index);
}

void TileScreen::SetImageTile(std::int64_t row, std::int64_t column, TileImageRef image,
                              std::int64_t colorSet) {
    if (!OnScreen(row, column)) {
        return;
    }
    const int index = TileIndex(row, column);
    tileGlyphs[index] = kBitmapGlyph;
    tileImages[index] = image;
    tileColorSets[index] = static_cast<std::int32_t>(colorSet & 63);
    UpdateTileColors(index);
}

void TileScreen::SetColorSet(std::int64_t row, std::int64_t column, std::int64_t colorSet) {
    if (!OnScreen(row, column)) {
        return;
    }
    const int index = TileIndex(row, column);
    tileColorSets[index] = static_cast<std::int32_t>(colorSet & 63);
    UpdateTileColors(index);
}

void TileScreen::PutChar(std::int64_t code) {
    const std::int32_t c = static_cast<std::int32_t>(code & 0xFF);
    if (c < 4 || cursorRow > kScreenRows - 1 || cursorCol > kScreenColumns - 1) {
        return;
    }
    const std::int64_t set = 2 * (cursorColor & 63) + (c & 1);
    SetGlyphTile(cursorRow, cursorCol, c & 0xFE, set);
    SetGlyphTile(cursorRow + 1, cursorCol, (c & 0xFE) + 1, set);
    ++cursorCol;
}

}  // namespace lumora
