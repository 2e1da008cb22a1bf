#include "model/document_file.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <system_error>

#include "model/document.h"
#include "model/document_serialize.h"
#include "model/new_application.h"
#include "model/resource_texts.h"
#include "model/text_encoding.h"

namespace lumora {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::u16string TitleFor(const std::filesystem::path& path) {
    return FromUtf8(path.filename().string());
}

// Creates a file that did not exist before ("x" mode), so no other file is ever truncated.
FileHandle CreateFreshFile(const std::filesystem::path& target, std::filesystem::path& created) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::filesystem::path candidate = target;
        candidate += ".tmp" + std::to_string(attempt);
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx")) {
            created = candidate;
            return FileHandle(file);
        }
    }
    return nullptr;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // Read in chunks: the size of a pipe or a device is not known in advance.
    std::string bytes;
    char chunk[64 * 1024];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

bool ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
    std::filesystem::path temporary;
    FileHandle file = CreateFreshFile(path, temporary);
    if (!file) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() &&
                         std::fflush(file.get()) == 0;
    const bool closed = std::fclose(file.release()) == 0;
    std::error_code ec;
    if (written && closed) {
        std::filesystem::rename(temporary, path, ec);
        if (!ec) {
            return true;
        }
    }
    std::filesystem::remove(temporary, ec);
    return false;
}

bool LoadDocumentBytes(CLumoraDoc& doc, std::span<const unsigned char> bytes) {
    doc.ready = false;
    ValueLimitsTrailer trailer = ValueLimitsTrailer::Absent;
    if (ReadDocument(bytes, doc, &trailer)) {
        doc.ShowMessage(kUnexpectedFileFormatMessage);
        // What the single-document shell does after a failed open: a fresh application.
        StartNewApplication(doc);
        return false;
    }
    // A loaded application always runs on this program's runtime.
    doc.templateText = RuntimeTemplateText();
    doc.ready = true;
    doc.SetModifiedFlag(false);
    if (trailer == ValueLimitsTrailer::Damaged) {
        doc.ShowMessage(kValueLimitsResetMessage);
    }
    return true;
}

bool CLumoraDoc::OnOpenDocument(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes) {
        // Nothing was read, so the open document is still whole.
        ShowMessage(kFailedToOpenMessage);
        return false;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes->data());
    if (!LoadDocumentBytes(*this, std::span(data, bytes->size()))) {
        return false;
    }
    SetTitle(TitleFor(path));
    return true;
}

bool CLumoraDoc::OnSaveDocument(const std::filesystem::path& path) {
    if (!ReplaceFileContents(path, SerializeDocument(*this))) {
        ShowMessage(kFailedToSaveMessage);
        return false;
    }
    SetModifiedFlag(false);
    // The file holds the name the application had while it was written; the new title
    // applies from now on.
    SetTitle(TitleFor(path));
    return true;
}

}  // namespace lumora
