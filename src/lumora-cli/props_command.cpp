#include <ostream>
#include <string>

#include "command.h"
#include "command_document.h"
#include "design_source.h"
#include "model/document.h"
#include "model/text_encoding.h"
#include "properties/property_set.h"

namespace lumora::cli {

namespace {

// Control characters and backslashes are escaped so that every entry stays on its own line.
std::string Printable(std::u16string_view text, bool quoteMarks = false) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char ch : ToUtf8(text)) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '\\' || (quoteMarks && ch == '"')) {
            out += '\\';
            out += ch;
        } else if (ch == '\r') {
            out += "\\r";
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += ch;
        }
    }
    return out;
}

const char* KindName(ValueKind kind) {
    switch (kind) {
        case ValueKind::Text:
            return "Text";
        case ValueKind::Integer:
            return "Integer";
        case ValueKind::Boolean:
            return "Boolean";
    }
    return "Text";
}

}  // namespace

bool SelectForEditing(CLumoraDoc& doc, const std::string& name, std::ostream& err) {
    const std::u16string wanted = FromUtf8(name);
    doc.SelectByName(wanted);
    if (SelectedItemName(doc) != wanted) {
        err << "lumora-cli: no form, component or bitmap is named '" << name << "'\n";
        return false;
    }
    return true;
}

void PrintPropertySet(const CLumoraDoc& doc, std::ostream& out) {
    const PropertySet set = BuildPropertySet(doc);
    out << "selected " << Printable(SelectedItemName(doc)) << "\n";
    for (const PropertyGroup& group : set.groups) {
        out << Printable(group.name) << "\n";
        for (const PropertyEntry& entry : group.entries) {
            out << "  " << Printable(entry.name) << " = " << Printable(DisplayText(entry.value))
                << "\n      (" << KindName(entry.Kind());
            if (entry.readOnly) {
                out << ", read-only";
            }
            if (!entry.options.empty()) {
                out << ", options:";
                for (const std::u16string& option : entry.options) {
                    out << " \"" << Printable(option, true) << '"';
                }
            }
            out << ") " << Printable(entry.description) << "\n";
        }
    }
}

int RunProps(std::span<const std::string> args, CommandIo& io) {
    const bool plain = args.size() == 1;
    const bool selecting = args.size() == 3 && args[1] == "--select";
    if (!plain && !selecting) {
        io.err << "usage: lumora-cli props " << kDesignSourceUsage << " [--select NAME]\n";
        return kExitUsage;
    }
    CommandDocument doc(io.err);
    if (!LoadDesign(args[0], doc)) {
        return kExitRefused;
    }
    if (selecting && !SelectForEditing(doc, args[2], io.err)) {
        return kExitRefused;
    }
    PrintPropertySet(doc, io.out);
    return kExitOk;
}

}  // namespace lumora::cli
