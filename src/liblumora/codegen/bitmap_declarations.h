#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/records.h"
#include "model/tile_image.h"

namespace lumora {

// One pixel row (y = 0 at the top) of a runtime tile image holding two vertically adjacent
// 1-bit tiles: the upper tile in the even bits, the lower one in the odd bits. A pixel is set
// (bit 1) when its stored value is even. A missing tile contributes no bits.
std::uint32_t TilePairRow(const TileImage* upper, const TileImage* lower, int y);

// The padding block, UserCharStart, every bitmap as runtime tile images in row-pair order, and
// UserCharEnd. Every bitmap is written in the 1-bit pair encoding, whatever its bit depth.
void AppendBitmapDeclarations(std::u16string& out,
                              const std::vector<std::unique_ptr<CLmBitmap>>& bitmaps);

}  // namespace lumora
