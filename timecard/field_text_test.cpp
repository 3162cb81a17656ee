#include "timecard/field_text.h"

#include <gtest/gtest.h>

using Pieces = std::vector<std::string>;

TEST(SplitString, GivesOneMorePieceThanDelimitersEmptyOnesIncluded)
{
    const struct {
        std::string text;
        const char* delimiter;
        Pieces pieces;
    } cases[] = {
        {"", "\t", {""}},
        {"a", "\t", {"a"}},
        {"a\t\tb", "\t", {"a", "", "b"}},
        {"a\t", "\t", {"a", ""}},
        {"\t", "\t", {"", ""}},
        {"2008/07/01", "/", {"2008", "07", "01"}},
        {"2008-07-01", "/", {"2008-07-01"}},
        {"ab--cd--", "--", {"ab", "cd", ""}},
        {"abc", "", {"abc"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitString(c.text, c.delimiter), c.pieces) << c.text;
}

TEST(SplitString, NeverSplitsInsideADoubleByteCharacter)
{
    // The second byte of ソ, 表 and 能 is 0x5C: only a character of its own is a delimiter.
    EXPECT_EQ(SplitString("ソフト\\表\\能", "\\"), (Pieces{"ソフト", "表", "能"}));
    EXPECT_EQ(SplitString("表", "\\"), (Pieces{"表"}));
    // A lead byte left alone at the end swallows the appended delimiter and its piece.
    EXPECT_EQ(SplitString(std::string("a\tb\x81"), "\t"), (Pieces{"a"}));
}

TEST(MakeFieldText, PutsBlanksForLineAndFieldBreaks)
{
    const struct {
        std::string text;
        std::string field;
    } cases[] = {
        {"", ""},
        {"会議 9:00", "会議 9:00"},
        {"a\tb", "a b"},
        {"line\r\nnext", "line  next"},
        {"\r", " "},
        {"表\t", "表 "},
        // A lead byte alone at the end would pair with the next TAB.
        {std::string("ab\x81"), "ab "},
        {std::string("\x95\\\x81"), "表 "},
        // A lead byte whose second byte was a TAB keeps its pair, now with a blank.
        {std::string("\x81\tx"), std::string("\x81 x")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MakeFieldText(c.text), c.field) << c.text;
        // Whatever the text, the field ends a line of eight fields as a field of its own.
        const std::vector<std::string> pieces = SplitString("a\t" + MakeFieldText(c.text), "\t");
        ASSERT_EQ(pieces.size(), 2u) << c.text;
        EXPECT_EQ(pieces[1], c.field);
    }
}
