#include "codegen/tab_replacement.h"

#include <algorithm>
#include <cstddef>

#include "model/user_messages.h"

namespace lumora {

namespace {

bool IsLineBreak(char16_t c) {
    return c == u'\r' || c == u'\n';
}

}  // namespace

bool ReplaceTabs(std::u16string& text, UserMessages* messages) {
    const std::size_t firstTab = text.find(u'\t');
    if (firstTab == std::u16string::npos) {
        return false;
    }
    if (messages != nullptr) {
        messages->ShowMessage(kTabsReplacedMessage);
    }

    std::size_t lineStart = firstTab;
    while (lineStart > 0 && !IsLineBreak(text[lineStart - 1])) {
        --lineStart;
    }
    std::size_t column = firstTab - lineStart;

    std::u16string expanded;
    const auto tabs =
        static_cast<std::size_t>(std::count(text.begin() + firstTab, text.end(), u'\t'));
    expanded.reserve(text.size() + tabs * (kTabStopWidth - 1));
    expanded.append(text, 0, firstTab);
    for (std::size_t i = firstTab; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\t') {
            const std::size_t spaces = kTabStopWidth - column % kTabStopWidth;
            expanded.append(spaces, u' ');
            column += spaces;
        } else {
            expanded.push_back(c);
            column = IsLineBreak(c) ? 0 : column + 1;
        }
    }
    text = std::move(expanded);
    return true;
}

}  // namespace lumora
