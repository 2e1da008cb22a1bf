#include "toolchain/action_directory.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "model/text_encoding.h"

namespace lumora {

std::optional<ActionDirectory> ActionDirectory::Create(const std::filesystem::path& parent) {
    // mkdtemp creates the directory with mode 0700 under a name nobody else can have taken.
    std::string pattern = (parent / "lumora-build-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return std::nullopt;
    }
    return ActionDirectory(std::filesystem::path(pattern));
}

ActionDirectory::~ActionDirectory() {
    if (!path_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
}

ActionDirectory::ActionDirectory(ActionDirectory&& other) noexcept : path_(std::move(other.path_)) {
    other.path_.clear();
}

bool ActionDirectory::WriteFile(std::u16string_view name, std::string_view bytes) const {
    if (!IsPlainFileName(name)) {
        return false;
    }
    const std::string path = FullPath(name);
    // O_NOFOLLOW: the directory is private, but a link planted before would still be followed.
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    bool ok = true;
    while (left > 0) {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            ok = false;
            break;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0) {
        ok = false;
    }
    return ok;
}

std::string ActionDirectory::FullPath(std::u16string_view name) const {
    return path_.string() + "/" + ToUtf8(name);
}

bool IsPlainFileName(std::u16string_view name) {
    if (name.empty() || name == u"." || name == u"..") {
        return false;
    }
    for (char16_t c : name) {
        if (c == u'/' || c == u'\0') {
            return false;
        }
    }
    return true;
}

std::filesystem::path DefaultTemporaryParent() {
    std::error_code error;
    std::filesystem::path path = std::filesystem::temp_directory_path(error);
    if (error) {
        return "/tmp";
    }
    return path;
}

}  // namespace lumora
