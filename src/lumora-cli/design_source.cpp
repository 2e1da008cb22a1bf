#include "design_source.h"

#include <filesystem>
#include <ostream>

#include "model/document.h"
#include "model/new_application.h"
#include "stream_messages.h"

namespace lumora::cli {

bool LoadDesign(const std::string& source, CLumoraDoc& doc, std::ostream& err) {
    if (source == "--new") {
        return StartNewApplication(doc);
    }
    // Opening reports its failures as messages; without a sink of the caller's they go to err.
    StreamMessages fallback(err);
    const bool attached = doc.Messages() == nullptr;
    if (attached) {
        doc.AttachMessages(&fallback);
    }
    const bool opened = doc.OnOpenDocument(std::filesystem::path(source));
    if (attached) {
        doc.AttachMessages(nullptr);
    }
    return opened;
}

}  // namespace lumora::cli
