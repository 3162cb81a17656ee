#include "timecard/activity_summary.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/temp_folder.h"

namespace {

class ActivitySummaryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateFolder(m_temp / "data"));
        ASSERT_TRUE(CreateFolder(m_folder));
    }
    std::string LogPath(const char* stem) const { return m_folder + "\\" + stem + ".log"; }

    CTempFolder m_temp;
    const std::string m_folder = m_temp / "data\\200807";
};

struct Times {
    std::string startup, start, stop, end;
    bool operator==(const Times& other) const
    {
        return startup == other.startup && start == other.start && stop == other.stop && end == other.end;
    }
};

std::ostream& operator<<(std::ostream& out, const Times& t)
{
    return out << "{" << t.startup << ", " << t.start << ", " << t.stop << ", " << t.end << "}";
}

Times TimesOf(const CActivitySummary& summary, int day)
{
    return {summary.GetStartup(day), summary.GetStart(day), summary.GetStop(day), summary.GetEnd(day)};
}

}  // namespace

TEST_F(ActivitySummaryTest, DerivesTheFourTimesOfEachDayFromItsLog)
{
    const struct {
        const char* stem;
        const char* log;
        Times times;
    } cases[] = {
        {"0701", "0855S\r\n0900A\r\n1230A\r\n1800S\r\n", {"0855", "0900", "1230", "1800"}},
        {"0702", "0855S\n0900A\n1230A\n1800S\n", {"0855", "0900", "1230", "1800"}},
        {"0703", "0800S\r\n1700S\r\n", {"0800", "", "", "1700"}},
        {"0704", "0900A\r\n1800A\r\n0800S\r\n", {"0800", "0900", "1800", "1800"}},
        {"0705", "930A\r\n\r\n09300A\r\n", {"", "", "", ""}},
        {"0706", "9999A\r\n", {"", "", "", ""}},
        {"0707", "", {"", "", "", ""}},
        {"0708", "12:3A\r\n", {"0012", "0012", "0012", "0012"}},
        {"0709", "0900a\r\n1000s\r\n", {"0900", "", "", "1000"}},
        {"0710", " 930A\r\n0945A", {"0930", "0930", "0945", "0945"}},  // the last line needs no line end
        {"0711", "0900A\r\r\n1000A\r\n", {"1000", "1000", "1000", "1000"}},  // 0900A CR is six characters
        {"0712", "0900A\r\n9999S\r\n", {"0900", "0900", "0900", "9999"}},
        {"0713", "0000A\r\n2359A\r\n", {"0000", "0000", "2359", "2359"}},
        {"0716", "0900\r\r\n", {"0900", "", "", "0900"}},  // five characters, the fifth a CR
        {"0717", "09\n00\r\n1000A\n", {"1000", "1000", "1000", "1000"}},
    };
    for (const auto& c : cases)
        WriteTestFile(LogPath(c.stem), c.log);
    CActivitySummary summary;
    summary.SetFolder(m_folder);
    ASSERT_TRUE(summary.ReadLogs());
    for (const auto& c : cases)
        EXPECT_EQ(TimesOf(summary, std::atoi(c.stem + 2) - 1), c.times) << c.stem;
    // Days without a log, days 29 to 31 of a shorter month among them, stay empty.
    for (int day : {13, 14, 28, 29, 30})
        EXPECT_EQ(TimesOf(summary, day), Times{}) << day;
}

TEST_F(ActivitySummaryTest, GettersOutsideTheMonthGiveEmptyTexts)
{
    WriteTestFile(LogPath("0731"), "0900A\r\n");
    CActivitySummary summary;
    summary.SetFolder(m_folder);
    ASSERT_TRUE(summary.ReadLogs());
    EXPECT_EQ(summary.GetStartup(30), "0900");
    for (int day : {31, -1, 1000})
        EXPECT_EQ(TimesOf(summary, day), Times{}) << day;
}

TEST_F(ActivitySummaryTest, TrailingBackslashesOfTheFolderAreDropped)
{
    WriteTestFile(LogPath("0701"), "0900A\r\n");
    CActivitySummary summary;
    summary.SetFolder(m_folder + "\\\\");
    ASSERT_TRUE(summary.ReadLogs());
    EXPECT_EQ(summary.GetStart(0), "0900");
}

TEST_F(ActivitySummaryTest, ReadsNothingWithoutAUsableFolder)
{
    WriteTestFile(LogPath("0701"), "0900A\r\n");
    CActivitySummary none;
    EXPECT_TRUE(none.ReadLogs());
    EXPECT_EQ(TimesOf(none, 0), Times{});
    CActivitySummary tooShort;
    tooShort.SetFolder("7\\");
    EXPECT_FALSE(tooShort.ReadLogs());
    EXPECT_EQ(TimesOf(tooShort, 0), Times{});
}

TEST_F(ActivitySummaryTest, ALogInUseCountsAsMissingAndIsReleasedAfterTheRead)
{
    WriteTestFile(LogPath("0701"), "0900A\r\n");
    WriteTestFile(LogPath("0702"), "1000A\r\n");
    CActivitySummary summary;
    summary.SetFolder(m_folder);
    {
        CExclusiveFile recorder;  // another handle on today's log
        ASSERT_TRUE(recorder.Open(LogPath("0702")));
        ASSERT_TRUE(summary.ReadLogs());
    }
    EXPECT_EQ(summary.GetStart(0), "0900");
    EXPECT_EQ(TimesOf(summary, 1), Times{});
    // No log stays held: the recorder's next append goes through.
    EXPECT_TRUE(AppendToFile(LogPath("0701"), "0905A\r\n"));
    EXPECT_TRUE(AppendToFile(LogPath("0702"), "1005A\r\n"));
}

TEST_F(ActivitySummaryTest, ReadingAgainForgetsLogsThatHaveGone)
{
    WriteTestFile(LogPath("0701"), "0900A\r\n");
    CActivitySummary summary;
    summary.SetFolder(m_folder);
    ASSERT_TRUE(summary.ReadLogs());
    ASSERT_TRUE(DeleteFilePath(LogPath("0701")));
    ASSERT_TRUE(summary.ReadLogs());
    EXPECT_EQ(TimesOf(summary, 0), Times{});
}

TEST(ActivitySummary, ReadsLogsBelowAFolderWhoseNameHasADoubleByteBackslash)
{
    CTempFolder temp;
    const std::string folder = temp / "勤務表";
    ASSERT_TRUE(CreateFolder(folder));
    ASSERT_TRUE(CreateFolder(folder + "\\200807"));
    WriteTestFile(folder + "\\200807\\0715.log", "0800A\r\n");
    CActivitySummary summary;
    summary.SetFolder(folder + "\\200807\\");
    ASSERT_TRUE(summary.ReadLogs());
    EXPECT_EQ(summary.GetStartup(14), "0800");
}
