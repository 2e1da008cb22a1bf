#pragma once

#include <string_view>

#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

// The designer's answer to a new selection in the Object View: the named form, component or
// bitmap becomes current (any other text changes nothing), then the screen shows the current
// form, or the bitmap when no form is current, and the grid is filled again.
Refresh HandleTreeSelection(CLumoraDoc& doc, std::u16string_view itemText);

}  // namespace lumora
