#pragma once

#include <string_view>

#include "properties/property_set.h"
#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

enum class ChangeOutcome {
    Accepted,  // stored, with its follow-ups
    Rejected,  // a message was shown and the model kept its value: put restoredValue back
    // The three below change nothing and show nothing; the grid never produces them.
    Unchanged,    // the text equals what the entry shows: the grid sends no change then
    NoSuchEntry,  // the set shown for the selection has no entry of that name
    ReadOnly,     // the entry is shown but cannot be edited
    NotABoolean,  // a Boolean entry takes only "True" or "False"
};

struct PropertyChangeResult {
    ChangeOutcome outcome = ChangeOutcome::NoSuchEntry;
    Refresh refresh = Refresh::None;
    PropertyValue restoredValue;  // the model's value for the entry, set on Rejected
};

// The grid's change notification: the entry's name and its new text as the grid holds it
// (typed text for Text and Integer entries, "True"/"False" for Boolean ones). Applies the
// rule of the selected item's rule set: messages go through the document's UserMessages,
// the document is marked modified unless the rule says a rejection leaves it, renames rebuild
// the object tree. The caller acts on the refresh flags.
PropertyChangeResult ChangeProperty(CLumoraDoc& doc, std::u16string_view entryName,
                                    std::u16string_view newText);

}  // namespace lumora
