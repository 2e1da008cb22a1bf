#pragma once

// Compiled-program stand-ins: a Spin header the boot ROM accepts and filler bytes, with the
// checksum byte set by the rule that all of RAM, with the two stack-frame longs $FFF9FFFF the
// chip writes below the data base, sums to zero in its low byte.

#include <cstdint>
#include <vector>

namespace lumora::testing {

inline std::vector<std::uint8_t> SyntheticImage(std::size_t size, std::uint32_t seed = 1) {
    std::vector<std::uint8_t> image(size, 0);
    std::uint32_t state = seed;
    for (auto& byte : image) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<std::uint8_t>(state >> 16);
    }
    auto word = [&image](std::size_t at, std::size_t value) {
        image[at] = static_cast<std::uint8_t>(value);
        image[at + 1] = static_cast<std::uint8_t>(value >> 8);
    };
    image[0] = 0x00;  // clock frequency 80 MHz
    image[1] = 0xB4;
    image[2] = 0xC4;
    image[3] = 0x04;
    image[4] = 0x6F;  // clock mode
    word(6, 0x0010);  // program base
    word(8, size);    // variables base: the image's end
    word(10, size + 8);
    word(12, 0x0018);
    word(14, size + 12);
    // Two stack-frame longs contribute 2 * ($FF + $F9 + $FF + $FF) = $7EC, so the image itself
    // must sum to $14 modulo 256.
    image[5] = 0;
    unsigned sum = 0;
    for (const std::uint8_t byte : image) {
        sum += byte;
    }
    image[5] = static_cast<std::uint8_t>(0x14 - sum);
    return image;
}

// The longs the chip should receive for an image: little-endian, the last one zero-padded.
inline std::vector<std::uint32_t> ImageLongs(const std::vector<std::uint8_t>& image) {
    std::vector<std::uint32_t> longs((image.size() + 3) / 4, 0);
    for (std::size_t i = 0; i < image.size(); ++i) {
        longs[i / 4] |= static_cast<std::uint32_t>(image[i]) << (8 * (i % 4));
    }
    return longs;
}

}  // namespace lumora::testing
