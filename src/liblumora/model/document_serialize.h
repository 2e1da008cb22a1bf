#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/archive_reader.h"
#include "model/value_limits_trailer.h"

namespace lumora {

class CLumoraDoc;

// The bytes of the document's ".lmd" file, exactly as saving writes them: the document's
// records, then the value-limits trailer.
std::string SerializeDocument(const CLumoraDoc& doc);
// The document's records alone, byte for byte what the original format holds.
std::string SerializeDocumentRecords(const CLumoraDoc& doc);

// Empties doc and loads the file's bytes into it. A file that does not follow the format, or
// that loads into a model the program cannot work with (no form, other than 64 colour longs
// or 10 type counters), is an error; the document is then left empty. On success the first
// form is current and reservedText and reserved3 are cleared. The template text, `ready`, the
// title and the modified flag are the caller's (opening a file sets them). What followed the
// document goes to *trailer when given (Absent after an error).
std::optional<FormatError> ReadDocument(std::span<const unsigned char> bytes, CLumoraDoc& doc,
                                        ValueLimitsTrailer* trailer = nullptr);
std::optional<FormatError> ReadDocument(std::string_view bytes, CLumoraDoc& doc,
                                        ValueLimitsTrailer* trailer = nullptr);

}  // namespace lumora
