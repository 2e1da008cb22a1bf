#include "codegen/build_command.h"

#include "codegen/source_generator.h"
#include "model/document.h"
#include "model/output_sink.h"

namespace lumora {

std::optional<std::u16string> RunBuildCommand(const CLumoraDoc& doc, OutputSink& output) {
    std::optional<std::u16string> source = GenerateApplicationSource(doc);
    if (!source) {
        return std::nullopt;
    }
    output.ClearOutput();
    output.AddOutputLine(doc.appName + u".spin successfully created.");
    return source;
}

}  // namespace lumora
