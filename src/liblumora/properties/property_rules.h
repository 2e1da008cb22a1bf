#pragma once

// Shared pieces of the three rule sets behind ChangeProperty.

#include <cstdint>
#include <string>
#include <string_view>

#include "properties/property_change.h"

namespace lumora {

struct CLmBitmap;
struct CLmComponent;
struct CLmForm;

namespace rules {

// One change as the rules read it; number and flag are the text read as the entry's kind.
struct Change {
    std::u16string_view name;
    std::u16string_view text;
    std::int32_t number = 0;
    bool flag = false;
};

// Space, CR, LF and tab: the characters a Spin symbol typed into the grid may not hold.
bool ContainsNameWhitespace(std::u16string_view text);

// Stores nothing; marks the document modified after an accepted change.
PropertyChangeResult Accepted(CLumoraDoc& doc, Refresh refresh);
PropertyChangeResult Rejected(CLumoraDoc& doc, std::u16string_view message, PropertyValue restored,
                              bool marksModified);

// For a name the rule set does not know; ChangeProperty passes only names the grid shows.
PropertyChangeResult NoRule();

// The common shape of the numeric rules: lo <= value <= hi, else the message.
struct RangeRule {
    std::int64_t lo;
    std::int64_t hi;
    std::u16string_view message;
    bool marksOnRejection;
    Refresh onAcceptance;
};
PropertyChangeResult ChangeInRange(CLumoraDoc& doc, std::int32_t& field, const Change& change,
                                   const RangeRule& rule);

// The common shape of the renames: the text must begin with the prefix (the prefix alone is a
// valid name; uniqueness is not checked) and hold no whitespace, else the message and the old
// name back in the grid. An accepted name also replaces *follower when that held the old name.
struct NameRule {
    std::u16string_view prefix;
    std::u16string_view missingPrefixMessage;
    std::u16string_view whitespaceMessage;
};
PropertyChangeResult Rename(CLumoraDoc& doc, std::u16string& name, const Change& change,
                            const NameRule& rule, std::u16string* follower = nullptr);

PropertyChangeResult ChangeBitmapProperty(CLumoraDoc& doc, CLmBitmap& bitmap, const Change& change);
PropertyChangeResult ChangeFormProperty(CLumoraDoc& doc, CLmForm& form, const Change& change);
PropertyChangeResult ChangeComponentProperty(CLumoraDoc& doc, const CLmForm& form,
                                             CLmComponent& component, const Change& change);

}  // namespace rules
}  // namespace lumora
