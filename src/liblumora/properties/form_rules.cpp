#include "model/document.h"
#include "model/records.h"
#include "properties/property_rules.h"

namespace lumora::rules {

namespace {

constexpr std::u16string_view kOutsideLimits = u"Value outside limits!";
constexpr std::u16string_view kTextColorRange = u"Text color must be in the range from 0 to 4";
constexpr std::u16string_view kGraphicsColorRange =
    u"Graphics color must be in the range from 0 to 5";

// Position and size are each checked against the screen on their own.
constexpr RangeRule kRowRule{0, 47, kOutsideLimits, true, Refresh::Render};
constexpr RangeRule kColumnRule{0, 63, kOutsideLimits, true, Refresh::Render};
constexpr RangeRule kTextColorRule{0, 4, kTextColorRange, false, Refresh::Render};
constexpr RangeRule kGraphicsColorRule{0, 5, kGraphicsColorRange, false, Refresh::Render};

}  // namespace

PropertyChangeResult ChangeFormProperty(CLumoraDoc& doc, CLmForm& form, const Change& change) {
    const std::u16string_view name = change.name;
    if (name == u"Caption") {
        form.caption = std::u16string(change.text);
        return Accepted(doc, Refresh::Render);
    }
    if (name == u"Name") {
        // The application keeps starting on the same form.
        return Rename(
            doc, form.name, change,
            {u"Form", u"Form name must begin with 'Form'", u"Form name may not contain whitespace"},
            &doc.mainFormName);
    }
    if (name == u"Top") {
        return ChangeInRange(doc, form.top, change, kRowRule);
    }
    if (name == u"Left") {
        return ChangeInRange(doc, form.left, change, kColumnRule);
    }
    if (name == u"Width") {
        return ChangeInRange(doc, form.width, change, kColumnRule);
    }
    if (name == u"Height") {
        return ChangeInRange(doc, form.height, change, kRowRule);
    }
    if (name == u"Title Color") {
        return ChangeInRange(doc, form.titleColor, change, kTextColorRule);
    }
    if (name == u"Background Color") {
        return ChangeInRange(doc, form.backgroundColor, change, kTextColorRule);
    }
    if (name == u"Border Color") {
        return ChangeInRange(doc, form.borderColor, change, kGraphicsColorRule);
    }
    return NoRule();
}

}  // namespace lumora::rules
