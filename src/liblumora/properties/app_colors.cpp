#include "properties/app_colors.h"

#include "model/document.h"

namespace lumora {

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
