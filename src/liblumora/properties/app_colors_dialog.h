#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "properties/app_colors.h"
#include "properties/refresh.h"

namespace lumora {

class CLumoraDoc;

inline constexpr int kColorButtonCount = 2 * kTextColorSetCount + 4 * kGraphicsColorSetCount;

// One colour button of the "View/Edit App Colors" dialog: which set and which position in it.
struct ColorButtonSlot {
    int controlId = 0;
    bool textSet = false;  // a text set's foreground (0) or background (1); else a graphics set
    int set = 0;
    int position = 0;  // left to right
};

// The 34 buttons, text sets first, each set's buttons left to right.
const std::array<ColorButtonSlot, kColorButtonCount>& ColorButtonSlots();

// The row texts: "Text Color #0" ... "Graphics Color #5", and each set's meaning.
std::u16string_view TextColorSetLabel(int set);
std::u16string_view TextColorSetMeaning(int set);
std::u16string_view GraphicsColorSetLabel(int set);
std::u16string_view GraphicsColorSetMeaning(int set);

// Every button's colour as a palette index (0..63), in the order of ColorButtonSlots().
using ColorButtonChoices = std::array<int, kColorButtonCount>;

// The buttons as the dialog opens on the document's colour longs.
ColorButtonChoices OpenAppColors(const CLumoraDoc& doc);

// OK. A set whose buttons still show what they opened with keeps its longs exactly, low bits
// included, so an OK without changes changes nothing; a changed text set is rebuilt as both of
// its longs, a changed graphics colour replaces its own byte. After a change the shadow copies
// are derived again and the document is marked modified (otherwise closing would drop the new
// colours without asking to save them). Returns what the view must refresh.
Refresh ApplyAppColors(CLumoraDoc& doc, const ColorButtonChoices& opened,
                       const ColorButtonChoices& chosen);

}  // namespace lumora
