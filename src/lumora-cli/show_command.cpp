#include <ostream>

#include "command.h"
#include "command_document.h"
#include "design_source.h"
#include "model/document.h"
#include "model/document_summary.h"

namespace lumora::cli {

int RunShow(std::span<const std::string> args, CommandIo& io) {
    if (args.size() != 1) {
        io.err << "usage: lumora-cli show " << kDesignSourceUsage << "\n";
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    if (!LoadDesign(args[0], doc)) {
        return kExitRefused;
    }
    io.out << DescribeDocument(doc);
    return kExitOk;
}

}  // namespace lumora::cli
