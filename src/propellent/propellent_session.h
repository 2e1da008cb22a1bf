#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "compiler_locator.h"
#include "propeller_boot.h"
#include "toolchain/propellent_abi.h"

namespace lumora::propellent {

inline constexpr std::size_t kPropellerRamBytes = 32768;

struct SessionOptions {
    ProcessLimits limits;
    // Stand-ins for the environment; unset reads LUMORA_SPIN_COMPILER and PATH.
    std::optional<std::string> compilerVariable;
    std::optional<std::string> searchPath;
    // Where the compiler's private working directory is made; empty: TMPDIR or /tmp.
    std::string temporaryParent;
    // Stand-ins for LUMORA_PROPELLER_LOADER and for /dev, where serial ports are looked for.
    std::optional<std::string> loaderVariable;
    std::string deviceRoot = "/dev";
    propeller::BootTimings bootTimings;
};

// The state behind the library's entry points: the settings, the last compile's error record
// and the image it produced. Returned pointers stay valid until the next call.
class PropellentSession {
  public:
    explicit PropellentSession(SessionOptions options = {}) : options_(std::move(options)) {}

    void SetCompilerPath(const char* path) { compilerSetting_ = path ? path : ""; }
    void SetLibraryPath(const char* folder) { libraryFolder_ = folder ? folder : ""; }
    void SetSerialPort(const char* device) { serialPort_ = device ? device : ""; }
    void SetLoadToEeprom(bool eeprom) { loadToEeprom_ = eeprom; }
    void SetExternalLoader(const char* commandLine) {
        loaderSetting_ = commandLine ? commandLine : "";
    }

    const PropellentError* CompileSource(const char* sourcePath);
    // Null once the chip (or the external loader) confirmed the load, otherwise the reason.
    const char* DownloadToPropeller();
    // The last download's notes that did not stop it, one a line.
    const char* DownloadNotes() const { return notes_.c_str(); }
    // The serial ports present, one path a line, the stable names first.
    const char* SerialPorts();
    std::int64_t ImageSize() const;
    bool SaveImage(const char* path) const;
    const char* DescribeCompiler();

  private:
    CompilerSearch Search() const;
    std::string TemporaryParent() const;
    std::optional<std::string> RunExternalLoader(const std::string& commandLine);
    const PropellentError* Fail(std::string file, std::int32_t start, std::int32_t length,
                                std::string message);

    SessionOptions options_;
    std::string compilerSetting_;
    std::string libraryFolder_;
    std::string serialPort_;
    bool loadToEeprom_ = false;
    std::string loaderSetting_;
    std::string notes_;
    std::string ports_;
    std::optional<std::string> image_;
    std::string errorFile_;
    std::string errorMessage_;
    PropellentError record_{};
    std::string downloadReason_;
    std::string description_;
};

}  // namespace lumora::propellent
