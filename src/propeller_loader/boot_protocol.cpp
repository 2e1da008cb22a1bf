#include "boot_protocol.h"

#include <bit>
#include <cassert>

namespace lumora::propeller {

std::uint8_t EncodeBits(std::span<const bool> bits) {
    assert(!bits.empty() && bits.size() <= kBitsPerEncodedByte);
    // Ten slots on the wire: the start bit (always low), data bits 0..7, the stop bit (high).
    // Each pulse is one or two low slots followed by at least one high slot; three zeros, the
    // longest case, end in slot 8, so the stop bit always closes the last pulse.
    std::uint8_t byte = 0xFF;
    unsigned slot = 0;
    for (const bool bit : bits) {
        const unsigned width = bit ? 1 : 2;
        for (unsigned k = 0; k < width; ++k, ++slot) {
            if (slot >= 1) {
                byte = static_cast<std::uint8_t>(byte & ~(1u << (slot - 1)));
            }
        }
        ++slot;  // the high gap
    }
    return byte;
}

std::array<std::uint8_t, kEncodedLongBytes> EncodeLong(std::uint32_t value) {
    std::array<std::uint8_t, kEncodedLongBytes> out{};
    std::array<bool, kBitsPerEncodedByte> chunk{};
    std::size_t bit = 0;
    for (auto& byte : out) {
        std::size_t n = 0;
        for (; n < kBitsPerEncodedByte && bit < 32; ++n, ++bit) {
            chunk[n] = ((value >> bit) & 1u) != 0;
        }
        byte = EncodeBits(std::span<const bool>(chunk.data(), n));
    }
    return out;
}

bool HandshakeLfsr::Next() {
    const bool out = (state_ & 1u) != 0;
    const bool feedback = (std::popcount(static_cast<unsigned>(state_ & 0xB2u)) & 1) != 0;
    state_ = static_cast<std::uint8_t>((state_ << 1) | (feedback ? 1u : 0u));
    return out;
}

std::vector<std::uint8_t> HostHandshake() {
    HandshakeLfsr lfsr;
    std::vector<std::uint8_t> out;
    out.reserve(kHandshakeBits);
    for (int i = 0; i < kHandshakeBits; ++i) {
        out.push_back(lfsr.Next() ? kAnswerOne : kAnswerZero);
    }
    return out;
}

std::vector<bool> ChipHandshake() {
    HandshakeLfsr lfsr;
    for (int i = 0; i < kHandshakeBits; ++i) {
        lfsr.Next();
    }
    std::vector<bool> out;
    out.reserve(kHandshakeBits);
    for (int i = 0; i < kHandshakeBits; ++i) {
        out.push_back(lfsr.Next());
    }
    return out;
}

std::optional<bool> DecodeAnswer(std::uint8_t byte) {
    if (byte == kAnswerOne) {
        return true;
    }
    if (byte == kAnswerZero) {
        return false;
    }
    return std::nullopt;
}

double WireSeconds(std::size_t serialBytes) {
    return static_cast<double>(serialBytes) * kBitsPerSerialByte / kBaudRate;
}

}  // namespace lumora::propeller
