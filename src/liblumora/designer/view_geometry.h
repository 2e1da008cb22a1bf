#pragma once

#include <cstdint>

namespace lumora {

class CLumoraDoc;
struct CLmBitmap;
struct CLmComponent;
struct CLmForm;

// A position in the view's content, in pixels: the client position plus the scroll offset.
struct ContentPoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

struct TilePosition {
    std::int64_t column = 0;
    std::int64_t row = 0;
    friend bool operator==(const TilePosition&, const TilePosition&) = default;
};

// Division rounding down, so that a release dragged left of or above the view lands on a
// negative tile rather than on tile 0.
constexpr std::int64_t FloorDiv(std::int64_t value, std::int64_t divisor) {
    const std::int64_t q = value / divisor;
    return (value % divisor != 0 && value < 0) ? q - 1 : q;
}

ContentPoint ToContent(int clientX, int clientY, int scrollX, int scrollY);

// 16 content pixels per tile, or 8 at half size.
TilePosition ScreenTileAt(ContentPoint point, bool zoomHalf);

// In the bitmap editing view each bitmap pixel is 5 x 5 content pixels, each tile 80 x 80.
struct BitmapPixel {
    std::int64_t tileColumn = 0;
    std::int64_t tileRow = 0;
    int x = 0;  // 0..15 within the tile image, 0 at the left
    int y = 0;  // 0..15, 0 at the top
    friend bool operator==(const BitmapPixel&, const BitmapPixel&) = default;
};
BitmapPixel BitmapPixelAt(ContentPoint point);

// The component a click on this screen tile selects: the last component of the form (in list
// order) lying under it, a Group Box only where no other component lies. Null for the form.
CLmComponent* ComponentAt(const CLmForm& form, TilePosition tile);

// A component's or form's rectangle on the screen, in tiles.
struct TileRect {
    std::int64_t column = 0;
    std::int64_t row = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    friend bool operator==(const TileRect&, const TileRect&) = default;
};
TileRect ScreenRect(const CLmForm& form);
TileRect ScreenRect(const CLmForm& form, const CLmComponent& component);

// The scrollable extent of what the view shows: the 1024 x 768 screen while a form is current
// (also at half size), the magnified current bitmap otherwise, nothing without either. A
// bitmap's extent is bounded so that sizes from a damaged file cannot overflow the scroll range.
struct ViewExtent {
    int width = 0;
    int height = 0;
    friend bool operator==(const ViewExtent&, const ViewExtent&) = default;
};
inline constexpr int kMaxBitmapExtent = 64 * 80;
ViewExtent ContentExtent(const CLumoraDoc& doc);
ViewExtent BitmapViewExtent(const CLmBitmap& bitmap);

}  // namespace lumora
