#pragma once

// A compiled Propeller image checked the way the boot ROM will check it, before any byte of it
// goes on the wire.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lumora::propeller {

enum class ImageProblem {
    kNone,
    kEmpty,
    kTooLarge,
    kNotSpin,        // the chip would refuse to start it
    kWrongChecksum,  // the chip would refuse it after the load
};

struct BootImage {
    ImageProblem problem = ImageProblem::kNone;
    std::string message;               // set when problem is not kNone
    std::vector<std::uint32_t> longs;  // the image as the chip receives it, zero-padded
};

// The image header's words the chip reads: the program base, which must be $0010, and the
// data base, below which the chip writes the first stack frame.
BootImage PrepareBootImage(std::span<const std::uint8_t> image);

// The low byte of the sum of all 32 KB of RAM once the chip has loaded the image, cleared the
// rest and written its stack frame; the chip accepts only zero.
std::uint8_t ChipRamChecksum(std::span<const std::uint8_t> image);

}  // namespace lumora::propeller
