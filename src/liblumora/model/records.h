#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/tile_image.h"

namespace lumora {

struct CLmComponent {
    std::u16string caption;
    std::u16string name;
    std::int32_t type = 0;  // ComponentType code 1..7
    std::int32_t hotKeyIndex = 0;
    std::int32_t top = 0;
    std::int32_t left = 0;
    std::int32_t height = 0;
    std::int32_t width = 0;
    std::int32_t textColor = 0;
    std::int32_t borderColor = 0;
    std::int32_t id = 0;
    std::int32_t value = 0;
    // Not stored in the file: a loaded component has 0 in these three.
    std::int32_t maxValue = 0;
    std::int32_t minValue = 0;
    std::int32_t group = 0;
    std::u16string handler;
};

struct CLmForm {
    std::u16string caption = u"New Form";
    std::u16string name;
    std::int32_t top = 6;
    std::int32_t left = 10;
    std::int32_t height = 25;
    std::int32_t width = 40;
    std::int32_t backgroundColor = 1;
    std::int32_t borderColor = 4;
    std::int32_t titleColor = 0;
    std::vector<std::unique_ptr<CLmComponent>> components;
};

struct CLmBitmap {
    std::u16string name;
    // Row-major: the tile at tile row r, column c is element r * widthTiles + c.
    std::vector<TileImage> tiles;
    std::int32_t widthTiles = 0;
    std::int32_t heightTiles = 0;
    std::int32_t tileCount = 0;
    std::int32_t bitDepth = 0;
    std::int32_t color = 0;
};

// One Spin object of the application's OBJ section.
struct CLmObject {
    std::int32_t resourceId = 0;  // 346..349 for the runtime's own objects, 0 when user-added
    std::u16string code;
    std::u16string fileName;
    std::u16string name;
    std::u16string fileStem;
    std::u16string reservedText;
};

}  // namespace lumora
