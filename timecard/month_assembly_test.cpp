#include "timecard/month_assembly.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/file_system.h"
#include "tests/temp_folder.h"

namespace {

constexpr LocalTime k15July2008{2008, 7, 15, 10, 30, 0};

// A record folder with data\, the month folders and the files that a test writes.
class MonthAssemblyTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateFolder(m_record));
        ASSERT_TRUE(CreateFolder(m_record + "\\data"));
    }
    void WriteLog(const std::string& month, const std::string& stem, const std::string& log)
    {
        const std::string folder = m_record + "\\data\\" + month;
        if (!PathExists(folder)) {
            ASSERT_TRUE(CreateFolder(folder));
        }
        WriteTestFile(folder + "\\" + stem + ".log", log);
    }
    void WriteCard(const std::string& month, const std::string& content)
    {
        WriteTestFile(m_record + "\\data\\" + month + ".tsv", content);
    }
    std::string ReadCard(const std::string& month) const
    {
        return ReadTestFile(m_record + "\\data\\" + month + ".tsv");
    }
    MonthRows Load(int year, int month, const std::optional<LocalTime>& today)
    {
        EXPECT_TRUE(ReadMonthFile(m_data, m_record, year, month));
        return AssembleMonth(m_data, m_record, year, month, today);
    }

    CTempFolder m_temp;
    // 表 ends in the byte of a backslash: every path below it must still be right.
    const std::string m_record = m_temp / "勤務表";
    CTimeCardData m_data;
};

const char kWorkday[] = "0855S\r\n0912A\r\n1200A\r\n1840A\r\n1845S\r\n";

}  // namespace

TEST_F(MonthAssemblyTest, PastDaysTakeTheLogsTimesAndTodayKeepsItsClockTimesEmpty)
{
    WriteLog("200807", "0701", kWorkday);
    WriteLog("200807", "0714", "0800A\r\n1700A\r\n");
    WriteLog("200807", "0715", "0930A\r\n1015A\r\n");
    WriteLog("200807", "0716", "0930S\r\n");  // a future day with a log: not today, so it counts
    const MonthRows rows = Load(2008, 7, k15July2008);

    EXPECT_EQ(rows[0], (DayRow{"07月01日(火)", "09:12", "18:40", "08:55", "09:12", "18:40", "18:45", ""}));
    EXPECT_EQ(rows[1], (DayRow{"07月02日(水)", "", "", "", "", "", "", ""}));
    EXPECT_EQ(rows[13], (DayRow{"07月14日(月)", "08:00", "17:00", "08:00", "08:00", "17:00", "17:00", ""}));
    EXPECT_EQ(rows[14], (DayRow{"07月15日(火)", "", "", "09:30", "09:30", "10:15", "10:15", ""}));
    EXPECT_EQ(rows[15], (DayRow{"07月16日(水)", "", "", "09:30", "", "", "09:30", ""}));
    EXPECT_EQ(rows[30][COLUMN_DATE], "07月31日(木)");

    // The record holds what the rows show, each day dated.
    for (int day = 0; day < CTimeCardData::kDays; ++day) {
        EXPECT_TRUE(m_data.m_date[day].IsValid());
        EXPECT_EQ(m_data.m_date[day].GetDay(), day + 1);
        EXPECT_EQ(m_data.m_date[day].GetMonth(), 7);
        EXPECT_EQ(m_data.m_clockIn[day], rows[day][COLUMN_CLOCK_IN]);
        EXPECT_EQ(m_data.m_clockOut[day], rows[day][COLUMN_CLOCK_OUT]);
        EXPECT_EQ(m_data.m_startup[day], rows[day][COLUMN_STARTUP]);
        EXPECT_EQ(m_data.m_start[day], rows[day][COLUMN_START]);
        EXPECT_EQ(m_data.m_stop[day], rows[day][COLUMN_STOP]);
        EXPECT_EQ(m_data.m_end[day], rows[day][COLUMN_END]);
        EXPECT_EQ(m_data.m_remarks[day], rows[day][COLUMN_REMARKS]);
    }
    EXPECT_EQ(m_data.GetPath(), m_record + "\\data\\200807.tsv");
    // Assembling writes nothing.
    EXPECT_FALSE(PathExists(m_record + "\\data\\200807.tsv"));
}

TEST_F(MonthAssemblyTest, TheSameDayOfAnotherYearOrMonthIsAPastDay)
{
    WriteLog("200707", "0715", kWorkday);
    WriteLog("200806", "0615", kWorkday);
    for (const auto& [year, month] : {std::pair{2007, 7}, std::pair{2008, 6}}) {
        const MonthRows rows = Load(year, month, k15July2008);
        EXPECT_EQ(rows[14][COLUMN_CLOCK_IN], "09:12") << year << month;
        EXPECT_EQ(rows[14][COLUMN_CLOCK_OUT], "18:40") << year << month;
    }
}

TEST_F(MonthAssemblyTest, WithoutTodaysDateEveryDayIsAPastDay)
{
    WriteLog("200807", "0715", kWorkday);
    const MonthRows rows = Load(2008, 7, std::nullopt);
    EXPECT_EQ(rows[14][COLUMN_CLOCK_IN], "09:12");
    EXPECT_EQ(rows[14][COLUMN_CLOCK_OUT], "18:40");
}

TEST_F(MonthAssemblyTest, DaysPastTheEndOfAShortMonthAreBlankAndTheirSlotsUntouched)
{
    WriteLog("200802", "0229", kWorkday);
    WriteLog("200802", "0230", kWorkday);  // no such day: never shown
    const MonthRows rows = Load(2008, 2, k15July2008);
    EXPECT_EQ(rows[28], (DayRow{"02月29日(金)", "09:12", "18:40", "08:55", "09:12", "18:40", "18:45", ""}));
    EXPECT_EQ(rows[29], DayRow{});
    EXPECT_EQ(rows[30], DayRow{});
    EXPECT_FALSE(m_data.m_date[29].IsValid());
    EXPECT_FALSE(m_data.m_date[30].IsValid());
    EXPECT_EQ(m_data.m_start[29], "");

    ASSERT_TRUE(m_data.SaveMonth());
    const std::string card = ReadCard("200802");
    EXPECT_EQ(std::count(card.begin(), card.end(), '\n'), 29);
    const std::string lastLine = "2008/02/29\t09:12\t18:40\t08:55\t09:12\t18:40\t18:45\t\r\n";
    EXPECT_EQ(card.substr(card.size() - lastLine.size()), lastLine);
}

TEST_F(MonthAssemblyTest, TheFilesClockTimesAndRemarksWinTheLogsTimesDoNot)
{
    WriteLog("200807", "0701", kWorkday);
    WriteCard("200807",
              "2008/07/01\t08:50\t19:00\t07:00\t07:00\t07:00\t07:00\t早出\r\n"
              "2008/07/02\t\t\t07:00\t07:01\t19:59\t20:00\t有給休暇\r\n");
    const MonthRows rows = Load(2008, 7, k15July2008);
    EXPECT_EQ(rows[0], (DayRow{"07月01日(火)", "08:50", "19:00", "08:55", "09:12", "18:40", "18:45", "早出"}));
    EXPECT_EQ(rows[1], (DayRow{"07月02日(水)", "", "", "", "", "", "", "有給休暇"}));
}

TEST_F(MonthAssemblyTest, SavingAfterTheLoadFixesPastDaysClockTimesInTheFile)
{
    WriteLog("200807", "0701", kWorkday);
    WriteLog("200807", "0715", kWorkday);
    Load(2008, 7, k15July2008);
    ASSERT_TRUE(m_data.SaveMonth());
    const std::string card = ReadCard("200807");
    EXPECT_EQ(card.substr(0, 49), "2008/07/01\t09:12\t18:40\t08:55\t09:12\t18:40\t18:45\t\r\n");
    EXPECT_NE(card.find("2008/07/15\t\t\t08:55\t09:12\t18:40\t18:45\t\r\n"), std::string::npos);

    // From now on the file's times stay, though the log grows; the log columns follow the log.
    WriteLog("200807", "0701", std::string(kWorkday) + "1930A\r\n");
    const MonthRows rows = Load(2008, 7, LocalTime{2008, 7, 16, 9, 0, 0});
    EXPECT_EQ(rows[0], (DayRow{"07月01日(火)", "09:12", "18:40", "08:55", "09:12", "19:30", "19:30", ""}));
    EXPECT_EQ(rows[14][COLUMN_CLOCK_IN], "09:12");  // yesterday is past now
}

TEST_F(MonthAssemblyTest, AfterAReadFailureTheMonthIsBuiltFromTheReadPartAndTheLogs)
{
    const std::string original =
        "2008/07/01\t08:50\t19:00\t\t\t\t\t早出\r\n"
        "2008/07/02\tonly two fields\r\n"
        "2008/07/03\t10:00\t20:00\t\t\t\t\t遅番\r\n";
    WriteCard("200807", original);
    WriteLog("200807", "0703", kWorkday);
    ASSERT_TRUE(m_data.SetPath("C:\\previous\\200806.tsv"));

    EXPECT_FALSE(ReadMonthFile(m_data, m_record, 2008, 7));
    EXPECT_EQ(m_data.GetPath(), m_record + "\\data\\200807.tsv");  // the failed month, not the previous
    EXPECT_EQ(m_data.GetRejectedLine(), 2);

    // The user chose to go on.
    const MonthRows rows = AssembleMonth(m_data, m_record, 2008, 7, k15July2008);
    EXPECT_EQ(rows[0][COLUMN_CLOCK_IN], "08:50");
    EXPECT_EQ(rows[0][COLUMN_REMARKS], "早出");
    EXPECT_EQ(rows[2], (DayRow{"07月03日(木)", "09:12", "18:40", "08:55", "09:12", "18:40", "18:45", ""}));

    // Saving keeps the unread file beside the new one.
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_record + "\\data\\200807.tsv.bak"), original);
    CTimeCardData back;
    EXPECT_TRUE(ReadMonthFile(back, m_record, 2008, 7));
}

TEST_F(MonthAssemblyTest, AFilePathTooLongIsAReadFailureAndLeavesNoPathToSaveTo)
{
    WriteCard("200807", "2008/07/01\t09:00\t\t\t\t\t\t\r\n");
    ASSERT_TRUE(ReadMonthFile(m_data, m_record, 2008, 7));
    const std::string deep(250, 'x');
    EXPECT_FALSE(ReadMonthFile(m_data, deep, 2008, 8));
    EXPECT_STREQ(m_data.GetPath(), "");
    EXPECT_EQ(m_data.m_clockIn[0], "");
    AssembleMonth(m_data, deep, 2008, 8, k15July2008);
    EXPECT_TRUE(m_data.SaveMonth());  // nothing written anywhere
    EXPECT_EQ(ReadCard("200807"), "2008/07/01\t09:00\t\t\t\t\t\t\r\n");

    // No rejected line is left over from an earlier month.
    WriteCard("200806", "broken\r\n");
    EXPECT_FALSE(ReadMonthFile(m_data, m_record, 2008, 6));
    ASSERT_EQ(m_data.GetRejectedLine(), 1);
    EXPECT_FALSE(ReadMonthFile(m_data, deep, 2008, 8));
    EXPECT_EQ(m_data.GetRejectedLine(), 0);
}

TEST(MonthPaths, AreBelowTheDataFolder)
{
    EXPECT_EQ(MakeTimeCardPath("C:\\勤務表", 2008, 7), "C:\\勤務表\\data\\200807.tsv");
    EXPECT_EQ(MakeLogFolderPath("C:\\勤務表", 2008, 12), "C:\\勤務表\\data\\200812");
    EXPECT_EQ(MakeTimeCardPath("D:", 987, 1), "D:\\data\\098701.tsv");
}
