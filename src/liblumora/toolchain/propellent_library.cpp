#include "toolchain/propellent_library.h"

#include <dlfcn.h>

#include <system_error>

#include "toolchain/propellent_abi.h"

namespace lumora {

namespace {

// Releases the handle exactly once, whichever way the loaded object ends.
class LibraryHandle {
  public:
    explicit LibraryHandle(void* handle) : handle_(handle) {}
    ~LibraryHandle() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    LibraryHandle(const LibraryHandle&) = delete;
    LibraryHandle& operator=(const LibraryHandle&) = delete;

    template <typename Fn>
    Fn Find(const char* name) const {
        return reinterpret_cast<Fn>(dlsym(handle_, name));
    }

  private:
    void* handle_;
};

std::string Copy(const char* text) {
    return text == nullptr ? std::string() : std::string(text);
}

std::vector<std::string> Lines(const char* text) {
    std::vector<std::string> lines;
    std::string line;
    for (const char* c = text; c != nullptr && *c != '\0'; ++c) {
        if (*c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
        } else {
            line.push_back(*c);
        }
    }
    if (!line.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

class LoadedLibrary : public PropellentApi {
  public:
    explicit LoadedLibrary(void* handle) : handle_(handle) {}

    bool FindEntryPoints() {
        init_ = handle_.Find<InitPropellentFn>("InitPropellent");
        compile_ = handle_.Find<CompileSourceFn>("CompileSource");
        download_ = handle_.Find<DownloadToPropellerFn>("DownloadToPropeller");
        finalize_ = handle_.Find<FinalizePropellentFn>("FinalizePropellent");
        setCompiler_ = handle_.Find<SetCompilerPathFn>("SetCompilerPath");
        setLibrary_ = handle_.Find<SetLibraryPathFn>("SetLibraryPath");
        setPort_ = handle_.Find<SetSerialPortFn>("SetSerialPort");
        imageSize_ = handle_.Find<GetImageSizeFn>("GetImageSize");
        saveImage_ = handle_.Find<SaveImageFn>("SaveImage");
        setEeprom_ = handle_.Find<SetLoadToEepromFn>("SetLoadToEeprom");
        setLoader_ = handle_.Find<SetExternalLoaderFn>("SetExternalLoader");
        notes_ = handle_.Find<GetDownloadNotesFn>("GetDownloadNotes");
        ports_ = handle_.Find<GetSerialPortsFn>("GetSerialPorts");
        return init_ != nullptr && compile_ != nullptr && download_ != nullptr &&
               finalize_ != nullptr;
    }

    void InitPropellent(void* window) override { init_(window, 0, 0); }

    void ApplySettings(const ToolchainSettings& settings) override {
        if (setCompiler_ != nullptr) {
            setCompiler_(settings.compilerPath.c_str());
        }
        if (setLibrary_ != nullptr) {
            setLibrary_(settings.libraryFolder.c_str());
        }
        if (setPort_ != nullptr) {
            setPort_(settings.serialPort.c_str());
        }
        if (setEeprom_ != nullptr) {
            setEeprom_(settings.loadToEeprom ? 1 : 0);
        }
        if (setLoader_ != nullptr) {
            setLoader_(settings.externalLoader.c_str());
        }
    }

    std::optional<CompileError> CompileSource(const std::string& sourcePath) override {
        const PropellentError* record = compile_(sourcePath.c_str(), 1);
        if (record == nullptr) {
            return std::nullopt;
        }
        return CompileError{Copy(record->file), record->start, record->length,
                            Copy(record->message)};
    }

    std::optional<std::string> DownloadToPropeller() override {
        const char* reason = download_(nullptr, 1);
        if (reason == nullptr) {
            return std::nullopt;
        }
        return std::string(reason);
    }

    std::vector<std::string> DownloadNotes() override {
        return notes_ == nullptr ? std::vector<std::string>() : Lines(notes_());
    }

    std::vector<std::string> SerialPorts() override {
        return ports_ == nullptr ? std::vector<std::string>() : Lines(ports_());
    }

    std::optional<std::int64_t> ImageSize() override {
        if (imageSize_ == nullptr) {
            return std::nullopt;
        }
        const std::int64_t size = imageSize_();
        if (size < 0) {
            return std::nullopt;
        }
        return size;
    }

    bool SaveImage(const std::filesystem::path& path) override {
        return saveImage_ != nullptr && saveImage_(path.c_str()) == 1;
    }

    void FinalizePropellent() override { finalize_(); }

  private:
    LibraryHandle handle_;
    InitPropellentFn init_ = nullptr;
    CompileSourceFn compile_ = nullptr;
    DownloadToPropellerFn download_ = nullptr;
    FinalizePropellentFn finalize_ = nullptr;
    SetCompilerPathFn setCompiler_ = nullptr;
    SetLibraryPathFn setLibrary_ = nullptr;
    SetSerialPortFn setPort_ = nullptr;
    GetImageSizeFn imageSize_ = nullptr;
    SaveImageFn saveImage_ = nullptr;
    SetLoadToEepromFn setEeprom_ = nullptr;
    SetExternalLoaderFn setLoader_ = nullptr;
    GetDownloadNotesFn notes_ = nullptr;
    GetSerialPortsFn ports_ = nullptr;
};

}  // namespace

LoadedPropellent PropellentLibraryLoader::Load() {
    // RTLD_LOCAL keeps the library's symbols out of the program's own namespace.
    void* handle = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        return {PropellentLoadStatus::kLoadFailed, nullptr};
    }
    auto library = std::make_unique<LoadedLibrary>(handle);
    if (!library->FindEntryPoints()) {
        return {PropellentLoadStatus::kEntryPointMissing, nullptr};
    }
    return {PropellentLoadStatus::kLoaded, std::move(library)};
}

std::optional<std::filesystem::path> InstalledPropellentPath(const std::string& relativeDir) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || self.empty()) {
        return std::nullopt;
    }
    return (self.parent_path() / relativeDir / kPropellentFileName).lexically_normal();
}

}  // namespace lumora
