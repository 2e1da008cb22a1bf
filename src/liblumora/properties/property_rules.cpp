#include "properties/property_rules.h"

#include "model/document.h"

namespace lumora::rules {

bool ContainsNameWhitespace(std::u16string_view text) {
    return text.find_first_of(u" \r\n\t") != std::u16string_view::npos;
}

PropertyChangeResult Rename(CLumoraDoc& doc, std::u16string& name, const Change& change,
                            const NameRule& rule, std::u16string* follower) {
    if (!change.text.starts_with(rule.prefix)) {
        return Rejected(doc, rule.missingPrefixMessage, name, true);
    }
    if (ContainsNameWhitespace(change.text)) {
        return Rejected(doc, rule.whitespaceMessage, name, true);
    }
    if (follower != nullptr && *follower == name) {
        *follower = std::u16string(change.text);
    }
    name = std::u16string(change.text);
    doc.RebuildObjectTree();
    return Accepted(doc, Refresh::None);
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
