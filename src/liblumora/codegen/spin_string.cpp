#include "codegen/spin_string.h"

#include "codegen/spin_text.h"

namespace lumora {

namespace {

constexpr char16_t kUnrepresentable = u'?';

bool StandsInQuotes(char16_t unit) {
    return unit == u'\t' || (unit >= 0x20 && unit <= 0x7E && unit != u'"');
}

}  // namespace

void AppendSpinByteString(std::u16string& out, std::u16string_view text) {
    bool inQuotes = false;
    for (char16_t unit : text) {
        if (unit > 0xFF) {
            unit = kUnrepresentable;
        }
        if (StandsInQuotes(unit)) {
            if (!inQuotes) {
                out.push_back(u'"');
                inQuotes = true;
            }
            out.push_back(unit);
            continue;
        }
        if (inQuotes) {
            out += u"\",";
            inQuotes = false;
        }
        AppendDecimal(out, unit);
        out.push_back(u',');
    }
    if (inQuotes) {
        out += u"\",";
    }
    out.push_back(u'0');
}

}  // namespace lumora
