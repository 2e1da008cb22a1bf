#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "codegen/build_command.h"
#include "command.h"
#include "command_document.h"
#include "design_source.h"
#include "model/output_sink.h"
#include "model/text_encoding.h"
#include "stream_messages.h"
#include "stream_output.h"
#include "toolchain/app_build.h"
#include "toolchain/propellent_library.h"

namespace lumora::cli {

namespace {

constexpr const char* kBuildUsage =
    "usage: lumora-cli build FILE|--new [--compile-only] [--port DEV] [--eeprom] "
    "[--library DIR] [-o OUT.binary]";

struct BuildOptions {
    std::string source;
    bool compileOnly = false;
    bool eeprom = false;
    std::optional<std::string> port;
    std::optional<std::string> library;
    std::optional<std::string> imageOut;
};

// Progress lines go to stdout, the lines that report a failure to stderr.
class BuildOutput : public OutputSink {
  public:
    BuildOutput(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}
    void ClearOutput() override {}
    void AddOutputLine(std::u16string_view line) override {
        (IsFailureLine(line) ? err_ : out_) << ToUtf8(line) << '\n';
    }
    void ScrollOutputToEnd() override {}

  private:
    static bool IsFailureLine(std::u16string_view line) {
        for (std::u16string_view prefix :
             {u"Error in file: ", u"Error: ", u"Problem String: ",
              u"Download to Propeller RAM failed", u"Download to Propeller EEPROM failed",
              u"Could not save the program image"}) {
            if (line.substr(0, prefix.size()) == prefix) {
                return true;
            }
        }
        return false;
    }
    std::ostream& out_;
    std::ostream& err_;
};

bool TakeValue(std::span<const std::string> args, std::size_t& i,
               std::optional<std::string>& value) {
    if (value || i + 1 >= args.size() || args[i + 1].empty()) {
        return false;
    }
    value = args[++i];
    return true;
}

std::optional<BuildOptions> ParseOptions(std::span<const std::string> args) {
    BuildOptions options;
    bool haveSource = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        bool ok = true;
        if (arg == "-o") {
            ok = TakeValue(args, i, options.imageOut);
        } else if (arg == "--port") {
            ok = TakeValue(args, i, options.port);
        } else if (arg == "--library") {
            ok = TakeValue(args, i, options.library);
        } else if (arg == "--compile-only" && !options.compileOnly) {
            options.compileOnly = true;
        } else if (arg == "--eeprom" && !options.eeprom) {
            options.eeprom = true;
        } else if (!haveSource && (arg == "--new" || arg.rfind("-", 0) != 0)) {
            options.source = arg;
            haveSource = true;
        } else {
            ok = false;
        }
        if (!ok) {
            return std::nullopt;
        }
    }
    if (!haveSource) {
        return std::nullopt;
    }
    return options;
}

// A loader for when the program cannot tell where it is installed: loading fails as it would
// for a missing library.
class NoLibrary : public PropellentLoader {
  public:
    LoadedPropellent Load() override { return {PropellentLoadStatus::kLoadFailed, nullptr}; }
};

}  // namespace

int RunBuild(std::span<const std::string> args, CommandIo& io) {
    const std::optional<BuildOptions> options = ParseOptions(args);
    if (!options) {
        io.err << kBuildUsage << "\n";
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    if (!LoadDesign(options->source, doc)) {
        return kExitRefused;
    }
    StreamOutput generated(io.out);
    const std::optional<std::u16string> source = RunBuildCommand(doc, generated);
    if (!source) {
        return kExitRefused;
    }

    const AppBuild build(doc.appName, *source, doc.objects);
    BuildOutput output(io.out, io.err);
    StreamMessages messages(io.err);
    const std::optional<std::filesystem::path> libraryPath =
        InstalledPropellentPath(LUMORA_PROPELLENT_RELATIVE_DIR);
    NoLibrary noLibrary;
    std::optional<PropellentLibraryLoader> library;
    if (libraryPath) {
        library.emplace(*libraryPath);
    }
    PropellentLoader& loader = library ? static_cast<PropellentLoader&>(*library) : noLibrary;
    BuildSeams seams{output, messages, loader};

    ProgramOptions program;
    program.download = !options->compileOnly;
    program.settings.serialPort = options->port.value_or("");
    program.settings.loadToEeprom = options->eeprom;
    program.settings.libraryFolder = options->library.value_or("");
    if (options->imageOut) {
        program.imageOut = std::filesystem::absolute(*options->imageOut);
    }
    const ProgramResult result = build.ProgramPropellerRam(seams, program);
    if (result.imageSize) {
        io.out << "Program size: " << *result.imageSize << " bytes.\n";
    }
    if (result.outcome == ProgramOutcome::kDllFailedToLoad && libraryPath) {
        io.err << "lumora-cli: the propellent library was looked for at " << libraryPath->string()
               << "\n";
    }
    io.out.flush();
    return result.Succeeded() ? kExitOk : kExitRefused;
}

}  // namespace lumora::cli
