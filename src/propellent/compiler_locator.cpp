#include "compiler_locator.h"

#include <sys/stat.h>
#include <unistd.h>

#include <string_view>

namespace lumora::propellent {

namespace {

constexpr const char* kHowToInstall =
    "Install OpenSpin or FlexSpin so that \"openspin\" or \"flexspin\" is on PATH, set "
    "LUMORA_SPIN_COMPILER to the compiler's path, or name it in the toolchain settings.";

bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::optional<std::string> SearchPath(const std::string& name, const std::string& searchPath) {
    std::size_t begin = 0;
    while (begin <= searchPath.size()) {
        std::size_t end = searchPath.find(':', begin);
        if (end == std::string::npos) {
            end = searchPath.size();
        }
        // An empty entry would mean the current directory; that is not a place to run from.
        const std::string dir = searchPath.substr(begin, end - begin);
        if (!dir.empty() && dir.front() == '/') {
            const std::string candidate = dir + "/" + name;
            if (IsExecutableFile(candidate)) {
                return candidate;
            }
        }
        begin = end + 1;
    }
    return std::nullopt;
}

// A name with a slash is a path; a bare name is looked up on the search path.
std::optional<std::string> Resolve(const std::string& named, const std::string& searchPath) {
    if (named.find('/') != std::string::npos) {
        if (IsExecutableFile(named)) {
            return named;
        }
        return std::nullopt;
    }
    return SearchPath(named, searchPath);
}

}  // namespace

CompilerKind KindOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string_view name = slash == std::string::npos
                                      ? std::string_view(path)
                                      : std::string_view(path).substr(slash + 1);
    return name.find("flexspin") != std::string_view::npos ||
                   name.find("fastspin") != std::string_view::npos
               ? CompilerKind::kFlexSpin
               : CompilerKind::kOpenSpin;
}

CompilerSearch FindCompiler(const std::string& setting, const std::string& variable,
                            const std::string& searchPath) {
    CompilerSearch search;
    const struct {
        const std::string& value;
        const char* origin;
        const char* where;
    } named[] = {
        {setting, "in the toolchain settings", "The compiler named in the toolchain settings"},
        {variable, "in LUMORA_SPIN_COMPILER", "The compiler named by LUMORA_SPIN_COMPILER"}};
    for (const auto& entry : named) {
        if (entry.value.empty()) {
            continue;
        }
        if (const auto path = Resolve(entry.value, searchPath)) {
            search.compiler = FoundCompiler{*path, KindOf(*path), entry.origin};
        } else {
            search.problem =
                std::string(entry.where) + ", \"" + entry.value + "\", is not an executable file.";
        }
        return search;
    }
    for (const char* name : {"openspin", "flexspin"}) {
        if (const auto path = SearchPath(name, searchPath)) {
            search.compiler = FoundCompiler{*path, KindOf(*path), "on PATH"};
            return search;
        }
    }
    search.problem = std::string("No Spin compiler found. ") + kHowToInstall;
    return search;
}

}  // namespace lumora::propellent
