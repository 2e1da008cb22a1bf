#pragma once

#include <string>

namespace lumora {
class CLumoraDoc;
}

namespace lumora::cli {

inline constexpr const char* kDesignSourceUsage = "FILE|--new";

// Fills doc from the FILE|--new argument: "--new" gives the application the designer's New
// gives. A failure is reported through doc's messages and returns false.
bool LoadDesign(const std::string& source, CLumoraDoc& doc);

}  // namespace lumora::cli
