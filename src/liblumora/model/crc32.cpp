#include "model/crc32.h"

#include <array>

namespace lumora {

namespace {

// Table k gives the CRC of a byte followed by k zero bytes, so that eight bytes are folded in
// with eight independent lookups instead of eight dependent ones.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables MakeTables() {
    Tables tables{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int bit = 0; bit < 8; ++bit) {
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        }
        tables[0][n] = c;
    }
    for (std::size_t k = 1; k < 8; ++k) {
        for (std::uint32_t n = 0; n < 256; ++n) {
            const std::uint32_t previous = tables[k - 1][n];
            tables[k][n] = (previous >> 8) ^ tables[0][previous & 0xFF];
        }
    }
    return tables;
}

constexpr Tables kTables = MakeTables();

std::uint32_t Le32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

}  // namespace

std::uint32_t Crc32(std::span<const unsigned char> bytes) {
    const auto& t = kTables;
    std::uint32_t c = 0xFFFFFFFFu;
    const unsigned char* p = bytes.data();
    std::size_t n = bytes.size();
    for (; n >= 8; n -= 8, p += 8) {
        const std::uint32_t one = Le32(p) ^ c;
        const std::uint32_t two = Le32(p + 4);
        c = t[7][one & 0xFF] ^ t[6][(one >> 8) & 0xFF] ^ t[5][(one >> 16) & 0xFF] ^
            t[4][one >> 24] ^ t[3][two & 0xFF] ^ t[2][(two >> 8) & 0xFF] ^
            t[1][(two >> 16) & 0xFF] ^ t[0][two >> 24];
    }
    for (; n > 0; --n, ++p) {
        c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFu;
}

}  // namespace lumora
