#include "platform/text_win32.h"

#include <gtest/gtest.h>

namespace {

struct ConversionCase {
    const char* cp932;
    const wchar_t* wide;
};

// The narrow literals are code page 932, the wide ones UTF-16: the same characters both ways.
const ConversionCase kCases[] = {
    {"", L""},
    {"Tarvelo", L"Tarvelo"},
    {"すでに起動しています。", L"すでに起動しています。"},
    {"表示ソ能", L"表示ソ能"},   // second bytes 0x5C stay inside their characters
    {"ﾀｰﾙ", L"ﾀｰﾙ"},             // half-width katakana are single bytes
};

TEST(Cp932ToWideTest, ConvertsEveryCharacterOfTheCodePage)
{
    for (const ConversionCase& c : kCases)
        EXPECT_EQ(Cp932ToWide(c.cp932), std::wstring(c.wide)) << c.cp932;
}

TEST(Cp932ToWideTest, KeepsTheWholeLengthEvenWithEmbeddedNul)
{
    const std::string text("A\0B", 3);
    EXPECT_EQ(Cp932ToWide(text), std::wstring(L"A\0B", 3));
}

}  // namespace
