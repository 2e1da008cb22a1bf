#include <gtest/gtest.h>

#include <optional>

#include "properties/integer_text.h"

namespace lumora {
namespace {

TEST(ReadGridInteger, ReadsALeadingDecimalNumberAndStopsAtTheRest) {
    struct Case {
        std::u16string text;
        std::int32_t value;
    };
    const Case cases[] = {
        {u"42", 42},
        {u"  7", 7},
        {u"\t-3", -3},
        {u"+12", 12},
        {u"12abc", 12},
        {u"3 4", 3},
        {u"abc", 0},
        {u"", 0},
        {u"-", 0},
        {u"- 5", 0},
        {u"0x10", 0},
        {u"007", 7},
        {u"2147483647", INT32_MAX},
        {u"-2147483648", INT32_MIN},
        // Beyond 32 bits the value saturates, so it fails every range check.
        {u"2147483648", INT32_MAX},
        {u"99999999999999999999", INT32_MAX},
        {u"-99999999999999999999", INT32_MIN},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadGridInteger(c.text), c.value) << c.value;
    }
}

TEST(StartsWithInteger, TellsANumberReadAsZeroFromTextWithoutOne) {
    for (const std::u16string text : {u"0", u" -0", u"0x10", u"12abc", u"+7"}) {
        EXPECT_TRUE(StartsWithInteger(text));
    }
    for (const std::u16string text : {u"", u"abc", u"-", u"- 5", u"  ", u"+"}) {
        EXPECT_FALSE(StartsWithInteger(text));
    }
}

TEST(ReadWholeNumber, AllowsBlanksAroundTheNumberAndNothingElse) {
    struct Case {
        std::u16string text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {u"10", 10},
        {u" 3 ", 3},
        {u"-1", -1},
        {u"+4", 4},
        {u"", std::nullopt},
        {u"  ", std::nullopt},
        {u"3x", std::nullopt},
        {u"1 0", std::nullopt},
        {u"x3", std::nullopt},
        {u"+", std::nullopt},
        {u"1.5", std::nullopt},
        {u"99999999999", INT32_MAX},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadWholeNumber(c.text), c.value);
    }
}

}  // namespace
}  // namespace lumora
