#include "propellent_session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "compiler_locator.h"
#include "fake_compiler.h"
#include "test_files.h"

namespace lumora::propellent {
namespace {

using lumora::testing::ReadWholeFile;
using lumora::testing::ScratchDir;
using lumora::testing::SucceedingCompilerBody;
using lumora::testing::WriteFakeCompiler;

std::string Utf16(const std::string& ascii) {
    std::string bytes;
    for (char c : ascii) {
        bytes.push_back(c);
        bytes.push_back('\0');
    }
    return bytes;
}

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A build directory as the build sequence leaves it: the source (UTF-16LE, no mark) and an
// object beside it, and a compiler working directory of the test's own.
class SessionTest : public ::testing::Test {
  protected:
    SessionTest() {
        std::filesystem::create_directories(scratch_ / "build");
        std::filesystem::create_directories(scratch_ / "bin");
        std::filesystem::create_directories(scratch_ / "work");
        source_ = (scratch_ / "build" / "App.spin").string();
        Write(source_, Utf16(kSource));
        Write(scratch_ / "build" / "mouse.spin", "\xFF\xFE" + Utf16("PUB start\r\n  bad\r\n"));
        options_.compilerVariable = "";
        options_.searchPath = "";
        options_.temporaryParent = (scratch_ / "work").string();
        options_.limits.timeout = std::chrono::milliseconds(20000);
        options_.loaderVariable = "";
        options_.deviceRoot = (scratch_ / "build").string();
    }

    // A session whose compiler is a script with the given body.
    PropellentSession WithCompiler(const std::string& body, const std::string& name = "openspin") {
        const auto path = WriteFakeCompiler(scratch_ / "bin" / name, body);
        PropellentSession session(options_);
        session.SetCompilerPath(path.c_str());
        return session;
    }

    static constexpr const char* kSource = "PUB Start\r\n\tfoo(\r\n";
    ScratchDir scratch_;
    std::string source_;
    SessionOptions options_;
};

TEST_F(SessionTest, ASuccessfulCompileKeepsTheImageAndCleansUpItsWorkingDirectory) {
    PropellentSession session = WithCompiler(SucceedingCompilerBody(4572));
    EXPECT_EQ(session.CompileSource(source_.c_str()), nullptr);
    EXPECT_EQ(session.ImageSize(), 4572);
    const auto saved = scratch_ / "out.binary";
    EXPECT_TRUE(session.SaveImage(saved.c_str()));
    EXPECT_EQ(ReadWholeFile(saved), std::string(4572, '\0'));
    EXPECT_TRUE(std::filesystem::is_empty(scratch_ / "work"));

    // Zeros are no Propeller program: the load is refused, never reported as done.
    const char* reason = session.DownloadToPropeller();
    ASSERT_NE(reason, nullptr);
    EXPECT_NE(std::string(reason).find("not a compiled Propeller program"), std::string::npos)
        << reason;
}

TEST_F(SessionTest, TheCompilerGetsMarkedCopiesTheLibraryFolderAndNothingElseChanges) {
    const auto seen = scratch_ / "seen";
    std::filesystem::create_directories(seen);
    PropellentSession session =
        WithCompiler("echo \"$args\" > " + (seen / "args").string() + "\ncp \"$src\" " +
                     (seen / "source").string() + "\ncp \"$(dirname \"$src\")/mouse.spin\" " +
                     (seen / "mouse").string() + "\n" + SucceedingCompilerBody());
    session.SetLibraryPath("/home/me/Propeller Library");
    ASSERT_EQ(session.CompileSource(source_.c_str()), nullptr);

    EXPECT_EQ(ReadWholeFile(seen / "source"), "\xFF\xFE" + Utf16(kSource));
    EXPECT_EQ(ReadWholeFile(seen / "mouse"), ReadWholeFile(scratch_ / "build" / "mouse.spin"));
    const std::string args = ReadWholeFile(seen / "args");
    EXPECT_EQ(args.rfind("-q -L /home/me/Propeller Library -o ", 0), 0u) << args;
    EXPECT_EQ(ReadWholeFile(source_), Utf16(kSource));  // the caller's file is left alone
}

TEST_F(SessionTest, CompilerErrorsBecomeRecordsInTheCallersTerms) {
    const struct {
        const char* name;
        std::string body;
        std::string file;  // "<source>" or a name in the build directory
        std::int32_t start;
        std::int32_t length;
        std::string message;
    } cases[] = {
        {"OpenSpin, error in the source",
         "echo \"$src(2:9) : error : Expected an instruction or variable\"\n"
         "printf 'Line:\\n\\tfoo(\\nOffending Item: foo\\n'\nexit 1",
         "<source>", 18, 3, "Expected an instruction or variable"},
        {"OpenSpin, relative name", "echo \"App.spin(1:5) : error : Expected a name\"\nexit 1",
         "<source>", 4, 0, "Expected a name"},
        {"OpenSpin, error in an object",
         "echo \"$(dirname \"$src\")/mouse.spin(2:3) : error : Undefined symbol\"\n"
         "printf 'Line:\\n  bad\\nOffending Item: bad\\n'\nexit 1",
         "mouse.spin", 12, 3, "Undefined symbol"},
        {"OpenSpin, missing object",
         "echo \"servo.spin : error : Can not find/open file.\"\nexit 1", "servo.spin", 0, 0,
         "Can not find/open file."},
        {"FlexSpin shape", "echo \"$src:2: error: syntax error\" >&2\nexit 1", "<source>", 18, 4,
         "syntax error"},
        {"crash", "kill -SEGV $$", "<source>", 0, 0,
         "The Spin compiler openspin stopped unexpectedly (signal 11)."},
        {"failure without a message", "exit 3", "<source>", 0, 0,
         "The Spin compiler openspin failed (exit status 3)."},
        {"failure with other text", "echo 'Unrecognized text encoding format!'\nexit 1", "<source>",
         0, 0,
         "The Spin compiler openspin failed (exit status 1): Unrecognized text encoding format!"},
        {"success without an image", "exit 0", "<source>", 0, 0,
         "The Spin compiler openspin reported success but wrote no program image."},
        {"image too large", SucceedingCompilerBody(40000), "<source>", 0, 0,
         "The program image is larger than the Propeller's 32 KB of RAM."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PropellentSession session = WithCompiler(c.body);
        const PropellentError* error = session.CompileSource(source_.c_str());
        ASSERT_NE(error, nullptr);
        const std::string file = c.file == "<source>"     ? source_
                                 : c.file == "servo.spin" ? c.file
                                                          : (scratch_ / "build" / c.file).string();
        EXPECT_EQ(error->file, file);
        EXPECT_EQ(error->start, c.start);
        EXPECT_EQ(error->length, c.length);
        EXPECT_EQ(error->message, c.message);
        EXPECT_EQ(session.ImageSize(), -1);
        EXPECT_TRUE(std::filesystem::is_empty(scratch_ / "work"));
    }
}

TEST_F(SessionTest, AHangingCompilerIsStoppedAndFloodingOutputIsBounded) {
    options_.limits.timeout = std::chrono::milliseconds(300);
    PropellentSession hanging = WithCompiler("sleep 30 &\nsleep 30");
    const PropellentError* error = hanging.CompileSource(source_.c_str());
    ASSERT_NE(error, nullptr);
    EXPECT_STREQ(error->message,
                 "The Spin compiler openspin did not finish within 300 ms and was stopped.");

    options_.limits.timeout = std::chrono::milliseconds(20000);
    options_.limits.maxOutput = 64 * 1024;
    PropellentSession flooding = WithCompiler(
        "head -c 8000000 /dev/zero | tr '\\0' x\necho\n"
        "echo \"$src(1:1) : error : late\"\nexit 1");
    error = flooding.CompileSource(source_.c_str());
    ASSERT_NE(error, nullptr);
    // The error line came after the kept part; what is reported is cut short.
    const std::string message = error->message;
    EXPECT_EQ(message.rfind("The Spin compiler openspin failed (exit status 1): xxx", 0), 0u);
    EXPECT_LT(message.size(), 1200u);
}

TEST_F(SessionTest, NoCompilerOrAMissingNamedOneSaysWhatToDo) {
    PropellentSession none(options_);
    const PropellentError* error = none.CompileSource(source_.c_str());
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->file, source_);
    EXPECT_EQ(std::string(error->message)
                  .rfind("No Spin compiler found. Install OpenSpin or "
                         "FlexSpin",
                         0),
              0u);
    EXPECT_NE(std::string(error->message).find("LUMORA_SPIN_COMPILER"), std::string::npos);

    PropellentSession named(options_);
    named.SetCompilerPath("/nowhere/openspin");
    error = named.CompileSource(source_.c_str());
    ASSERT_NE(error, nullptr);
    EXPECT_STREQ(error->message,
                 "The compiler named in the toolchain settings, \"/nowhere/openspin\", is not an "
                 "executable file.");

    error = named.CompileSource((scratch_ / "build" / "Gone.spin").c_str());
    ASSERT_NE(error, nullptr);
    EXPECT_STREQ(error->message, "Cannot read the source file.");
}

TEST(CompilerLocator, SettingThenVariableThenOpenSpinThenFlexSpinOnPath) {
    ScratchDir dir;
    for (const char* sub : {"a", "b", "named"}) {
        std::filesystem::create_directories(dir / sub);
    }
    const auto openspin = WriteFakeCompiler(dir / "b" / "openspin", "exit 0").string();
    const auto flexspin = WriteFakeCompiler(dir / "a" / "flexspin", "exit 0").string();
    const auto named = WriteFakeCompiler(dir / "named" / "my-flexspin", "exit 0").string();
    const std::string path = (dir / "a").string() + "::relative:" + (dir / "b").string();

    auto found = FindCompiler(named, "/elsewhere", path);
    ASSERT_TRUE(found.compiler);
    EXPECT_EQ(found.compiler->path, named);
    EXPECT_EQ(found.compiler->kind, CompilerKind::kFlexSpin);
    EXPECT_EQ(found.compiler->origin, "in the toolchain settings");

    found = FindCompiler("", "flexspin", path);  // a bare name is looked up on the path
    ASSERT_TRUE(found.compiler);
    EXPECT_EQ(found.compiler->path, flexspin);
    EXPECT_EQ(found.compiler->origin, "in LUMORA_SPIN_COMPILER");

    found = FindCompiler("", "", path);  // openspin first, wherever it is on the path
    ASSERT_TRUE(found.compiler);
    EXPECT_EQ(found.compiler->path, openspin);
    EXPECT_EQ(found.compiler->kind, CompilerKind::kOpenSpin);
    EXPECT_EQ(found.compiler->origin, "on PATH");

    found = FindCompiler("", (dir / "a").string(), path);  // a directory is not a compiler
    EXPECT_FALSE(found.compiler);
    EXPECT_NE(found.problem.find("LUMORA_SPIN_COMPILER"), std::string::npos);
}

}  // namespace
}  // namespace lumora::propellent
