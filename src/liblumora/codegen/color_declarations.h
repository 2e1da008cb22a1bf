#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/document.h"

namespace lumora {

// `vgacolors`: the application's 16 colour sets, then room for the 48 the runtime derives.
void AppendColorDeclarations(std::u16string& out,
                             const std::array<std::uint32_t, kColorLongCount>& appColors);

}  // namespace lumora
