#include "designer/ctrl_keys.h"

namespace lumora {

namespace {

constexpr std::uint32_t kKeysymControlL = 0xFFE3;
constexpr std::uint32_t kKeysymControlR = 0xFFE4;
constexpr std::uint32_t kWinVkControl = 0x11;
constexpr std::uint32_t kWinVkLControl = 0xA2;
constexpr std::uint32_t kWinVkRControl = 0xA3;
constexpr std::uint32_t kWinScanControl = 0x1D;
constexpr std::uint32_t kWinExtendedBit = 0x100;
constexpr std::uint32_t kMacControl = 0x3B;
constexpr std::uint32_t kMacRightControl = 0x3E;

}  // namespace

CtrlSide ClassifyCtrlKey(std::uint32_t nativeVirtualKey, std::uint32_t nativeScanCode) {
    switch (nativeVirtualKey) {
        case kKeysymControlL:
        case kWinVkLControl:
        case kMacControl:
            return CtrlSide::Left;
        case kKeysymControlR:
        case kWinVkRControl:
        case kMacRightControl:
            return CtrlSide::Right;
        case kWinVkControl:
            if ((nativeScanCode & 0xFF) == kWinScanControl) {
                return (nativeScanCode & kWinExtendedBit) != 0 ? CtrlSide::Right : CtrlSide::Left;
            }
            return CtrlSide::Unknown;
        default:
            return CtrlSide::Unknown;
    }
}

void LeftCtrlTracker::Pressed(CtrlSide side) {
    (side == CtrlSide::Left ? left_ : side == CtrlSide::Right ? right_ : unknown_) = true;
}

void LeftCtrlTracker::Released(CtrlSide side) {
    (side == CtrlSide::Left ? left_ : side == CtrlSide::Right ? right_ : unknown_) = false;
}

bool LeftCtrlTracker::LeftCtrlDown(bool ctrlHeld) {
    if (!ctrlHeld) {
        // A release missed while another window had the focus must not leave a key down.
        left_ = right_ = unknown_ = false;
        return false;
    }
    if (left_ || unknown_) {
        return true;
    }
    return !right_;
}

}  // namespace lumora
