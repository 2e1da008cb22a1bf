#pragma once

// Loading through another loader program, for users who prefer one: a command line with
// placeholders, run without a shell, whose exit status decides.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "propeller_boot.h"

namespace lumora::propeller {

// Names the external loader's command line when the settings do not.
inline constexpr const char* kExternalLoaderVariable = "LUMORA_PROPELLER_LOADER";

struct ExternalLoad {
    // Words split as a shell would split plain quoted words (no expansions). In each word
    // {image} becomes the image's path, {port} the serial port and {mode} "ram" or "eeprom";
    // without {image} anywhere the image's path is added as the last word.
    std::string commandLine;
    std::string imagePath;
    std::string port;
    bool eeprom = false;
    std::chrono::milliseconds timeout{std::chrono::minutes(2)};
};

// The words, or nothing when a quote is left open.
std::optional<std::vector<std::string>> SplitCommandLine(std::string_view text);

// The argument vector the loader is started with.
std::optional<std::vector<std::string>> ExternalLoaderArguments(const ExternalLoad& load);

LoadResult RunExternalLoader(const ExternalLoad& load);

}  // namespace lumora::propeller
