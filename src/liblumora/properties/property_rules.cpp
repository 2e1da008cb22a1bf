#include "properties/property_rules.h"

#include "model/document.h"

namespace lumora::rules {

bool ContainsNameWhitespace(std::u16string_view text) {
    return text.find_first_of(u" \r\n\t") != std::u16string_view::npos;
}

NameCheck CheckName(std::u16string_view text, std::u16string_view prefix) {
    if (!text.starts_with(prefix)) {
        return NameCheck::MissingPrefix;
    }
    if (ContainsNameWhitespace(text)) {
        return NameCheck::Whitespace;
    }
    return NameCheck::Ok;
}

PropertyChangeResult Accepted(CLumoraDoc& doc, Refresh refresh) {
    doc.SetModifiedFlag(true);
    PropertyChangeResult result;
    result.outcome = ChangeOutcome::Accepted;
    result.refresh = refresh;
    return result;
}

PropertyChangeResult Rejected(CLumoraDoc& doc, std::u16string_view message, PropertyValue restored,
                              bool marksModified) {
    doc.ShowMessage(message);
    if (marksModified) {
        doc.SetModifiedFlag(true);
    }
    PropertyChangeResult result;
    result.outcome = ChangeOutcome::Rejected;
    result.restoredValue = std::move(restored);
    return result;
}

PropertyChangeResult NoRule() {
    PropertyChangeResult result;
    result.outcome = ChangeOutcome::NoSuchEntry;
    return result;
}

PropertyChangeResult ChangeInRange(CLumoraDoc& doc, std::int32_t& field, const Change& change,
                                   const RangeRule& rule) {
    if (change.number < rule.lo || change.number > rule.hi) {
        return Rejected(doc, rule.message, field, rule.marksOnRejection);
    }
    field = change.number;
    return Accepted(doc, rule.onAcceptance);
}

}  // namespace lumora::rules
