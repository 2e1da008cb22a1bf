#include "codegen/form_records.h"

#include <cstdint>
#include <string_view>

#include "codegen/spin_string.h"
#include "codegen/spin_text.h"
#include "model/component_type.h"

namespace lumora {

namespace {

constexpr std::u16string_view kIndent = u"     ";

// "     <directive> <value> '<comment>"
void AppendValueLine(std::u16string& out, std::u16string_view directive, std::int64_t value,
                     std::u16string_view comment) {
    out += kIndent;
    out += directive;
    out.push_back(u' ');
    AppendDecimal(out, value);
    out += u" '";
    out += comment;
    out += kLineEnd;
}

void AppendByteLine(std::u16string& out, std::int64_t value, std::u16string_view comment) {
    AppendValueLine(out, u"byte", value, comment);
}

void AppendCaptionLine(std::u16string& out, std::u16string_view caption) {
    out += kIndent;
    out += u"byte ";
    AppendSpinByteString(out, caption);
    out += kLineEnd;
}

std::u16string_view LabelDirective(std::optional<ComponentType> type) {
    if (type == ComponentType::Bitmap) {
        return u" word";
    }
    if (type == ComponentType::NumberEdit) {
        return u" long";
    }
    return u" byte";
}

}  // namespace

void AppendComponentRecord(std::u16string& out, const CLmComponent& c) {
    const std::optional<ComponentType> type = ComponentTypeFromCode(c.type);
    out += c.name;
    out += LabelDirective(type);
    out += kLineEnd;
    AppendByteLine(out, c.type, u"Object Type");
    AppendByteLine(out, c.top, u"Top");
    AppendByteLine(out, c.left, u"Left");
    AppendByteLine(out, c.height, u"Height");
    AppendByteLine(out, c.width, u"Width");
    AppendByteLine(out, c.textColor, u"Text Color");
    if (!type) {
        return;
    }
    const std::int64_t borderSet = std::int64_t{c.borderColor} + kBorderColorSetOffset;
    switch (*type) {
        case ComponentType::Button:
            AppendByteLine(out, c.hotKeyIndex, u"Hot Key (0 for none)");
            AppendByteLine(out, borderSet, u"Border color");
            AppendCaptionLine(out, c.caption);
            break;
        case ComponentType::Text:
            AppendCaptionLine(out, c.caption);
            break;
        case ComponentType::GroupBox:
            AppendByteLine(out, borderSet, u"Border color");
            AppendCaptionLine(out, c.caption);
            break;
        case ComponentType::OptionButton:
            AppendByteLine(out, c.hotKeyIndex, u"Hot Key (0 for none)");
            AppendByteLine(out, c.value, u"Value");
            AppendByteLine(out, c.group, u"Group");
            AppendCaptionLine(out, c.caption);
            break;
        case ComponentType::CheckBox:
            AppendByteLine(out, c.hotKeyIndex, u"Hot Key (0 for none)");
            AppendByteLine(out, c.value, u"Value");
            AppendCaptionLine(out, c.caption);
            break;
        case ComponentType::Bitmap:
            AppendByteLine(out, 1, u"Bit Depth");
            AppendByteLine(out, 0, u"Reserved");
            out += kIndent;
            out += u"word @";
            out += c.caption;
            out += u"  'Address of bitmap bits";
            out += kLineEnd;
            break;
        case ComponentType::NumberEdit:
            AppendByteLine(out, c.hotKeyIndex, u"reserved ");
            AppendByteLine(out, c.group, u"reserved ");
            AppendValueLine(out, u"long", c.value, u"value");
            AppendValueLine(out, u"long", c.maxValue, u"max. value");
            AppendValueLine(out, u"long", c.minValue, u"min. value");
            break;
    }
}

void AppendFormData(std::u16string& out, const CLmForm& form) {
    out += u"DAT   'Form Data: ";
    out += form.name;
    out += kLineEnd;

    out += u"sTitle";
    out += form.name;
    out += u"  byte ";
    AppendSpinByteString(out, form.caption);
    out += kLineEnd;

    out += form.name;
    out += u"  word";
    out += kLineEnd;
    AppendByteLine(out, form.top, u"top");
    AppendByteLine(out, form.left, u"left");
    AppendByteLine(out, form.height, u"height");
    AppendByteLine(out, form.width, u"width");
    out += kIndent;
    out += u"word @sTitle";
    out += form.name;
    out += kLineEnd;
    AppendByteLine(out, form.titleColor, u"title color");
    AppendByteLine(out, std::int64_t{form.borderColor} + kBorderColorSetOffset, u"border color");
    AppendByteLine(out, form.backgroundColor, u"text color");
    AppendByteLine(out, static_cast<std::int64_t>(form.components.size()),
                   u"number of form objects");
    std::int64_t k = 0;
    for (const auto& component : form.components) {
        out += kIndent;
        out += u"word @";
        out += component->name;
        out += u"  'address of form object#";
        AppendDecimal(out, ++k);
        out += kLineEnd;
    }
    out += kLineEnd;
    out += kLineEnd;

    for (const auto& component : form.components) {
        AppendComponentRecord(out, *component);
        out += kLineEnd;
        out += kLineEnd;
    }
}

}  // namespace lumora
