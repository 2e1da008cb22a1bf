#include <filesystem>
#include <optional>
#include <ostream>
#include <span>

#include "command.h"
#include "command_document.h"
#include "model/document.h"
#include "model/document_file.h"

namespace lumora::cli {

// Loads FILE as opening does and writes it again, keeping the application name the file
// holds (opening would rename it after the file), so a file this program wrote comes back
// byte for byte.
int RunResave(std::span<const std::string> args, CommandIo& io) {
    if (args.size() != 3 || args[1] != "-o") {
        io.err << "usage: lumora-cli resave FILE -o OUT\n";
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    const std::optional<std::string> bytes = ReadFileBytes(std::filesystem::path(args[0]));
    if (!bytes) {
        doc.ShowMessage(kFailedToOpenMessage);
        return kExitRefused;
    }
    const auto* data = reinterpret_cast<const unsigned char*>(bytes->data());
    if (!LoadDocumentBytes(doc, std::span(data, bytes->size())) ||
        !doc.OnSaveDocument(std::filesystem::path(args[2]))) {
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace lumora::cli
