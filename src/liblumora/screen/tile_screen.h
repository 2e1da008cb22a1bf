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
    friend bool operator==(const TileImageRef&, const TileImageRef&) = default;

    // Null when there is no bitmap or the image number lies outside it.
    const TileImage* Image() const;
};

// The designer's copy of the target's screen memory: one glyph (or bitmap image) and one colour
// set per tile, with each tile's four display colours kept up to date as tiles change. It lists
// the tiles whose contents changed, so that composition costs what changed, not the screen.
class TileScreen {
  public:
    // colors is the document's colour table; it must outlive the screen.
    explicit TileScreen(const ColorTable& colors);

    // Read them freely; write tiles only through the calls below, which record the changes.
    std::vector<std::int32_t> tileGlyphs;
    std::vector<std::int32_t> tileColorSets;
    std::vector<TileImageRef> tileImages;
    std::vector<Rgbquad> tileColors;  // 4 per tile
    // A tile write recomputes the display colours when the tile's colour long changed; a new
    // palette reaches the tiles through UpdateTileColors.
    Palette palette = kPropellerPalette;

    // The renderer's text cursor and form origin. Wide, so that positions from a file can be
    // added up without overflow.
    std::int64_t cursorRow = 0;
    std::int64_t cursorCol = 0;
    std::int64_t cursorColor = 0;
    std::int64_t originRow = 0;
    std::int64_t originCol = 0;

    const ColorTable& Colors() const { return *colors_; }

    // Recomputes a tile's display colours from the colour table and the palette.
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

    // Hands over the tiles whose glyph, image reference, colour set or display colours changed
    // since the last call, each once, and starts a new list. Returns false when the previous
    // list went to another consumer (or to none yet): the list then misses changes that
    // consumer saw, and it must look at every tile.
    bool TakeChangedTiles(const void* consumer, std::vector<int>& tiles);

  private:
    // Who took the last list; a copy of a screen starts with nobody.
    struct LastConsumer {
        const void* who = nullptr;
        LastConsumer() = default;
        LastConsumer(const LastConsumer&) {}
        LastConsumer& operator=(const LastConsumer&) {
            who = nullptr;
            return *this;
        }
    };

    // What a tile held when the last list was taken: a tile written over and back again
    // between two lists (the form drawn over the background) has not changed.
    struct TakenTile {
        std::int32_t glyph = 0;
        std::int32_t colorSet = 0;
        TileImageRef image;
        std::array<Rgbquad, 4> colors{};
        friend bool operator==(const TakenTile&, const TakenTile&) = default;
    };

    void Write(int index, std::int32_t glyph, TileImageRef image, std::int32_t colorSet);
    void MarkChanged(int index);
    TakenTile Current(int index) const;
    struct PackedColors {
        std::uint64_t first = 0;  // display colours 0 and 1 as they lie in tileColors
        std::uint64_t second = 0;
    };
    PackedColors ComputeColors(std::uint32_t colorLong) const;
    void StoreColors(int index, std::uint32_t colorLong, PackedColors colors);

    const ColorTable* colors_;
    std::vector<std::uint8_t> changedMark_;
    std::vector<int> changed_;  // tiles written with a difference since the last list
    std::vector<TakenTile> taken_;
    std::vector<std::uint32_t> colorLongs_;  // the long each tile's display colours came from
    // The colours of each set's last long: under a form, tiles go from the background's set to
    // the form's and back on every render.
    struct SetColors {
        bool valid = false;
        std::uint32_t colorLong = 0;
        PackedColors colors;
    };
    std::array<SetColors, 64> setColors_{};
    LastConsumer lastConsumer_;
};

}  // namespace lumora
