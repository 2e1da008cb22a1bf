#include "compiler_output.h"

#include <vector>

namespace lumora::propellent {

namespace {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin <= text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        begin = end + 1;
    }
    return lines;
}

// Control characters would garble the Output pane (and a NUL would end the C string early).
std::string Clean(std::string_view text, std::size_t limit) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    std::string clean(text.substr(0, limit));
    for (char& c : clean) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            c = ' ';
        }
    }
    return clean;
}

// A positive decimal number below a billion, or 0.
std::int32_t Number(std::string_view digits) {
    if (digits.empty() || digits.size() > 9) {
        return 0;
    }
    std::int32_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') {
            return 0;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool ParseOpenSpin(const std::vector<std::string_view>& lines, std::size_t at,
                   CompilerDiagnostic& diagnostic) {
    constexpr std::string_view kMarker = " : error : ";
    const std::string_view line = lines[at];
    const std::size_t marker = line.find(kMarker);
    if (marker == std::string_view::npos) {
        return false;
    }
    std::string_view where = line.substr(0, marker);
    diagnostic.message = Clean(line.substr(marker + kMarker.size()), kMaxDiagnosticText);
    const std::size_t open = where.rfind('(');
    const std::size_t colon = where.rfind(':');
    if (!where.empty() && where.back() == ')' && open != std::string_view::npos &&
        colon != std::string_view::npos && colon > open) {
        diagnostic.line = Number(where.substr(open + 1, colon - open - 1));
        diagnostic.column = Number(where.substr(colon + 1, where.size() - colon - 2));
        if (diagnostic.line > 0) {
            where = where.substr(0, open);
        }
    }
    diagnostic.file = Clean(where, kMaxDiagnosticFile);
    if (diagnostic.line == 0) {
        diagnostic.column = 0;
    }
    // "Line:", the source line (or "End Of File"), "Offending Item: ITEM".
    if (at + 3 < lines.size() && lines[at + 1] == "Line:") {
        constexpr std::string_view kItem = "Offending Item: ";
        if (lines[at + 2] == "End Of File") {
            diagnostic.atEndOfFile = true;
        }
        const std::string_view itemLine = lines[at + 3];
        if (itemLine.substr(0, kItem.size()) == kItem) {
            const std::string_view item = itemLine.substr(kItem.size());
            if (item != "N/A" && !item.empty()) {
                diagnostic.offendingItem = std::string(item.substr(0, kMaxDiagnosticText));
            }
        }
    }
    return true;
}

bool ParseFlexSpin(std::string_view line, CompilerDiagnostic& diagnostic) {
    constexpr std::string_view kMarker = ": error: ";
    constexpr std::string_view kBare = "error: ";
    if (line.substr(0, kBare.size()) == kBare) {
        diagnostic.message = Clean(line.substr(kBare.size()), kMaxDiagnosticText);
        return true;
    }
    const std::size_t marker = line.find(kMarker);
    if (marker == std::string_view::npos) {
        return false;
    }
    std::string_view where = line.substr(0, marker);
    diagnostic.message = Clean(line.substr(marker + kMarker.size()), kMaxDiagnosticText);
    const std::size_t colon = where.rfind(':');
    if (colon != std::string_view::npos) {
        diagnostic.line = Number(where.substr(colon + 1));
        if (diagnostic.line > 0) {
            where = where.substr(0, colon);
        }
    }
    diagnostic.file = Clean(where, kMaxDiagnosticFile);
    return true;
}

}  // namespace

std::optional<CompilerDiagnostic> ParseCompilerOutput(std::string_view output) {
    const std::vector<std::string_view> lines = SplitLines(output);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CompilerDiagnostic diagnostic;
        if (ParseOpenSpin(lines, i, diagnostic) || ParseFlexSpin(lines[i], diagnostic)) {
            return diagnostic;
        }
    }
    return std::nullopt;
}

}  // namespace lumora::propellent
