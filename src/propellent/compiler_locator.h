#pragma once

#include <optional>
#include <string>

namespace lumora::propellent {

inline constexpr const char* kCompilerVariable = "LUMORA_SPIN_COMPILER";

enum class CompilerKind { kOpenSpin, kFlexSpin };

struct FoundCompiler {
    std::string path;
    CompilerKind kind = CompilerKind::kOpenSpin;
    std::string origin;  // "in the toolchain settings", "in LUMORA_SPIN_COMPILER", "on PATH"
};

struct CompilerSearch {
    std::optional<FoundCompiler> compiler;
    std::string problem;  // why none was found, with what to do about it
};

// The setting first, then the variable, then "openspin" and "flexspin" on the search path. A
// named compiler that is not there is reported rather than passed over.
CompilerSearch FindCompiler(const std::string& setting, const std::string& variable,
                            const std::string& searchPath);

CompilerKind KindOf(const std::string& path);

}  // namespace lumora::propellent
