#pragma once

#include <cstdint>
#include <string>

namespace lumora {

// Resource numbers of the texts the program carries.
enum class ResourceId : std::int32_t {
    VgaDriver = 346,
    MouseDriver = 347,
    NumbersObject = 348,
    KeyboardDriver = 349,
    RuntimeTemplate = 355,
};

// The resource as UTF-16 code units taken as they are (UTF-16LE bytes, byte-order mark
// included); an unknown or empty resource gives an empty string.
std::u16string LoadResourceText(ResourceId id);

// The runtime template without its leading byte-order mark, as documents hold it.
std::u16string RuntimeTemplateText();

}  // namespace lumora
