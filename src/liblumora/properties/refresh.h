#pragma once

#include <cstdint>

namespace lumora {

// What the designer view must do after a core call: the core never draws.
enum class Refresh : std::uint8_t {
    None = 0,
    Render = 1,      // re-render the current form into the screen memory and repaint
    Repaint = 2,     // repaint only (the bitmap editing view)
    RefillGrid = 4,  // fill the property grid again from the document
};

constexpr Refresh operator|(Refresh a, Refresh b) {
    return static_cast<Refresh>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

constexpr Refresh& operator|=(Refresh& a, Refresh b) {
    return a = a | b;
}

constexpr bool Includes(Refresh set, Refresh flag) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(flag)) != 0;
}

}  // namespace lumora
