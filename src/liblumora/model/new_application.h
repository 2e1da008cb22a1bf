#pragma once

#include <string_view>

#include "model/tile_image.h"

namespace lumora {

class CLumoraDoc;

inline constexpr std::u16string_view kUntitledTitle = u"Untitled";

// The background tile every new application starts with.
TileImage SampleTile();

// The default custom code of a new application.
std::u16string_view DefaultCustomCode();

// What the shell's "New" does: the default title, then the default application.
bool StartNewApplication(CLumoraDoc& doc);

}  // namespace lumora
