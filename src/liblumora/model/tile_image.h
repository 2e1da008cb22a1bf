#pragma once

#include <array>
#include <cstdint>

namespace lumora {

// One 16 x 16 tile of 4-bit pixels, held in its stored 128-byte layout: 16 rows of 8 bytes,
// bottom pixel row first, the left pixel of each pair in the high nibble.
struct TileImage {
    static constexpr int kSize = 16;
    static constexpr int kByteCount = 128;

    std::array<std::uint8_t, kByteCount> bytes{};

    // x and y in 0..15, y = 0 being the top row.
    static constexpr int ByteIndex(int x, int y) { return (kSize - 1 - y) * 8 + x / 2; }

    constexpr std::uint8_t Pixel(int x, int y) const {
        const std::uint8_t b = bytes[ByteIndex(x, y)];
        return (x % 2 == 0) ? static_cast<std::uint8_t>(b >> 4)
                            : static_cast<std::uint8_t>(b & 0x0F);
    }

    constexpr void SetPixel(int x, int y, std::uint8_t value) {
        std::uint8_t& b = bytes[ByteIndex(x, y)];
        value &= 0x0F;
        b = (x % 2 == 0) ? static_cast<std::uint8_t>((b & 0x0F) | (value << 4))
                         : static_cast<std::uint8_t>((b & 0xF0) | value);
    }

    friend bool operator==(const TileImage&, const TileImage&) = default;
};

}  // namespace lumora
