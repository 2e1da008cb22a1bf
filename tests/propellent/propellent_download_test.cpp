// DownloadToPropeller through the serial boot protocol, against the simulated chip, and through
// an external loader.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../propeller_loader/fake_propeller.h"
#include "../propeller_loader/synthetic_image.h"
#include "fake_compiler.h"
#include "propellent_session.h"
#include "test_files.h"

namespace lumora::propellent {
namespace {

namespace fs = std::filesystem;
using lumora::testing::FakePropeller;
using lumora::testing::ReadWholeFile;

class DownloadTest : public ::testing::Test {
  protected:
    DownloadTest() {
        for (const char* dir : {"build", "bin", "work", "dev"}) {
            fs::create_directories(scratch_ / dir);
        }
        source_ = (scratch_ / "build" / "App.spin").string();
        std::ofstream(source_, std::ios::binary) << std::string("P\0U\0B\0 \0x\0", 10);
        image_ = lumora::testing::SyntheticImage(3001, 5);
        const std::string imagePath = (scratch_ / "prepared.binary").string();
        std::ofstream(imagePath, std::ios::binary)
            .write(reinterpret_cast<const char*>(image_.data()),
                   static_cast<std::streamsize>(image_.size()));
        compiler_ = lumora::testing::WriteFakeCompiler(scratch_ / "bin" / "openspin",
                                                       "cp '" + imagePath + "' \"$out\"")
                        .string();
        options_.compilerVariable = "";
        options_.searchPath = "";
        options_.temporaryParent = (scratch_ / "work").string();
        options_.loaderVariable = "";
        options_.deviceRoot = (scratch_ / "dev").string();
    }

    PropellentSession Compiled() {
        PropellentSession session(options_);
        session.SetCompilerPath(compiler_.c_str());
        EXPECT_EQ(session.CompileSource(source_.c_str()), nullptr);
        return session;
    }

    lumora::testing::ScratchDir scratch_;
    std::string source_;
    std::string compiler_;
    std::vector<std::uint8_t> image_;
    SessionOptions options_;
};

TEST_F(DownloadTest, LoadsTheCompiledImageAndReportsOnlyWhatTheChipConfirmed) {
    for (const bool eeprom : {false, true}) {
        FakePropeller chip;
        PropellentSession session = Compiled();
        session.SetSerialPort(chip.PortPath().c_str());
        session.SetLoadToEeprom(eeprom);
        const char* reason = session.DownloadToPropeller();
        EXPECT_EQ(reason, nullptr) << reason;
        const std::string notes = session.DownloadNotes();
        EXPECT_NE(notes.find("no reset was sent"), std::string::npos) << notes;
        const auto& seen = chip.Finish();
        EXPECT_EQ(seen.command, eeprom ? 3u : 1u);
        EXPECT_EQ(seen.longs, lumora::testing::ImageLongs(image_));
        EXPECT_TRUE(seen.launched);
    }

    FakePropeller silent(FakePropeller::Behaviour::kSilent);
    PropellentSession session = Compiled();
    session.SetSerialPort(silent.PortPath().c_str());
    const char* reason = session.DownloadToPropeller();
    ASSERT_NE(reason, nullptr);
    EXPECT_NE(std::string(reason).find("No Propeller answered"), std::string::npos) << reason;
}

TEST_F(DownloadTest, WithoutAChosenPortTheOnlyOnePresentIsUsed) {
    PropellentSession session = Compiled();
    const char* reason = session.DownloadToPropeller();
    ASSERT_NE(reason, nullptr);
    EXPECT_NE(std::string(reason).find("No serial port was found"), std::string::npos);
    EXPECT_STREQ(session.SerialPorts(), "");

    FakePropeller chip;
    fs::create_symlink(chip.PortPath(), scratch_ / "dev" / "ttyUSB0");
    EXPECT_EQ(session.SerialPorts(), (scratch_ / "dev" / "ttyUSB0").string() + "\n");
    EXPECT_EQ(session.DownloadToPropeller(), nullptr);
    EXPECT_TRUE(chip.Finish().launched);

    std::ofstream(scratch_ / "dev" / "ttyACM0") << "";
    std::ofstream(scratch_ / "dev" / "ttyACM1") << "";
    reason = session.DownloadToPropeller();
    ASSERT_NE(reason, nullptr);
    EXPECT_NE(std::string(reason).find("Several serial ports"), std::string::npos) << reason;
}

TEST_F(DownloadTest, AnExternalLoaderGetsTheImageAndPortAndItsStatusDecides) {
    const std::string copy = (scratch_ / "loaded.binary").string();
    const std::string args = (scratch_ / "args").string();
    const auto loader = lumora::testing::WriteFakeCompiler(
        scratch_ / "bin" / "other-loader",
        "printf '%s\\n' \"$args\" > '" + args + "'\ncp \"$src\" '" + copy + "'\nexit ${STATUS:-0}");
    options_.loaderVariable = "'" + loader.string() + "' -q {mode} {port}";
    PropellentSession session = Compiled();
    session.SetSerialPort("/dev/ttyUSB3");
    session.SetLoadToEeprom(true);
    EXPECT_EQ(session.DownloadToPropeller(), nullptr);
    EXPECT_EQ(ReadWholeFile(copy), std::string(image_.begin(), image_.end()));
    const std::string seen = ReadWholeFile(args);
    EXPECT_EQ(seen.rfind("-q eeprom /dev/ttyUSB3 /", 0), 0u) << seen;
    EXPECT_TRUE(fs::is_empty(scratch_ / "work"));  // the image's copy is gone again

    // The setting wins over the variable.
    session.SetExternalLoader(("'" + loader.string() + "' -q && false").c_str());
    ::setenv("STATUS", "4", 1);
    const char* reason = session.DownloadToPropeller();
    ::unsetenv("STATUS");
    ASSERT_NE(reason, nullptr);
    EXPECT_NE(std::string(reason).find("exit status 4"), std::string::npos) << reason;
    EXPECT_NE(ReadWholeFile(args).find("&& false"), std::string::npos);  // no shell
}

}  // namespace
}  // namespace lumora::propellent
