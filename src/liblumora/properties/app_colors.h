#pragma once

#include <array>
#include <cstdint>

namespace lumora {

class CLumoraDoc;

// A screen colour as the designer's windows show it.
struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// %RRGGBBxx as the Propeller's VGA driver reads it; the two low bits are ignored.
using PropellerColor = std::uint8_t;

inline constexpr int kPaletteSize = 64;
inline constexpr int kTextColorSetCount = 5;
inline constexpr int kGraphicsColorSetCount = 6;
inline constexpr int kFirstGraphicsColorLong = 10;

using Palette = std::array<RgbColor, kPaletteSize>;
using ColorTable = std::array<std::uint32_t, 64>;

// Entry i is the colour of palette index i = byte >> 2; red is the most significant level.
constexpr Palette BuildPalette() {
    Palette palette{};
    int i = 0;
    for (int r = 0; r < 4; ++r) {
        for (int g = 0; g < 4; ++g) {
            for (int b = 0; b < 4; ++b) {
                palette[i++] = {static_cast<std::uint8_t>(85 * r),
                                static_cast<std::uint8_t>(85 * g),
                                static_cast<std::uint8_t>(85 * b)};
            }
        }
    }
    return palette;
}

inline constexpr Palette kPropellerPalette = BuildPalette();

// 0..84 give 0, 85..169 give 1, 170..254 give 2, only 255 gives 3: rounds down between steps.
constexpr int ColorLevelFromChannel(std::uint8_t value) {
    return 3 * value / 255;
}

constexpr PropellerColor PropellerColorFromRgb(RgbColor color) {
    return static_cast<PropellerColor>(ColorLevelFromChannel(color.red) * 64 +
                                       ColorLevelFromChannel(color.green) * 16 +
                                       ColorLevelFromChannel(color.blue) * 4);
}

constexpr RgbColor RgbFromPropellerColor(PropellerColor color) {
    return kPropellerPalette[color >> 2];
}

// Byte n (0 = least significant) of a colour long.
constexpr PropellerColor ColorByte(std::uint32_t colorLong, int n) {
    return static_cast<PropellerColor>(colorLong >> (8 * n));
}

// A long from its bytes, most significant first.
constexpr std::uint32_t ColorLong(PropellerColor b3, PropellerColor b2, PropellerColor b1,
                                  PropellerColor b0) {
    return (std::uint32_t{b3} << 24) | (std::uint32_t{b2} << 16) | (std::uint32_t{b1} << 8) | b0;
}

struct TextColorSet {
    PropellerColor foreground = 0;
    PropellerColor background = 0;
    friend bool operator==(const TextColorSet&, const TextColorSet&) = default;
};

// Colours left to right as the colours dialog shows them: colour 1 is pixel value 3.
struct GraphicsColorSet {
    std::array<PropellerColor, 4> colors{};
    friend bool operator==(const GraphicsColorSet&, const GraphicsColorSet&) = default;
};

// Only long 2t is read: long 2t + 1 is always rebuilt from it.
TextColorSet ReadTextColorSet(const ColorTable& colors, int set);
void WriteTextColorSet(ColorTable& colors, int set, TextColorSet value);
GraphicsColorSet ReadGraphicsColorSet(const ColorTable& colors, int set);
void WriteGraphicsColorSet(ColorTable& colors, int set, GraphicsColorSet value);

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
