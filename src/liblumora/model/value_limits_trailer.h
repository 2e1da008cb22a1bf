#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace lumora {

class CLumoraDoc;

// The original file format has no room for the Number Edit limits and the Option Button group,
// so they follow the document in a trailer of their own:
//   "LMDX", uint32 version (1), uint32 N (components in file order),
//   N x { int32 maxValue, int32 minValue, int32 group }, uint32 CRC-32 of all bytes before it.
// A reader that stops at the document's end still opens the file unchanged.

inline constexpr std::u16string_view kValueLimitsResetMessage =
    u"The value limits and option groups stored in this file could not be read; they were reset.";

enum class ValueLimitsTrailer {
    Absent,   // nothing after the document, or bytes that are not a trailer
    Read,     // a valid trailer; its values are in the components
    Damaged,  // a trailer that does not fit the document or fails its check; values left at 0
};

void AppendValueLimitsTrailer(const CLumoraDoc& doc, std::string& out);
// The bytes AppendValueLimitsTrailer adds.
std::size_t ValueLimitsTrailerBytes(const CLumoraDoc& doc);

// Reads the bytes after the document. Nothing in doc changes unless the whole trailer is valid.
ValueLimitsTrailer ReadValueLimitsTrailer(std::span<const unsigned char> rest, CLumoraDoc& doc);

}  // namespace lumora
