#include <algorithm>
#include <cstdint>

#include "model/component_type.h"
#include "model/document.h"
#include "model/records.h"
#include "properties/handler_stub.h"
#include "properties/property_rules.h"

namespace lumora::rules {

namespace {

constexpr std::u16string_view kOutsideLimits = u"Value outside limits!";
constexpr std::int32_t kSmallestSize = 4;
constexpr std::int32_t kGroupCount = 256;
constexpr std::int32_t kMostDigits = 10;

std::int32_t LengthPlus(std::u16string_view text, std::int64_t extra) {
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(static_cast<std::int64_t>(text.size()) + extra, INT32_MAX));
}

void WidthFollowsCaption(CLmComponent& c) {
    switch (ComponentTypeFromCode(c.type).value_or(ComponentType::Bitmap)) {
        case ComponentType::Text:
            c.width = LengthPlus(c.caption, 0);
            break;
        case ComponentType::OptionButton:
        case ComponentType::CheckBox:
            c.width = LengthPlus(c.caption, 4);
            break;
        case ComponentType::Button:
        case ComponentType::GroupBox:
            // Only ever widens: a shorter caption keeps the width the user chose.
            c.width = std::max(c.width, LengthPlus(c.caption, 3));
            break;
        case ComponentType::Bitmap:
        case ComponentType::NumberEdit:
            break;
    }
}

PropertyChangeResult ChangeName(CLumoraDoc& doc, CLmComponent& c, const Change& change) {
    const std::u16string& prefix = doc.typeNames[static_cast<std::size_t>(c.type)];
    const std::u16string missingPrefix = u"Object name must begin with " + prefix;
    // The handler keeps its name; only the grid's suggestion follows at the next fill.
    return Rename(doc, c.name, change,
                  {prefix, missingPrefix, u"Object name may not contain whitespace"});
}

PropertyChangeResult ChangeHotKeyIndex(CLumoraDoc& doc, CLmComponent& c, const Change& change) {
    // The renderer and the runtime take 0 (none) up to the caption's length; a negative index
    // would point before the caption.
    if (change.number < 0) {
        return Rejected(doc, u"Hot key index may not be negative!", c.hotKeyIndex, true);
    }
    if (static_cast<std::int64_t>(change.number) > static_cast<std::int64_t>(c.caption.size())) {
        return Rejected(doc, u"Hot key index should be less than caption length!", c.hotKeyIndex,
                        true);
    }
    c.hotKeyIndex = change.number;
    return Accepted(doc, Refresh::Render);
}

PropertyChangeResult ChangeSource(CLumoraDoc& doc, CLmComponent& c, const Change& change) {
    const CLmBitmap* bitmap = doc.FindBitmap(change.text);
    if (bitmap == nullptr) {
        return Rejected(doc, u"Bitmap does not exist:  " + std::u16string(change.text), c.caption,
                        true);
    }
    c.caption = std::u16string(change.text);
    c.width = bitmap->widthTiles;
    c.height = bitmap->heightTiles;
    return Accepted(doc, Refresh::Render);
}

PropertyChangeResult ChangeHandler(CLumoraDoc& doc, CLmComponent& c, const Change& change) {
    if (ContainsNameWhitespace(change.text)) {
        return Rejected(doc, u"Function name may not contain whitespace", c.handler, true);
    }
    // The old method stays in the custom code: it may hold the user's work.
    if (!c.handler.empty()) {
        doc.ShowMessage(u"Previous handler code may require manual removal:  " + c.handler);
    }
    c.handler = std::u16string(change.text);
    if (!c.handler.empty()) {
        AppendHandlerStub(doc, c.handler);
    }
    return Accepted(doc, Refresh::None);
}

// The initial value follows a new limit that excludes it, and the grid shows it at once.
PropertyChangeResult ChangeLimit(CLumoraDoc& doc, CLmComponent& c, const Change& change,
                                 bool maximum) {
    if (maximum) {
        if (change.number <= c.minValue) {
            return Rejected(doc, u"Maximum value must be greater than minimum value", c.maxValue,
                            false);
        }
        c.maxValue = change.number;
        if (c.value > c.maxValue) {
            c.value = c.maxValue;
            return Accepted(doc, Refresh::RefillGrid | Refresh::Render);
        }
        return Accepted(doc, Refresh::None);
    }
    if (change.number >= c.maxValue) {
        return Rejected(doc, u"Minimum value must be less than maximum value", c.minValue, false);
    }
    c.minValue = change.number;
    if (c.value < c.minValue) {
        c.value = c.minValue;
        return Accepted(doc, Refresh::RefillGrid | Refresh::Render);
    }
    return Accepted(doc, Refresh::None);
}

}  // namespace

PropertyChangeResult ChangeComponentProperty(CLumoraDoc& doc, const CLmForm& form, CLmComponent& c,
                                             const Change& change) {
    const std::u16string_view name = change.name;
    if (name == u"Caption") {
        c.caption = std::u16string(change.text);
        WidthFollowsCaption(c);
        return Accepted(doc, Refresh::Render);
    }
    if (name == u"Name") {
        return ChangeName(doc, c, change);
    }
    // Up to, not including, the form's size; 64-bit bounds so that any stored form size works.
    const std::int64_t belowHeight = static_cast<std::int64_t>(form.height) - 1;
    const std::int64_t belowWidth = static_cast<std::int64_t>(form.width) - 1;
    if (name == u"Top") {
        return ChangeInRange(doc, c.top, change,
                             {0, belowHeight, kOutsideLimits, true, Refresh::Render});
    }
    if (name == u"Left") {
        return ChangeInRange(doc, c.left, change,
                             {0, belowWidth, kOutsideLimits, true, Refresh::Render});
    }
    if (name == u"Width") {
        return ChangeInRange(doc, c.width, change,
                             {kSmallestSize, belowWidth, kOutsideLimits, true, Refresh::Render});
    }
    if (name == u"Height") {
        return ChangeInRange(doc, c.height, change,
                             {kSmallestSize, belowHeight, kOutsideLimits, true, Refresh::Render});
    }
    if (name == u"Hot Key Index") {
        return ChangeHotKeyIndex(doc, c, change);
    }
    if (name == u"Text Color") {
        return ChangeInRange(
            doc, c.textColor, change,
            {0, 4, u"Text color must be in the range from 0 to 4", false, Refresh::Render});
    }
    if (name == u"Border Color") {
        return ChangeInRange(
            doc, c.borderColor, change,
            {0, 5, u"Graphics color must be in the range from 0 to 5", false, Refresh::Render});
    }
    if (name == u"Color") {
        return ChangeInRange(
            doc, c.textColor, change,
            {0, 5, u"Bitmap color must be in the range from 0 to 5 (0..4 for 1-bit bitmaps)", false,
             Refresh::Render});
    }
    if (name == u"Group") {
        return ChangeInRange(doc, c.group, change,
                             {0, kGroupCount - 1, u"Group# must be in the range from 0 to 255",
                              false, Refresh::None});
    }
    if (name == u"Source") {
        return ChangeSource(doc, c, change);
    }
    if (name == u"#Digits") {
        return ChangeInRange(
            doc, c.width, change,
            {1, kMostDigits, u"#Digits must range from 1 to 10", false, Refresh::Render});
    }
    if (name == u"Value") {
        // Other options of the same group are left as they are.
        c.value = change.flag ? 1 : 0;
        return Accepted(doc, Refresh::Render);
    }
    if (name == u"Init. Value") {
        return ChangeInRange(
            doc, c.value, change,
            {c.minValue, c.maxValue, u"Initial value must be within specified minimum and maximum",
             false, Refresh::Render});
    }
    if (name == u"Max. Value") {
        return ChangeLimit(doc, c, change, true);
    }
    if (name == u"Min. Value") {
        return ChangeLimit(doc, c, change, false);
    }
    if (name == u"Handler") {
        return ChangeHandler(doc, c, change);
    }
    return NoRule();
}

}  // namespace lumora::rules
