#include "codegen/color_declarations.h"

#include "codegen/spin_text.h"

namespace lumora {

namespace {

constexpr int kWrittenColorSets = 16;
constexpr int kTextColorSets = 10;

}  // namespace

void AppendColorDeclarations(std::u16string& out,
                             const std::array<std::uint32_t, kColorLongCount>& appColors) {
    AppendLine(out, u"DAT  'Application Colors Declarations");
    AppendLine(out, u"vgacolors long");
    for (int i = 0; i < kWrittenColorSets; ++i) {
        out += u"     long $";
        AppendHex8(out, appColors[static_cast<std::size_t>(i)]);
        out += u"' color# ";
        AppendDecimal(out, i);
        if (i < kTextColorSets) {
            out += u", Text color# ";
            AppendDecimal(out, i / 2);
        } else {
            out += u", Graphics color# ";
            AppendDecimal(out, i - kTextColorSets);
        }
        out += kLineEnd;
    }
    AppendLine(out, u"     long 7[48]  'reserve space for cursor & shadow colors");
    out += kLineEnd;
}

}  // namespace lumora
