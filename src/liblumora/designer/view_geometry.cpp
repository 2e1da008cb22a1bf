#include "designer/view_geometry.h"

#include <algorithm>

#include "model/component_type.h"
#include "model/document.h"
#include "model/records.h"

namespace lumora {

namespace {

constexpr int kTilePixels = 16;
constexpr int kHalfTilePixels = 8;
constexpr int kBitmapPixelSize = 5;
constexpr int kBitmapTileSize = 16;
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

int BoundedExtent(std::int32_t tiles) {
    const std::int64_t pixels =
        std::int64_t{std::max(tiles, 0)} * kBitmapPixelSize * kBitmapTileSize;
    return static_cast<int>(std::min<std::int64_t>(pixels, kMaxBitmapExtent));
}

bool Contains(const TileRect& rect, TilePosition tile) {
    return rect.column <= tile.column && tile.column < rect.column + rect.width &&
           rect.row <= tile.row && tile.row < rect.row + rect.height;
}

}  // namespace

ContentPoint ToContent(int clientX, int clientY, int scrollX, int scrollY) {
    return {std::int64_t{clientX} + scrollX, std::int64_t{clientY} + scrollY};
}

TilePosition ScreenTileAt(ContentPoint point, bool zoomHalf) {
    const int size = zoomHalf ? kHalfTilePixels : kTilePixels;
    return {FloorDiv(point.x, size), FloorDiv(point.y, size)};
}

BitmapPixel BitmapPixelAt(ContentPoint point) {
    const std::int64_t px = FloorDiv(point.x, kBitmapPixelSize);
    const std::int64_t py = FloorDiv(point.y, kBitmapPixelSize);
    BitmapPixel pixel;
    pixel.tileColumn = FloorDiv(px, kBitmapTileSize);
    pixel.tileRow = FloorDiv(py, kBitmapTileSize);
    pixel.x = static_cast<int>(px - pixel.tileColumn * kBitmapTileSize);
    pixel.y = static_cast<int>(py - pixel.tileRow * kBitmapTileSize);
    return pixel;
}

TileRect ScreenRect(const CLmForm& form) {
    return {form.left, form.top, form.width, form.height};
}

TileRect ScreenRect(const CLmForm& form, const CLmComponent& component) {
    return {std::int64_t{form.left} + component.left, std::int64_t{form.top} + component.top,
            component.width, component.height};
}

CLmComponent* ComponentAt(const CLmForm& form, TilePosition tile) {
    CLmComponent* hit = nullptr;
    CLmComponent* groupBox = nullptr;
    for (const auto& component : form.components) {
        const auto type = ComponentTypeFromCode(component->type);
        if (!type || !Contains(ScreenRect(form, *component), tile)) {
            continue;
        }
        if (*type == ComponentType::GroupBox) {
            groupBox = component.get();
        } else {
            hit = component.get();
        }
    }
    return hit != nullptr ? hit : groupBox;
}

ViewExtent BitmapViewExtent(const CLmBitmap& bitmap) {
    return {BoundedExtent(bitmap.widthTiles), BoundedExtent(bitmap.heightTiles)};
}

ViewExtent ContentExtent(const CLumoraDoc& doc) {
    if (doc.currentForm != nullptr) {
        return {kScreenWidth, kScreenHeight};
    }
    if (doc.currentBitmap != nullptr) {
        return BitmapViewExtent(*doc.currentBitmap);
    }
    return {};
}

}  // namespace lumora
