#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace lumora {

// The most recently used files, newest first, each once.
class RecentFileList {
  public:
    static constexpr std::size_t kCapacity = 10;
    // Longer stored entries are not paths anyone typed or chose: they are dropped on load.
    static constexpr std::size_t kMaxStoredLength = 4096;

    void Add(const std::filesystem::path& path);
    void Remove(const std::filesystem::path& path);
    // Replaces the list with stored entries (outside data): empty, overlong and repeated ones
    // are dropped, the rest kept in order up to the capacity.
    void Load(const std::vector<std::string_view>& stored);
    const std::vector<std::filesystem::path>& Entries() const { return entries_; }

  private:
    std::vector<std::filesystem::path> entries_;
};

}  // namespace lumora
