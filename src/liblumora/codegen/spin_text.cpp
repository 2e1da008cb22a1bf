#include "codegen/spin_text.h"

#include <array>

namespace lumora {

void AppendDecimal(std::u16string& out, std::int64_t value) {
    std::array<char16_t, 24> digits{};
    std::size_t n = 0;
    // Unsigned so the most negative value has a magnitude too.
    std::uint64_t magnitude =
        value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    do {
        digits[n++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) {
        out.push_back(u'-');
    }
    while (n > 0) {
        out.push_back(digits[--n]);
    }
}

void AppendHex8(std::u16string& out, std::uint32_t value) {
    static constexpr std::u16string_view kDigits = u"0123456789ABCDEF";
    for (int shift = 28; shift >= 0; shift -= 4) {
        out.push_back(kDigits[(value >> shift) & 0xFu]);
    }
}

void AppendLine(std::u16string& out, std::u16string_view text) {
    out += text;
    out += kLineEnd;
}

}  // namespace lumora
