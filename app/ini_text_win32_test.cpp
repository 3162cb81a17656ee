// Under Wine (or Windows), the platform's own private-profile reader must read every text of the
// table exactly as our reader does.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/ini_text.h"
#include "app/ini_text_cases.h"
#include "tests/temp_folder.h"

TEST(IniTextOnWindows, PlatformReaderAgreesWithTheTable)
{
    CTempFolder temp;
    int index = 0;
    for (const IniReadCase& c : kIniReadCases) {
        // A new file name for each text: the platform caches profile files by name.
        const std::string path = temp / ("case" + std::to_string(++index) + ".ini");
        WriteTestFile(path, c.text);
        char buffer[4096];
        const DWORD length = GetPrivateProfileStringA(c.section, c.key, "<missing>", buffer, sizeof buffer,
                                                      path.c_str());
        const std::string platformValue(buffer, length);
        EXPECT_EQ(platformValue, c.found ? std::string(c.value) : std::string("<missing>")) << c.name;
        const int platformInteger = static_cast<int>(GetPrivateProfileIntA(c.section, c.key, -1, path.c_str()));
        EXPECT_EQ(platformInteger, c.integer) << c.name;
    }
}

TEST(IniTextOnWindows, PlatformReadsWhatOurWriterWrote)
{
    CTempFolder temp;
    std::string text = "; kept\r\n[SETTING]\r\nRECORD_PATH=C:\\勤務表\r\n\r\n[DEFAULT]\r\nWORK_START_HHMM=08:00\r\n";
    text = SetProfileValue(text, "SETTING", "INTERVAL", "10");
    text = SetProfileValue(text, "DEFAULT", "WORK_END_HHMM", "17:45");
    text = SetProfileValue(text, "DEFAULT", "WORK_START_HHMM", "08:15");
    const std::string path = temp / "written.ini";
    WriteTestFile(path, text);
    char buffer[4096];
    GetPrivateProfileStringA("SETTING", "RECORD_PATH", "", buffer, sizeof buffer, path.c_str());
    EXPECT_STREQ(buffer, "C:\\勤務表");
    EXPECT_EQ(GetPrivateProfileIntA("SETTING", "INTERVAL", -1, path.c_str()), 10u);
    GetPrivateProfileStringA("DEFAULT", "WORK_START_HHMM", "", buffer, sizeof buffer, path.c_str());
    EXPECT_STREQ(buffer, "08:15");
    GetPrivateProfileStringA("DEFAULT", "WORK_END_HHMM", "", buffer, sizeof buffer, path.c_str());
    EXPECT_STREQ(buffer, "17:45");
}
