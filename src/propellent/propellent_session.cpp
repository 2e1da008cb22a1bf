#include "propellent_session.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include "boot_image.h"
#include "compiler_output.h"
#include "external_loader.h"
#include "port_discovery.h"
#include "source_position.h"
#include "spin_file_text.h"

namespace lumora::propellent {

namespace {

constexpr std::size_t kMaxSpinFileBytes = 16u << 20;
constexpr std::size_t kMaxSpinFiles = 1000;
constexpr const char* kImageName = "propellent-image.binary";

// A file of at most limit bytes; empty when it is missing, unreadable, not regular or larger.
std::optional<std::string> ReadBounded(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat info {};
    std::optional<std::string> bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
        static_cast<std::uint64_t>(info.st_size) <= limit) {
        std::string data;
        char buffer[65536];
        bool ok = true;
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n < 0) {
                ok = false;
                break;
            }
            if (n == 0) {
                break;
            }
            data.append(buffer, static_cast<std::size_t>(n));
            if (data.size() > limit) {
                ok = false;
                break;
            }
        }
        if (ok) {
            bytes = std::move(data);
        }
    }
    ::close(fd);
    return bytes;
}

bool WriteWhole(const std::string& path, const std::string& bytes, mode_t mode = 0600) {
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0) {
        return false;
    }
    std::size_t done = 0;
    bool ok = true;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0 && ok;
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DirName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The compiler's own directory, made private and removed with what it holds.
class WorkDirectory {
  public:
    explicit WorkDirectory(const std::string& parent) {
        std::string pattern = parent + "/propellent-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~WorkDirectory() {
        if (!path_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(path_, ignored);
        }
    }
    WorkDirectory(const WorkDirectory&) = delete;
    WorkDirectory& operator=(const WorkDirectory&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The Spin files beside the source, by name, with their bytes as written.
std::map<std::string, std::string> SpinFilesBeside(const std::string& dir) {
    std::map<std::string, std::string> files;
    DIR* listing = ::opendir(dir.c_str());
    if (listing == nullptr) {
        return files;
    }
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (files.size() >= kMaxSpinFiles) {
            break;
        }
        if (name.size() > 5 && EndsWith(name, ".spin")) {
            if (auto bytes = ReadBounded(dir + "/" + name, kMaxSpinFileBytes)) {
                files.emplace(name, std::move(*bytes));
            }
        }
    }
    ::closedir(listing);
    return files;
}

std::string FirstLine(const std::string& output) {
    std::size_t begin = output.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos) {
        return {};
    }
    std::size_t end = output.find_first_of("\r\n", begin);
    std::string line = output.substr(begin, std::min<std::size_t>(end - begin, kMaxDiagnosticText));
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = ' ';
        }
    }
    return line;
}

std::string Seconds(std::chrono::milliseconds timeout) {
    const auto count = timeout.count();
    if (count % 1000 == 0) {
        return std::to_string(count / 1000) + (count == 1000 ? " second" : " seconds");
    }
    return std::to_string(count) + " ms";
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

CompilerSearch PropellentSession::Search() const {
    const std::string variable = options_.compilerVariable ? *options_.compilerVariable
                                                           : EnvironmentValue(kCompilerVariable);
    const std::string searchPath =
        options_.searchPath ? *options_.searchPath : EnvironmentValue("PATH");
    return FindCompiler(compilerSetting_, variable, searchPath);
}

const PropellentError* PropellentSession::Fail(std::string file, std::int32_t start,
                                               std::int32_t length, std::string message) {
    errorFile_ = std::move(file);
    errorMessage_ = std::move(message);
    record_ = PropellentError{errorFile_.c_str(), start, length, errorMessage_.c_str()};
    return &record_;
}

const PropellentError* PropellentSession::CompileSource(const char* sourcePathText) {
    image_.reset();
    const std::string sourcePath = sourcePathText == nullptr ? std::string() : sourcePathText;
    const std::string sourceName = BaseName(sourcePath);
    const std::string sourceDir = DirName(sourcePath);
    std::map<std::string, std::string> files = SpinFilesBeside(sourceDir);
    if (sourcePath.empty() || files.count(sourceName) == 0) {
        return Fail(sourcePath, 0, 0, "Cannot read the source file.");
    }

    const CompilerSearch search = Search();
    if (!search.compiler) {
        return Fail(sourcePath, 0, 0, search.problem);
    }
    const FoundCompiler& compiler = *search.compiler;

    const WorkDirectory work(TemporaryParent());
    if (work.Path().empty()) {
        return Fail(sourcePath, 0, 0, "Cannot create a working directory for the compiler.");
    }
    for (const auto& [name, bytes] : files) {
        if (!WriteWhole(work.Path() + "/" + name, CompilerReadableBytes(bytes))) {
            return Fail(sourcePath, 0, 0, "Cannot prepare " + name + " for the compiler.");
        }
    }

    const std::string imagePath = work.Path() + "/" + kImageName;
    std::vector<std::string> arguments = {"-q"};
    if (!libraryFolder_.empty()) {
        arguments.insert(arguments.end(), {"-L", libraryFolder_});
    }
    arguments.insert(arguments.end(), {"-o", imagePath, work.Path() + "/" + sourceName});
    const ProcessResult run = RunProcess(compiler.path, arguments, work.Path(), options_.limits);

    const std::string compilerName = BaseName(compiler.path);
    switch (run.end) {
        case ProcessResult::End::kNotStarted:
            return Fail(sourcePath, 0, 0,
                        "The Spin compiler " + compiler.path + " could not be started.");
        case ProcessResult::End::kTimedOut:
            return Fail(sourcePath, 0, 0,
                        "The Spin compiler " + compilerName + " did not finish within " +
                            Seconds(options_.limits.timeout) + " and was stopped.");
        case ProcessResult::End::kSignalled:
            return Fail(sourcePath, 0, 0,
                        "The Spin compiler " + compilerName + " stopped unexpectedly (signal " +
                            std::to_string(run.status) + ").");
        case ProcessResult::End::kExited:
            break;
    }

    if (run.status != 0) {
        const std::optional<CompilerDiagnostic> diagnostic = ParseCompilerOutput(run.output);
        if (!diagnostic) {
            const std::string first = FirstLine(run.output);
            return Fail(sourcePath, 0, 0,
                        "The Spin compiler " + compilerName + " failed (exit status " +
                            std::to_string(run.status) + ")" +
                            (first.empty() ? "." : ": " + first));
        }
        // Names in the working directory stand for the files beside the source.
        std::string reported = diagnostic->file;
        std::string name = BaseName(reported);
        const bool inWork = reported == name || DirName(reported) == work.Path();
        if (inWork && files.count(name) == 0 && files.count(name + ".spin") != 0) {
            name += ".spin";
        }
        std::string file = reported;
        std::optional<std::u16string> text;
        if (inWork && files.count(name) != 0) {
            file = name == sourceName ? sourcePath : sourceDir + "/" + name;
            text = DecodeSpinFile(files[name]);
        } else if (!reported.empty() && reported.front() == '/') {
            if (auto bytes = ReadBounded(reported, kMaxSpinFileBytes)) {
                text = DecodeSpinFile(*bytes);
            }
        }
        if (file.empty()) {
            file = sourcePath;
        }
        const TextSpan span = text ? LocateDiagnostic(*text, *diagnostic) : TextSpan{};
        return Fail(file, span.start, span.length, diagnostic->message);
    }

    std::optional<std::string> image = ReadBounded(imagePath, kMaxSpinFileBytes);
    if (!image || image->empty()) {
        return Fail(
            sourcePath, 0, 0,
            "The Spin compiler " + compilerName + " reported success but wrote no program image.");
    }
    if (image->size() > kPropellerRamBytes) {
        return Fail(sourcePath, 0, 0,
                    "The program image is larger than the Propeller's 32 KB of RAM.");
    }
    image_ = std::move(image);
    return nullptr;
}

std::string PropellentSession::TemporaryParent() const {
    std::string parent = options_.temporaryParent;
    if (parent.empty()) {
        std::error_code error;
        parent = std::filesystem::temp_directory_path(error).string();
        if (error || parent.empty()) {
            parent = "/tmp";
        }
    }
    return parent;
}

std::optional<std::string> PropellentSession::RunExternalLoader(const std::string& commandLine) {
    // The other loader reads the image from a file of a private directory of its own.
    const WorkDirectory work(TemporaryParent());
    const std::string imagePath = work.Path() + "/" + kImageName;
    if (work.Path().empty() || !WriteWhole(imagePath, *image_)) {
        return "Cannot write the program image for the external loader.";
    }
    propeller::ExternalLoad load;
    load.commandLine = commandLine;
    load.imagePath = imagePath;
    load.port =
        propeller::ResolvePort(serialPort_, propeller::ListSerialPorts(options_.deviceRoot)).path;
    load.eeprom = loadToEeprom_;
    const propeller::LoadResult result = propeller::RunExternalLoader(load);
    if (!result.ok()) {
        return result.message;
    }
    return std::nullopt;
}

const char* PropellentSession::DownloadToPropeller() {
    notes_.clear();
    if (!image_) {
        downloadReason_ = "Nothing has been compiled to load.";
        return downloadReason_.c_str();
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image_->data());
    const std::span<const std::uint8_t> image(bytes, image_->size());
    if (const propeller::BootImage checked = propeller::PrepareBootImage(image);
        checked.problem != propeller::ImageProblem::kNone) {
        downloadReason_ = checked.message;
        return downloadReason_.c_str();
    }
    const std::string loader =
        !loaderSetting_.empty()
            ? loaderSetting_
            : (options_.loaderVariable ? *options_.loaderVariable
                                       : EnvironmentValue(propeller::kExternalLoaderVariable));
    if (!loader.empty()) {
        const std::optional<std::string> failure = RunExternalLoader(loader);
        if (!failure) {
            return nullptr;
        }
        downloadReason_ = *failure;
        return downloadReason_.c_str();
    }

    const propeller::ResolvedPort port =
        propeller::ResolvePort(serialPort_, propeller::ListSerialPorts(options_.deviceRoot));
    if (port.path.empty()) {
        downloadReason_ = port.problem;
        return downloadReason_.c_str();
    }
    propeller::LoadOptions load;
    load.eeprom = loadToEeprom_;
    load.timings = options_.bootTimings;
    const propeller::LoadResult result =
        propeller::LoadPropeller(port.path, image, load, [this](std::string_view note) {
            notes_.append(note);
            notes_.push_back('\n');
        });
    if (result.ok()) {
        return nullptr;
    }
    downloadReason_ = result.message;
    return downloadReason_.c_str();
}

const char* PropellentSession::SerialPorts() {
    ports_.clear();
    for (const auto& port : propeller::ListSerialPorts(options_.deviceRoot)) {
        ports_ += port.path + "\n";
    }
    return ports_.c_str();
}

std::int64_t PropellentSession::ImageSize() const {
    return image_ ? static_cast<std::int64_t>(image_->size()) : -1;
}

bool PropellentSession::SaveImage(const char* path) const {
    if (!image_ || path == nullptr || *path == '\0') {
        return false;
    }
    // A new file beside the target, renamed over it once written whole.
    const std::string target = path;
    const std::string temporary = target + ".propellent-partial";
    if (!WriteWhole(temporary, *image_, 0666)) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

const char* PropellentSession::DescribeCompiler() {
    const CompilerSearch search = Search();
    if (!search.compiler) {
        description_ = search.problem;
        return description_.c_str();
    }
    const FoundCompiler& compiler = *search.compiler;
    ProcessLimits limits = options_.limits;
    limits.timeout = std::min(limits.timeout, std::chrono::milliseconds(10000));
    limits.maxOutput = 64 * 1024;
    const ProcessResult run =
        RunProcess(compiler.path, {compiler.kind == CompilerKind::kFlexSpin ? "--version" : "-h"},
                   "/", limits);
    std::string version;
    const std::size_t at = run.output.find("Version ");
    if (at != std::string::npos) {
        const std::size_t begin = at + 8;
        const std::size_t end = run.output.find_first_of(" \t\r\n", begin);
        version = run.output.substr(begin, std::min<std::size_t>(end, begin + 40) - begin);
    }
    description_ = BaseName(compiler.path) + (version.empty() ? "" : " " + version) + " " +
                   compiler.origin + " (" + compiler.path + ")";
    return description_.c_str();
}

}  // namespace lumora::propellent
