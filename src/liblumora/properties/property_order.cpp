#include "properties/property_order.h"

#include <algorithm>
#include <string_view>

namespace lumora {

namespace {

char16_t Folded(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool FoldedLess(std::u16string_view a, std::u16string_view b) {
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char16_t x, char16_t y) { return Folded(x) < Folded(y); });
}

}  // namespace

std::vector<const PropertyEntry*> AlphabeticalEntries(const PropertySet& set) {
    std::vector<const PropertyEntry*> entries;
    for (const PropertyGroup& group : set.groups) {
        for (const PropertyEntry& entry : group.entries) {
            entries.push_back(&entry);
        }
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const PropertyEntry* a, const PropertyEntry* b) {
                         return FoldedLess(a->name, b->name);
                     });
    return entries;
}

}  // namespace lumora
