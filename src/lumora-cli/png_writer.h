#pragma once

#include <string>

namespace lumora {
struct PixelBuffer;
}

namespace lumora::cli {

// Writes the buffer as a PNG file; on failure the reason goes to error.
bool WritePng(const PixelBuffer& buffer, const std::string& path, std::string& error);

}  // namespace lumora::cli
