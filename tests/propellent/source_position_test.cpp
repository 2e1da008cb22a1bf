#include "source_position.h"

#include <gtest/gtest.h>

#include <string>

#include "spin_file_text.h"

namespace lumora::propellent {
namespace {

CompilerDiagnostic At(std::int32_t line, std::int32_t column, const char* item = nullptr) {
    CompilerDiagnostic d;
    d.line = line;
    d.column = column;
    if (item != nullptr) {
        d.offendingItem = item;
    }
    return d;
}

TEST(SourcePosition, LineAndColumnBecomeThePlaceInTheTextAsTheDialogCutsIt) {
    const struct {
        const char* name;
        std::u16string text;
        CompilerDiagnostic diagnostic;
        std::int32_t start;
        std::int32_t length;
    } cases[] = {
        {"first line", u"foo bar\r\n", At(1, 5, "bar"), 4, 3},
        // CR LF counts once.
        {"after CR LF", u"PUB a\r\n  x := 1\r\n", At(2, 3, "x"), 8, 1},
        // The compiler's tab goes to the next multiple of eight; the dialog's tab is eight wide.
        {"after a tab", u"PUB a\r\n\tx := 1\r\n", At(2, 9, "x"), 14, 1},
        {"tab inside", u"ab\tcd", At(1, 9, "cd"), 10, 2},
        {"lone LF and CR", u"a\nb\rc d", At(3, 3, "d"), 6, 1},
        // A column that misses the item: the item is looked up in the line.
        {"column off", u"  value := foo(1)", At(1, 2, "foo"), 11, 3},
        {"no item", u"abc\r\ndef", At(2, 2), 5, 0},
        {"past the last line", u"a\r\nb", At(9, 1, "x"), 3, 0},
        {"column past the line", u"ab\r\ncd", At(1, 40, "zz"), 2, 0},
        {"item past the line end", u"ab", At(1, 2, "bcdef"), 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TextSpan span = LocateDiagnostic(c.text, c.diagnostic);
        EXPECT_EQ(span.start, c.start);
        EXPECT_EQ(span.length, c.length);
    }
}

TEST(SourcePosition, WithoutAColumnTheWholeLineIsMeantAndTheEndOfFileIsTheEnd) {
    CompilerDiagnostic flex = At(2, 0);
    EXPECT_EQ(LocateDiagnostic(u"PUB a\r\n\t  foo(  \r\n", flex).start, 6 + 10);
    EXPECT_EQ(LocateDiagnostic(u"PUB a\r\n\t  foo(  \r\n", flex).length, 4);

    CompilerDiagnostic end;
    end.line = 3;
    end.atEndOfFile = true;
    EXPECT_EQ(LocateDiagnostic(u"a\r\n\tb\r\n", end).start, 1 + 1 + 8 + 1 + 1);
    EXPECT_EQ(LocateDiagnostic(u"a\r\n\tb\r\n", end).length, 0);

    CompilerDiagnostic noLine;
    EXPECT_EQ(LocateDiagnostic(u"abc", noLine).start, 0);
}

TEST(SpinFileText, EncodingsAreToldApartAndOnlyUnmarkedUtf16GetsAMark) {
    const std::string marked(
        "\xFF\xFE"
        "P\0U\0B\0",
        8);
    const std::string unmarked("P\0U\0B\0", 6);
    const std::string eightBit = "PUB \xB0";
    const std::string utf8 = "\xEF\xBB\xBFPUB \xC2\xB0";
    EXPECT_EQ(DetectSpinEncoding(marked), SpinEncoding::kUtf16LeWithMark);
    EXPECT_EQ(DetectSpinEncoding(unmarked), SpinEncoding::kUtf16Le);
    EXPECT_EQ(DetectSpinEncoding(eightBit), SpinEncoding::kEightBit);
    EXPECT_EQ(DetectSpinEncoding(utf8), SpinEncoding::kUtf8WithMark);
    EXPECT_EQ(DecodeSpinFile(marked), u"PUB");
    EXPECT_EQ(DecodeSpinFile(unmarked), u"PUB");
    EXPECT_EQ(DecodeSpinFile(eightBit), u"PUB \u00B0");
    EXPECT_EQ(DecodeSpinFile(utf8), u"PUB \u00B0");
    EXPECT_EQ(DecodeSpinFile("\xEF\xBB\xBF\xC2"), u"\uFFFD");  // a cut sequence

    EXPECT_EQ(CompilerReadableBytes(unmarked), marked);
    EXPECT_EQ(CompilerReadableBytes(marked), marked);
    EXPECT_EQ(CompilerReadableBytes(eightBit), eightBit);
    EXPECT_EQ(CompilerReadableBytes(""), "");
    // The mark adds no character: the text the compiler reads is the text the dialog cuts.
    EXPECT_EQ(DecodeSpinFile(CompilerReadableBytes(unmarked)), DecodeSpinFile(unmarked));
}

}  // namespace
}  // namespace lumora::propellent
