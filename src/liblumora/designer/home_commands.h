#pragma once

#include <string>

#include "designer/view_input.h"
#include "model/component_type.h"
#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

// What the Home commands of the designer view do to the document, and what the view refreshes
// afterwards. The dialogs themselves are the widgets' business; these run after their OK.

// 180..186: a component of the command's AddTool (id - 180) on the current form, selected.
// Without a current form (the command is then disabled) nothing changes.
ViewResponse AddComponentCommand(CLumoraDoc& doc, int commandId);
inline constexpr int kLastAddCommand = kFirstAddCommand + kAddToolCount - 1;

// 57635: deletes the current component, or the current form when none is selected.
ViewResponse CutCommand(CLumoraDoc& doc);

// 190: a new form, current, shown on the screen.
ViewResponse AddFormCommand(CLumoraDoc& doc);

// 192 and 32782 after OK: the screen takes the new settings or colours.
ViewResponse AfterSettingsOrColors(const CLumoraDoc& doc);

// 32786.
ViewResponse ToggleHalfSize(ViewState& state);

// 32791 after OK: the edited custom code, its tabs expanded (announced once through the
// document's messages). Marks the document modified when the text changed.
ViewResponse HandlerCodeAccepted(CLumoraDoc& doc, std::u16string text);

}  // namespace lumora
