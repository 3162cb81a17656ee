#include "recording/screen_saver.h"

#include <gtest/gtest.h>

TEST(ScreenSaverModulePath, MatchRule)
{
    const struct {
        const char* path;
        bool match;
    } cases[] = {
        {"C:\\Windows\\System32\\Mystify.scr", true},
        {"C:\\Windows\\SysWOW64\\ssText3d.scr", true},
        {"C:\\Windows\\System32\\MYSTIFY.SCR", false},  // case-sensitive
        {"C:\\Windows\\System32\\Mystify.Scr", false},
        {"C:\\Tools.scripts\\run.exe", true},           // a substring, not an extension test
        {"C:\\Program Files\\x\\lib.scr.dll", true},
        {"C:\\Windows\\notepad.exe", false},
        {"C:\\Windows\\a.sc", false},
        {"", false},
        {".scr", false},                                // must start after the first character
        {"x.scr", true},
        {"C:\\スクリーン\\表示.scr", true},              // 表 ends in 0x5C, the backslash
        {"C:\\\x81.scr", false},                        // the lead byte 0x81 takes the '.' as its second byte
        {"C:\\\x81\x81.scr", true},                     // a whole double-byte character, then ".scr"
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsScreenSaverModulePath(c.path), c.match) << c.path;
}
