#include "source_position.h"

#include <algorithm>
#include <limits>

namespace lumora::propellent {

namespace {

constexpr std::int64_t kTabWidth = 8;

std::int64_t Width(char16_t c) {
    return c == u'\t' ? kTabWidth : 1;
}

std::int32_t Clamp(std::int64_t value) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t Counted(std::u16string_view text) {
    std::int64_t total = 0;
    for (char16_t c : text) {
        total += Width(c);
    }
    return total;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

TextSpan SpanInLine(std::u16string_view line, std::int64_t offset,
                    const CompilerDiagnostic& diagnostic) {
    if (diagnostic.column <= 0) {
        std::size_t first = 0;
        std::size_t last = line.size();
        while (first < last && IsBlank(line[first])) {
            ++first;
        }
        while (last > first && IsBlank(line[last - 1])) {
            --last;
        }
        return {Clamp(offset + Counted(line.substr(0, first))),
                Clamp(Counted(line.substr(first, last - first)))};
    }
    // The compiler's column moves a tab to the next multiple of eight.
    std::int64_t column = 0;
    std::size_t at = 0;
    while (at < line.size() && column < diagnostic.column - 1) {
        if (line[at] == u'\t') {
            column |= 7;
        }
        ++column;
        ++at;
    }
    std::int64_t length = 0;
    if (diagnostic.offendingItem) {
        // The item as the compiler printed it, one byte per character.
        std::u16string item;
        for (char c : *diagnostic.offendingItem) {
            item.push_back(static_cast<unsigned char>(c));
        }
        if (line.substr(at, item.size()) != item) {
            const std::size_t found = line.find(item);
            if (found != std::u16string_view::npos) {
                at = found;
            }
        }
        length = Counted(line.substr(at, item.size()));
    }
    return {Clamp(offset + Counted(line.substr(0, at))), Clamp(length)};
}

}  // namespace

TextSpan LocateDiagnostic(std::u16string_view text, const CompilerDiagnostic& diagnostic) {
    if (diagnostic.atEndOfFile) {
        std::int64_t total = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            total += Width(text[i]);
        }
        return {Clamp(total), 0};
    }
    if (diagnostic.line <= 0) {
        return {0, 0};
    }
    std::int64_t offset = 0;
    std::size_t begin = 0;
    for (std::int32_t number = 1;; ++number) {
        std::size_t end = begin;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') {
            ++end;
        }
        const std::u16string_view line = text.substr(begin, end - begin);
        if (number == diagnostic.line) {
            return SpanInLine(line, offset, diagnostic);
        }
        offset += Counted(line);
        if (end == text.size()) {
            return {Clamp(offset), 0};
        }
        offset += 1;
        begin =
            end + (text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1);
    }
}

}  // namespace lumora::propellent
