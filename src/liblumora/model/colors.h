#pragma once

#include <array>
#include <cstdint>

namespace lumora {

// The colour model shared by the renderer, the generator, the property rules and the colours
// dialog: the target's 64 colours, its colour longs and the colour sets built from them.

inline constexpr int kColorLongCount = 64;
inline constexpr int kShadowColorOffset = 16;

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
using ColorTable = std::array<std::uint32_t, kColorLongCount>;

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

// Each 2-bit field of the long lowered one step, 0 staying 0.
std::uint32_t ShadowColor(std::uint32_t colorLong);

}  // namespace lumora
