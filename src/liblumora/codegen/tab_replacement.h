#pragma once

#include <string>
#include <string_view>

namespace lumora {

class UserMessages;

inline constexpr std::u16string_view kTabsReplacedMessage =
    u"Tab characters detected in code.  Tabs will be replaced by uniform 5 space tabstops.";
inline constexpr int kTabStopWidth = 5;

// Expands every tab to spaces up to the next multiple of five columns, columns counted from the
// last CR or LF after earlier tabs of the line have been expanded. When the text holds a tab,
// the notice is shown once first (messages may be null). One pass over the text. Returns whether
// any tab was replaced.
bool ReplaceTabs(std::u16string& text, UserMessages* messages);

}  // namespace lumora
