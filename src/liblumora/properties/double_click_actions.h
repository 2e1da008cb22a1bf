#pragma once

#include <string>

#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

struct DoubleClickResult {
    Refresh refresh = Refresh::None;
    // A Button: open the handler code editor on the custom code, showing this method.
    bool openCodeEditor = false;
    std::u16string handlerToShow;
};

// What a double click does to the component the release has just selected: a Button without
// a handler gets "On" + its name and a stub in the custom code, an Option Button or Check Box
// has its value toggled. Other types, and no selected component, do nothing. Both changes mark
// the document modified, since they change what is saved.
DoubleClickResult DoubleClickSelection(CLumoraDoc& doc);

}  // namespace lumora
