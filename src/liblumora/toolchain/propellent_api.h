#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumora {

// What the designer's toolchain settings name; an empty value leaves the library's own choice.
struct ToolchainSettings {
    std::string compilerPath;
    std::string libraryFolder;
    std::string serialPort;
    bool loadToEeprom = false;   // program the EEPROM and run instead of loading RAM
    std::string externalLoader;  // a loader program's command line to load with instead
};

// The error record of a failed compile, copied out of the library.
struct CompileError {
    std::string file;
    std::int32_t start = 0;
    std::int32_t length = 0;
    std::string message;
};

// A loaded Propellent library. Destroying it releases the library.
class PropellentApi {
  public:
    virtual ~PropellentApi() = default;
    virtual void InitPropellent(void* window) = 0;
    virtual void ApplySettings(const ToolchainSettings& settings) = 0;
    virtual std::optional<CompileError> CompileSource(const std::string& sourcePath) = 0;
    // Empty when the image was loaded, otherwise the reason it was not.
    virtual std::optional<std::string> DownloadToPropeller() = 0;
    // What the last download noted without failing; a library without notes has none.
    virtual std::vector<std::string> DownloadNotes() { return {}; }
    // The serial ports present, for the port choice.
    virtual std::vector<std::string> SerialPorts() { return {}; }
    virtual std::optional<std::int64_t> ImageSize() = 0;
    virtual bool SaveImage(const std::filesystem::path& path) = 0;
    virtual void FinalizePropellent() = 0;
};

enum class PropellentLoadStatus {
    kLoaded,
    kLoadFailed,         // "Dll failed to load"
    kEntryPointMissing,  // "Dll failure"; the library has already been released
};

struct LoadedPropellent {
    PropellentLoadStatus status = PropellentLoadStatus::kLoadFailed;
    std::unique_ptr<PropellentApi> api;  // set only when loaded
};

class PropellentLoader {
  public:
    virtual ~PropellentLoader() = default;
    virtual LoadedPropellent Load() = 0;
};

}  // namespace lumora
