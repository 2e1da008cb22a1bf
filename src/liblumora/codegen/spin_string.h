#pragma once

#include <string>
#include <string_view>

namespace lumora {

// Appends the operand of a `byte` directive that gives the Propeller the text followed by a zero
// byte, e.g. `"Say ",34,"hi",34,0`. Only printable ASCII other than the double quote (and tab,
// which tab replacement expands later) stands inside quotes; every other code unit is written as
// a number, so the line always compiles and does not depend on how the compiler decodes the
// file. Each code unit becomes exactly one byte, keeping hot-key offsets aligned with the
// caption: units up to 255 give their own value, larger ones (the Propeller's character set
// has no room for them) give '?'. An empty text gives `0`.
void AppendSpinByteString(std::u16string& out, std::u16string_view text);

}  // namespace lumora
