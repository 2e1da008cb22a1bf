#include "screen/tile_screen.h"

#include <bit>
#include <cstring>

#include "model/records.h"

namespace lumora {

namespace {

Rgbquad DisplayColor(std::uint32_t colorLong, int byte, const Palette& palette) {
    const RgbColor& rgb = palette[(colorLong >> (8 * byte + 2)) & 63];
    return {rgb.blue, rgb.green, rgb.red, 0};
}

}  // namespace

TileColors TileDisplayColors(std::uint32_t colorLong, const Palette& palette) {
    return {DisplayColor(colorLong, 3, palette), DisplayColor(colorLong, 0, palette),
            DisplayColor(colorLong, 1, palette), DisplayColor(colorLong, 2, palette)};
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
      colors_(&colors),
      changedMark_(kScreenTiles, 0),
      colorLongs_(kScreenTiles, 0) {
    changed_.reserve(kScreenTiles);
    for (int i = 0; i < kScreenTiles; ++i) {
        const std::uint32_t colorLong = colors[0];
        StoreColors(i, colorLong, ComputeColors(colorLong));
    }
    // Nobody has seen the screen yet: its first consumer looks at every tile anyway.
    for (const int index : changed_) {
        changedMark_[static_cast<std::size_t>(index)] = 0;
    }
    changed_.clear();
    taken_.reserve(kScreenTiles);
    for (int i = 0; i < kScreenTiles; ++i) {
        taken_.push_back(Current(i));
    }
}

TileScreen::TakenTile TileScreen::Current(int index) const {
    TakenTile tile{tileGlyphs[index], tileColorSets[index], tileImages[index], {}};
    std::memcpy(tile.colors.data(), &tileColors[4 * static_cast<std::size_t>(index)],
                sizeof tile.colors);
    return tile;
}

void TileScreen::MarkChanged(int index) {
    if (changedMark_[static_cast<std::size_t>(index)] == 0) {
        changedMark_[static_cast<std::size_t>(index)] = 1;
        changed_.push_back(index);
    }
}

void TileScreen::UpdateTileColors(int index) {
    if (index >= 0 && index < kScreenTiles) {
        // The palette may have changed since the sets' colours were kept.
        setColors_.fill({});
        const std::uint32_t colorLong =
            (*colors_)[static_cast<std::size_t>(tileColorSets[index] & 63)];
        StoreColors(index, colorLong, ComputeColors(colorLong));
    }
}

TileScreen::PackedColors TileScreen::ComputeColors(std::uint32_t colorLong) const {
    // Assembled in registers: building the bytes one by one on the stack and reading them back
    // whole stalled every tile write on store forwarding.
    static_assert(std::endian::native == std::endian::little && sizeof(Rgbquad) == 4);
    const auto quad = [&](int byte) -> std::uint64_t {
        const RgbColor& rgb = palette[(colorLong >> (8 * byte + 2)) & 63];
        return std::uint64_t{rgb.blue} | (std::uint64_t{rgb.green} << 8) |
               (std::uint64_t{rgb.red} << 16);
    };
    // Display colour d shows colour byte (d + 3) mod 4.
    return {quad(3) | (quad(0) << 32), quad(1) | (quad(2) << 32)};
}

void TileScreen::StoreColors(int index, std::uint32_t colorLong, PackedColors colors) {
    colorLongs_[static_cast<std::size_t>(index)] = colorLong;
    Rgbquad* current = &tileColors[4 * static_cast<std::size_t>(index)];
    std::uint64_t now[2];
    std::memcpy(now, current, sizeof now);
    if (now[0] != colors.first || now[1] != colors.second) {
        std::memcpy(static_cast<void*>(current), &colors.first, sizeof colors.first);
        std::memcpy(static_cast<void*>(current + 2), &colors.second, sizeof colors.second);
        MarkChanged(index);
    }
}

void TileScreen::Write(int index, std::int32_t glyph, TileImageRef image, std::int32_t colorSet) {
    if (tileGlyphs[index] != glyph || !(tileImages[index] == image) ||
        tileColorSets[index] != colorSet) {
        tileGlyphs[index] = glyph;
        tileImages[index] = image;
        tileColorSets[index] = colorSet;
        MarkChanged(index);
    }
    // Most writes keep the colour long, and with it the colours.
    const std::uint32_t colorLong = (*colors_)[static_cast<std::size_t>(colorSet)];
    if (colorLong == colorLongs_[static_cast<std::size_t>(index)]) {
        return;
    }
    SetColors& set = setColors_[static_cast<std::size_t>(colorSet)];
    if (!set.valid || set.colorLong != colorLong) {
        set = {true, colorLong, ComputeColors(colorLong)};
    }
    StoreColors(index, colorLong, set.colors);
}

void TileScreen::SetGlyphTile(std::int64_t row, std::int64_t column, std::int32_t glyph,
                              std::int64_t colorSet) {
    if (OnScreen(row, column)) {
        Write(TileIndex(row, column), glyph & 0xFF, {}, static_cast<std::int32_t>(colorSet & 63));
    }
}

void TileScreen::SetImageTile(std::int64_t row, std::int64_t column, TileImageRef image,
                              std::int64_t colorSet) {
    if (OnScreen(row, column)) {
        Write(TileIndex(row, column), kBitmapGlyph, image,
              static_cast<std::int32_t>(colorSet & 63));
    }
}

void TileScreen::SetColorSet(std::int64_t row, std::int64_t column, std::int64_t colorSet) {
    if (OnScreen(row, column)) {
        const int index = TileIndex(row, column);
        Write(index, tileGlyphs[index], tileImages[index],
              static_cast<std::int32_t>(colorSet & 63));
    }
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

bool TileScreen::TakeChangedTiles(const void* consumer, std::vector<int>& tiles) {
    tiles.clear();
    for (const int index : changed_) {
        changedMark_[static_cast<std::size_t>(index)] = 0;
        TakenTile now = Current(index);
        if (!(now == taken_[static_cast<std::size_t>(index)])) {
            taken_[static_cast<std::size_t>(index)] = now;
            tiles.push_back(index);
        }
    }
    changed_.clear();
    const bool complete = consumer != nullptr && lastConsumer_.who == consumer;
    lastConsumer_.who = consumer;
    return complete;
}

}  // namespace lumora
