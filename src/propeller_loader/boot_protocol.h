#pragma once

// The wire format of the Propeller 1 boot ROM's serial loader. Every bit travels as one low
// pulse: one bit time low is a 1, two bit times low are a 0, and the chip tells them apart by
// a threshold it measures from the first two pulses it sees. Bits go least significant first.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumora::propeller {

inline constexpr unsigned kBaudRate = 115200;
inline constexpr unsigned kBitsPerSerialByte = 10;  // start, eight data, stop

// Pulses of one bit time then two: the calibration the chip measures its threshold from, and,
// once the chip talks, the prompt it answers one bit on.
inline constexpr std::uint8_t kCalibrationByte = 0xF9;
// The chip answers a prompt by holding the line low for the prompt's first data bit or not.
inline constexpr std::uint8_t kAnswerZero = 0xFE;
inline constexpr std::uint8_t kAnswerOne = 0xFF;

inline constexpr int kHandshakeBits = 250;
inline constexpr int kVersionBits = 8;
inline constexpr std::size_t kBitsPerEncodedByte = 3;
inline constexpr std::size_t kEncodedLongBytes = 11;  // 32 bits, three to a byte
inline constexpr std::size_t kRamBytes = 32768;

enum class BootCommand : std::uint32_t {
    kShutdown = 0,
    kLoadRamRun = 1,
    kProgramEepromShutdown = 2,
    kProgramEepromRun = 3,
};

// One serial byte carrying one to three bits, in the order given.
std::uint8_t EncodeBits(std::span<const bool> bits);
std::array<std::uint8_t, kEncodedLongBytes> EncodeLong(std::uint32_t value);

// The handshake's shared pseudo-random bits: an eight-bit shift register seeded with "P".
class HandshakeLfsr {
  public:
    bool Next();

  private:
    std::uint8_t state_ = 'P';
};

// What the host sends after the calibration: the register's first 250 bits as $FE/$FF.
std::vector<std::uint8_t> HostHandshake();
// What the chip answers with: the register's next 250 bits.
std::vector<bool> ChipHandshake();

// A chip's answer byte as a bit; anything else is not an answer.
std::optional<bool> DecodeAnswer(std::uint8_t byte);

// Seconds the given number of serial bytes take on the line.
double WireSeconds(std::size_t serialBytes);

}  // namespace lumora::propeller
