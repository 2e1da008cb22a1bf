#pragma once

#include <cstdint>
#include <span>

namespace lumora {

// The IEEE 802.3 CRC-32 (reflected polynomial 0xEDB88320), the same value as zlib's crc32.
std::uint32_t Crc32(std::span<const unsigned char> bytes);

}  // namespace lumora
