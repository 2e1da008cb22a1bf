#pragma once

#include <optional>
#include <string>

namespace lumora {

class CLumoraDoc;
class OutputSink;

inline constexpr int kBuildCommandId = 32784;

// The document's half of the Build command: generates the source, clears the Output pane and
// reports the file name there. The caller opens the Build Application dialog with the text it
// returns. When generation is refused (see GenerateApplicationSource) the pane is left as it
// was and the result is empty.
std::optional<std::u16string> RunBuildCommand(const CLumoraDoc& doc, OutputSink& output);

}  // namespace lumora
