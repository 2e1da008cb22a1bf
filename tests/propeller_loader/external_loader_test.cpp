#include "external_loader.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>

#include "test_files.h"

namespace lumora::propeller {
namespace {

using Words = std::vector<std::string>;

TEST(ExternalLoaderTest, CommandLinesSplitLikePlainShellWords) {
    struct Case {
        const char* text;
        std::optional<Words> words;
    };
    const Case cases[] = {
        {"loader -p {port} {image}", Words{"loader", "-p", "{port}", "{image}"}},
        {"  spaced\t out  ", Words{"spaced", "out"}},
        {"'/opt/my tools/load' \"a \\\"b\\\"\" c\\ d",
         Words{"/opt/my tools/load", "a \"b\"", "c d"}},
        {"'' x", Words{"", "x"}},
        {"$HOME/load *.binary", Words{"$HOME/load", "*.binary"}},
        {"open 'quote", std::nullopt},
        {"", Words{}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitCommandLine(c.text), c.words) << c.text;
    }
}

TEST(ExternalLoaderTest, PlaceholdersBecomeTheImagePortAndMode) {
    ExternalLoad load{"load --port={port} -m {mode} {image}", "/tmp/app.binary", "/dev/ttyUSB0",
                      true};
    EXPECT_EQ(ExternalLoaderArguments(load),
              (Words{"load", "--port=/dev/ttyUSB0", "-m", "eeprom", "/tmp/app.binary"}));
    load.commandLine = "load -r";
    load.eeprom = false;
    EXPECT_EQ(ExternalLoaderArguments(load), (Words{"load", "-r", "/tmp/app.binary"}));
    load.commandLine = "   ";
    EXPECT_FALSE(ExternalLoaderArguments(load).has_value());
}

class ExternalLoaderRunTest : public ::testing::Test {
  protected:
    std::string Script(const std::string& name, const std::string& body) {
        const std::string path = (dir_ / name).string();
        std::ofstream(path) << "#!/bin/sh\n" << body;
        ::chmod(path.c_str(), 0755);
        return path;
    }
    lumora::testing::ScratchDir dir_;
};

TEST_F(ExternalLoaderRunTest, ItsExitStatusDecides) {
    const std::string record = (dir_ / "args").string();
    const std::string ok = Script("ok", "printf '%s\\n' \"$@\" > '" + record + "'\n");
    ExternalLoad load{"'" + ok + "' {port} {mode}", "/x/app.binary", "/dev/ttyACM0", false};
    EXPECT_TRUE(RunExternalLoader(load).ok());
    EXPECT_EQ(lumora::testing::ReadWholeFile(record), "/dev/ttyACM0\nram\n/x/app.binary\n");

    load.commandLine = Script("fails", "echo probing\necho 'no Propeller found' >&2\nexit 3\n");
    const LoadResult failed = RunExternalLoader(load);
    EXPECT_EQ(failed.failure, LoadFailure::kExternalLoaderFailed);
    EXPECT_NE(failed.message.find("exit status 3"), std::string::npos) << failed.message;
    EXPECT_NE(failed.message.find("no Propeller found"), std::string::npos) << failed.message;

    load.commandLine = (dir_ / "absent-loader").string();
    const LoadResult missing = RunExternalLoader(load);
    EXPECT_NE(missing.message.find("was not found"), std::string::npos) << missing.message;
}

TEST_F(ExternalLoaderRunTest, AHangingLoaderIsStopped) {
    ExternalLoad load{Script("hangs", "sleep 30 &\nsleep 30\n"), "/x/app.binary", "", false};
    load.timeout = std::chrono::milliseconds(300);
    const LoadResult result = RunExternalLoader(load);
    EXPECT_EQ(result.failure, LoadFailure::kExternalLoaderFailed);
    EXPECT_NE(result.message.find("did not finish"), std::string::npos) << result.message;
}

}  // namespace
}  // namespace lumora::propeller
