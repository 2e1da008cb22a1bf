#include "codegen/bitmap_declarations.h"

#include <algorithm>
#include <cstddef>

#include "codegen/spin_text.h"

namespace lumora {

namespace {

// A bitmap whose fields disagree with its tile list (only a damaged file gives one) still gets
// the layout its size promises; tiles that are not there are written clear.
const TileImage* TileAt(const CLmBitmap& bitmap, std::int64_t index) {
    const std::int64_t available =
        std::min<std::int64_t>(bitmap.tileCount, static_cast<std::int64_t>(bitmap.tiles.size()));
    if (index < 0 || index >= available) {
        return nullptr;
    }
    return &bitmap.tiles[static_cast<std::size_t>(index)];
}

void AppendTileImage(std::u16string& out, const TileImage* upper, const TileImage* lower) {
    for (int y = 0; y < TileImage::kSize; ++y) {
        out += u"     long $";
        AppendHex8(out, TilePairRow(upper, lower, y));
        out += kLineEnd;
    }
}

void AppendBitmap(std::u16string& out, const CLmBitmap& bitmap) {
    out += u"DAT   'Bitmap Data: ";
    out += bitmap.name;
    out += kLineEnd;
    out += bitmap.name;
    out += u" long";
    out += kLineEnd;
    const std::int64_t w = bitmap.widthTiles;
    const std::int64_t h = bitmap.heightTiles;
    for (std::int64_t r = 0; r < h; r += 2) {
        for (std::int64_t x = 0; x < w; ++x) {
            const TileImage* upper = TileAt(bitmap, r * w + x);
            const TileImage* lower = TileAt(bitmap, (r + 1) * w + x);
            AppendTileImage(out, upper, lower);
        }
    }
}

}  // namespace

std::uint32_t TilePairRow(const TileImage* upper, const TileImage* lower, int y) {
    std::uint32_t row = 0;
    for (int x = 0; x < TileImage::kSize; ++x) {
        if (upper != nullptr && (upper->Pixel(x, y) & 1u) == 0) {
            row |= 1u << (2 * x);
        }
        if (lower != nullptr && (lower->Pixel(x, y) & 1u) == 0) {
            row |= 1u << (2 * x + 1);
        }
    }
    return row;
}

void AppendBitmapDeclarations(std::u16string& out,
                              const std::vector<std::unique_ptr<CLmBitmap>>& bitmaps) {
    AppendLine(out, u"DAT   'Bitmap Data");
    out += kLineEnd;
    AppendLine(out,
               u"padding LONG 7[16]  'alignment padding for the following user defined "
               u"characters ");
    AppendLine(out, u"UserCharStart long");
    for (const auto& bitmap : bitmaps) {
        AppendBitmap(out, *bitmap);
    }
    AppendLine(out, u"UserCharEnd long");
}

}  // namespace lumora
