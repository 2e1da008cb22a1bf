#include "model/document_summary.h"

#include <cstdio>
#include <sstream>

#include "model/document.h"
#include "model/text_encoding.h"

namespace lumora {

namespace {

std::string Quoted(const std::u16string& text) {
    std::string out = "\"";
    for (char c : ToUtf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Hex(std::uint32_t value) {
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "$%08X", value);
    return buffer;
}

const char* TypeName(std::int32_t type) {
    switch (type) {
        case 1:
            return "Button";
        case 2:
            return "Text";
        case 3:
            return "Group Box";
        case 4:
            return "Option Button";
        case 5:
            return "Check Box";
        case 6:
            return "Bitmap";
        case 7:
            return "Number Edit";
        default:
            return "unknown type";
    }
}

void DescribeComponent(const CLmComponent& c, std::ostringstream& os) {
    os << "    component " << ToUtf8(c.name) << " (" << TypeName(c.type) << ", type " << c.type
       << ", id " << c.id << ")\n"
       << "      caption " << Quoted(c.caption) << "\n"
       << "      top " << c.top << ", left " << c.left << ", height " << c.height << ", width "
       << c.width << "\n"
       << "      textColor " << c.textColor << ", borderColor " << c.borderColor << ", hotKeyIndex "
       << c.hotKeyIndex << "\n"
       << "      value " << c.value << ", maxValue " << c.maxValue << ", minValue " << c.minValue
       << ", group " << c.group << ", handler " << Quoted(c.handler) << "\n";
}

}  // namespace

std::string DescribeDocument(const CLumoraDoc& doc) {
    std::ostringstream os;
    os << "application " << Quoted(doc.appName) << "\n"
       << "  mainFormName " << Quoted(doc.mainFormName) << "\n"
       << "  backgroundBitmapName " << Quoted(doc.backgroundBitmapName) << "\n"
       << "  backgroundBitmapColor " << doc.backgroundBitmapColor << "\n"
       << "  ready " << (doc.ready ? "yes" : "no") << ", modified "
       << (doc.IsModified() ? "yes" : "no") << "\n";

    os << "colors\n";
    for (int i = 0; i < kColorLongCount; i += 8) {
        os << "  " << (i < 10 ? " " : "") << i << ":";
        for (int j = i; j < i + 8; ++j) {
            os << ' ' << Hex(doc.appColors[j]);
        }
        os << "\n";
    }

    os << "forms " << doc.forms.size() << "\n";
    for (const auto& form : doc.forms) {
        os << "  form " << ToUtf8(form->name) << "\n"
           << "    caption " << Quoted(form->caption) << "\n"
           << "    top " << form->top << ", left " << form->left << ", height " << form->height
           << ", width " << form->width << "\n"
           << "    backgroundColor " << form->backgroundColor << ", titleColor " << form->titleColor
           << ", borderColor " << form->borderColor << "\n"
           << "    components " << form->components.size() << "\n";
        for (const auto& component : form->components) {
            DescribeComponent(*component, os);
        }
    }

    os << "bitmaps " << doc.bitmaps.size() << "\n";
    for (const auto& bitmap : doc.bitmaps) {
        os << "  bitmap " << ToUtf8(bitmap->name) << ": " << bitmap->widthTiles << " x "
           << bitmap->heightTiles << " tiles, tileCount " << bitmap->tileCount << ", bitDepth "
           << bitmap->bitDepth << ", color " << bitmap->color << "\n";
    }

    os << "objects " << doc.objects.size() << "\n";
    for (const auto& object : doc.objects) {
        os << "  object " << ToUtf8(object->name) << ": fileStem " << Quoted(object->fileStem)
           << ", fileName " << Quoted(object->fileName) << ", resourceId " << object->resourceId
           << ", code " << object->code.size() << " code units\n";
    }

    os << "customCode " << doc.customCode.size() << " code units\n"
       << "templateText " << doc.templateText.size() << " code units\n";

    os << "counters\n"
       << "  formCounter " << doc.formCounter << ", bitmapCounter " << doc.bitmapCounter
       << ", nextComponentId " << doc.nextComponentId << "\n"
       << "  typeCounters";
    for (std::int32_t counter : doc.typeCounters) {
        os << ' ' << counter;
    }
    os << "\n  reserved1 " << doc.reserved1 << ", reserved2 " << doc.reserved2 << ", reserved3 "
       << doc.reserved3 << ", reservedText " << Quoted(doc.reservedText) << "\n";

    os << "selection\n"
       << "  currentForm " << (doc.currentForm ? ToUtf8(doc.currentForm->name) : "none") << "\n"
       << "  currentComponent "
       << (doc.currentComponent ? ToUtf8(doc.currentComponent->name) : "none") << "\n"
       << "  currentBitmap " << (doc.currentBitmap ? ToUtf8(doc.currentBitmap->name) : "none")
       << "\n";
    return os.str();
}

}  // namespace lumora
