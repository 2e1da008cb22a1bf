#include "screen/glyph_sheet.h"

#include "screen/rom_font.h"

namespace lumora {

GlyphSheet::GlyphSheet(const RomFont& font) {
    for (int t = 0; t < kGlyphCount; ++t) {
        const int pair = t / 2;
        const int firstRow = (t % 2) * 16;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const std::uint32_t p = font.Pixel(pair, x, firstRow + y);
                indices_[static_cast<std::size_t>(t * 256 + y * 16 + x)] =
                    static_cast<std::uint8_t>((p + 1) % 4);
            }
        }
    }
}

}  // namespace lumora
