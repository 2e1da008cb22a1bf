#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/colors.h"
#include "model/tile_image.h"

namespace lumora {

class GlyphSheet;
class TileScreen;
struct CLmBitmap;

// 32-bit pixels 0xFFRRGGBB, row by row, top row first.
struct PixelBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + x];
    }
};

constexpr std::uint32_t PackRgb(int red, int green, int blue) {
    return 0xFF000000u | (static_cast<std::uint32_t>(red) << 16) |
           (static_cast<std::uint32_t>(green) << 8) | static_cast<std::uint32_t>(blue);
}

// What the designer view shows around and beside the screen.
inline constexpr std::uint32_t kViewBackground = PackRgb(50, 180, 130);
inline constexpr int kBitmapViewTilePixels = 80;  // five screen pixels per bitmap pixel

// Composes the tile screen into a 1024 x 768 buffer: at full size, or at half size in the
// top-left 512 x 384 with the view's background around it. It remembers what each tile showed
// and composes again only the tiles whose glyph, image pixels or colours changed.
class ScreenCompositor {
  public:
    const PixelBuffer& Compose(const TileScreen& screen, const GlyphSheet& sheet, bool half);

    // Forget what was composed, e.g. after the glyph sheet's contents changed.
    void Invalidate() { keys_.clear(); }

    // Tiles the last Compose drew.
    int LastComposedTiles() const { return lastComposed_; }

  private:
    struct TileKey {
        std::int32_t glyph = 0;
        std::array<std::uint32_t, 4> colors{};
        TileImage image;  // the pixels of a bitmap tile; zero for a glyph tile
        friend bool operator==(const TileKey&, const TileKey&) = default;
    };

    PixelBuffer buffer_;
    std::vector<TileKey> keys_;
    const GlyphSheet* sheet_ = nullptr;
    bool half_ = false;
    int lastComposed_ = 0;
};

// The bitmap editing view: each tile of the bitmap as an 80 x 80 square in colour set
// 2 x color, in a buffer of the given size with the view's background around the bitmap.
PixelBuffer ComposeBitmapView(const CLmBitmap& bitmap, const ColorTable& colors,
                              const Palette& palette, int width, int height);

}  // namespace lumora
