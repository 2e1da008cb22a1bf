#include "properties/property_set.h"

#include <algorithm>
#include <optional>
#include <span>

#include "model/component_type.h"
#include "model/document.h"
#include "model/records.h"
#include "model/text_encoding.h"

namespace lumora {

namespace {

constexpr std::u16string_view kDetails = u"Details";
constexpr std::u16string_view kAppearance = u"Appearance";
constexpr std::u16string_view kNameDescription = u"Name of form to be used in generated Spin code";
constexpr std::u16string_view kTypeDescription = u"Type of object";

class GroupBuilder {
  public:
    explicit GroupBuilder(std::u16string_view name) { group_.name = std::u16string(name); }

    PropertyEntry& Text(std::u16string_view name, std::u16string value,
                        std::u16string_view description) {
        return Add(name, PropertyValue(std::move(value)), description);
    }
    PropertyEntry& Integer(std::u16string_view name, std::int32_t value,
                           std::u16string_view description) {
        return Add(name, PropertyValue(value), description);
    }
    PropertyEntry& Boolean(std::u16string_view name, bool value, std::u16string_view description) {
        return Add(name, PropertyValue(value), description);
    }
    PropertyGroup Take() { return std::move(group_); }

  private:
    PropertyEntry& Add(std::u16string_view name, PropertyValue value,
                       std::u16string_view description) {
        PropertyEntry& entry = group_.entries.emplace_back();
        entry.name = std::u16string(name);
        entry.value = std::move(value);
        entry.description = std::u16string(description);
        return entry;
    }

    PropertyGroup group_;
};

void MakeReadOnly(PropertyEntry& entry) {
    entry.readOnly = true;
}

// The grid skips a suggestion that is already listed.
void AddOption(PropertyEntry& entry, std::u16string option) {
    if (std::find(entry.options.begin(), entry.options.end(), option) == entry.options.end()) {
        entry.options.push_back(std::move(option));
    }
}

// Sizes come from files and may be anything; the pixel count saturates instead of wrapping.
std::int32_t TilesToPixels(std::int32_t tiles) {
    const std::int64_t pixels = static_cast<std::int64_t>(tiles) * 16;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(pixels, INT32_MIN, INT32_MAX));
}

void AddNameAndType(GroupBuilder& details, const std::u16string& name, std::u16string typeText,
                    bool nameReadOnly = false) {
    PropertyEntry& nameEntry = details.Text(u"Name", name, kNameDescription);
    nameEntry.readOnly = nameReadOnly;
    MakeReadOnly(details.Text(u"Type", std::move(typeText), kTypeDescription));
}

PropertySet BitmapSet(const CLmBitmap& bitmap) {
    PropertySet set;
    set.kind = PropertySetKind::Bitmap;
    GroupBuilder details(kDetails);
    AddNameAndType(details, bitmap.name, bitmap.bitDepth == 1 ? u"1-Bit Bitmap" : u"2-Bit Bitmap");
    MakeReadOnly(details.Integer(u"Width", TilesToPixels(bitmap.widthTiles),
                                 u"Width of bitmap in pixels (multiple of 16)"));
    MakeReadOnly(details.Integer(u"Height", TilesToPixels(bitmap.heightTiles),
                                 u"Height of bitmap in pixels (multiple of 16)"));
    set.groups.push_back(details.Take());

    GroupBuilder appearance(kAppearance);
    appearance.Integer(u"Color#", bitmap.color,
                       u"Specifies text color# for 1-bit and graphics color# for 2-bit bitmpas");
    set.groups.push_back(appearance.Take());
    return set;
}

PropertySet FormSet(const CLmForm& form) {
    PropertySet set;
    set.kind = PropertySetKind::Form;
    GroupBuilder details(kDetails);
    AddNameAndType(details, form.name, u"Form");
    set.groups.push_back(details.Take());

    GroupBuilder a(kAppearance);
    a.Text(u"Caption", form.caption,
           u"Specifies the text that will be displayed in the forms's title bar");
    a.Integer(u"Top", form.top, u"Top tile# of form");
    a.Integer(u"Left", form.left, u"Left tile# of form");
    a.Integer(u"Height", form.height, u"Height of form in tiles");
    a.Integer(u"Width", form.width, u"Width of form in tiles");
    a.Integer(u"Title Color", form.titleColor,
              u"Text color set to use for form title.  Can range from 0..4");
    a.Integer(u"Border Color", form.borderColor,
              u"Graphics color set to use for form border.  Can range from 0..5");
    a.Integer(u"Background Color", form.backgroundColor,
              u"Text color set to use for form background.  Can range from 0..4");
    set.groups.push_back(a.Take());
    return set;
}

std::u16string_view TypeText(std::optional<ComponentType> type) {
    if (!type) {
        return u"Unknown";
    }
    switch (*type) {
        case ComponentType::Button:
            return u"Button";
        case ComponentType::Text:
            return u"Text";
        case ComponentType::GroupBox:
            return u"Group Box";
        case ComponentType::OptionButton:
            return u"Option Button";
        case ComponentType::CheckBox:
            return u"Check Box";
        case ComponentType::Bitmap:
            return u"Bitmap";
        case ComponentType::NumberEdit:
            return u"Number Edit";
    }
    return u"Unknown";
}

PropertySetKind SetKindFor(std::optional<ComponentType> type) {
    if (!type) {
        return PropertySetKind::UnknownComponent;
    }
    switch (*type) {
        case ComponentType::Button:
            return PropertySetKind::Button;
        case ComponentType::Text:
            return PropertySetKind::Text;
        case ComponentType::GroupBox:
            return PropertySetKind::GroupBox;
        case ComponentType::OptionButton:
            return PropertySetKind::OptionButton;
        case ComponentType::CheckBox:
            return PropertySetKind::CheckBox;
        case ComponentType::Bitmap:
            return PropertySetKind::BitmapComponent;
        case ComponentType::NumberEdit:
            return PropertySetKind::NumberEdit;
    }
    return PropertySetKind::UnknownComponent;
}

enum class Entry {
    Source,
    Caption,
    Top,
    Left,
    Height,
    Width,
    HotKeyIndex,
    TextColor,
    Color,
    BorderColor,
    Handler,
    Value,
    Group,
    Digits,
    InitValue,
    MaxValue,
    MinValue,
};

// Each type's Appearance entries, in grid order.
std::span<const Entry> AppearanceEntries(ComponentType type) {
    using enum Entry;
    static constexpr Entry kButton[] = {Caption,     Top,       Left,        Height, Width,
                                        HotKeyIndex, TextColor, BorderColor, Handler};
    static constexpr Entry kText[] = {Caption, Top, Left, TextColor};
    static constexpr Entry kGroupBox[] = {Caption, Top,       Left,       Height,
                                          Width,   TextColor, BorderColor};
    static constexpr Entry kOptionButton[] = {Caption,   Top,   Left, HotKeyIndex,
                                              TextColor, Value, Group};
    static constexpr Entry kCheckBox[] = {Caption, Top, Left, HotKeyIndex, TextColor, Value};
    static constexpr Entry kBitmap[] = {Source, Top, Left, Color};
    static constexpr Entry kNumberEdit[] = {Top,       Left,     TextColor, Digits,
                                            InitValue, MaxValue, MinValue};
    switch (type) {
        case ComponentType::Button:
            return kButton;
        case ComponentType::Text:
            return kText;
        case ComponentType::GroupBox:
            return kGroupBox;
        case ComponentType::OptionButton:
            return kOptionButton;
        case ComponentType::CheckBox:
            return kCheckBox;
        case ComponentType::Bitmap:
            return kBitmap;
        case ComponentType::NumberEdit:
            return kNumberEdit;
    }
    return {};
}

void AddHandler(GroupBuilder& a, const CLmComponent& c) {
    PropertyEntry& entry =
        a.Text(u"Handler", c.handler, u"Name of function to be called when clicked on");
    AddOption(entry, u"");
    if (!c.handler.empty()) {
        AddOption(entry, c.handler);
    }
    AddOption(entry, u"On" + c.name);
}

// The description of an entry is the same for every type that has it, except "Caption".
void AddEntry(GroupBuilder& a, Entry entry, const CLmComponent& c, ComponentType type) {
    switch (entry) {
        case Entry::Source:
            a.Text(u"Source", c.caption, u"Specifies the name of the source BitmapData to draw");
            break;
        case Entry::Caption:
            a.Text(u"Caption", c.caption,
                   type == ComponentType::Text
                       ? u"Specifies the text that will be displayed"
                       : u"Specifies the text that will be displayed on the button");
            break;
        case Entry::Top:
            a.Integer(u"Top", c.top, u"Top tile# of button within form");
            break;
        case Entry::Left:
            a.Integer(u"Left", c.left, u"Left tile# of button within form");
            break;
        case Entry::Height:
            a.Integer(u"Height", c.height, u"Height of button in tiles");
            break;
        case Entry::Width:
            a.Integer(u"Width", c.width, u"Width of button in tiles");
            break;
        case Entry::HotKeyIndex:
            a.Integer(u"Hot Key Index", c.hotKeyIndex,
                      u"Index of caption character to make a hot key for keyboard input.  Set to "
                      u"0 if no hot key desired.");
            break;
        case Entry::TextColor:
            a.Integer(u"Text Color", c.textColor,
                      u"Text color set to use for button text.  Can range from 0..4");
            break;
        case Entry::Color:
            a.Integer(u"Color", c.textColor,
                      u"Color set to draw bitmap with.  Can range from 0..4 for 1-bit bitmaps or "
                      u"0..5 for 2-bit bitmaps");
            break;
        case Entry::BorderColor:
            a.Integer(u"Border Color", c.borderColor,
                      u"Graphics color set to use for button border.  Can range from 0..5");
            break;
        case Entry::Handler:
            AddHandler(a, c);
            break;
        case Entry::Value:
            a.Boolean(u"Value", c.value != 0, u"True=selected/checked, False=not selected/checked");
            break;
        case Entry::Group:
            a.Integer(u"Group", c.group,
                      u"Make non-zero to only allow one option with same group number to be "
                      u"selected");
            break;
        case Entry::Digits:
            a.Integer(u"#Digits", c.width, u"The number of digits in the number to edit");
            break;
        case Entry::InitValue:
            a.Integer(u"Init. Value", c.value, u"The initial value of the number to edit");
            break;
        case Entry::MaxValue:
            a.Integer(u"Max. Value", c.maxValue,
                      u"The maximum allowed value of the number to edit");
            break;
        case Entry::MinValue:
            a.Integer(u"Min. Value", c.minValue,
                      u"The minimum allowed value of the number to edit");
            break;
    }
}

PropertySet ComponentSet(const CLmComponent& c) {
    const std::optional<ComponentType> type = ComponentTypeFromCode(c.type);
    PropertySet set;
    set.kind = SetKindFor(type);
    GroupBuilder details(kDetails);
    // Nothing is known about how a component of an unknown type is drawn, nor which prefix its
    // name needs: it is shown, not edited.
    AddNameAndType(details, c.name, std::u16string(TypeText(type)), !type.has_value());
    set.groups.push_back(details.Take());
    GroupBuilder appearance(kAppearance);
    if (type) {
        for (Entry entry : AppearanceEntries(*type)) {
            AddEntry(appearance, entry, c, *type);
        }
    }
    set.groups.push_back(appearance.Take());
    return set;
}

}  // namespace

ValueKind KindOf(const PropertyValue& value) {
    switch (value.index()) {
        case 1:
            return ValueKind::Integer;
        case 2:
            return ValueKind::Boolean;
        default:
            return ValueKind::Text;
    }
}

std::u16string DisplayText(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::u16string>(&value)) {
        return *text;
    }
    if (const auto* number = std::get_if<std::int32_t>(&value)) {
        return DecimalText(*number);
    }
    return std::u16string(std::get<bool>(value) ? kTrueText : kFalseText);
}

const PropertyEntry* PropertySet::Find(std::u16string_view name) const {
    for (const PropertyGroup& group : groups) {
        for (const PropertyEntry& entry : group.entries) {
            if (entry.name == name) {
                return &entry;
            }
        }
    }
    return nullptr;
}

PropertySet BuildPropertySet(const CLumoraDoc& doc) {
    if (doc.currentForm == nullptr) {
        if (doc.currentBitmap == nullptr) {
            return PropertySet{};
        }
        return BitmapSet(*doc.currentBitmap);
    }
    if (doc.currentComponent == nullptr) {
        return FormSet(*doc.currentForm);
    }
    return ComponentSet(*doc.currentComponent);
}

std::u16string_view SelectedItemName(const CLumoraDoc& doc) {
    if (doc.currentForm == nullptr) {
        return doc.currentBitmap != nullptr ? std::u16string_view(doc.currentBitmap->name)
                                            : std::u16string_view();
    }
    if (doc.currentComponent != nullptr) {
        return doc.currentComponent->name;
    }
    return doc.currentForm->name;
}

}  // namespace lumora
