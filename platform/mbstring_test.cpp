#include "platform/mbstring.h"

#include <gtest/gtest.h>

#include <climits>

TEST(MultiByteSearch, NeverMatchesTheSecondByteOfADoubleByteCharacter)
{
    // "表" is 0x95 0x5C in code page 932: its second byte is a backslash.
    const std::string text = "C:\\表\\data";
    ASSERT_EQ(text.size(), 10u);
    EXPECT_EQ(FindMultiByte(text, "\\"), 2u);
    EXPECT_EQ(FindMultiByte(text, "\\", 3), 5u);
    EXPECT_EQ(ReverseFindMultiByte(text, '\\'), 5u);
    EXPECT_EQ(ReverseFindMultiByte("C:\\ソ", '\\'), 2u);
    EXPECT_EQ(FindMultiByte("能", "\\"), std::string::npos);
}

TEST(MultiByteSearch, FindsSubstringsAndReportsAbsence)
{
    EXPECT_EQ(FindMultiByte("a\tb\tc", "\t"), 1u);
    EXPECT_EQ(FindMultiByte("a\tb\tc", "\t", 2), 3u);
    EXPECT_EQ(FindMultiByte("abc", "x"), std::string::npos);
    EXPECT_EQ(FindMultiByte("C:\\saver.scr", ".scr"), 8u);
    EXPECT_EQ(FindMultiByte("", "\t"), std::string::npos);
    EXPECT_EQ(ReverseFindMultiByte("abc", '\\'), std::string::npos);
    // A lead byte at the very end stands alone and does not swallow anything.
    EXPECT_EQ(ReverseFindMultiByte(std::string("a\\\x95"), '\\'), 1u);
}

TEST(MultiByteSearch, TellsALeadByteLeftAloneAtTheEnd)
{
    const struct {
        std::string text;
        bool lone;
    } cases[] = {
        {"", false},
        {"abc", false},
        {"\x95", true},             // only a lead byte
        {"a\x95", true},
        {"\x95\x5C", false},        // 表, whole
        {"\x95\x5C\x95", true},     // 表 and a lead byte
        {"\x95\x95", false},        // the second byte of a pair, though a lead byte by its value
        {"\x95\x95\x95", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EndsInLoneLeadByte(c.text), c.lone) << testing::PrintToString(c.text);
}

TEST(ReadAtoi, FollowsTheRuntimeRules)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"0930", 930}, {"  42x", 42}, {"-7", -7}, {"+8", 8}, {"", 0}, {"abc", 0},
        {"12:3", 12}, {":3", 0}, {"\t\n 5", 5}, {"- 5", 0}, {"99999999999", INT_MAX},
        {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadAtoi(c.text), c.value) << '"' << c.text << '"';
}
