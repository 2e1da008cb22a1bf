#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "toolchain/propellent_api.h"

namespace lumora {

inline constexpr const char* kPropellentFileName = "libpropellent.so";

// Loads the propellent library from one fixed path. The path should be the program's own
// install location, never a folder other users can write to.
class PropellentLibraryLoader : public PropellentLoader {
  public:
    explicit PropellentLibraryLoader(std::filesystem::path libraryPath)
        : path_(std::move(libraryPath)) {}
    LoadedPropellent Load() override;
    const std::filesystem::path& Path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Where the library sits relative to the running program: relativeDir (the install layout's
// path from the program's folder to the library's) below the folder of /proc/self/exe.
// Empty when the program's own path cannot be read.
std::optional<std::filesystem::path> InstalledPropellentPath(const std::string& relativeDir);

}  // namespace lumora
