#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumora {

inline constexpr char16_t kByteOrderMark = u'\uFEFF';

// size / 2 code units of little-endian UTF-16; an odd trailing byte is dropped.
std::u16string DecodeUtf16Le(std::span<const unsigned char> bytes);
// Appends the text as UTF-16LE code units, without a byte-order mark.
void AppendUtf16Le(std::u16string_view text, std::string& out);
// Writes the text's 2 x size() bytes of UTF-16LE code units to out.
void EncodeUtf16Le(std::u16string_view text, char* out);

// UTF-8 for terminals and files; unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Invalid UTF-8 sequences become U+FFFD.
std::u16string FromUtf8(std::string_view text);

// Windows-1252, as the single-byte strings of old files are read.
std::u16string DecodeWindows1252(std::span<const unsigned char> bytes);

// Decimal text of a signed value, no padding.
std::u16string DecimalText(std::int64_t value);

}  // namespace lumora
