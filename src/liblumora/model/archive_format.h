#pragma once

#include <cstdint>
#include <string_view>

namespace lumora {

// The four record classes an application file holds, in the order their names are matched.
enum class ArchiveClass : std::uint8_t { Form = 1, Component = 2, Bitmap = 3, Object = 4 };

inline constexpr int kArchiveClassCount = 4;

constexpr std::string_view ArchiveClassName(ArchiveClass c) {
    switch (c) {
        case ArchiveClass::Form:
            return "CLmForm";
        case ArchiveClass::Component:
            return "CLmComponent";
        case ArchiveClass::Bitmap:
            return "CLmBitmap";
        case ArchiveClass::Object:
            return "CLmObject";
    }
    return {};
}

// Tags of the object-reference class part.
inline constexpr std::uint16_t kNewClassTag = 0xFFFF;
inline constexpr std::uint16_t kClassTagBit = 0x8000;
inline constexpr std::uint16_t kBigIndexTag = 0x7FFF;
inline constexpr std::uint32_t kBigClassTagBit = 0x80000000u;
inline constexpr std::uint16_t kClassSchema = 1;

// Count and length escapes.
inline constexpr std::uint16_t kWordEscape = 0xFFFF;
inline constexpr std::uint8_t kByteEscape = 0xFF;
inline constexpr std::uint16_t kUnicodeMarker = 0xFFFE;

}  // namespace lumora
