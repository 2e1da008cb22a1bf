#pragma once

#include <array>
#include <cstdint>

namespace lumora {

struct RomFont;

inline constexpr int kGlyphCount = 256;
inline constexpr int kGlyphSheetSize = 256;  // pixels on each side: 16 x 16 glyph tiles

// The 256 glyph tiles: tile t = 2k + h is the top (h = 0) or bottom (h = 1) half of font pair k.
// Each pixel holds the image index (p + 1) mod 4 of its font pixel value p, so that with a tile's
// display colours it shows colour byte p of the tile's colour set.
class GlyphSheet {
  public:
    explicit GlyphSheet(const RomFont& font);

    // x and y in 0..15 within glyph tile t.
    std::uint8_t Index(int glyph, int x, int y) const {
        return indices_[static_cast<std::size_t>(glyph * 256 + y * 16 + x)];
    }
    // The sheet as one 256 x 256 image: tile t at (16 (t mod 16), 16 (t div 16)).
    std::uint8_t SheetIndex(int x, int y) const {
        return Index((y / 16) * 16 + x / 16, x % 16, y % 16);
    }
    // A tile's 256 indexes, row by row.
    const std::uint8_t* Tile(int glyph) const {
        return &indices_[static_cast<std::size_t>(glyph) * 256];
    }

  private:
    std::array<std::uint8_t, kGlyphCount * 256> indices_{};
};

}  // namespace lumora
