#pragma once

#include <vector>

#include "properties/property_set.h"

namespace lumora {

// The grid's alphabetical order: every entry of both groups, by name, ignoring letter case;
// entries of equal names keep their grouped order.
std::vector<const PropertyEntry*> AlphabeticalEntries(const PropertySet& set);

}  // namespace lumora
