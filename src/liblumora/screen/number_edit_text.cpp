#include "screen/number_edit_text.h"

#include <algorithm>

namespace lumora {

std::string NumberEditText(std::int64_t value, std::int64_t digits) {
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string text;
    do {
        text.push_back(static_cast<char>('0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude != 0);
    const std::int64_t fieldWidth = (digits + 1) & 63;
    const std::int64_t padded = std::max<std::int64_t>(fieldWidth - 1, 0);
    while (static_cast<std::int64_t>(text.size()) < padded) {
        text.push_back('0');
    }
    std::reverse(text.begin(), text.end());
    return text;
}

}  // namespace lumora
