#include "boot_image.h"

#include <algorithm>

#include "boot_protocol.h"

namespace lumora::propeller {

namespace {

constexpr std::size_t kHeaderBytes = 16;
constexpr std::uint16_t kProgramBase = 0x0010;
constexpr std::uint32_t kStackFrameLong = 0xFFF9FFFF;

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

void PutLong(std::vector<std::uint8_t>& ram, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        ram[(at + i) % ram.size()] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

BootImage Refuse(ImageProblem problem, std::string message) {
    BootImage out;
    out.problem = problem;
    out.message = std::move(message);
    return out;
}

}  // namespace

std::uint8_t ChipRamChecksum(std::span<const std::uint8_t> image) {
    std::vector<std::uint8_t> ram(kRamBytes, 0);
    std::copy_n(image.begin(), std::min(image.size(), ram.size()), ram.begin());
    if (image.size() >= kHeaderBytes) {
        const std::size_t dbase = Word(image, 10);
        PutLong(ram, (dbase + kRamBytes - 4) % kRamBytes, kStackFrameLong);
        PutLong(ram, (dbase + kRamBytes - 8) % kRamBytes, kStackFrameLong);
    }
    unsigned sum = 0;
    for (const std::uint8_t byte : ram) {
        sum += byte;
    }
    return static_cast<std::uint8_t>(sum);
}

BootImage PrepareBootImage(std::span<const std::uint8_t> image) {
    if (image.empty()) {
        return Refuse(ImageProblem::kEmpty, "The image to load is empty.");
    }
    if (image.size() > kRamBytes) {
        return Refuse(ImageProblem::kTooLarge, "The image is " + std::to_string(image.size()) +
                                                   " bytes; the Propeller's RAM holds only " +
                                                   std::to_string(kRamBytes) + ".");
    }
    if (image.size() < kHeaderBytes || Word(image, 6) != kProgramBase || Word(image, 10) < 8 ||
        Word(image, 10) > kRamBytes) {
        return Refuse(ImageProblem::kNotSpin,
                      "The image is not a compiled Propeller program (its header is wrong).");
    }
    if (ChipRamChecksum(image) != 0) {
        return Refuse(ImageProblem::kWrongChecksum,
                      "The image's checksum is wrong (the file is damaged); the Propeller would "
                      "refuse it.");
    }
    BootImage out;
    out.longs.resize((image.size() + 3) / 4, 0);
    for (std::size_t i = 0; i < image.size(); ++i) {
        out.longs[i / 4] |= static_cast<std::uint32_t>(image[i]) << (8 * (i % 4));
    }
    return out;
}

}  // namespace lumora::propeller
