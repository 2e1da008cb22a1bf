// Feeds arbitrary compiler output to the propellent library's parser and places what it finds
// in a fixed text; stops when a place falls outside the text or a text exceeds its bound.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "compiler_output.h"
#include "source_position.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumora::propellent;
    const std::string_view output(reinterpret_cast<const char*>(data), size);
    const auto diagnostic = ParseCompilerOutput(output);
    if (!diagnostic) {
        return 0;
    }
    if (diagnostic->message.size() > kMaxDiagnosticText ||
        diagnostic->file.size() > kMaxDiagnosticFile || diagnostic->line < 0 ||
        diagnostic->column < 0) {
        std::abort();
    }
    static const std::u16string_view text = u"PUB a\r\n\tb := c(1)\rd\n\n  e\t f";
    const TextSpan span = LocateDiagnostic(text, *diagnostic);
    if (span.start < 0 || span.length < 0 || span.start + span.length > 8 * 64) {
        std::abort();
    }
    return 0;
}
