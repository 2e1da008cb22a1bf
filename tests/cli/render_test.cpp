#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "run_cli.h"

namespace lumora {
namespace {

using testing::RunCli;

std::vector<std::vector<std::string>> Tokens(const std::string& dump) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(dump);
    std::string line;
    while (std::getline(lines, line)) {
        std::vector<std::string> row;
        std::size_t start = 0;
        for (;;) {
            const std::size_t space = line.find(' ', start);
            row.push_back(line.substr(start, space - start));
            if (space == std::string::npos) {
                break;
            }
            start = space + 1;
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(CliRender, DumpTilesOfTheNewApplication) {
    const auto result = RunCli({"render", "--new", "--dump-tiles"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const auto rows = Tokens(result.out);
    ASSERT_EQ(rows.size(), 48u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 64u);
    }
    EXPECT_EQ(rows[0][0], "b0@BitmapData1:8");
    // Main form at (5, 8), 30 x 49: title row 5, "New Form" from column 8 + 1 + 40 / 2 = 29.
    EXPECT_EQ(rows[5][29], "g78:0");   // 'N'
    EXPECT_EQ(rows[6][29], "g79:0");   // its lower half
    EXPECT_EQ(rows[5][30], "g100:1");  // 'e' (101) is odd
    EXPECT_EQ(rows[7][8], "g0:14");    // border top-left corner, border colour 4
    EXPECT_EQ(rows[7][9], "g12:14");
    EXPECT_EQ(rows[34][56], "g9:14");             // bottom-right corner at row 7 + 28 - 1
    EXPECT_EQ(rows[8][57], "b0@BitmapData1:24");  // right shadow
    // OK button at (29, 26): caption "OK" on row 30 from column 30, text colour 1.
    EXPECT_EQ(rows[30][30], "g78:3");
    EXPECT_EQ(rows[30][31], "g74:3");
    EXPECT_EQ(rows[29][26], "g0:10");
}

TEST(CliRender, WritesPngsOfFormsAndBitmaps) {
    const testing::ScratchDir dir;
    struct Case {
        std::vector<std::string> args;
        std::string file;
    };
    const Case cases[] = {
        {{"render", "--new", "-o"}, "full.png"},
        {{"render", "--new", "--half", "-o"}, "half.png"},
        {{"render", "--new", "--form", "Form1", "-o"}, "form1.png"},
        {{"render", "--new", "--bitmap", "BitmapData1", "-o"}, "bitmap.png"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.push_back((dir / c.file).string());
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 0) << c.file << ": " << result.err;
        const std::string png = testing::ReadWholeFile(dir / c.file);
        ASSERT_GT(png.size(), 24u) << c.file;
        EXPECT_EQ(png.substr(1, 3), "PNG");
        // IHDR width and height, big-endian.
        auto be32 = [&](std::size_t at) {
            return (static_cast<unsigned char>(png[at]) << 24) |
                   (static_cast<unsigned char>(png[at + 1]) << 16) |
                   (static_cast<unsigned char>(png[at + 2]) << 8) |
                   static_cast<unsigned char>(png[at + 3]);
        };
        EXPECT_EQ(be32(16), 1024) << c.file;
        EXPECT_EQ(be32(20), 768) << c.file;
    }
}

TEST(CliRender, RomFontFileIsCheckedAndUsed) {
    const testing::ScratchDir dir;
    const auto bad = dir / "bad.rom";
    std::ofstream(bad, std::ios::binary) << std::string(1000, '\0');
    auto result =
        RunCli({"render", "--new", "--rom-font", bad.string(), "-o", (dir / "x.png").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("1000 bytes"), std::string::npos) << result.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));

    // An all-zero font shows every glyph pixel in colour byte 0 of its set.
    const auto blank = dir / "blank.rom";
    std::ofstream(blank, std::ios::binary) << std::string(32768, '\0');
    result = RunCli(
        {"render", "--new", "--rom-font", blank.string(), "-o", (dir / "blank.png").string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    const auto normal = RunCli({"render", "--new", "-o", (dir / "normal.png").string()});
    EXPECT_EQ(normal.exitCode, 0);
    EXPECT_NE(testing::ReadWholeFile(dir / "blank.png"),
              testing::ReadWholeFile(dir / "normal.png"));
}

TEST(CliRender, RefusesBadArguments) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
    };
    const Case cases[] = {
        {{"render"}, 2},
        {{"render", "--new"}, 2},
        {{"render", "--new", "--dump-tiles", "-o", "x.png"}, 2},
        {{"render", "--new", "--form", "A", "--bitmap", "B", "--dump-tiles"}, 2},
        {{"render", "--new", "--bitmap", "BitmapData1", "--dump-tiles"}, 2},
        {{"render", "--new", "--form"}, 2},
        {{"render", "--new", "--bogus", "--dump-tiles"}, 2},
        {{"render", "--new", "--form", "NoSuchForm", "--dump-tiles"}, 1},
        {{"render", "--new", "--bitmap", "NoSuchBitmap", "-o", "/nonexistent/x.png"}, 1},
    };
    for (const Case& c : cases) {
        const auto result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args.back() << ": " << result.err;
        EXPECT_FALSE(result.err.empty());
    }
}

}  // namespace
}  // namespace lumora
