#include "toolchain/app_build.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "build_fakes.h"
#include "model/document.h"
#include "model/new_application.h"
#include "model/records.h"
#include "model/text_encoding.h"
#include "recording_messages.h"
#include "test_files.h"

namespace lumora {
namespace {

using testing::FakeLoader;
using testing::FakePropellentScript;
using testing::RecordingMessages;
using testing::RecordingOutput;
using testing::ScratchDir;

const std::vector<std::string> kDriverFiles = {"VGA_1024x768_Tile_Driver_With_Cursor.spin",
                                               "mouse.spin", "numbers.spin", "Keyboard.spin"};

std::string Utf16(std::u16string_view text) {
    std::string bytes;
    AppendUtf16Le(text, bytes);
    return bytes;
}

std::set<std::string> Names(const std::map<std::string, std::string>& files) {
    std::set<std::string> names;
    for (const auto& [name, bytes] : files) {
        names.insert(name);
    }
    return names;
}

bool IsEmptyDirectory(const std::filesystem::path& dir) {
    return std::filesystem::is_empty(dir);
}

class AppBuildTest : public ::testing::Test {
  protected:
    AppBuildTest() {
        StartNewApplication(doc_);
        seams_.temporaryParent = scratch_;
    }

    AppBuild Build(std::u16string code = u"PUB Start\r\n  x := 1\r\n") const {
        return AppBuild(doc_.appName, std::move(code), doc_.objects);
    }

    ProgramResult Program(const AppBuild& build, ProgramOptions options = {}) {
        return build.ProgramPropellerRam(seams_, options);
    }

    CLumoraDoc doc_;
    ScratchDir scratch_;
    FakePropellentScript script_;
    FakeLoader loader_{script_};
    RecordingOutput output_;
    RecordingMessages messages_;
    BuildSeams seams_{output_, messages_, loader_};
};

TEST_F(AppBuildTest, ProgrammingWritesCompilesDownloadsAndRemovesEverything) {
    const AppBuild build = Build();
    int window = 0;
    ProgramOptions options;
    options.window = &window;
    options.settings = {"/opt/openspin", "/home/me/lib", "/dev/ttyUSB0", false, ""};
    const ProgramResult result = Program(build, options);

    EXPECT_EQ(result.outcome, ProgramOutcome::kDownloaded);
    EXPECT_EQ(output_.events, (std::vector<std::string>{
                                  "Creating output files in temp directory.",
                                  "Invoking Propellent to compile and program Prop.",
                                  "Propellent compilation successful.",
                                  "Download to Propeller RAM complete.",
                                  "<scroll>",
                              }));
    EXPECT_EQ(script_.calls,
              (std::vector<std::string>{"Init(window)",
                                        "Settings(/opt/openspin,/home/me/lib,/dev/ttyUSB0)",
                                        "Compile", "Download", "Finalize"}));
    EXPECT_EQ(script_.loads, 1);
    EXPECT_EQ(script_.releases, 1);
    EXPECT_TRUE(messages_.shown.empty());

    // The four driver objects and the source, in a private directory of the action's own.
    std::set<std::string> expected(kDriverFiles.begin(), kDriverFiles.end());
    expected.insert("Untitled.spin");
    EXPECT_EQ(Names(script_.filesAtCompile), expected);
    EXPECT_EQ(script_.directoryMode, 0700u);
    const std::filesystem::path sourcePath(script_.sourcePath);
    EXPECT_EQ(sourcePath.filename(), "Untitled.spin");
    EXPECT_EQ(sourcePath.parent_path().parent_path(),
              static_cast<const std::filesystem::path&>(scratch_));
    EXPECT_EQ(script_.filesAtCompile["Untitled.spin"], Utf16(build.CodeText()));
    // Objects go out as stored, the driver's byte-order mark included.
    const std::string mouse = script_.filesAtCompile["mouse.spin"];
    ASSERT_GE(mouse.size(), 2u);
    EXPECT_EQ(mouse.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(mouse, Utf16(doc_.objects[1]->code));

    EXPECT_TRUE(IsEmptyDirectory(scratch_));
}

struct FailureCase {
    const char* name;
    PropellentLoadStatus status;
    std::optional<CompileError> error;  // file "<source>" stands for the source's full path
    std::optional<std::string> downloadFailure;
    ProgramOutcome outcome;
    std::vector<std::string> events;
    std::vector<std::string> messages;
    std::vector<std::string> calls;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class AppBuildFailure : public AppBuildTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(AppBuildFailure, ReportsAsTheTableSaysAndLeavesNothingBehind) {
    const FailureCase& c = GetParam();
    script_.status = c.status;
    script_.downloadFailure = c.downloadFailure;
    if (c.error) {
        script_.compileError = c.error;
    }
    const AppBuild build = Build(u"PUB Start\r\n\tfoo(\r\n");
    const ProgramResult result = Program(build);

    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_FALSE(result.Succeeded());
    std::vector<std::string> events = output_.events;
    for (std::string& line : events) {
        const std::string prefix = "Error in file: ";
        if (line.rfind(prefix, 0) == 0 && line.size() > prefix.size() &&
            line.substr(prefix.size()) == script_.sourcePath) {
            line = prefix + "<source>";
        }
    }
    EXPECT_EQ(events, c.events);
    std::vector<std::string> shown;
    for (const auto& text : messages_.shown) {
        shown.push_back(ToUtf8(text));
    }
    EXPECT_EQ(shown, c.messages);
    EXPECT_EQ(script_.calls, c.calls);
    EXPECT_EQ(script_.loads, 1);
    EXPECT_EQ(script_.releases, c.status == PropellentLoadStatus::kLoadFailed ? 0 : 1);
    for (const std::string& line : output_.events) {
        EXPECT_NE(line, "Download to Propeller RAM complete.");
    }
    // Every file of the action is gone, whichever way it ended.
    EXPECT_TRUE(IsEmptyDirectory(scratch_));
}

const std::vector<std::string> kStart = {"Creating output files in temp directory.",
                                         "Invoking Propellent to compile and program Prop."};

std::vector<std::string> Then(std::vector<std::string> more) {
    std::vector<std::string> all = kStart;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

const std::vector<std::string> kCompileCalls = {"Init(null)", "Settings(,,)", "Compile",
                                                "Finalize"};

INSTANTIATE_TEST_SUITE_P(
    Table, AppBuildFailure,
    ::testing::Values(
        FailureCase{"LibraryDoesNotLoad",
                    PropellentLoadStatus::kLoadFailed,
                    std::nullopt,
                    std::nullopt,
                    ProgramOutcome::kDllFailedToLoad,
                    kStart,
                    {"Dll failed to load"},
                    {}},
        FailureCase{"EntryPointMissing",
                    PropellentLoadStatus::kEntryPointMissing,
                    std::nullopt,
                    std::nullopt,
                    ProgramOutcome::kDllFailure,
                    Then({"<scroll>"}),
                    {"Dll failure"},
                    {}},
        FailureCase{"ErrorInTheSource",
                    PropellentLoadStatus::kLoaded,
                    CompileError{"<source>", 18, 3, "Expected an instruction or variable"},
                    std::nullopt,
                    ProgramOutcome::kCompileFailed,
                    Then({"Error in file: <source>", "Error: Expected an instruction or variable",
                          "Problem String: foo", "<scroll>"}),
                    {},
                    kCompileCalls},
        FailureCase{"ErrorInAnObject",
                    PropellentLoadStatus::kLoaded,
                    CompileError{"/elsewhere/mouse.spin", 0, 4, "Undefined symbol"},
                    std::nullopt,
                    ProgramOutcome::kCompileFailed,
                    Then({"Error in file: /elsewhere/mouse.spin", "Error: Undefined symbol",
                          "Problem String: With object.", "<scroll>"}),
                    {},
                    kCompileCalls},
        FailureCase{"StartPastTheEnd",
                    PropellentLoadStatus::kLoaded,
                    CompileError{"<source>", 500, 3, "Expected \"}\""},
                    std::nullopt,
                    ProgramOutcome::kCompileFailed,
                    Then({"Error in file: <source>", "Error: Expected \"}\"",
                          "Problem String: ", "<scroll>"}),
                    {},
                    kCompileCalls},
        FailureCase{"DownloadFails",
                    PropellentLoadStatus::kLoaded,
                    std::nullopt,
                    std::string("No Propeller found on /dev/ttyUSB0."),
                    ProgramOutcome::kDownloadFailed,
                    Then({"Propellent compilation successful.",
                          "Download to Propeller RAM failed: No Propeller found on /dev/ttyUSB0.",
                          "<scroll>"}),
                    {},
                    {"Init(null)", "Settings(,,)", "Compile", "Download", "Finalize"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProblemText, CutsTheTextAsTheOutputPaneShowsIt) {
    const struct {
        std::u16string code;
        std::int64_t start;
        std::int64_t length;
        std::u16string expected;
    } cases[] = {
        {u"ab\r\ncd", 3, 2, u"cd"},   // CR LF counts once
        {u"ab\r\ncd", 2, 2, u"\rc"},  // and becomes a CR
        {u"\tx", 8, 1, u"x"},         // a tab is eight spaces
        {u"\tx", 6, 3, u"  x"},
        {u"abc", 1, 100, u"bc"},  // clipped to the end
        {u"abc", 3, 1, u""},      // a start at or past the end
        {u"abc", 99, 1, u""},
        {u"abc", -1, 2, u""},  // values from the library are not trusted
        {u"abc", 0, -5, u""},
        {u"a\rb\nc", 2, 3, u"b\nc"},  // a lone CR or LF stays as it is
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProblemText(c.code, c.start, c.length), c.expected)
            << ToUtf8(c.code) << " @" << c.start << "+" << c.length;
    }
}

TEST_F(AppBuildTest, UserObjectsAreWrittenUnderTheirStemAndUnsafeNamesAreSkipped) {
    auto add = [&](std::u16string fileName, std::u16string stem) {
        auto object = std::make_unique<CLmObject>();
        object->fileName = std::move(fileName);
        object->fileStem = std::move(stem);
        object->name = u"obj";
        object->code = u"PUB Go\r\n";
        doc_.objects.push_back(std::move(object));
    };
    add(u"/home/me/spin/Servo32.spin", u"Servo32");
    add(u"/home/me/evil.spin", u"../evil");
    add(u"/home/me/a.spin", u"sub/a");
    add(u"/home/me/empty.spin", u"");
    const AppBuild build = Build();
    Program(build);

    std::set<std::string> expected(kDriverFiles.begin(), kDriverFiles.end());
    expected.insert({"Untitled.spin", "Servo32.spin"});
    EXPECT_EQ(Names(script_.filesAtCompile), expected);
    EXPECT_EQ(script_.filesAtCompile["Servo32.spin"], Utf16(u"PUB Go\r\n"));
    EXPECT_FALSE(std::filesystem::exists(scratch_ / "evil.spin"));
    EXPECT_TRUE(IsEmptyDirectory(scratch_));
}

TEST_F(AppBuildTest, ASourceThatCannotBeWrittenStopsBeforeTheLibraryIsLoaded) {
    for (const std::u16string name : {u"a/b", u"..", u""}) {
        output_.events.clear();
        messages_.shown.clear();
        const AppBuild build(name, u"PUB Start\r\n", doc_.objects);
        const ProgramResult result = Program(build);
        EXPECT_EQ(result.outcome, ProgramOutcome::kSourceNotWritten) << ToUtf8(name);
        ASSERT_EQ(messages_.shown.size(), 1u);
        EXPECT_EQ(messages_.shown[0], u"Cannot write the source file " + name + u".spin.");
        EXPECT_EQ(output_.events,
                  std::vector<std::string>{"Creating output files in temp directory."});
    }
    EXPECT_EQ(script_.loads, 0);
    EXPECT_TRUE(IsEmptyDirectory(scratch_));
}

TEST_F(AppBuildTest, ADirectoryThatCannotBeMadeIsReported) {
    seams_.temporaryParent = scratch_ / "missing";
    const ProgramResult result = Program(Build());
    EXPECT_EQ(result.outcome, ProgramOutcome::kNoDirectory);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(ToUtf8(messages_.shown[0]),
              "Cannot create a build directory in " + (scratch_ / "missing").string() + ".");
    EXPECT_EQ(script_.loads, 0);
}

TEST_F(AppBuildTest, EditedCodeIsWhatGetsCompiledAndTabsAreWarnedAbout) {
    AppBuild build = Build();
    {
        // While the editor is open the objects sit in a directory of their own.
        std::optional<ActionDirectory> objects = build.WriteObjectsForEditing(scratch_);
        ASSERT_TRUE(objects);
        for (const std::string& name : kDriverFiles) {
            EXPECT_TRUE(std::filesystem::exists(objects->Path() / name)) << name;
        }
        build.AcceptEditedCode(u"PUB Start\r\n  y := 2\r\n", messages_);
        EXPECT_TRUE(messages_.shown.empty());
    }
    EXPECT_TRUE(IsEmptyDirectory(scratch_));

    build.AcceptEditedCode(u"PUB Start\r\n\ty := 3\r\n", messages_);
    EXPECT_EQ(messages_.shown,
              std::vector<std::u16string>{
                  u"Tab characters detected in code.  Tabs may affect code heirarchy"});
    Program(build);
    EXPECT_EQ(script_.filesAtCompile["Untitled.spin"], Utf16(u"PUB Start\r\n\ty := 3\r\n"));
}

TEST_F(AppBuildTest, ProgrammingTwiceWritesLoadsAndCleansUpEachTime) {
    const AppBuild build = Build();
    Program(build);
    const std::string first = script_.sourcePath;
    EXPECT_TRUE(IsEmptyDirectory(scratch_));
    script_.filesAtCompile.clear();
    Program(build);
    EXPECT_EQ(script_.loads, 2);
    EXPECT_EQ(script_.releases, 2);
    EXPECT_EQ(script_.filesAtCompile.size(), 5u);
    EXPECT_NE(script_.sourcePath, first);  // a fresh private directory each time
    EXPECT_TRUE(IsEmptyDirectory(scratch_));
}

TEST_F(AppBuildTest, TheLoadersNotesComeBeforeTheResultWhichNamesTheTarget) {
    const AppBuild build = Build();
    script_.downloadNotes = {"/dev/pts/3 has no DTR line; no reset was sent."};
    ProgramOptions options;
    options.settings.loadToEeprom = true;
    EXPECT_EQ(Program(build, options).outcome, ProgramOutcome::kDownloaded);
    ASSERT_GE(output_.events.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(output_.events.end() - 3, output_.events.end()),
              (std::vector<std::string>{"/dev/pts/3 has no DTR line; no reset was sent.",
                                        "Download to Propeller EEPROM complete.", "<scroll>"}));

    script_.downloadFailure = "No Propeller answered on /dev/ttyUSB0.";
    output_.events.clear();
    EXPECT_EQ(Program(build, options).outcome, ProgramOutcome::kDownloadFailed);
    EXPECT_NE(std::find(output_.events.begin(), output_.events.end(),
                        "Download to Propeller EEPROM failed: No Propeller answered on "
                        "/dev/ttyUSB0."),
              output_.events.end());
}

TEST_F(AppBuildTest, CompileOnlyKeepsTheImageAndNeverDownloads) {
    ProgramOptions options;
    options.download = false;
    options.imageOut = scratch_ / "app.binary";
    ProgramResult result = Program(Build(), options);
    EXPECT_EQ(result.outcome, ProgramOutcome::kCompiled);
    EXPECT_TRUE(result.Succeeded());
    EXPECT_EQ(result.imageSize, 1234);
    EXPECT_EQ(script_.calls, (std::vector<std::string>{"Init(null)", "Settings(,,)", "Compile",
                                                       "SaveImage(app.binary)", "Finalize"}));

    // An image that cannot be saved fails the action, and nothing is downloaded.
    script_.calls.clear();
    script_.saveImageWorks = false;
    output_.events.clear();
    options.download = true;
    result = Program(Build(), options);
    EXPECT_EQ(result.outcome, ProgramOutcome::kImageNotSaved);
    EXPECT_FALSE(result.Succeeded());
    EXPECT_EQ(output_.events[3],
              "Could not save the program image to " + (scratch_ / "app.binary").string() + ".");
    EXPECT_EQ(std::count(script_.calls.begin(), script_.calls.end(), "Download"), 0);
}

}  // namespace
}  // namespace lumora
