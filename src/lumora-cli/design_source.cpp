#include "design_source.h"

#include <filesystem>

#include "model/document.h"
#include "model/new_application.h"

namespace lumora::cli {

bool LoadDesign(const std::string& source, CLumoraDoc& doc) {
    if (source == "--new") {
        return StartNewApplication(doc);
    }
    return doc.OnOpenDocument(std::filesystem::path(source));
}

}  // namespace lumora::cli
