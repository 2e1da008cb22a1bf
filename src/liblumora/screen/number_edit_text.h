#pragma once

#include <cstdint>
#include <string>

namespace lumora {

// What a Number Edit shows: the runtime formats the value with a field width of digits + 1
// (six bits, counting the sign) and prints it from the second character, so the magnitude
// shows zero-padded to `digits` digits, never cut and never signed.
std::string NumberEditText(std::int64_t value, std::int64_t digits);

}  // namespace lumora
