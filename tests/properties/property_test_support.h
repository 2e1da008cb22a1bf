#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/document.h"
#include "model/new_application.h"
#include "properties/property_set.h"
#include "recording_messages.h"

namespace lumora::testing {

// A new application with its messages recorded.
struct NewApplication {
    NewApplication() {
        doc.AttachMessages(&messages);
        StartNewApplication(doc);
    }
    CLumoraDoc doc;
    RecordingMessages messages;
};

inline std::vector<std::u16string> EntryNames(const PropertyGroup& group) {
    std::vector<std::u16string> names;
    for (const PropertyEntry& entry : group.entries) {
        names.push_back(entry.name);
    }
    return names;
}

// What the grid would show for the entry now; empty when the entry is not shown.
inline std::u16string Shown(const CLumoraDoc& doc, std::u16string_view entryName) {
    const PropertySet set = BuildPropertySet(doc);
    const PropertyEntry* entry = set.Find(entryName);
    return entry == nullptr ? std::u16string() : DisplayText(entry->value);
}

}  // namespace lumora::testing
