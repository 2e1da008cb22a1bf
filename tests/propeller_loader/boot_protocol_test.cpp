// Values worked out by hand from the boot ROM's description: a serial byte's ten slots are the
// start bit (low), data bits 0..7 and the stop bit (high); a 1 is one low slot, a 0 two, each
// followed by a high slot.

#include "boot_protocol.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "boot_image.h"
#include "synthetic_image.h"

namespace lumora::propeller {
namespace {

TEST(BootProtocolTest, BitsPackIntoSerialBytesAsLowPulses) {
    struct Case {
        std::vector<bool> bits;
        std::uint8_t byte;
    };
    const Case cases[] = {
        {{true}, 0xFF},                 // L H H H H H H H H
        {{false}, 0xFE},                // L L H H H H H H H
        {{true, false}, 0xF9},          // L H L L H H H H H: the calibration byte itself
        {{false, true}, 0xFA},          // L L H L H H H H H
        {{true, true, true}, 0xF5},     // L H L H L H H H H
        {{false, false, false}, 0x92},  // L L H L L H L L H: the longest, ends before the stop
        {{true, false, true}, 0xE9},    // L H L L H L H H H
        {{false, true, true}, 0xEA},    // L L H L H L H H H
        {{true, false, false}, 0xC9},   // L H L L H L L H H
        {{true, true, false}, 0xE5},    // L H L H L L H H H
        {{false, true, false}, 0xCA},   // L L H L H L L H H
        {{false, false}, 0xF2},         // L L H L L H H H H
        {{true, true}, 0xFD},           // L H L H H H H H H
    };
    for (const Case& c : cases) {
        std::array<bool, 3> bits{};
        std::copy(c.bits.begin(), c.bits.end(), bits.begin());
        EXPECT_EQ(EncodeBits(std::span<const bool>(bits.data(), c.bits.size())), c.byte)
            << "bits " << c.bits.size();
    }
}

TEST(BootProtocolTest, LongsGoLeastSignificantBitFirstThreeToAByte) {
    using Encoded = std::array<std::uint8_t, kEncodedLongBytes>;
    struct Case {
        std::uint32_t value;
        Encoded bytes;
    };
    const Case cases[] = {
        {0x00000000, {0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0xF2}},
        {0xFFFFFFFF, {0xF5, 0xF5, 0xF5, 0xF5, 0xF5, 0xF5, 0xF5, 0xF5, 0xF5, 0xF5, 0xFD}},
        // The commands: 1 load RAM and run, 3 program the EEPROM and run.
        {0x00000001, {0xC9, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0xF2}},
        {0x00000003, {0xE5, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0xF2}},
        // Bits 30 and 31 alone: 1, 1 in the last byte; bit 0 alone: 1, 0, 0 in the first.
        {0xC0000000, {0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0xFD}},
        // 0x00000005: bits 1,0,1 then zeros.
        {0x00000005, {0xE9, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0x92, 0xF2}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeLong(c.value), c.bytes) << std::hex << c.value;
    }
}

TEST(BootProtocolTest, HandshakeStartsWithTheRegisterSeededWithP) {
    // 'P' = $50; each step sends bit 0 and shifts in the parity of the bits under $B2:
    // $50 -> $A1 -> $42 -> $85 -> $0B -> $17 -> $2E -> $5C -> $B9 -> $73 -> $E7.
    const std::vector<std::uint8_t> expected = {0xFE, 0xFF, 0xFE, 0xFF, 0xFF,
                                                0xFF, 0xFE, 0xFE, 0xFF, 0xFF};
    const std::vector<std::uint8_t> host = HostHandshake();
    ASSERT_EQ(host.size(), 250u);
    EXPECT_EQ(std::vector<std::uint8_t>(host.begin(), host.begin() + 10), expected);
}

TEST(BootProtocolTest, OnlyFeAndFfAreAnswers) {
    EXPECT_EQ(DecodeAnswer(0xFE), false);
    EXPECT_EQ(DecodeAnswer(0xFF), true);
    for (const std::uint8_t other : {0x00, 0xF9, 0xFC, 0x7F}) {
        EXPECT_FALSE(DecodeAnswer(other).has_value()) << int(other);
    }
}

TEST(BootImageTest, ChecksumCountsTheStackFrameTheChipWrites) {
    // A 16-byte header alone: pbase $0010, dbase $0018, bytes summing to $14 with the checksum
    // byte: $10 + $10 + $18 = $38, so the checksum byte is $14 - $38 = $DC.
    std::vector<std::uint8_t> image(16, 0);
    image[6] = 0x10;
    image[8] = 0x10;
    image[10] = 0x18;
    image[5] = 0xDC;
    EXPECT_EQ(ChipRamChecksum(image), 0);
    EXPECT_EQ(PrepareBootImage(image).problem, ImageProblem::kNone);
    image[5] = 0xDD;
    EXPECT_EQ(ChipRamChecksum(image), 1);
    EXPECT_EQ(PrepareBootImage(image).problem, ImageProblem::kWrongChecksum);
}

TEST(BootImageTest, RefusesWhatTheChipWouldRefuse) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> image;
        ImageProblem problem;
    };
    std::vector<std::uint8_t> notSpin = testing::SyntheticImage(64);
    notSpin[6] = 0x20;
    std::vector<std::uint8_t> damaged = testing::SyntheticImage(64);
    damaged[40] ^= 0x01;
    const Case cases[] = {
        {"empty", {}, ImageProblem::kEmpty},
        {"larger than RAM", testing::SyntheticImage(32772), ImageProblem::kTooLarge},
        {"shorter than a header", std::vector<std::uint8_t>(12, 0), ImageProblem::kNotSpin},
        {"program base not $0010", notSpin, ImageProblem::kNotSpin},
        {"damaged", damaged, ImageProblem::kWrongChecksum},
        {"good", testing::SyntheticImage(64), ImageProblem::kNone},
        {"good, ragged end", testing::SyntheticImage(67), ImageProblem::kNone},
    };
    for (const Case& c : cases) {
        const BootImage prepared = PrepareBootImage(c.image);
        EXPECT_EQ(prepared.problem, c.problem) << c.what;
        EXPECT_EQ(prepared.message.empty(), c.problem == ImageProblem::kNone) << c.what;
    }
    const BootImage ragged = PrepareBootImage(testing::SyntheticImage(67));
    EXPECT_EQ(ragged.longs.size(), 17u);
    EXPECT_EQ(ragged.longs.back() >> 24, 0u);
}

}  // namespace
}  // namespace lumora::propeller
