#include <gtest/gtest.h>

#include <string>

#include "codegen/tab_replacement.h"
#include "model/text_encoding.h"
#include "recording_messages.h"

namespace lumora {
namespace {

using testing::RecordingMessages;

TEST(ReplaceTabs, ExpandsToTheNextMultipleOfFiveColumns) {
    struct Case {
        std::u16string text;
        std::u16string expanded;
    };
    const Case cases[] = {
        {u"\tx", u"     x"},
        {u"abc\tx", u"abc  x"},
        {u"abcd\tx", u"abcd x"},
        {u"abcde\tx", u"abcde     x"},
        // Later tabs are measured after the earlier ones have been expanded.
        {u"a\tb\tc", u"a    b    c"},
        {u"\t\t", u"          "},
        {u"ab\t\tc", u"ab        c"},
        // Columns start after the last CR or LF.
        {u"xyz\r\n\ty", u"xyz\r\n     y"},
        {u"xyz\r\tz", u"xyz\r     z"},
        {u"ab\ncd\te", u"ab\ncd   e"},
        {u"long first line\r\nab\tc", u"long first line\r\nab   c"},
        {u"\t", u"     "},
    };
    for (const Case& c : cases) {
        RecordingMessages messages;
        std::u16string text = c.text;
        EXPECT_TRUE(ReplaceTabs(text, &messages));
        EXPECT_EQ(ToUtf8(text), ToUtf8(c.expanded)) << ToUtf8(c.text);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0],
                  u"Tab characters detected in code.  Tabs will be replaced by uniform 5 space "
                  u"tabstops.");
    }
}

TEST(ReplaceTabs, LeavesATextWithoutTabsAloneAndSilent) {
    RecordingMessages messages;
    std::u16string text = u"PUB Start\r\n    return\r\n";
    EXPECT_FALSE(ReplaceTabs(text, &messages));
    EXPECT_EQ(text, u"PUB Start\r\n    return\r\n");
    EXPECT_TRUE(messages.shown.empty());

    std::u16string empty;
    EXPECT_FALSE(ReplaceTabs(empty, &messages));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(ReplaceTabs, ManyTabsGiveOneMessageAndNoTabIsLeft) {
    std::u16string text;
    std::u16string expected;
    for (int i = 0; i < 20000; ++i) {
        text += u"\tab\t\tc\r\n";
        expected += u"     ab        c\r\n";
    }
    RecordingMessages messages;
    EXPECT_TRUE(ReplaceTabs(text, &messages));
    EXPECT_EQ(text, expected);
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(ReplaceTabs, WorksWithoutAMessageBox) {
    std::u16string text = u"a\tb";
    EXPECT_TRUE(ReplaceTabs(text, nullptr));
    EXPECT_EQ(text, u"a    b");
}

}  // namespace
}  // namespace lumora
