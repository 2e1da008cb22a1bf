#include "screen/screen_compositor.h"

#include <algorithm>

#include "model/records.h"
#include "screen/glyph_sheet.h"
#include "screen/tile_screen.h"

namespace lumora {

namespace {

std::uint32_t Pack(const Rgbquad& q) {
    return PackRgb(q.red, q.green, q.blue);
}

// Bitmap pixels index the image's colour table; only its first four entries are set, so
// larger values (from a damaged file) keep their low two bits.
int ImageIndex(const TileImage& image, int x, int y) {
    return image.Pixel(x, y) & 3;
}

std::uint32_t Average(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t sum = ((a >> shift) & 0xFF) + ((b >> shift) & 0xFF) +
                                  ((c >> shift) & 0xFF) + ((d >> shift) & 0xFF);
        out |= ((sum + 2) / 4) << shift;
    }
    return out;
}

}  // namespace

const PixelBuffer& ScreenCompositor::Compose(const TileScreen& screen, const GlyphSheet& sheet,
                                             bool half) {
    if (buffer_.pixels.empty() || half != half_ || &sheet != sheet_) {
        buffer_.width = kScreenWidth;
        buffer_.height = kScreenHeight;
        buffer_.pixels.assign(static_cast<std::size_t>(kScreenWidth) * kScreenHeight,
                              kViewBackground);
        keys_.clear();
        half_ = half;
        sheet_ = &sheet;
    }
    const bool everything = keys_.empty();
    if (everything) {
        keys_.resize(kScreenTiles);
    }
    lastComposed_ = 0;
    const int size = half ? kTileSize / 2 : kTileSize;
    for (int index = 0; index < kScreenTiles; ++index) {
        TileKey key;
        key.glyph = screen.tileGlyphs[index];
        for (int d = 0; d < 4; ++d) {
            key.colors[d] = Pack(screen.tileColors[4 * static_cast<std::size_t>(index) + d]);
        }
        const TileImage* image = nullptr;
        if (key.glyph < 0) {
            image = screen.tileImages[index].Image();
            if (image != nullptr) {
                key.image = *image;
            }
        }
        if (!everything && key == keys_[index]) {
            continue;
        }
        keys_[index] = key;
        ++lastComposed_;
        const int x0 = (index % kScreenColumns) * size;
        const int y0 = (index / kScreenColumns) * size;
        std::uint32_t* out = &buffer_.pixels[static_cast<std::size_t>(y0) * kScreenWidth + x0];
        const auto& c = key.colors;
        if (key.glyph >= 0) {
            const std::uint8_t* tile = sheet.Tile(key.glyph & 0xFF);
            if (!half) {
                for (int y = 0; y < kTileSize; ++y, out += kScreenWidth, tile += kTileSize) {
                    for (int x = 0; x < kTileSize; ++x) {
                        out[x] = c[tile[x]];
                    }
                }
            } else {
                // A halftone reduction: each screen pixel is the mean of a 2 x 2 block.
                for (int y = 0; y < size; ++y, out += kScreenWidth, tile += 2 * kTileSize) {
                    for (int x = 0; x < size; ++x) {
                        const std::uint8_t* p = tile + 2 * x;
                        out[x] = Average(c[p[0]], c[p[1]], c[p[kTileSize]], c[p[kTileSize + 1]]);
                    }
                }
            }
        } else {
            const int step = half ? 2 : 1;
            for (int y = 0; y < size; ++y, out += kScreenWidth) {
                for (int x = 0; x < size; ++x) {
                    out[x] = c[ImageIndex(key.image, x * step, y * step)];
                }
            }
        }
    }
    return buffer_;
}

PixelBuffer ComposeBitmapView(const CLmBitmap& bitmap, const ColorTable& colors,
                              const Palette& palette, int width, int height) {
    PixelBuffer buffer;
    buffer.width = std::max(width, 0);
    buffer.height = std::max(height, 0);
    buffer.pixels.assign(static_cast<std::size_t>(buffer.width) * buffer.height, kViewBackground);
    const TileColors quads = TileDisplayColors(
        colors[static_cast<std::size_t>((2 * static_cast<std::int64_t>(bitmap.color)) & 63)],
        palette);
    std::array<std::uint32_t, 4> c{};
    for (int d = 0; d < 4; ++d) {
        c[d] = Pack(quads[d]);
    }
    const std::int64_t rows = std::max(bitmap.heightTiles, 0);
    const std::int64_t columns = std::max(bitmap.widthTiles, 0);
    for (std::int64_t i = 0; i < rows && i * kBitmapViewTilePixels < buffer.height; ++i) {
        for (std::int64_t j = 0; j < columns && j * kBitmapViewTilePixels < buffer.width; ++j) {
            const std::int64_t n = i * columns + j;
            if (n >= static_cast<std::int64_t>(bitmap.tiles.size())) {
                continue;
            }
            const TileImage& image = bitmap.tiles[static_cast<std::size_t>(n)];
            const int x0 = static_cast<int>(j * kBitmapViewTilePixels);
            const int y0 = static_cast<int>(i * kBitmapViewTilePixels);
            const int x1 = std::min(x0 + kBitmapViewTilePixels, buffer.width);
            const int y1 = std::min(y0 + kBitmapViewTilePixels, buffer.height);
            for (int y = y0; y < y1; ++y) {
                std::uint32_t* out = &buffer.pixels[static_cast<std::size_t>(y) * buffer.width];
                for (int x = x0; x < x1; ++x) {
                    out[x] = c[ImageIndex(image, (x - x0) / 5, (y - y0) / 5)];
                }
            }
        }
    }
    return buffer;
}

}  // namespace lumora
