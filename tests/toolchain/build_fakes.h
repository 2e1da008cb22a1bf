#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/output_sink.h"
#include "test_files.h"
#include "toolchain/propellent_api.h"

namespace lumora::testing {

// The Output pane: every line, and "<scroll>" where the pane was scrolled to its end.
class RecordingOutput : public OutputSink {
  public:
    void ClearOutput() override { events.push_back("<clear>"); }
    void AddOutputLine(std::u16string_view line) override {
        std::string text;
        for (char16_t c : line) {
            text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
        }
        events.push_back(text);
    }
    void ScrollOutputToEnd() override { events.push_back("<scroll>"); }
    std::vector<std::string> events;
};

// What the fake library saw and what it answers; shared by every library the loader makes.
struct FakePropellentScript {
    PropellentLoadStatus status = PropellentLoadStatus::kLoaded;
    std::optional<CompileError> compileError;  // file "<source>": the source's path
    std::optional<std::string> downloadFailure;
    std::vector<std::string> downloadNotes;
    bool saveImageWorks = true;

    int loads = 0;
    int releases = 0;
    std::vector<std::string> calls;
    std::string sourcePath;
    // The directory as CompileSource found it: file name -> bytes, and its mode bits.
    std::map<std::string, std::string> filesAtCompile;
    unsigned directoryMode = 0;
};

class FakePropellent : public PropellentApi {
  public:
    explicit FakePropellent(FakePropellentScript& script) : script_(script) {}
    ~FakePropellent() override { ++script_.releases; }

    void InitPropellent(void* window) override {
        script_.calls.push_back(window == nullptr ? "Init(null)" : "Init(window)");
    }
    void ApplySettings(const ToolchainSettings& settings) override {
        script_.calls.push_back("Settings(" + settings.compilerPath + "," + settings.libraryFolder +
                                "," + settings.serialPort + ")");
    }
    std::optional<CompileError> CompileSource(const std::string& sourcePath) override {
        script_.calls.push_back("Compile");
        script_.sourcePath = sourcePath;
        const auto dir = std::filesystem::path(sourcePath).parent_path();
        struct stat info {};
        ::stat(dir.c_str(), &info);
        script_.directoryMode = info.st_mode & 07777;
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            script_.filesAtCompile[entry.path().filename().string()] = ReadWholeFile(entry.path());
        }
        std::optional<CompileError> error = script_.compileError;
        if (error && error->file == "<source>") {
            error->file = sourcePath;  // the test cannot know the private directory's name
        }
        return error;
    }
    std::optional<std::string> DownloadToPropeller() override {
        script_.calls.push_back("Download");
        return script_.downloadFailure;
    }
    std::vector<std::string> DownloadNotes() override { return script_.downloadNotes; }
    std::optional<std::int64_t> ImageSize() override { return 1234; }
    bool SaveImage(const std::filesystem::path& path) override {
        script_.calls.push_back("SaveImage(" + path.filename().string() + ")");
        return script_.saveImageWorks;
    }
    void FinalizePropellent() override { script_.calls.push_back("Finalize"); }

  private:
    FakePropellentScript& script_;
};

class FakeLoader : public PropellentLoader {
  public:
    explicit FakeLoader(FakePropellentScript& script) : script_(script) {}
    LoadedPropellent Load() override {
        ++script_.loads;
        if (script_.status == PropellentLoadStatus::kEntryPointMissing) {
            ++script_.releases;
        }
        if (script_.status != PropellentLoadStatus::kLoaded) {
            return {script_.status, nullptr};
        }
        return {PropellentLoadStatus::kLoaded, std::make_unique<FakePropellent>(script_)};
    }

  private:
    FakePropellentScript& script_;
};

}  // namespace lumora::testing
