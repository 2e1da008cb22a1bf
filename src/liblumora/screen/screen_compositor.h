#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include "model/colors.h"
#include "model/tile_image.h"
#include "screen/tile_screen.h"

namespace lumora {

class GlyphSheet;
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
// top-left 512 x 384 with the view's background around it. After the first composition it draws
// again only the tiles the screen lists as changed and those whose bitmap pixels changed; a full
// composition copies ready-coloured tile blocks, kept from one composition to the next.
class ScreenCompositor {
  public:
    // Takes the screen's list of changed tiles: a screen another consumer took changes from
    // since is composed in full.
    const PixelBuffer& Compose(TileScreen& screen, const GlyphSheet& sheet, bool half);

    // Forget what was composed, e.g. after the glyph sheet's contents changed.
    void Invalidate();

    // Tiles the last Compose drew.
    int LastComposedTiles() const { return lastComposed_; }

  private:
    // A tile's pixels in its display colours: 16 x 16, or 8 x 8 in the first 64 at half size.
    using Block = std::array<std::uint32_t, kTileSize * kTileSize>;
    using Colors = std::array<std::uint32_t, 4>;
    static bool SameColors(const Colors& a, const Colors& b) {
        return ((a[0] ^ b[0]) | (a[1] ^ b[1]) | (a[2] ^ b[2]) | (a[3] ^ b[3])) == 0;
    }

    struct GlyphSlot {
        Colors colors{};
        const Block* block = nullptr;
        std::uint32_t generation = 0;  // the slot holds a block only in its own generation
    };
    struct ImageKey {
        const CLmBitmap* bitmap = nullptr;
        std::int32_t image = 0;
        Colors colors{};
        // Field by field: a library compare call costs more than the composition of a tile.
        friend bool operator==(const ImageKey& a, const ImageKey& b) {
            const auto& x = a.colors;
            const auto& y = b.colors;
            return a.bitmap == b.bitmap && a.image == b.image &&
                   ((x[0] ^ y[0]) | (x[1] ^ y[1]) | (x[2] ^ y[2]) | (x[3] ^ y[3])) == 0;
        }
    };
    struct ImageKeyHash {
        std::size_t operator()(const ImageKey& key) const;
    };
    // One bitmap image in one set of colours, with the pixels its block was drawn from.
    struct ImageEntry {
        ImageKey key;
        TileImage pixels;
        Block block{};
        int tiles = 0;
        bool redraw = false;
    };

    static Colors TileColorsOf(const TileScreen& screen, int index);
    void Reset(const GlyphSheet& sheet, bool half);
    void DropGlyphBlocks();
    const Block& GlyphBlock(int glyph, int colorSet, const Colors& colors);
    ImageEntry& AcquireImage(const ImageKey& key);
    void ReleaseImage(ImageEntry* entry);
    void DrawImageBlock(ImageEntry& entry) const;
    // Points a tile at the image entry it shows now (none for a glyph tile).
    void AssignImage(const TileScreen& screen, int index);
    const Block& TileBlock(const TileScreen& screen, int index);
    template <int Size>
    void ComposeEverything(const TileScreen& screen);
    template <int Size>
    void ComposeChanges(const TileScreen& screen);

    PixelBuffer buffer_;
    const GlyphSheet* sheet_ = nullptr;
    const TileScreen* screen_ = nullptr;
    bool half_ = false;
    bool valid_ = false;
    int lastComposed_ = 0;

    std::vector<GlyphSlot> glyphSlots_;  // by glyph and colour set
    std::uint32_t glyphGeneration_ = 1;
    std::deque<Block> glyphBlocks_;  // stable addresses while a row is copied; reused
    std::size_t usedGlyphBlocks_ = 0;
    std::unordered_map<ImageKey, ImageEntry, ImageKeyHash> images_;
    ImageEntry* lastImage_ = nullptr;      // consecutive tiles mostly show the same image
    std::vector<ImageEntry*> tileImages_;  // what each drawn bitmap tile shows
    std::vector<int> changed_;
    std::vector<int> redraw_;
    std::vector<std::uint8_t> redrawMark_;
};

// The bitmap editing view: each tile of the bitmap as an 80 x 80 square in colour set
// 2 x color, in a buffer of the given size with the view's background around the bitmap.
PixelBuffer ComposeBitmapView(const CLmBitmap& bitmap, const ColorTable& colors,
                              const Palette& palette, int width, int height);

}  // namespace lumora
