#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumora::propellent {

// The first error a Spin compiler printed. Every text is cut to a bounded length.
struct CompilerDiagnostic {
    std::string file;
    std::int32_t line = 0;    // 1-based; 0 when not given
    std::int32_t column = 0;  // 1-based, tabs advancing to the next multiple of eight; 0 unknown
    std::string message;
    std::optional<std::string> offendingItem;
    bool atEndOfFile = false;
};

inline constexpr std::size_t kMaxDiagnosticText = 1024;
inline constexpr std::size_t kMaxDiagnosticFile = 4096;

// Reads OpenSpin's "FILE(LINE:COL) : error : MESSAGE" with its "Line:" and "Offending Item:"
// lines, OpenSpin's "FILE : error : MESSAGE", and FlexSpin's "FILE:LINE: error: MESSAGE".
// Any bytes at all; empty when no error line is found.
std::optional<CompilerDiagnostic> ParseCompilerOutput(std::string_view output);

}  // namespace lumora::propellent
