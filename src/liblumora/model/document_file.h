#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lumora {

class CLumoraDoc;

inline constexpr std::u16string_view kUnexpectedFileFormatMessage = u"Unexpected file format.";
inline constexpr std::u16string_view kFailedToOpenMessage = u"Failed to open document.";
inline constexpr std::u16string_view kFailedToSaveMessage = u"Failed to save document.";

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Writes the bytes to a new file beside the target and renames it over the target, so the
// previous file is either kept whole or replaced whole. False when anything fails; the
// temporary file is then removed.
bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes);

// Loads a file's bytes the way opening does: `ready` cleared while loading, the program's own
// template text, the first form current, `ready` set and the document unmodified. On a format
// error shows "Unexpected file format." and leaves a new application ("Untitled"); a damaged
// value-limits trailer is reported once and leaves those fields 0. The title is left as it is.
bool LoadDocumentBytes(CLumoraDoc& doc, std::span<const unsigned char> bytes);

}  // namespace lumora
