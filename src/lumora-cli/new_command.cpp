#include <filesystem>
#include <ostream>

#include "command.h"
#include "command_document.h"
#include "model/document.h"
#include "model/new_application.h"

namespace lumora::cli {

// The designer's New followed by Save As: the file holds the name the application had while
// it was written ("Untitled").
int RunNew(std::span<const std::string> args, CommandIo& io) {
    if (args.size() != 2 || args[0] != "-o") {
        io.err << "usage: lumora-cli new -o FILE\n";
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    if (!StartNewApplication(doc) || !doc.OnSaveDocument(std::filesystem::path(args[1]))) {
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace lumora::cli
