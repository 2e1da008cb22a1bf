#pragma once

#include <string>

#include "designer/view_geometry.h"
#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

// The view's own state that mouse input reads and writes.
struct ViewState {
    bool zoomHalf = false;
    bool pendingDoubleClick = false;
};

// What the view must do after an input or a command, besides the refreshes.
struct ViewResponse {
    Refresh refresh = Refresh::None;
    // A Button was double-clicked: open the handler code editor on the custom code there.
    bool openCodeEditor = false;
    std::u16string handlerToShow;
    bool showEditMenu = false;  // the "Edit" popup at the pointer
    bool focusView = false;     // so that the arrow keys act on a new component at once
};

// Left-button release. With a form current: a release on the screen selects the component under
// it (the form where none lies) and, after a double click, acts on it. Otherwise: toggles the
// current bitmap's pixel under the pointer. Either way a pending double click is used up.
ViewResponse LeftButtonReleased(CLumoraDoc& doc, ViewState& state, ContentPoint point);

// The release that follows performs the double click's action.
void LeftButtonDoubleClicked(ViewState& state);

// Right-button release: with a form current, selects as the left button does and asks for the
// "Edit" menu.
ViewResponse RightButtonReleased(CLumoraDoc& doc, ViewState& state, ContentPoint point);

// The status text of a pointer move at this client position: the tile relative to the current
// form's top-left tile (no scroll offset, no half-size correction), or the bitmap pixel.
std::u16string PointerStatusText(const CLumoraDoc& doc, int clientX, int clientY);

enum class ViewKey { Left, Up, Right, Down, Delete, Other };

// A key release. leftCtrlDown: the left Ctrl key is held; the right one does not count.
ViewResponse KeyReleased(CLumoraDoc& doc, ViewKey key, bool leftCtrlDown);

// The handler code editor opened by a double click closed with OK on this text.
Refresh HandlerEditAccepted(CLumoraDoc& doc, std::u16string text);

}  // namespace lumora
