#include "screen/tile_dump.h"

#include "model/records.h"
#include "model/text_encoding.h"
#include "screen/tile_screen.h"

namespace lumora {

std::string DumpTiles(const TileScreen& screen) {
    std::string out;
    out.reserve(kScreenTiles * 8);
    for (int r = 0; r < kScreenRows; ++r) {
        for (int c = 0; c < kScreenColumns; ++c) {
            const int index = r * kScreenColumns + c;
            if (c != 0) {
                out += ' ';
            }
            const std::int32_t glyph = screen.tileGlyphs[index];
            if (glyph >= 0) {
                out += 'g';
                out += std::to_string(glyph);
            } else {
                const TileImageRef& ref = screen.tileImages[index];
                out += 'b';
                out += std::to_string(ref.image);
                out += '@';
                if (ref.bitmap != nullptr) {
                    out += ToUtf8(ref.bitmap->name);
                }
            }
            out += ':';
            out += std::to_string(screen.tileColorSets[index]);
        }
        out += '\n';
    }
    return out;
}

}  // namespace lumora
