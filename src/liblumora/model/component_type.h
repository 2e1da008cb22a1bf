#pragma once

#include <cstdint>
#include <optional>

namespace lumora {

// Codes are also the "Object Type" byte of the generated form records.
enum class ComponentType : std::int32_t {
    Button = 1,
    Text = 2,
    GroupBox = 3,
    OptionButton = 4,
    CheckBox = 5,
    Bitmap = 6,
    NumberEdit = 7,
};

// The seven add commands 180..186 in ribbon order (tool = command - 180).
enum class AddTool : int {
    Button = 0,
    Text = 1,
    Bitmap = 2,
    OptionButton = 3,
    GroupBox = 4,
    CheckBox = 5,
    NumberEdit = 6,
};

inline constexpr int kAddToolCount = 7;
inline constexpr int kFirstAddCommand = 180;

constexpr ComponentType ComponentTypeForTool(AddTool tool) {
    switch (tool) {
        case AddTool::Button:
            return ComponentType::Button;
        case AddTool::Text:
            return ComponentType::Text;
        case AddTool::Bitmap:
            return ComponentType::Bitmap;
        case AddTool::OptionButton:
            return ComponentType::OptionButton;
        case AddTool::GroupBox:
            return ComponentType::GroupBox;
        case AddTool::CheckBox:
            return ComponentType::CheckBox;
        case AddTool::NumberEdit:
            return ComponentType::NumberEdit;
    }
    return ComponentType::Button;
}

// A type code read from a file may be anything; only 1..7 name a type.
constexpr std::optional<ComponentType> ComponentTypeFromCode(std::int32_t code) {
    if (code < 1 || code > 7) {
        return std::nullopt;
    }
    return static_cast<ComponentType>(code);
}

constexpr std::optional<AddTool> AddToolFromIndex(int index) {
    if (index < 0 || index >= kAddToolCount) {
        return std::nullopt;
    }
    return static_cast<AddTool>(index);
}

}  // namespace lumora
