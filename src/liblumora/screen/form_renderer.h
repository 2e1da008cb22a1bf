#pragma once

#include <cstdint>
#include <string_view>

namespace lumora {

class CLumoraDoc;
class TileScreen;
class UserMessages;
struct CLmBitmap;

inline constexpr std::u16string_view kMissingBitmapMessage =
    u"Trying to draw bitmap that does not exist!";

// The drawing primitives, tile for tile as the GUI runtime draws on the target. Positions are tile
// rows and columns, sizes are in tiles; every tile written gets its display colours updated. Each
// character's low byte, up to the first zero byte (the target's strings end there).
void PrintString(TileScreen& screen, std::u16string_view text);
void FillBox(TileScreen& screen, std::int64_t textColor, std::int64_t row, std::int64_t column,
             std::int64_t height, std::int64_t width);
void DrawBoxBorder(TileScreen& screen, std::int64_t colorSet, std::int64_t row, std::int64_t column,
                   std::int64_t height, std::int64_t width);
// Adds 16 to a tile's colour set when it is below 16, so overlapping shadows darken once.
void DarkenTile(TileScreen& screen, std::int64_t row, std::int64_t column);
void DarkenShadow(TileScreen& screen, std::int64_t row, std::int64_t column, std::int64_t height,
                  std::int64_t width);
void PlaceBitmap(TileScreen& screen, const CLmBitmap& bitmap, std::int64_t row, std::int64_t column,
                 std::int64_t height, std::int64_t width, std::int64_t textColor);
void TileBackground(TileScreen& screen, const CLumoraDoc& doc);

// Rewrites the whole screen from the document's current form: background, window, shadow and
// components in list order. Without a current form only the background is drawn.
void RenderForm(const CLumoraDoc& doc, TileScreen& screen, UserMessages& messages);

}  // namespace lumora
