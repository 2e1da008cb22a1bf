#pragma once

#include <cstdint>
#include <string_view>

#include "compiler_output.h"

namespace lumora::propellent {

struct TextSpan {
    std::int32_t start = 0;
    std::int32_t length = 0;
};

// Where a diagnostic points in the file's text counted as the Build dialog cuts it: each
// CR LF, CR or LF one character, each tab eight. A line past the end gives the end of the
// text; without a column the span is the line's text without its leading and trailing blanks.
TextSpan LocateDiagnostic(std::u16string_view text, const CompilerDiagnostic& diagnostic);

}  // namespace lumora::propellent
