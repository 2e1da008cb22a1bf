#include "properties/integer_text.h"

#include <cstddef>
#include <cstdint>

namespace lumora {

namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

std::size_t SkipBlanks(std::u16string_view text, std::size_t pos) {
    while (pos < text.size() && IsBlank(text[pos])) {
        ++pos;
    }
    return pos;
}

struct Scan {
    std::int32_t value = 0;
    std::size_t end = 0;  // first character after the number
    bool digits = false;
};

// Reads [sign] digits from pos, saturating at the 32-bit limits.
Scan ScanSignedDigits(std::u16string_view text, std::size_t pos) {
    Scan scan;
    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT32_MAX) + 1;
    std::int64_t magnitude = 0;
    while (pos < text.size() && IsDigit(text[pos])) {
        scan.digits = true;
        if (magnitude < kLimit) {
            magnitude = magnitude * 10 + (text[pos] - u'0');
        }
        ++pos;
    }
    if (magnitude > kLimit) {
        magnitude = kLimit;
    }
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX) {
        value = INT32_MAX;
    }
    scan.value = static_cast<std::int32_t>(value);
    scan.end = pos;
    return scan;
}

}  // namespace

std::int32_t ReadGridInteger(std::u16string_view text) {
    const Scan scan = ScanSignedDigits(text, SkipBlanks(text, 0));
    return scan.digits ? scan.value : 0;
}

bool StartsWithInteger(std::u16string_view text) {
    return ScanSignedDigits(text, SkipBlanks(text, 0)).digits;
}

std::optional<std::int32_t> ReadWholeNumber(std::u16string_view text) {
    const Scan scan = ScanSignedDigits(text, SkipBlanks(text, 0));
    if (!scan.digits || SkipBlanks(text, scan.end) != text.size()) {
        return std::nullopt;
    }
    return scan.value;
}

}  // namespace lumora
