#include "properties/app_colors.h"

#include "model/document.h"

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

AppColorsDialogValues ReadAppColorsDialog(const CLumoraDoc& doc) {
    AppColorsDialogValues values;
    for (int t = 0; t < kTextColorSetCount; ++t) {
        const TextColorSet set = ReadTextColorSet(doc.appColors, t);
        values.text[t] = {RgbFromPropellerColor(set.foreground),
                          RgbFromPropellerColor(set.background)};
    }
    for (int g = 0; g < kGraphicsColorSetCount; ++g) {
        const GraphicsColorSet set = ReadGraphicsColorSet(doc.appColors, g);
        for (int i = 0; i < 4; ++i) {
            values.graphics[g][i] = RgbFromPropellerColor(set.colors[i]);
        }
    }
    return values;
}

void WriteAppColorsDialog(CLumoraDoc& doc, const AppColorsDialogValues& values) {
    for (int t = 0; t < kTextColorSetCount; ++t) {
        WriteTextColorSet(
            doc.appColors, t,
            {PropellerColorFromRgb(values.text[t][0]), PropellerColorFromRgb(values.text[t][1])});
    }
    for (int g = 0; g < kGraphicsColorSetCount; ++g) {
        GraphicsColorSet set;
        for (int i = 0; i < 4; ++i) {
            set.colors[i] = PropellerColorFromRgb(values.graphics[g][i]);
        }
        WriteGraphicsColorSet(doc.appColors, g, set);
    }
    doc.DeriveShadowColors();
}

}  // namespace lumora
