#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "child_process.h"
#include "compiler_locator.h"
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
};

// The state behind the library's entry points: the settings, the last compile's error record
// and the image it produced. Returned pointers stay valid until the next call.
class PropellentSession {
  public:
    explicit PropellentSession(SessionOptions options = {}) : options_(std::move(options)) {}

    void SetCompilerPath(const char* path) { compilerSetting_ = path ? path : ""; }
    void SetLibraryPath(const char* folder) { libraryFolder_ = folder ? folder : ""; }
    void SetSerialPort(const char* device) { serialPort_ = device ? device : ""; }

    const PropellentError* CompileSource(const char* sourcePath);
    const char* DownloadToPropeller();
    std::int64_t ImageSize() const;
    bool SaveImage(const char* path) const;
    const char* DescribeCompiler();

  private:
    CompilerSearch Search() const;
    const PropellentError* Fail(std::string file, std::int32_t start, std::int32_t length,
                                std::string message);

    SessionOptions options_;
    std::string compilerSetting_;
    std::string libraryFolder_;
    std::string serialPort_;
    std::optional<std::string> image_;
    std::string errorFile_;
    std::string errorMessage_;
    PropellentError record_{};
    std::string downloadReason_;
    std::string description_;
};

}  // namespace lumora::propellent
