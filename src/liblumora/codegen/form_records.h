#pragma once

#include <string>

#include "model/records.h"

namespace lumora {

// The runtime reads border colours as colour-set indexes; the model holds graphics colour numbers.
inline constexpr int kBorderColorSetOffset = 10;

// The DAT block of one form: its title string, the form record with the addresses of its
// components, then every component's record, each followed by two empty lines.
void AppendFormData(std::u16string& out, const CLmForm& form);

// One component's record, labelled with its name. A type code outside 1..7 (only a damaged
// file holds one) gets the six common bytes alone.
void AppendComponentRecord(std::u16string& out, const CLmComponent& component);

}  // namespace lumora
