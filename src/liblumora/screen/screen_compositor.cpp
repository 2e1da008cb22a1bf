#include "screen/screen_compositor.h"

#include <algorithm>
#include <cstring>

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

// Past this many kept glyph blocks (4 MB) they are dropped before the next composition: colours
// that keep changing would otherwise pile up blocks nobody shows any more.
constexpr std::size_t kMaxGlyphBlocks = 4096;

// An image that does not exist (an image number outside its bitmap) shows as all zero pixels.
TileImage CurrentPixels(const CLmBitmap* bitmap, std::int32_t image) {
    const TileImage* pixels = TileImageRef{bitmap, image}.Image();
    return pixels != nullptr ? *pixels : TileImage{};
}

}  // namespace

void ScreenCompositor::Invalidate() {
    valid_ = false;
}

void ScreenCompositor::DropGlyphBlocks() {
    if (++glyphGeneration_ == 0) {  // after four billion drops, start the slots afresh
        glyphSlots_.assign(glyphSlots_.size(), GlyphSlot{});
        glyphGeneration_ = 1;
    }
    usedGlyphBlocks_ = 0;
}

void ScreenCompositor::Reset(const GlyphSheet& sheet, bool half) {
    // The background shows around a half-size screen only; a full-size composition that
    // follows covers all of it.
    if (buffer_.pixels.empty() || half != half_) {
        buffer_.width = kScreenWidth;
        buffer_.height = kScreenHeight;
        buffer_.pixels.assign(static_cast<std::size_t>(kScreenWidth) * kScreenHeight,
                              kViewBackground);
    }
    if (glyphSlots_.empty()) {
        glyphSlots_.resize(static_cast<std::size_t>(kGlyphCount) * 64);
        redrawMark_.assign(kScreenTiles, 0);
        tileImages_.assign(kScreenTiles, nullptr);
    }
    DropGlyphBlocks();
    half_ = half;
    sheet_ = &sheet;
    valid_ = true;
}

std::size_t ScreenCompositor::ImageKeyHash::operator()(const ImageKey& key) const {
    std::uint64_t h = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(key.bitmap));
    h = (h ^ static_cast<std::uint32_t>(key.image)) * 0x100000001B3ull;
    for (const std::uint32_t c : key.colors) {
        h = (h ^ c) * 0x100000001B3ull;
    }
    return static_cast<std::size_t>(h ^ (h >> 29));
}

const ScreenCompositor::Block& ScreenCompositor::GlyphBlock(int glyph, int colorSet,
                                                            const Colors& colors) {
    GlyphSlot& slot = glyphSlots_[static_cast<std::size_t>(glyph) * 64 + colorSet];
    if (slot.generation == glyphGeneration_ && SameColors(slot.colors, colors)) {
        return *slot.block;
    }
    // Another block, not the slot's old one redrawn: a tile earlier in the row may show that.
    if (usedGlyphBlocks_ == glyphBlocks_.size()) {
        glyphBlocks_.emplace_back();
    }
    Block& block = glyphBlocks_[usedGlyphBlocks_++];
    const std::uint8_t* tile = sheet_->Tile(glyph);
    const std::uint32_t c0 = colors[0], c1 = colors[1], c2 = colors[2], c3 = colors[3];
    if (!half_) {
        // Selects rather than a table lookup, so that the loop vectorises.
        for (int i = 0; i < kTileSize * kTileSize; ++i) {
            const std::uint8_t t = tile[i];
            block[i] = t == 0 ? c0 : t == 1 ? c1 : t == 2 ? c2 : c3;
        }
    } else {
        // A halftone reduction: each screen pixel is the mean of a 2 x 2 block.
        const int size = kTileSize / 2;
        for (int y = 0; y < size; ++y, tile += 2 * kTileSize) {
            for (int x = 0; x < size; ++x) {
                const std::uint8_t* p = tile + 2 * x;
                block[y * size + x] = Average(colors[p[0]], colors[p[1]], colors[p[kTileSize]],
                                              colors[p[kTileSize + 1]]);
            }
        }
    }
    slot = {colors, &block, glyphGeneration_};
    return block;
}

void ScreenCompositor::DrawImageBlock(ImageEntry& entry) const {
    const auto& c = entry.key.colors;
    const int step = half_ ? 2 : 1;
    const int size = kTileSize / step;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            entry.block[y * size + x] = c[ImageIndex(entry.pixels, x * step, y * step)];
        }
    }
}

ScreenCompositor::ImageEntry& ScreenCompositor::AcquireImage(const ImageKey& key) {
    if (lastImage_ == nullptr || !(lastImage_->key == key)) {
        auto [it, added] = images_.try_emplace(key);
        lastImage_ = &it->second;
        if (added) {
            lastImage_->key = key;
            lastImage_->pixels = CurrentPixels(key.bitmap, key.image);
            DrawImageBlock(*lastImage_);
        }
    }
    ++lastImage_->tiles;
    return *lastImage_;
}

void ScreenCompositor::ReleaseImage(ImageEntry* entry) {
    if (entry != nullptr && --entry->tiles == 0) {
        if (lastImage_ == entry) {
            lastImage_ = nullptr;
        }
        images_.erase(entry->key);
    }
}

ScreenCompositor::Colors ScreenCompositor::TileColorsOf(const TileScreen& screen, int index) {
    Colors colors;
    for (int d = 0; d < 4; ++d) {
        colors[d] = Pack(screen.tileColors[4 * static_cast<std::size_t>(index) + d]);
    }
    return colors;
}

void ScreenCompositor::AssignImage(const TileScreen& screen, int index) {
    ImageEntry* image = nullptr;
    if (screen.tileGlyphs[index] < 0) {
        const TileImageRef& ref = screen.tileImages[index];
        image = &AcquireImage({ref.bitmap, ref.image, TileColorsOf(screen, index)});
    }
    // Acquired before the old one is let go, so a tile that keeps its image keeps its entry.
    ReleaseImage(tileImages_[index]);
    tileImages_[index] = image;
}

const ScreenCompositor::Block& ScreenCompositor::TileBlock(const TileScreen& screen, int index) {
    if (const ImageEntry* image = tileImages_[index]) {
        return image->block;
    }
    return GlyphBlock(screen.tileGlyphs[index] & 0xFF, screen.tileColorSets[index] & 63,
                      TileColorsOf(screen, index));
}

// Size is the tile's side on the buffer: fixed, so that each row copy is a few stores.
template <int Size>
void ScreenCompositor::ComposeEverything(const TileScreen& screen) {
    images_.clear();
    lastImage_ = nullptr;
    tileImages_.assign(kScreenTiles, nullptr);
    std::array<const std::uint32_t*, kScreenColumns> row{};
    for (int r = 0; r < kScreenRows; ++r) {
        for (int c = 0; c < kScreenColumns; ++c) {
            const int index = r * kScreenColumns + c;
            AssignImage(screen, index);
            row[c] = TileBlock(screen, index).data();
        }
        std::uint32_t* out = &buffer_.pixels[static_cast<std::size_t>(r * Size) * kScreenWidth];
        for (int y = 0; y < Size; ++y, out += kScreenWidth) {
            for (int c = 0; c < kScreenColumns; ++c) {
                std::memcpy(out + c * Size, row[c] + y * Size, Size * sizeof(std::uint32_t));
            }
        }
    }
    lastComposed_ = kScreenTiles;
}

template <int Size>
void ScreenCompositor::ComposeChanges(const TileScreen& screen) {
    redraw_.clear();
    for (const int index : changed_) {
        AssignImage(screen, index);
        redrawMark_[index] = 1;
        redraw_.push_back(index);
    }
    // Bitmap pixels change in the document without the screen's knowing: every image on screen
    // is checked against the pixels its block was drawn from (the entries now name only images
    // the screen shows, so none of them points into a deleted bitmap).
    bool stale = false;
    for (auto& [key, entry] : images_) {
        const TileImage now = CurrentPixels(key.bitmap, key.image);
        if (now != entry.pixels) {
            entry.pixels = now;
            DrawImageBlock(entry);
            entry.redraw = true;
            stale = true;
        }
    }
    if (stale) {
        for (int index = 0; index < kScreenTiles; ++index) {
            const ImageEntry* image = tileImages_[index];
            if (image != nullptr && image->redraw && redrawMark_[index] == 0) {
                redrawMark_[index] = 1;
                redraw_.push_back(index);
            }
        }
        for (auto& [key, entry] : images_) {
            entry.redraw = false;
        }
    }
    for (const int index : redraw_) {
        redrawMark_[index] = 0;
        const std::uint32_t* from = TileBlock(screen, index).data();
        std::uint32_t* out =
            &buffer_
                 .pixels[static_cast<std::size_t>((index / kScreenColumns) * Size) * kScreenWidth +
                         static_cast<std::size_t>((index % kScreenColumns) * Size)];
        for (int y = 0; y < Size; ++y, out += kScreenWidth, from += Size) {
            std::memcpy(out, from, Size * sizeof(std::uint32_t));
        }
    }
    lastComposed_ = static_cast<int>(redraw_.size());
}

const PixelBuffer& ScreenCompositor::Compose(TileScreen& screen, const GlyphSheet& sheet,
                                             bool half) {
    const bool reset = !valid_ || half != half_ || &sheet != sheet_;
    if (reset) {
        Reset(sheet, half);
    } else if (usedGlyphBlocks_ > kMaxGlyphBlocks) {
        DropGlyphBlocks();
    }
    // Another screen's tiles are all different.
    bool everything = reset || &screen != screen_;
    screen_ = &screen;
    if (!screen.TakeChangedTiles(this, changed_)) {
        everything = true;
    }
    constexpr int kFull = kTileSize, kHalf = kTileSize / 2;
    if (everything) {
        half ? ComposeEverything<kHalf>(screen) : ComposeEverything<kFull>(screen);
    } else {
        half ? ComposeChanges<kHalf>(screen) : ComposeChanges<kFull>(screen);
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
