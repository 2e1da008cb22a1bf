#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace lumora {

inline constexpr int kFontPairs = 128;
inline constexpr int kFontRows = 32;
inline constexpr int kFontLongs = kFontPairs * kFontRows;
inline constexpr std::size_t kFontBytes = 4 * kFontLongs;         // the font region, $8000..$BFFF
inline constexpr std::size_t kHubRomImageBytes = 2 * kFontBytes;  // the hub ROM, $8000..$FFFF

// A character font in the Propeller ROM font's layout: per character pair 32 rows of one long,
// pixel column i in bits 2i (the even character) and 2i + 1 (the odd one).
struct RomFont {
    std::array<std::uint32_t, kFontLongs> longs{};

    // The 2-bit pixel value at column x (0..15) and row y (0..31) of a pair's cell.
    std::uint32_t Pixel(int pair, int x, int y) const {
        return (longs[static_cast<std::size_t>(pair * kFontRows + y)] >> (2 * x)) & 3u;
    }
};

// Lumora's own character set, built from the glyph art under resources/glyphs.
RomFont BuiltInFont();

// The genuine font from the user's data: the 16 KB font region, or a 32 KB image of the hub
// ROM whose first half is the font; little-endian longs. Any other size is refused.
std::optional<RomFont> RomFontFromBytes(std::span<const unsigned char> bytes, std::string& error);

// Reads such a file, refusing anything that is not a regular file of one of those sizes
// before reading it.
std::optional<RomFont> LoadRomFontFile(const std::filesystem::path& path, std::string& error);

}  // namespace lumora
