#include <gtest/gtest.h>

#include <string>

#include "codegen/spin_string.h"
#include "model/text_encoding.h"

namespace lumora {
namespace {

std::u16string ByteOperand(std::u16string_view text) {
    std::u16string out;
    AppendSpinByteString(out, text);
    return out;
}

TEST(SpinByteString, WritesWhatAQuotedRunCannotHoldAsNumbers) {
    struct Case {
        std::u16string text;
        std::u16string operand;
    };
    const Case cases[] = {
        {u"OK", u"\"OK\",0"},
        // The compiler rejects an empty quoted string.
        {u"", u"0"},
        {u"Say \"hi\"", u"\"Say \",34,\"hi\",34,0"},
        {u"\"", u"34,0"},
        {u"\"\"x", u"34,34,\"x\",0"},
        {u"a\r\nb", u"\"a\",13,10,\"b\",0"},
        {u"\x01x", u"1,\"x\",0"},
        {std::u16string(1, u'\0'), u"0,0"},
        {u"x\x1F", u"\"x\",31,0"},
        {u"\x7F", u"127,0"},
        // Tab stays inside the quotes: tab replacement expands it with the rest of the text.
        {u"a\tb", u"\"a\tb\",0"},
        {u" ~'{}", u"\" ~'{}\",0"},
        // Latin-1 units go out as their own byte whatever encoding the file is read in.
        {u"caf\u00E9", u"\"caf\",233,0"},
        {u"\u00FF", u"255,0"},
        // One byte per code unit keeps hot-key offsets in step with the caption.
        {u"a\u2190b", u"\"a?b\",0"},
        {u"\U0001F600", u"\"??\",0"},
        {u"\u0122", u"\"?\",0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToUtf8(ByteOperand(c.text)), ToUtf8(c.operand)) << ToUtf8(c.text);
    }
}

TEST(SpinByteString, AppendsToWhatIsThere) {
    std::u16string out = u"     byte ";
    AppendSpinByteString(out, u"Hi");
    EXPECT_EQ(out, u"     byte \"Hi\",0");
}

}  // namespace
}  // namespace lumora
