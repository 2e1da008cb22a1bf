#include "designer/view_input.h"

#include "model/document.h"
#include "model/records.h"
#include "model/text_encoding.h"
#include "properties/double_click_actions.h"

namespace lumora {

namespace {

constexpr std::int64_t kColumns = 64;
constexpr std::int64_t kRows = 48;

Refresh TogglePixel(CLumoraDoc& doc, ContentPoint point) {
    CLmBitmap* bitmap = doc.currentBitmap;
    if (bitmap == nullptr || point.x < 0 || point.y < 0) {
        return Refresh::None;
    }
    const BitmapPixel pixel = BitmapPixelAt(point);
    if (pixel.tileColumn >= bitmap->widthTiles || pixel.tileRow >= bitmap->heightTiles) {
        return Refresh::None;
    }
    const std::int64_t image = pixel.tileRow * bitmap->widthTiles + pixel.tileColumn;
    if (image >= static_cast<std::int64_t>(bitmap->tiles.size())) {
        return Refresh::None;  // a damaged file may list fewer images than its size needs
    }
    TileImage& tile = bitmap->tiles[static_cast<std::size_t>(image)];
    tile.SetPixel(pixel.x, pixel.y, tile.Pixel(pixel.x, pixel.y) == 0 ? 1 : 0);
    doc.SetModifiedFlag(true);
    return Refresh::Repaint;
}

std::u16string PairText(std::int64_t a, std::int64_t b) {
    // Appended piece by piece: GCC 12 sees a false overlap in a chain of + at -O3.
    std::u16string text(1, u'(');
    text.append(DecimalText(a)).append(1, u',').append(DecimalText(b)).append(1, u')');
    return text;
}

}  // namespace

ViewResponse LeftButtonReleased(CLumoraDoc& doc, ViewState& state, ContentPoint point) {
    const bool doubleClick = state.pendingDoubleClick;
    state.pendingDoubleClick = false;
    ViewResponse response;
    if (doc.currentForm == nullptr) {
        response.refresh = TogglePixel(doc, point);
        return response;
    }
    const TilePosition tile = ScreenTileAt(point, state.zoomHalf);
    if (tile.column < 0 || tile.row < 0 || tile.column >= kColumns || tile.row >= kRows) {
        return response;
    }
    doc.currentComponent = ComponentAt(*doc.currentForm, tile);
    response.refresh = Refresh::RefillGrid;
    if (doubleClick && doc.currentComponent != nullptr) {
        const DoubleClickResult action = DoubleClickSelection(doc);
        response.refresh |= action.refresh;
        response.openCodeEditor = action.openCodeEditor;
        response.handlerToShow = action.handlerToShow;
    }
    return response;
}

void LeftButtonDoubleClicked(ViewState& state) {
    state.pendingDoubleClick = true;
}

ViewResponse RightButtonReleased(CLumoraDoc& doc, ViewState& state, ContentPoint point) {
    if (doc.currentForm == nullptr) {
        state.pendingDoubleClick = false;
        return {};
    }
    ViewResponse response = LeftButtonReleased(doc, state, point);
    response.showEditMenu = true;
    return response;
}

std::u16string PointerStatusText(const CLumoraDoc& doc, int clientX, int clientY) {
    if (doc.currentForm != nullptr) {
        return PairText(FloorDiv(clientX, 16) - doc.currentForm->left,
                        FloorDiv(clientY, 16) - doc.currentForm->top);
    }
    return PairText(FloorDiv(clientX, 5), FloorDiv(clientY, 5));
}

ViewResponse KeyReleased(CLumoraDoc& doc, ViewKey key, bool leftCtrlDown) {
    ViewResponse response;
    if (doc.currentForm == nullptr) {
        if (key == ViewKey::Delete) {
            doc.DeleteCurrentBitmap();
            response.refresh = Refresh::Repaint;
        }
        return response;
    }
    switch (key) {
        case ViewKey::Left:
            doc.NudgeSelection(ArrowKey::Left, leftCtrlDown);
            break;
        case ViewKey::Up:
            doc.NudgeSelection(ArrowKey::Up, leftCtrlDown);
            break;
        case ViewKey::Right:
            doc.NudgeSelection(ArrowKey::Right, leftCtrlDown);
            break;
        case ViewKey::Down:
            doc.NudgeSelection(ArrowKey::Down, leftCtrlDown);
            break;
        case ViewKey::Delete:
            doc.DeleteSelection();
            break;
        case ViewKey::Other:
            return response;
    }
    response.refresh = Refresh::RefillGrid | Refresh::Render;
    return response;
}

Refresh HandlerEditAccepted(CLumoraDoc& doc, std::u16string text) {
    if (text != doc.customCode) {
        doc.customCode = std::move(text);
        doc.SetModifiedFlag(true);
    }
    return Refresh::None;
}

}  // namespace lumora
