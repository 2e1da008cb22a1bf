#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "../propeller_loader/fake_propeller.h"
#include "../propeller_loader/synthetic_image.h"
#include "fake_compiler.h"
#include "run_cli.h"
#include "test_files.h"

namespace lumora {
namespace {

using testing::RunCli;
using testing::ScratchDir;

// The tool finds the built propellent library beside itself; only the compiler is a fake.
class BuildCli : public ::testing::Test {
  protected:
    void UseCompiler(const std::string& body) {
        const auto path = testing::WriteFakeCompiler(dir_ / "openspin", body);
        ::setenv("LUMORA_SPIN_COMPILER", path.c_str(), 1);
    }
    ~BuildCli() override { ::unsetenv("LUMORA_SPIN_COMPILER"); }
    ScratchDir dir_;
};

TEST_F(BuildCli, CompileOnlyPrintsTheOutputLinesAndTheProgramSize) {
    UseCompiler(testing::SucceedingCompilerBody(4572));
    const std::string image = (dir_ / "app.binary").string();
    const auto result = RunCli({"build", "--new", "--compile-only", "-o", image});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out,
              "Untitled.spin successfully created.\n"
              "Creating output files in temp directory.\n"
              "Invoking Propellent to compile and program Prop.\n"
              "Propellent compilation successful.\n"
              "Program size: 4572 bytes.\n");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(testing::ReadWholeFile(image).size(), 4572u);
}

TEST_F(BuildCli, ACompileErrorOrAFailedLoadExitsOneWithTheErrorLinesOnStderr) {
    UseCompiler(
        "echo \"$src(1:2) : error : Expected PUB or PRI\"\n"
        "printf 'Line:\\nx\\nOffending Item: Lumora\\n'\nexit 1");
    auto result = RunCli({"build", "--new", "--compile-only"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.find("Propellent compilation successful."), std::string::npos);
    EXPECT_NE(result.err.find("\nError: Expected PUB or PRI\nProblem String: Lumora\n"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.rfind("Error in file: /", 0), 0u) << result.err;

    UseCompiler(testing::SucceedingCompilerBody());
    result = RunCli({"build", "--new", "--port", "/dev/ttyUSB7"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.out.find("Propellent compilation successful.\n"), std::string::npos);
    EXPECT_EQ(result.err.rfind("Download to Propeller RAM failed: ", 0), 0u) << result.err;
    EXPECT_EQ(result.out.find("complete"), std::string::npos);
}

TEST_F(BuildCli, LoadsThroughThePortAndKeepsTheImageItLoaded) {
    const std::vector<std::uint8_t> image = testing::SyntheticImage(4572, 9);
    const std::string prepared = (dir_ / "prepared.binary").string();
    std::ofstream(prepared, std::ios::binary)
        .write(reinterpret_cast<const char*>(image.data()),
               static_cast<std::streamsize>(image.size()));
    UseCompiler("cp '" + prepared + "' \"$out\"");
    for (const bool eeprom : {false, true}) {
        testing::FakePropeller chip;
        const std::string kept = (dir_ / "kept.binary").string();
        std::vector<std::string> args = {"build", "--new", "--port", chip.PortPath(), "-o", kept};
        if (eeprom) {
            args.push_back("--eeprom");
        }
        const auto result = RunCli(args);
        const auto& seen = chip.Finish();
        EXPECT_EQ(result.exitCode, 0) << result.err;
        const std::string done = eeprom ? "Download to Propeller EEPROM complete.\n"
                                        : "Download to Propeller RAM complete.\n";
        EXPECT_NE(result.out.find("Propellent compilation successful.\n" + chip.PortPath() +
                                  " has no DTR line; no reset was sent"),
                  std::string::npos)
            << result.out;
        EXPECT_NE(result.out.find(done), std::string::npos) << result.out;
        EXPECT_EQ(seen.command, eeprom ? 3u : 1u);
        EXPECT_TRUE(seen.launched);
        EXPECT_EQ(testing::ReadWholeFile(kept), std::string(image.begin(), image.end()));
    }

    testing::FakePropeller refusing(testing::FakePropeller::Behaviour::kDamageOnTheWay);
    const auto result = RunCli({"build", "--new", "--port", refusing.PortPath()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out.find("complete"), std::string::npos);
    EXPECT_EQ(result.err.rfind("Download to Propeller RAM failed: The Propeller refused", 0), 0u)
        << result.err;
}

TEST_F(BuildCli, BadArgumentsAreAUsageError) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"build"},
             {"build", "--new", "-o"},
             {"build", "--new", "--bogus"},
             {"build", "--new", "--compile-only", "--compile-only"},
             {"build", "--new", "--eeprom", "--eeprom"}}) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err.rfind("usage: lumora-cli build", 0), 0u);
    }
}

}  // namespace
}  // namespace lumora
