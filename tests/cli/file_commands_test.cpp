#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "run_cli.h"

namespace lumora {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::RunCli;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class FileCommands : public ::testing::Test {
  protected:
    std::string PathOf(const std::string& name) const { return (dir / name).string(); }
    testing::ScratchDir dir;
};

TEST_F(FileCommands, NewSavesTheDefaultApplicationUnderItsOldName) {
    const std::string path = PathOf("App.lmd");
    const auto made = RunCli({"new", "-o", path});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    EXPECT_TRUE(made.out.empty());
    EXPECT_TRUE(made.err.empty());
    const std::string bytes = ReadWholeFile(path);
    const std::string untitled("\xFF\xFE\xFF\x08U\0n\0t\0i\0t\0l\0e\0d\0", 20);
    EXPECT_EQ(bytes.substr(0, untitled.size()), untitled);

    // show opens it as the designer does: titled after the file, limits kept.
    const auto shown = RunCli({"show", path});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    for (const char* line : {
             "application \"App\"\n",
             "  ready yes, modified no\n",
             "forms 1\n",
             "    components 6\n",
             "      value 123, maxValue 3999, minValue 0, group 0, handler \"\"\n",
             "  bitmap BitmapData1: 1 x 1 tiles, tileCount 1, bitDepth 1, color 4\n",
             "objects 4\n",
             "  typeCounters 0 1 1 1 1 1 0 1 0 0\n",
             "  currentForm Form1\n",
             "  currentComponent none\n",
         }) {
        EXPECT_TRUE(Contains(shown.out, line)) << "missing: " << line << shown.out;
    }
}

TEST_F(FileCommands, ResaveReproducesTheFileByteForByte) {
    const std::string first = PathOf("first.lmd");
    ASSERT_EQ(RunCli({"new", "-o", first}).exitCode, 0);
    // An edited file, saved by the program after an open: it holds the name "second".
    const std::string second = PathOf("second.lmd");
    const auto edited =
        RunCli({"edit", first, "--select", "Button1", "--set", "Caption=Go \u00e9", "-o", second});
    ASSERT_EQ(edited.exitCode, 0) << edited.err;
    const std::string sources[] = {first, second};
    for (const std::string& source : sources) {
        const std::string copy = PathOf("copy.lmd");
        const auto resaved = RunCli({"resave", source, "-o", copy});
        ASSERT_EQ(resaved.exitCode, 0) << resaved.err;
        EXPECT_TRUE(resaved.err.empty());
        EXPECT_EQ(ReadWholeFile(copy), ReadWholeFile(source)) << source;
    }
}

TEST_F(FileCommands, BadFilesGiveTheMessageOnStderrAndExitOne) {
    const std::string garbage = PathOf("garbage.lmd");
    std::ofstream(garbage, std::ios::binary) << "this is no application";
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"show", garbage}, "Unexpected file format.\n"},
        {{"resave", garbage, "-o", PathOf("out.lmd")}, "Unexpected file format.\n"},
        {{"show", PathOf("absent.lmd")}, "Failed to open document.\n"},
        {{"resave", PathOf("absent.lmd"), "-o", PathOf("out.lmd")}, "Failed to open document.\n"},
        {{"new", "-o", PathOf("no/such/dir/App.lmd")}, "Failed to save document.\n"},
    };
    for (const Case& c : cases) {
        const auto result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, 1) << c.args[0] << " " << c.args[1];
        EXPECT_EQ(result.err, c.message) << c.args[0] << " " << c.args[1];
        EXPECT_TRUE(result.out.empty());
    }
    EXPECT_FALSE(fs::exists(PathOf("out.lmd")));
}

TEST_F(FileCommands, MisusedFileCommandsAreUsageErrors) {
    const std::vector<std::string> cases[] = {
        {"new"},
        {"new", "App.lmd"},
        {"new", "-o"},
        {"resave", "a.lmd"},
        {"resave", "a.lmd", "b.lmd"},
    };
    for (const auto& args : cases) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_TRUE(Contains(result.err, "usage: lumora-cli " + args[0]));
    }
    const auto help = RunCli({"--help"});
    EXPECT_TRUE(Contains(help.out, "  new -o FILE\n"));
    EXPECT_TRUE(Contains(help.out, "  resave FILE -o OUT\n"));
}

}  // namespace
}  // namespace lumora
