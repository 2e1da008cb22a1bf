#pragma once

#include <iosfwd>
#include <string>

namespace lumora {
class CLumoraDoc;
}

namespace lumora::cli {

inline constexpr const char* kDesignSourceUsage = "FILE|--new";

// Fills doc from the FILE|--new argument: "--new" gives the application the designer's New
// gives. On failure the reason is written to err and false returned.
bool LoadDesign(const std::string& source, CLumoraDoc& doc, std::ostream& err);

}  // namespace lumora::cli
