#include "toolchain/propellent_library.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "build_fakes.h"
#include "fake_compiler.h"
#include "model/document.h"
#include "model/new_application.h"
#include "recording_messages.h"
#include "test_files.h"
#include "toolchain/app_build.h"

namespace lumora {
namespace {

using testing::RecordingMessages;
using testing::RecordingOutput;
using testing::ScratchDir;

// Sets an environment variable for one test and restores it afterwards.
class ScopedVariable {
  public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = ::getenv(name)) {
            old_ = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(PropellentLibrary, TheBuiltLibraryCompilesThroughAFakeCompilerAndSaysItDidNotLoad) {
    ScratchDir dir;
    const auto compiler =
        testing::WriteFakeCompiler(dir / "openspin", testing::SucceedingCompilerBody(100));
    ScopedVariable variable("LUMORA_SPIN_COMPILER", compiler.string());

    CLumoraDoc doc;
    ASSERT_TRUE(StartNewApplication(doc));
    const AppBuild build(doc.appName, u"PUB Start\r\n", doc.objects);
    PropellentLibraryLoader loader(LUMORA_PROPELLENT_PATH);
    RecordingOutput output;
    RecordingMessages messages;
    std::filesystem::create_directories(dir / "tmp");
    BuildSeams seams{output, messages, loader, dir / "tmp"};
    ProgramOptions options;
    options.imageOut = dir / "app.binary";
    const ProgramResult result = build.ProgramPropellerRam(seams, options);

    EXPECT_EQ(result.outcome, ProgramOutcome::kDownloadFailed);
    EXPECT_EQ(result.imageSize, 100);
    EXPECT_EQ(testing::ReadWholeFile(dir / "app.binary").size(), 100u);
    ASSERT_EQ(output.events.size(), 5u);
    EXPECT_EQ(output.events[2], "Propellent compilation successful.");
    EXPECT_EQ(output.events[3].rfind("Download to Propeller RAM failed: ", 0), 0u);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir / "tmp"));
}

TEST(PropellentLibrary, AMissingLibraryOrOneWithoutTheEntryPointsIsTold) {
    PropellentLibraryLoader missing("/nonexistent/libpropellent.so");
    EXPECT_EQ(missing.Load().status, PropellentLoadStatus::kLoadFailed);
    // The C library loads but has none of the four entry points.
    PropellentLibraryLoader wrong("libc.so.6");
    const LoadedPropellent loaded = wrong.Load();
    EXPECT_EQ(loaded.status, PropellentLoadStatus::kEntryPointMissing);
    EXPECT_EQ(loaded.api, nullptr);
}

TEST(PropellentLibrary, TheInstalledPathIsBesideTheRunningProgram) {
    const auto path = InstalledPropellentPath("../lib/lumora");
    ASSERT_TRUE(path);
    const auto self = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(*path, (self.parent_path().parent_path() / "lib" / "lumora" / kPropellentFileName));
}

}  // namespace
}  // namespace lumora
