#include "app/settings.h"

#include <gtest/gtest.h>

#include <thread>

#include "platform/file_system.h"
#include "tests/temp_folder.h"

namespace {

class SettingsTest : public testing::Test {
protected:
    std::string IniText() const { return ReadTestFile(m_profile.GetPath()); }
    void SetIni(std::string_view text) { WriteTestFile(m_profile.GetPath(), text); }

    CTempFolder m_temp;
    CProfileStore m_profile{m_temp / "Tarvelo.ini"};
};

std::string ExecutableFolder()
{
    const std::string executable = GetExecutablePath();
    return executable.substr(0, executable.rfind('\\'));
}

}  // namespace

TEST(ProfilePath, ReplacesTheLastThreeCharactersWithIni)
{
    EXPECT_EQ(MakeProfilePath("C:\\Tools\\Tarvelo.exe"), "C:\\Tools\\Tarvelo.ini");
    EXPECT_EQ(MakeProfilePath("C:\\Tools\\Tarvelo.EXE"), "C:\\Tools\\Tarvelo.ini");
    EXPECT_EQ(MakeProfilePath("C:\\表\\t.exe"), "C:\\表\\t.ini");
}

TEST_F(SettingsTest, WithoutAnIniTheRecordFolderIsTheExecutablesAndIsStored)
{
    EXPECT_EQ(GetRecordPath(m_profile), ExecutableFolder());
    EXPECT_EQ(IniText(), "[SETTING]\r\nRECORD_PATH=" + ExecutableFolder() + "\r\n");
}

TEST_F(SettingsTest, RecordFolderLosesUpToThreeTrailingBackslashes)
{
    const struct {
        const char* stored;
        const char* returned;
    } cases[] = {
        {"C:\\Work", "C:\\Work"},
        {"C:\\Work\\", "C:\\Work"},
        {"C:\\Work\\\\\\\\", "C:\\Work\\"},
        {"C:\\勤務表", "C:\\勤務表"},      // ends in 0x5C as the second byte of 表
        {"C:\\勤務表\\", "C:\\勤務表"},
        {"D:\\ソ\\\\", "D:\\ソ"},
    };
    for (const auto& c : cases) {
        const std::string ini = std::string("[SETTING]\r\nRECORD_PATH=") + c.stored + "\r\n";
        SetIni(ini);
        EXPECT_EQ(GetRecordPath(m_profile), c.returned) << c.stored;
        EXPECT_EQ(IniText(), ini) << "the stored text stays as it was";
    }
}

TEST_F(SettingsTest, EmptyOrBackslashOnlyRecordFolderBecomesTheExecutablesFolder)
{
    for (const char* stored : {"", "\\", "\\\\\\", "\\\\\\\\"}) {
        SetIni(std::string("[SETTING]\r\nRECORD_PATH=") + stored + "\r\nINTERVAL=5\r\n");
        EXPECT_EQ(GetRecordPath(m_profile), ExecutableFolder()) << stored;
        EXPECT_EQ(IniText(), "[SETTING]\r\nRECORD_PATH=" + ExecutableFolder() + "\r\nINTERVAL=5\r\n");
    }
}

TEST_F(SettingsTest, DefaultTimesAreStoredWhenMissingOrEmpty)
{
    EXPECT_EQ(GetWorkStart(m_profile), "0930");
    EXPECT_EQ(GetWorkEnd(m_profile), "1830");
    EXPECT_EQ(IniText(), "[DEFAULT]\r\nWORK_START_HHMM=09:30\r\nWORK_END_HHMM=18:30\r\n");

    SetIni("[DEFAULT]\r\nWORK_START_HHMM=\r\n");
    EXPECT_EQ(GetWorkStart(m_profile), "0930");
    EXPECT_EQ(IniText(), "[DEFAULT]\r\nWORK_START_HHMM=09:30\r\n");
}

TEST_F(SettingsTest, DefaultTimesAreHandedOutAsFirstTwoAndLastTwoCharacters)
{
    const struct {
        const char* stored;
        const char* handedOut;
    } cases[] = {
        {"08:45", "0845"}, {"1830", "1830"}, {"9", "99"}, {"12", "1212"}, {"7:05", "7:05"},
    };
    for (const auto& c : cases) {
        SetIni(std::string("[DEFAULT]\r\nWORK_END_HHMM=") + c.stored + "\r\n");
        EXPECT_EQ(GetWorkEnd(m_profile), c.handedOut) << c.stored;
    }
}

TEST_F(SettingsTest, SettingATimeStoresHourColonMinute)
{
    SetWorkStart(m_profile, "07:05");
    SetWorkEnd(m_profile, "0705");
    EXPECT_EQ(IniText(), "[DEFAULT]\r\nWORK_START_HHMM=07:05\r\nWORK_END_HHMM=07:05\r\n");
    EXPECT_EQ(GetWorkStart(m_profile), "0705");
}

TEST(ParseClockTime, ReadsHourFromTheFirstTwoAndMinuteFromTheLastTwoCharacters)
{
    const struct {
        const char* text;
        bool valid;
        int hour, minute;
    } cases[] = {
        {"", true, 0, 0},       {"9", true, 9, 9},       {"9:30", true, 9, 30},
        {"09:3", true, 9, 0},   {"18:30", true, 18, 30}, {"1830", true, 18, 30},
        {"23:59", true, 23, 59}, {"24:00", false, 0, 0}, {"12:60", false, 0, 0},
        {"-1:00", false, 0, 0}, {"ab:cd", true, 0, 0},
    };
    for (const auto& c : cases) {
        const COleDateTime time = ParseClockTime(c.text);
        EXPECT_EQ(time.IsValid(), c.valid) << '"' << c.text << '"';
        if (c.valid) {
            EXPECT_EQ(time.GetYear(), 1899);
            EXPECT_EQ(time.GetMonth(), 12);
            EXPECT_EQ(time.GetDay(), 30);
            EXPECT_EQ(time.GetHour(), c.hour) << c.text;
            EXPECT_EQ(time.GetMinute(), c.minute) << c.text;
            EXPECT_EQ(time.GetSecond(), 0);
        }
    }
}

TEST_F(SettingsTest, IntervalRule)
{
    const struct {
        const char* ini;
        int interval;
        const char* iniAfter;
    } cases[] = {
        {"", 5, "[SETTING]\r\nINTERVAL=5\r\n"},
        {"[SETTING]\r\nINTERVAL=-3\r\n", 5, "[SETTING]\r\nINTERVAL=5\r\n"},
        {"[SETTING]\r\nINTERVAL=10\r\n", 10, "[SETTING]\r\nINTERVAL=10\r\n"},
        {"[SETTING]\r\nINTERVAL=0\r\n", 0, "[SETTING]\r\nINTERVAL=0\r\n"},
        {"[SETTING]\r\nINTERVAL=abc\r\n", 0, "[SETTING]\r\nINTERVAL=abc\r\n"},
        {"[SETTING]\r\nINTERVAL=\r\n", 5, "[SETTING]\r\nINTERVAL=5\r\n"},
    };
    for (const auto& c : cases) {
        SetIni(c.ini);
        EXPECT_EQ(GetInterval(m_profile), c.interval) << c.ini;
        EXPECT_EQ(IniText(), c.iniAfter) << c.ini;
    }
}

TEST_F(SettingsTest, ShowThisMonthRule)
{
    const struct {
        const char* ini;
        int value;
        const char* iniAfter;
    } cases[] = {
        {"", 0, "[SETTING]\r\nSHOW_THIS_MONTH=0\r\n"},
        {"[SETTING]\r\nSHOW_THIS_MONTH=-1\r\n", 0, "[SETTING]\r\nSHOW_THIS_MONTH=0\r\n"},
        {"[SETTING]\r\nSHOW_THIS_MONTH=1\r\n", 1, "[SETTING]\r\nSHOW_THIS_MONTH=1\r\n"},
        {"[SETTING]\r\nSHOW_THIS_MONTH=2\r\n", 2, "[SETTING]\r\nSHOW_THIS_MONTH=2\r\n"},
    };
    for (const auto& c : cases) {
        SetIni(c.ini);
        EXPECT_EQ(GetShowThisMonth(m_profile), c.value) << c.ini;
        EXPECT_EQ(IniText(), c.iniAfter) << c.ini;
    }
}

TEST_F(SettingsTest, AFailedWriteIsSilentAndTheValueStillServes)
{
    // A folder where the INI file should be: nothing can be written.
    ASSERT_TRUE(CreateFolder(m_profile.GetPath()));
    EXPECT_EQ(GetInterval(m_profile), 5);
    EXPECT_EQ(GetWorkStart(m_profile), "0930");
    EXPECT_FALSE(m_profile.WriteInt(SETTING, INTERVAL, 5));
}

TEST_F(SettingsTest, ValuesWithLineBreaksAreNotWritten)
{
    SetIni("[SETTING]\r\nINTERVAL=5\r\n");
    EXPECT_FALSE(m_profile.WriteString(SETTING, RECORD_PATH, "C:\\a\r\n[X]"));
    EXPECT_EQ(IniText(), "[SETTING]\r\nINTERVAL=5\r\n");
}

TEST_F(SettingsTest, TwoThreadsWritingDifferentKeysLoseNothing)
{
    constexpr int kWrites = 40;
    auto writer = [this](const char* key) {
        for (int i = 1; i <= kWrites; ++i)
            ASSERT_TRUE(m_profile.WriteInt(SETTING, key, i));
    };
    std::thread first(writer, "FIRST");
    std::thread second(writer, "SECOND");
    first.join();
    second.join();
    EXPECT_EQ(m_profile.ReadInt(SETTING, "FIRST", -1), kWrites);
    EXPECT_EQ(m_profile.ReadInt(SETTING, "SECOND", -1), kWrites);
}
