#include "properties/property_change.h"

#include "model/document.h"
#include "properties/integer_text.h"
#include "properties/property_rules.h"

namespace lumora {

namespace {

constexpr std::u16string_view kNotANumberMessage = u"Enter an integer.";

PropertyChangeResult NotApplied(ChangeOutcome outcome) {
    PropertyChangeResult result;
    result.outcome = outcome;
    return result;
}

}  // namespace

PropertyChangeResult ChangeProperty(CLumoraDoc& doc, std::u16string_view entryName,
                                    std::u16string_view newText) {
    const PropertySet set = BuildPropertySet(doc);
    const PropertyEntry* entry = set.Find(entryName);
    if (entry == nullptr) {
        return NotApplied(ChangeOutcome::NoSuchEntry);
    }
    if (entry->readOnly) {
        return NotApplied(ChangeOutcome::ReadOnly);
    }
    if (newText == DisplayText(entry->value)) {
        return NotApplied(ChangeOutcome::Unchanged);
    }

    rules::Change change;
    change.name = entryName;
    change.text = newText;
    switch (entry->Kind()) {
        case ValueKind::Integer:
            // Reading letters as 0 would store a value the user never typed.
            if (!StartsWithInteger(newText)) {
                return rules::Rejected(doc, kNotANumberMessage, entry->value, false);
            }
            change.number = ReadGridInteger(newText);
            break;
        case ValueKind::Boolean:
            if (newText != kTrueText && newText != kFalseText) {
                return NotApplied(ChangeOutcome::NotABoolean);
            }
            change.flag = newText == kTrueText;
            break;
        case ValueKind::Text:
            break;
    }

    if (doc.currentForm == nullptr) {
        return rules::ChangeBitmapProperty(doc, *doc.currentBitmap, change);
    }
    if (doc.currentComponent == nullptr) {
        return rules::ChangeFormProperty(doc, *doc.currentForm, change);
    }
    return rules::ChangeComponentProperty(doc, *doc.currentForm, *doc.currentComponent, change);
}

}  // namespace lumora
