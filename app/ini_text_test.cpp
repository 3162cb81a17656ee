#include "app/ini_text.h"

#include <gtest/gtest.h>

#include "app/ini_text_cases.h"

TEST(IniText, ReadsValuesAsThePlatformDoes)
{
    for (const IniReadCase& c : kIniReadCases) {
        const std::optional<std::string> value = FindProfileValue(c.text, c.section, c.key);
        EXPECT_EQ(value.has_value(), c.found) << c.name;
        if (c.found) {
            EXPECT_EQ(*value, c.value) << c.name;
        }
        EXPECT_EQ(ReadProfileInt(c.text, c.section, c.key, -1), c.integer) << c.name;
    }
}

TEST(IniText, CutsLongValuesAt4095Bytes)
{
    const std::string text = "[S]\r\nK=" + std::string(10000, 'v') + "\r\n";
    EXPECT_EQ(FindProfileValue(text, "S", "K")->size(), 4095u);
}

TEST(IniText, SurvivesBinaryAndHugeContent)
{
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>(i * 37 % 256);
    EXPECT_FALSE(FindProfileValue(binary, "SETTING", "INTERVAL").has_value());
    EXPECT_EQ(ReadProfileInt(binary, "SETTING", "INTERVAL", 7), 7);

    const std::string hugeLine = "[SETTING]\r\n" + std::string(3 << 20, '=') + "\r\nINTERVAL=9\r\n";
    EXPECT_EQ(ReadProfileInt(hugeLine, "SETTING", "INTERVAL", -1), 9);
}

TEST(IniText, WritingOneKeyKeepsEverythingElse)
{
    const struct {
        const char* name;
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    } cases[] = {
        {"empty file", "", "SETTING", "INTERVAL", "5", "[SETTING]\r\nINTERVAL=5\r\n"},
        {"replace in place",
         "; mine\r\n[SETTING]\r\nRECORD_PATH=C:\\w\r\ninterval = 3\r\nSHOW_THIS_MONTH=1\r\n",
         "SETTING", "INTERVAL", "10",
         "; mine\r\n[SETTING]\r\nRECORD_PATH=C:\\w\r\nINTERVAL=10\r\nSHOW_THIS_MONTH=1\r\n"},
        {"add at the end of its section, before the blank line",
         "[SETTING]\r\nRECORD_PATH=C:\\w\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=09:30\r\n", "SETTING",
         "INTERVAL", "5",
         "[SETTING]\r\nRECORD_PATH=C:\\w\r\nINTERVAL=5\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=09:30\r\n"},
        {"new section after the others", "[SETTING]\r\nINTERVAL=5\r\n", "DEFAULT", "WORK_END_HHMM",
         "18:30", "[SETTING]\r\nINTERVAL=5\r\n\r\n[DEFAULT]\r\nWORK_END_HHMM=18:30\r\n"},
        {"last line without line end", "[SETTING]\r\nINTERVAL=5", "SETTING", "SHOW_THIS_MONTH", "0",
         "[SETTING]\r\nINTERVAL=5\r\nSHOW_THIS_MONTH=0\r\n"},
        {"section name in other case", "[setting]\r\nINTERVAL=5\r\n", "SETTING", "INTERVAL", "6",
         "[setting]\r\nINTERVAL=6\r\n"},
        {"LF line ends kept", "[SETTING]\nINTERVAL=5\nX=1\n", "SETTING", "INTERVAL", "7",
         "[SETTING]\nINTERVAL=7\nX=1\n"},
        {"first of duplicate keys", "[SETTING]\r\nINTERVAL=1\r\nINTERVAL=2\r\n", "SETTING", "INTERVAL",
         "3", "[SETTING]\r\nINTERVAL=3\r\nINTERVAL=2\r\n"},
        {"empty section", "[SETTING]\r\n[DEFAULT]\r\n", "SETTING", "INTERVAL", "5",
         "[SETTING]\r\nINTERVAL=5\r\n[DEFAULT]\r\n"},
    };
    for (const auto& c : cases) {
        const std::string after = SetProfileValue(c.before, c.section, c.key, c.value);
        EXPECT_EQ(after, c.after) << c.name;
        EXPECT_EQ(*FindProfileValue(after, c.section, c.key), c.value) << c.name;
    }
}
