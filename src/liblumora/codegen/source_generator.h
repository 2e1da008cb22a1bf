#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

class CLumoraDoc;

inline constexpr std::u16string_view kMissingBitmapMessage = u"Bitmap does not exist:  ";

// The application's whole Spin source: header, runtime, the generated start-up and dispatch
// methods, the extra OBJ entries, the custom code, colours, form records and bitmaps, with tabs
// replaced (the tab notice goes to the document's messages). The start-up method needs the
// background bitmap's size, so when no bitmap has that name nothing is generated: the message
// names the missing bitmap and the result is empty.
std::optional<std::u16string> GenerateApplicationSource(const CLumoraDoc& doc);

}  // namespace lumora
