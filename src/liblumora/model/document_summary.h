#pragma once

#include <string>

namespace lumora {

class CLumoraDoc;

// A readable UTF-8 account of the whole application: settings, forms and their components,
// bitmaps, objects, counters and the selection. Stable enough for scripts to grep.
std::string DescribeDocument(const CLumoraDoc& doc);

}  // namespace lumora
