#pragma once

#include <cstdint>

namespace lumora {

enum class CtrlSide { Left, Right, Unknown };

// Which Ctrl key a Ctrl press or release came from, told from the platform's native key
// information: X11 and Wayland keysyms, Windows virtual keys and scan codes (the right key's
// carries the extended bit), macOS virtual key codes. Unknown where the event says neither.
CtrlSide ClassifyCtrlKey(std::uint32_t nativeVirtualKey, std::uint32_t nativeScanCode);

// Follows the Ctrl keys' presses and releases so that a later key release can ask whether the
// left Ctrl key is down. Where the platform cannot tell the two keys apart, or the press came
// before the view had the focus, a held Ctrl counts as the left one.
class LeftCtrlTracker {
  public:
    void Pressed(CtrlSide side);
    void Released(CtrlSide side);
    // ctrlHeld: the event's modifiers say a Ctrl key is down.
    bool LeftCtrlDown(bool ctrlHeld);

  private:
    bool left_ = false;
    bool right_ = false;
    bool unknown_ = false;
};

}  // namespace lumora
