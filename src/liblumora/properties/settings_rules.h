#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

// One drop-down list of the settings dialog; it cannot be typed into.
struct SettingsList {
    std::vector<std::u16string> entries;
    std::optional<std::size_t> selected;  // none when no entry equals the stored value
};

struct SettingsChoices {
    SettingsList mainForm;          // the forms' names, in the document's order
    SettingsList backgroundBitmap;  // the bitmaps' names, in the document's order
    SettingsList backgroundColor;   // "0" to "5"; entry n is colour set n
};

// The lists as the dialog opens, each selecting the entry exactly equal to the stored value.
SettingsChoices OpenSettings(const CLumoraDoc& doc);

// OK: each setting takes its list's selected entry when that differs from the stored value; a
// list without a selection leaves its setting as it was. A changed setting marks the document
// modified, so that closing asks to save it. Returns what the view must refresh.
Refresh ApplySettings(CLumoraDoc& doc, const SettingsChoices& choices);

}  // namespace lumora
