#include <gtest/gtest.h>

#include "run_cli.h"

namespace lumora {
namespace {

using testing::RunCli;

TEST(Cli, HelpListsTheCommandsAndSucceeds) {
    const auto result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("show FILE|--new"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Exit status"), std::string::npos);
}

TEST(Cli, UsageErrorsExitWithTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"no-such-command"},
          std::vector<std::string>{"show"}, std::vector<std::string>{"show", "--new", "x"}}) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "(no arguments)" : args[0]);
        EXPECT_FALSE(result.err.empty());
        EXPECT_TRUE(result.out.empty());
    }
}

TEST(Cli, ShowNewSummarisesTheDefaultApplication) {
    const auto result = RunCli({"show", "--new"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    for (const char* line : {
             "application \"Untitled\"\n",
             "  mainFormName \"Form1\"\n",
             "  form Form1\n",
             "    top 5, left 8, height 30, width 49\n",
             "    component Number1 (Number Edit, type 7, id 1005)\n",
             "      value 123, maxValue 3999, minValue 0, group 0, handler \"\"\n",
             "  bitmap BitmapData1: 1 x 1 tiles, tileCount 1, bitDepth 1, color 4\n",
             "  object kb: fileStem \"Keyboard\"",
             "  typeCounters 0 1 1 1 1 1 0 1 0 0\n",
             "  formCounter 1, bitmapCounter 1, nextComponentId 1006\n",
             "  currentComponent Number1\n",
             "  currentBitmap none\n",
             "   8: $08A808A8 $0808A8A8 $FC54A8A8 $54FCA8A8",
         }) {
        EXPECT_NE(result.out.find(line), std::string::npos) << "missing: " << line;
    }
}

}  // namespace
}  // namespace lumora
