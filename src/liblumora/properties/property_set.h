#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumora {

class CLumoraDoc;

enum class ValueKind { Text, Integer, Boolean };

// An entry's value in the kind it was created with.
using PropertyValue = std::variant<std::u16string, std::int32_t, bool>;

ValueKind KindOf(const PropertyValue& value);

// The text the grid shows for a value: the text itself, decimal, or "True"/"False".
std::u16string DisplayText(const PropertyValue& value);

inline constexpr std::u16string_view kTrueText = u"True";
inline constexpr std::u16string_view kFalseText = u"False";

// Which of the grid's layouts is shown; UnknownComponent and None only arise from damaged
// data (a component type code outside 1..7, or no form and no bitmap current).
enum class PropertySetKind {
    None,
    Bitmap,
    Form,
    Button,
    Text,
    GroupBox,
    OptionButton,
    CheckBox,
    BitmapComponent,
    NumberEdit,
    UnknownComponent,
};

struct PropertyEntry {
    std::u16string name;  // the key a change is recognised by
    PropertyValue value;
    std::u16string description;
    bool readOnly = false;
    // Suggestions offered in a drop-down; the value stays free text. Only "Handler" has any.
    std::vector<std::u16string> options;

    ValueKind Kind() const { return KindOf(value); }

    friend bool operator==(const PropertyEntry&, const PropertyEntry&) = default;
};

struct PropertyGroup {
    std::u16string name;  // "Details" or "Appearance"
    std::vector<PropertyEntry> entries;

    friend bool operator==(const PropertyGroup&, const PropertyGroup&) = default;
};

struct PropertySet {
    PropertySetKind kind = PropertySetKind::None;
    std::vector<PropertyGroup> groups;  // Details, then Appearance; empty for None

    const PropertyEntry* Find(std::u16string_view name) const;

    friend bool operator==(const PropertySet&, const PropertySet&) = default;
};

// The grid's content for the current selection: the bitmap when no form is current, else the
// selected component, else the form.
PropertySet BuildPropertySet(const CLumoraDoc& doc);

// The name of the item the set describes, empty when nothing is selected.
std::u16string_view SelectedItemName(const CLumoraDoc& doc);

}  // namespace lumora
