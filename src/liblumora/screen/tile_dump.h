#pragma once

#include <string>

namespace lumora {

class TileScreen;

// The screen memory as text: 48 lines, one per tile row, of 64 tokens separated by single
// spaces. A glyph tile is gGLYPH:SET, a bitmap tile bIMAGE@BITMAPNAME:SET (decimal numbers).
std::string DumpTiles(const TileScreen& screen);

}  // namespace lumora
