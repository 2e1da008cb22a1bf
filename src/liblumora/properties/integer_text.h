#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lumora {

// How the property grid reads typed text for an Integer entry: leading blanks, an optional
// sign, then digits; reading stops at the first other character, and text without a leading
// number reads as 0. Values beyond 32 bits saturate, so they fail every range check.
std::int32_t ReadGridInteger(std::u16string_view text);

// Whether ReadGridInteger finds a number at all: text without one would silently read as 0.
bool StartsWithInteger(std::u16string_view text);

// A whole number as the add-bitmap dialog's fields take it: optional blanks, an optional sign,
// digits, optional blanks, nothing else. Values beyond 32 bits saturate.
std::optional<std::int32_t> ReadWholeNumber(std::u16string_view text);

}  // namespace lumora
