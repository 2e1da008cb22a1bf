#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lumora {

inline constexpr std::u16string_view kLineEnd = u"\r\n";

// Decimal with a minus sign when negative, no padding.
void AppendDecimal(std::u16string& out, std::int64_t value);

// Eight upper-case hexadecimal digits, zero-filled.
void AppendHex8(std::u16string& out, std::uint32_t value);

// The pieces followed by CR LF.
void AppendLine(std::u16string& out, std::u16string_view text);

}  // namespace lumora
