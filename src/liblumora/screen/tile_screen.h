#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/colors.h"

namespace lumora {

struct CLmBitmap;
struct TileImage;

inline constexpr int kScreenColumns = 64;
inline constexpr int kScreenRows = 48;
inline constexpr int kScreenTiles = kScreenColumns * kScreenRows;
inline constexpr int kTileSize = 16;
inline constexpr int kScreenWidth = kScreenColumns * kTileSize;
inline constexpr int kScreenHeight = kScreenRows * kTileSize;

// Glyph number of a tile that shows a bitmap tile image instead of the font.
inline constexpr std::int32_t kBitmapGlyph = -1;

// Colour-table entry of a 4-colour image, in the byte order the platform's bitmaps use.
struct Rgbquad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
    friend bool operator==(const Rgbquad&, const Rgbquad&) = default;
};

using TileColors = std::array<Rgbquad, 4>;

// The four display colours of a tile drawn with this colour long: image index d shows colour
// byte (d + 3) mod 4, so that font and bitmap pixel value p, stored as (p + 1) mod 4, shows
// byte p as on the target.
TileColors TileDisplayColors(std::uint32_t colorLong, const Palette& palette);

// The bitmap tile image a tile shows; the bitmap belongs to the document.
struct TileImageRef {
    const CLmBitmap* bitmap = nullptr;
    std::int32_t image = 0;

    // Null when there is no bitmap or the image number lies outside it.
    const TileImage* Image() const;
};

// The designer's copy of the target's screen memory: one glyph (or bitmap image) and one colour
// set per tile, with each tile's four display colours kept up to date as tiles change.
class TileScreen {
  public:
    // colors is the document's colour table; it must outlive the screen.
    explicit TileScreen(const ColorTable& colors);

    std::vector<std::int32_t> tileGlyphs;
    std::vector<std::int32_t> tileColorSets;
    std::vector<TileImageRef> tileImages;
    std::vector<Rgbquad> tileColors;  // 4 per tile
    Palette palette = kPropellerPalette;

    // The renderer's text cursor and form origin. Wide, so that positions from a file can be
    // added up without overflow.
    std::int64_t cursorRow = 0;
    std::int64_t cursorCol = 0;
    std::int64_t cursorColor = 0;
    std::int64_t originRow = 0;
    std::int64_t originCol = 0;

    const ColorTable& Colors() const { return *colors_; }

    void UpdateTileColors(int index);

    // Tile writes at (row, column), as the runtime's putTile: a position off the 64 x 48
    // screen changes nothing (no wrap into the next row). Colour sets keep the six bits the
    // target's screen word has.
    void SetGlyphTile(std::int64_t row, std::int64_t column, std::int32_t glyph,
                      std::int64_t colorSet);
    void SetImageTile(std::int64_t row, std::int64_t column, TileImageRef image,
                      std::int64_t colorSet);
    void SetColorSet(std::int64_t row, std::int64_t column, std::int64_t colorSet);

    // One character at the cursor, as the runtime's print: codes 0..3 draw nothing; otherwise,
    // while the cursor is not below row 47 or right of column 63, the top half of the font
    // pair goes there and the bottom half one tile row lower, and the cursor moves right.
    // Past column 63 further characters are dropped, as on the target.
    void PutChar(std::int64_t code);

    static bool OnScreen(std::int64_t row, std::int64_t column) {
        return row >= 0 && row < kScreenRows && column >= 0 && column < kScreenColumns;
    }
    static int TileIndex(std::int64_t row, std::int64_t column) {
        return static_cast<int>(row * kScreenColumns + column);
    }

  private:
    const ColorTable* colors_;
};

}  // namespace lumora
