// Loads against the simulated chip on a pseudo-terminal.

#include "propeller_boot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_propeller.h"
#include "synthetic_image.h"
#include "termios_port.h"

namespace lumora::propeller {
namespace {

using testing::FakePropeller;
using Behaviour = FakePropeller::Behaviour;

struct Load {
    LoadResult result;
    std::vector<std::string> notes;
};

Load LoadThrough(FakePropeller& chip, const std::vector<std::uint8_t>& image, bool eeprom) {
    Load out;
    LoadOptions options;
    options.eeprom = eeprom;
    out.result = LoadPropeller(chip.PortPath(), image, options,
                               [&out](std::string_view line) { out.notes.emplace_back(line); });
    return out;
}

TEST(PropellerBootTest, LoadsRamAndTheChipRunsIt) {
    FakePropeller chip;
    ASSERT_FALSE(chip.PortPath().empty());
    const std::vector<std::uint8_t> image = testing::SyntheticImage(6001);
    const Load load = LoadThrough(chip, image, false);
    const auto& seen = chip.Finish();

    ASSERT_TRUE(load.result.ok()) << load.result.message;
    EXPECT_EQ(load.result.chipVersion, FakePropeller::kVersion);
    EXPECT_TRUE(seen.handshakeMatched);
    EXPECT_EQ(seen.command, 1u);
    EXPECT_EQ(seen.longs, testing::ImageLongs(image));
    EXPECT_TRUE(seen.checksumPassed);
    EXPECT_TRUE(seen.launched);
    EXPECT_TRUE(seen.eeprom.empty());
    // A pseudo-terminal has no DTR: one note, and the load went on.
    ASSERT_EQ(load.notes.size(), 1u);
    EXPECT_NE(load.notes[0].find("no reset was sent"), std::string::npos);
    EXPECT_NE(load.notes[0].find(chip.PortPath()), std::string::npos);
}

TEST(PropellerBootTest, ProgramsTheEepromAfterTheChipConfirmsEachStep) {
    FakePropeller chip;
    const std::vector<std::uint8_t> image = testing::SyntheticImage(2048, 7);
    const Load load = LoadThrough(chip, image, true);
    const auto& seen = chip.Finish();

    ASSERT_TRUE(load.result.ok()) << load.result.message;
    EXPECT_EQ(seen.command, 3u);
    EXPECT_TRUE(seen.launched);
    ASSERT_EQ(seen.eeprom.size(), 32768u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), seen.eeprom.begin()));
}

TEST(PropellerBootTest, EveryWayTheChipFailsIsReportedAndBounded) {
    struct Case {
        Behaviour behaviour;
        bool eeprom;
        LoadFailure failure;
        const char* inMessage;
    };
    const Case cases[] = {
        {Behaviour::kSilent, false, LoadFailure::kNoPropeller, "check the USB cable"},
        {Behaviour::kWrongHandshake, false, LoadFailure::kWrongHandshake,
         "not as a Propeller does"},
        {Behaviour::kDamageOnTheWay, false, LoadFailure::kChecksumRefused, "checksum"},
        {Behaviour::kVanishMidImage, false, LoadFailure::kLostDuringLoad, "Lost the connection"},
        {Behaviour::kFailProgramming, true, LoadFailure::kEepromProgramFailed, "EEPROM"},
        {Behaviour::kFailVerify, true, LoadFailure::kEepromVerifyFailed, "did not verify"},
    };
    for (const Case& c : cases) {
        FakePropeller chip(c.behaviour);
        const Load load = LoadThrough(chip, testing::SyntheticImage(20000, 3), c.eeprom);
        const auto& seen = chip.Finish();
        SCOPED_TRACE(load.result.message);
        EXPECT_EQ(load.result.failure, c.failure) << static_cast<int>(c.behaviour);
        EXPECT_NE(load.result.message.find(c.inMessage), std::string::npos);
        EXPECT_FALSE(seen.launched);
        if (c.behaviour == Behaviour::kWrongHandshake) {
            EXPECT_TRUE(seen.handshakeMatched);
            EXPECT_FALSE(seen.command.has_value());  // the host stopped before the command
        }
    }
}

TEST(PropellerBootTest, RefusedImagesNeverReachThePort) {
    std::vector<std::uint8_t> damaged = testing::SyntheticImage(4000);
    damaged[100] ^= 0x40;
    struct Case {
        std::vector<std::uint8_t> image;
        LoadFailure failure;
        const char* inMessage;
    };
    const Case cases[] = {
        {testing::SyntheticImage(32772), LoadFailure::kImageTooLarge, "32772 bytes"},
        {damaged, LoadFailure::kImageInvalid, "checksum"},
        {{}, LoadFailure::kImageInvalid, "empty"},
    };
    for (const Case& c : cases) {
        FakePropeller chip;
        const Load load = LoadThrough(chip, c.image, false);
        EXPECT_EQ(load.result.failure, c.failure);
        EXPECT_NE(load.result.message.find(c.inMessage), std::string::npos) << load.result.message;
        EXPECT_EQ(chip.Finish().bytesHeard, 0u);
    }
}

// A port whose modem-control call fails for a reason other than "not supported".
class BrokenDtrLine final : public SerialLine {
  public:
    explicit BrokenDtrLine(SerialLine& inner) : inner_(inner) {}
    const std::string& Name() const override { return inner_.Name(); }
    IoResult Write(std::span<const std::uint8_t> bytes, Deadline deadline) override {
        return inner_.Write(bytes, deadline);
    }
    IoResult ReadByte(std::uint8_t& byte, Deadline deadline) override {
        return inner_.ReadByte(byte, deadline);
    }
    LineResult SetModemLine(ModemLine, bool) override {
        return {LineControl::kFailed, "Input/output error"};
    }
    void DiscardInput() override { inner_.DiscardInput(); }

  private:
    SerialLine& inner_;
};

TEST(PropellerBootTest, AResetThatFailsOnARealPortStopsTheLoad) {
    FakePropeller chip;
    OpenedPort opened = TermiosPort::Open(chip.PortPath());
    ASSERT_TRUE(opened.port) << opened.message;
    BrokenDtrLine line(*opened.port);
    std::vector<std::string> notes;
    const LoadResult result = LoadImage(line, testing::SyntheticImage(512), LoadOptions{},
                                        [&notes](std::string_view n) { notes.emplace_back(n); });
    EXPECT_EQ(result.failure, LoadFailure::kResetFailed);
    EXPECT_NE(result.message.find("DTR"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("Input/output error"), std::string::npos) << result.message;
    EXPECT_TRUE(notes.empty());
    opened.port.reset();
    EXPECT_EQ(chip.Finish().bytesHeard, 0u);
}

}  // namespace
}  // namespace lumora::propeller
