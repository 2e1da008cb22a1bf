#include "model/colors.h"

namespace lumora {

TextColorSet ReadTextColorSet(const ColorTable& colors, int set) {
    const std::uint32_t even = colors[static_cast<std::size_t>(2 * set)];
    return {ColorByte(even, 3), ColorByte(even, 2)};
}

void WriteTextColorSet(ColorTable& colors, int set, TextColorSet value) {
    const PropellerColor f = value.foreground;
    const PropellerColor b = value.background;
    // The even character is the font's low bit plane (pixel values 1 and 3), the odd one its
    // high plane (2 and 3).
    colors[static_cast<std::size_t>(2 * set)] = ColorLong(f, b, f, b);
    colors[static_cast<std::size_t>(2 * set + 1)] = ColorLong(f, f, b, b);
}

GraphicsColorSet ReadGraphicsColorSet(const ColorTable& colors, int set) {
    const std::uint32_t c = colors[static_cast<std::size_t>(kFirstGraphicsColorLong + set)];
    return {{ColorByte(c, 3), ColorByte(c, 2), ColorByte(c, 1), ColorByte(c, 0)}};
}

void WriteGraphicsColorSet(ColorTable& colors, int set, GraphicsColorSet value) {
    const auto& v = value.colors;
    colors[static_cast<std::size_t>(kFirstGraphicsColorLong + set)] =
        ColorLong(v[0], v[1], v[2], v[3]);
}

std::uint32_t ShadowColor(std::uint32_t colorLong) {
    const std::uint32_t lo = colorLong & 0x55555555u;
    const std::uint32_t hi = colorLong & 0xAAAAAAAAu;
    return ((lo << 1) & hi) | ((lo ^ 0x55555555u) & (hi >> 1));
}

}  // namespace lumora
