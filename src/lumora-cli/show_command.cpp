#include <ostream>

#include "command.h"
#include "design_source.h"
#include "model/document.h"
#include "model/document_summary.h"
#include "stream_messages.h"

namespace lumora::cli {

int RunShow(std::span<const std::string> args, CommandIo& io) {
    if (args.size() != 1) {
        io.err << "usage: lumora-cli show " << kDesignSourceUsage << "\n";
        return kExitUsage;
    }
    CLumoraDoc doc;
    StreamMessages messages(io.err);
    doc.AttachMessages(&messages);
    if (!LoadDesign(args[0], doc, io.err)) {
        return kExitRefused;
    }
    io.out << DescribeDocument(doc);
    return kExitOk;
}

}  // namespace lumora::cli
