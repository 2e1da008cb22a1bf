#include "properties/settings_rules.h"

#include <algorithm>

#include "model/document.h"
#include "model/records.h"
#include "model/text_encoding.h"

namespace lumora {

namespace {

constexpr int kBackgroundColorCount = 6;

void SelectEqual(SettingsList& list, const std::u16string& value) {
    const auto it = std::find(list.entries.begin(), list.entries.end(), value);
    if (it != list.entries.end()) {
        list.selected = static_cast<std::size_t>(it - list.entries.begin());
    }
}

const std::u16string* SelectedEntry(const SettingsList& list) {
    if (!list.selected || *list.selected >= list.entries.size()) {
        return nullptr;
    }
    return &list.entries[*list.selected];
}

}  // namespace

SettingsChoices OpenSettings(const CLumoraDoc& doc) {
    SettingsChoices choices;
    for (const auto& form : doc.forms) {
        choices.mainForm.entries.push_back(form->name);
    }
    SelectEqual(choices.mainForm, doc.mainFormName);
    for (const auto& bitmap : doc.bitmaps) {
        choices.backgroundBitmap.entries.push_back(bitmap->name);
    }
    SelectEqual(choices.backgroundBitmap, doc.backgroundBitmapName);
    for (int n = 0; n < kBackgroundColorCount; ++n) {
        choices.backgroundColor.entries.push_back(DecimalText(n));
    }
    if (doc.backgroundBitmapColor >= 0 && doc.backgroundBitmapColor < kBackgroundColorCount) {
        choices.backgroundColor.selected = static_cast<std::size_t>(doc.backgroundBitmapColor);
    }
    return choices;
}

Refresh ApplySettings(CLumoraDoc& doc, const SettingsChoices& choices) {
    bool changed = false;
    if (const std::u16string* name = SelectedEntry(choices.mainForm);
        name != nullptr && *name != doc.mainFormName) {
        doc.mainFormName = *name;
        changed = true;
    }
    if (const std::u16string* name = SelectedEntry(choices.backgroundBitmap);
        name != nullptr && *name != doc.backgroundBitmapName) {
        doc.backgroundBitmapName = *name;
        changed = true;
    }
    if (SelectedEntry(choices.backgroundColor) != nullptr) {
        const auto color = static_cast<std::int32_t>(*choices.backgroundColor.selected);
        if (color != doc.backgroundBitmapColor) {
            doc.backgroundBitmapColor = color;
            changed = true;
        }
    }
    if (changed) {
        doc.SetModifiedFlag(true);
    }
    return doc.currentForm != nullptr ? Refresh::Render : Refresh::Repaint;
}

}  // namespace lumora
