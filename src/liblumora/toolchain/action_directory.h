#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumora {

// A directory of one build action's own (mode 0700, a fresh name under the parent), removed
// with everything in it when the action ends.
class ActionDirectory {
  public:
    static std::optional<ActionDirectory> Create(const std::filesystem::path& parent);
    ~ActionDirectory();
    ActionDirectory(ActionDirectory&& other) noexcept;
    ActionDirectory& operator=(ActionDirectory&&) = delete;
    ActionDirectory(const ActionDirectory&) = delete;
    ActionDirectory& operator=(const ActionDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes name (a plain file name, never a path) with the bytes, created or truncated and
    // written whole. False when the name would leave the directory or the write fails.
    bool WriteFile(std::u16string_view name, std::string_view bytes) const;
    // The full path of a file name in this directory, as 8-bit (UTF-8) text.
    std::string FullPath(std::u16string_view name) const;

  private:
    explicit ActionDirectory(std::filesystem::path path) : path_(std::move(path)) {}
    std::filesystem::path path_;
};

// A name that stays inside the directory it is written to: not empty, not "." or "..", and
// without '/' or NUL.
bool IsPlainFileName(std::u16string_view name);

// The parent of every action directory unless the caller names another: the system's
// temporary directory (TMPDIR or /tmp).
std::filesystem::path DefaultTemporaryParent();

}  // namespace lumora
