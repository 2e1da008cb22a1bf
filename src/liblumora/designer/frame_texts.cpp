#include "designer/frame_texts.h"

#include "model/text_encoding.h"

namespace lumora {

std::u16string SaveChangesPrompt(std::u16string_view documentName) {
    return u"Save changes to " + std::u16string(documentName) + u"?";
}

std::u16string FrameTitle(std::u16string_view documentTitle) {
    return std::u16string(documentTitle) + u" - Lumora";
}

std::u16string RecentFileMenuText(int index, const std::filesystem::path& path) {
    const int number = index + 1;
    std::u16string text;
    if (number < 10) {
        // Appended, not concatenated: GCC 12 raises a false -Wrestrict alarm on u"&" + string.
        text = u"&";
        text += FromUtf8(std::to_string(number));
    } else {
        // Only the last digit can carry the mnemonic.
        const std::u16string digits = FromUtf8(std::to_string(number));
        text = digits.substr(0, digits.size() - 1) + u"&" + digits.substr(digits.size() - 1);
    }
    text += u' ';
    for (char16_t c : FromUtf8(path.filename().string())) {
        if (c == u'&') {
            text += u'&';
        }
        text += c;
    }
    return text;
}

}  // namespace lumora
