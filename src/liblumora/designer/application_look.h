#pragma once

namespace lumora {

inline constexpr int kDefaultApplicationLook = 215;

// A stored "ApplicationLook" is outside data: anything but a style command falls back to the
// default.
int ValidApplicationLook(long long stored);

}  // namespace lumora
