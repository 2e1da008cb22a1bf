#include "designer/recent_files.h"

#include <algorithm>

namespace lumora {

namespace {

// Two spellings of one file ("a/./b.lmd", "a/b.lmd") are one entry.
std::filesystem::path Normal(const std::filesystem::path& path) {
    return path.lexically_normal();
}

}  // namespace

void RecentFileList::Add(const std::filesystem::path& path) {
    if (path.empty()) {
        return;
    }
    Remove(path);
    entries_.insert(entries_.begin(), Normal(path));
    if (entries_.size() > kCapacity) {
        entries_.resize(kCapacity);
    }
}

void RecentFileList::Remove(const std::filesystem::path& path) {
    const std::filesystem::path normal = Normal(path);
    std::erase(entries_, normal);
}

void RecentFileList::Load(const std::vector<std::string_view>& stored) {
    entries_.clear();
    for (std::string_view entry : stored) {
        if (entries_.size() == kCapacity) {
            break;
        }
        if (entry.empty() || entry.size() > kMaxStoredLength ||
            entry.find('\0') != std::string_view::npos) {
            continue;
        }
        const std::filesystem::path normal = Normal(std::filesystem::path(entry));
        if (std::find(entries_.begin(), entries_.end(), normal) == entries_.end()) {
            entries_.push_back(normal);
        }
    }
}

}  // namespace lumora
