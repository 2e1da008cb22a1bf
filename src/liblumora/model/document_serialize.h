#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/archive_reader.h"

namespace lumora {

class CLumoraDoc;

// The bytes of the document's ".lmd" file, exactly as saving writes them.
std::string SerializeDocument(const CLumoraDoc& doc);

// Empties doc and loads the file's bytes into it. A file that does not follow the format, or
// that loads into a model the program cannot work with (no form, other than 64 colour longs
// or 10 type counters), is an error; the document is then left empty. On success the first
// form is current and reservedText and reserved3 are cleared. The template text, `ready`, the
// title and the modified flag are the caller's (opening a file sets them).
std::optional<FormatError> ReadDocument(std::span<const unsigned char> bytes, CLumoraDoc& doc);
std::optional<FormatError> ReadDocument(std::string_view bytes, CLumoraDoc& doc);

}  // namespace lumora
