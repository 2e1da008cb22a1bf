#include <optional>
#include <ostream>
#include <string>

#include "codegen/build_command.h"
#include "command.h"
#include "command_document.h"
#include "design_source.h"
#include "model/document.h"
#include "model/document_file.h"
#include "model/text_encoding.h"
#include "stream_output.h"

namespace lumora::cli {

namespace {

constexpr const char* kGenerateUsage =
    "usage: lumora-cli generate FILE|--new [-o OUT.spin] [--utf8]";

struct GenerateOptions {
    std::string source;
    std::optional<std::string> outPath;
    bool utf8 = false;
};

std::optional<GenerateOptions> ParseOptions(std::span<const std::string> args) {
    GenerateOptions options;
    bool haveSource = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "-o") {
            if (options.outPath || i + 1 >= args.size() || args[i + 1].empty()) {
                return std::nullopt;
            }
            options.outPath = args[++i];
        } else if (arg == "--utf8") {
            if (options.utf8) {
                return std::nullopt;
            }
            options.utf8 = true;
        } else if (!haveSource && (arg == "--new" || arg.rfind("-", 0) != 0)) {
            options.source = arg;
            haveSource = true;
        } else {
            return std::nullopt;
        }
    }
    if (!haveSource) {
        return std::nullopt;
    }
    return options;
}

}  // namespace

int RunGenerate(std::span<const std::string> args, CommandIo& io) {
    const std::optional<GenerateOptions> options = ParseOptions(args);
    if (!options) {
        io.err << kGenerateUsage << "\n";
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    if (!LoadDesign(options->source, doc)) {
        return kExitRefused;
    }
    // The Output pane's line goes to stderr so that stdout carries nothing but the source.
    StreamOutput output(io.err);
    const std::optional<std::u16string> source = RunBuildCommand(doc, output);
    if (!source) {
        return kExitRefused;
    }
    if (!options->outPath) {
        io.out << ToUtf8(*source);
        io.out.flush();
        return io.out ? kExitOk : kExitRefused;
    }
    std::string bytes;
    if (options->utf8) {
        bytes = ToUtf8(*source);
    } else {
        AppendUtf16Le(*source, bytes);
    }
    // Replaced whole, so a failed write never leaves a truncated file behind.
    if (!ReplaceFileContents(*options->outPath, bytes)) {
        io.err << "lumora-cli: cannot write '" << *options->outPath << "'\n";
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace lumora::cli
