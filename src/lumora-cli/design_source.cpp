#include "design_source.h"

#include <ostream>

#include "model/document.h"
#include "model/new_application.h"

namespace lumora::cli {

bool LoadDesign(const std::string& source, CLumoraDoc& doc, std::ostream& err) {
    if (source == "--new") {
        return StartNewApplication(doc);
    }
    err << "lumora-cli: cannot open '" << source << "': reading application files is not supported yet\n";
    return false;
}

}  // namespace lumora::cli
