#pragma once

#include <array>

#include "model/colors.h"

namespace lumora {

class CLumoraDoc;

// What the colours dialog's 34 colour buttons hold, in the order of their control identifiers.
struct AppColorsDialogValues {
    std::array<std::array<RgbColor, 2>, kTextColorSetCount> text{};  // foreground, background
    std::array<std::array<RgbColor, 4>, kGraphicsColorSetCount> graphics{};
    friend bool operator==(const AppColorsDialogValues&, const AppColorsDialogValues&) = default;
};

inline constexpr std::array<std::array<int, 2>, kTextColorSetCount> kTextColorButtonIds = {
    {{1005, 1006}, {1007, 1008}, {1009, 1010}, {1011, 1012}, {1013, 1014}}};
inline constexpr std::array<std::array<int, 4>, kGraphicsColorSetCount> kGraphicsColorButtonIds = {
    {{1015, 1016, 1017, 1018},
     {1023, 1024, 1025, 1026},
     {1027, 1028, 1029, 1030},
     {1035, 1036, 1037, 1038},
     {1047, 1048, 1049, 1050},
     {1051, 1052, 1053, 1054}}};

// Opening the dialog: the buttons' colours from the document's colour longs.
AppColorsDialogValues ReadAppColorsDialog(const CLumoraDoc& doc);

// OK: all sixteen application longs at once, then their darkened copies. The modified flag is
// left to the caller.
void WriteAppColorsDialog(CLumoraDoc& doc, const AppColorsDialogValues& values);

}  // namespace lumora
