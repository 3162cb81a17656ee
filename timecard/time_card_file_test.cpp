#include "timecard/time_card_data.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/temp_folder.h"

namespace {

// A record as loading leaves it: every day of the month dated, the other slots invalid.
void LoadDays(CTimeCardData& data, int year, int month)
{
    data.Clear();
    for (int day = 0; day < CTimeCardData::kDays; ++day)
        data.m_date[day].SetDateTime(year, month, day + 1, 0, 0, 0);
}

int CountLines(const std::string& text)
{
    int lines = 0;
    for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    return lines;
}

class TimeCardFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateFolder(m_temp / "data"));
        ASSERT_TRUE(m_data.SetPath(m_path));
    }

    CTempFolder m_temp;
    const std::string m_path = m_temp / "data\\200807.tsv";
    CTimeCardData m_data;
};

}  // namespace

TEST_F(TimeCardFileTest, WritesOneLineOfEightFieldsPerDay)
{
    LoadDays(m_data, 2008, 7);
    m_data.m_clockIn[0] = "09:12";
    m_data.m_clockOut[0] = "18:40";
    m_data.m_startup[0] = "08:55";
    m_data.m_start[0] = "09:12";
    m_data.m_stop[0] = "18:40";
    m_data.m_end[0] = "18:45";
    m_data.m_remarks[1] = "通院のため遅刻";
    ASSERT_TRUE(m_data.SaveMonth());
    const std::string file = ReadTestFile(m_path);
    const std::string firstTwo =
        "2008/07/01\t09:12\t18:40\t08:55\t09:12\t18:40\t18:45\t\r\n"
        "2008/07/02\t\t\t\t\t\t\t通院のため遅刻\r\n";
    EXPECT_EQ(file.substr(0, firstTwo.size()), firstTwo);
    EXPECT_EQ(CountLines(file), 31);
    EXPECT_EQ(file.substr(file.size() - 19), "2008/07/31\t\t\t\t\t\t\t\r\n");
    EXPECT_FALSE(PathExists(m_path + ".tmp"));
    EXPECT_FALSE(PathExists(m_path + ".bak"));
}

TEST_F(TimeCardFileTest, WritesOnlyValidDatesAfter1970)
{
    const struct {
        const char* what;
        int year, month;
        int lines;
    } cases[] = {{"July 2008", 2008, 7, 31}, {"February 2008", 2008, 2, 29}, {"February 2009", 2009, 2, 28},
                 {"July 1971", 1971, 7, 31}, {"July 1970", 1970, 7, 0}};
    for (const auto& c : cases) {
        LoadDays(m_data, c.year, c.month);
        ASSERT_TRUE(m_data.SaveMonth()) << c.what;
        EXPECT_EQ(CountLines(ReadTestFile(m_path)), c.lines) << c.what;
    }
    // A fresh record's dates are 1899; a cleared record's are invalid: an empty file either way.
    CTimeCardData fresh;
    ASSERT_TRUE(fresh.SetPath(m_path));
    ASSERT_TRUE(fresh.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_path), "");
    LoadDays(m_data, 2008, 7);
    m_data.Clear();
    ASSERT_TRUE(DeleteFilePath(m_path));
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_TRUE(PathExists(m_path));
    EXPECT_EQ(ReadTestFile(m_path), "");
}

TEST_F(TimeCardFileTest, TheSlotDecidesTheDayWritten)
{
    m_data.Clear();
    m_data.m_date[4].SetDateTime(2008, 7, 20, 0, 0, 0);
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_path), "2008/07/05\t\t\t\t\t\t\t\r\n");
}

TEST(TimeCardFile, WithoutAPathNothingIsReadOrWritten)
{
    CTimeCardData data;
    data.m_clockIn[0] = "09:00";
    EXPECT_TRUE(data.ReadMonth());
    EXPECT_EQ(data.m_clockIn[0], "09:00");
    EXPECT_TRUE(data.m_date[0].IsValid());
    EXPECT_TRUE(data.SaveMonth());
}

TEST_F(TimeCardFileTest, AMissingFileClearsTheRecordAndIsNoFailure)
{
    LoadDays(m_data, 2008, 6);
    m_data.m_remarks[2] = "old";
    EXPECT_TRUE(m_data.ReadMonth());
    EXPECT_FALSE(m_data.m_date[0].IsValid());
    EXPECT_EQ(m_data.m_remarks[2], "");
    EXPECT_EQ(m_data.GetRejectedLine(), 0);
    EXPECT_FALSE(PathExists(m_path));
}

TEST_F(TimeCardFileTest, StoresEachLineInTheSlotOfItsPosition)
{
    // Lines in another order land where they stand, whatever their dates say; LF alone ends a
    // line as well as CR LF.
    WriteTestFile(m_path,
                  "2008/07/02\t10:00\t19:00\t\t\t\t\t二日\r\n"
                  "2008/07/01\t09:00\t18:00\t08:55\t09:01\t17:59\t18:05\t\n"
                  "2008/7/3\t\t\t\t\t\t\t");
    ASSERT_TRUE(m_data.ReadMonth());
    EXPECT_EQ(m_data.m_date[0].GetDay(), 2);
    EXPECT_EQ(m_data.m_clockIn[0], "10:00");
    EXPECT_EQ(m_data.m_remarks[0], "二日");
    EXPECT_EQ(m_data.m_date[1].GetDay(), 1);
    EXPECT_EQ(m_data.m_clockOut[1], "18:00");
    EXPECT_EQ(m_data.m_startup[1], "08:55");
    EXPECT_EQ(m_data.m_start[1], "09:01");
    EXPECT_EQ(m_data.m_stop[1], "17:59");
    EXPECT_EQ(m_data.m_end[1], "18:05");
    EXPECT_EQ(m_data.m_remarks[1], "");
    EXPECT_TRUE(m_data.m_date[2].IsValid());
    EXPECT_EQ(m_data.m_date[2].GetMonth(), 7);
    EXPECT_FALSE(m_data.m_date[3].IsValid());
}

TEST(TimeCardLine, AcceptsEightFieldsWithAThreePartDate)
{
    const struct {
        std::string line;
        bool accepted;
        bool dateValid;
    } cases[] = {
        {"2008/07/01\t09:00\t18:00\t\t\t\t\t", true, true},
        {"2008/7/1\t\t\t\t\t\t\t", true, true},
        {" 2008/ 7/1x\t\t\t\t\t\t\t", true, true},
        {"2008/02/30\tany\ttext\t\t\t\t\tkept", true, false},
        {"x/y/z\t\t\t\t\t\t\t", true, false},
        {"2008-07-01\t\t\t\t\t\t\t", false, false},
        {"2008/07\t\t\t\t\t\t\t", false, false},
        {"2008/07/01/02\t\t\t\t\t\t\t", false, false},
        {"2008/07/01\t\t\t\t\t\t", false, false},
        {"2008/07/01\t\t\t\t\t\t\ta\tb", false, false},
        {"", false, false},
    };
    for (const auto& c : cases) {
        CTimeCardData data;
        data.m_remarks[5] = "before";
        EXPECT_EQ(data.ParseLine(5, c.line), c.accepted) << c.line;
        if (c.accepted) {
            EXPECT_EQ(data.m_date[5].IsValid(), c.dateValid) << c.line;
        } else {
            EXPECT_EQ(data.m_remarks[5], "before") << c.line;  // nothing stored
            EXPECT_EQ(data.m_date[5].GetYear(), 1899) << c.line;
        }
    }
    CTimeCardData data;
    ASSERT_TRUE(data.ParseLine(5, "2008/02/30\tany\ttext\t\t\t\t\tkept"));
    EXPECT_EQ(data.m_clockIn[5], "any");
    EXPECT_EQ(data.m_clockOut[5], "text");
    EXPECT_EQ(data.m_remarks[5], "kept");
    EXPECT_FALSE(data.ParseLine(31, "2008/07/01\t\t\t\t\t\t\t"));
    EXPECT_FALSE(data.ParseLine(-1, "2008/07/01\t\t\t\t\t\t\t"));
}

TEST_F(TimeCardFileTest, ARejectedLineKeepsTheLinesBeforeIt)
{
    const struct {
        const char* what;
        std::string file;
        int rejected;
    } cases[] = {
        {"nine fields", "2008/07/01\t\t\t\t\t\t\t\r\n2008/07/02\t\t\t\t\t\t\ta\tb\r\n", 2},
        {"an empty line", "2008/07/01\t\t\t\t\t\t\t\r\n\r\n2008/07/03\t\t\t\t\t\t\t\r\n", 2},
        {"a blank line at the end", "2008/07/01\t\t\t\t\t\t\t\r\n2008/07/02\t\t\t\t\t\t\t\r\n\r\n", 3},
        {"a dashed date", "2008-07-01\t\t\t\t\t\t\t\r\n", 1},
    };
    for (const auto& c : cases) {
        WriteTestFile(m_path, c.file);
        LoadDays(m_data, 2008, 6);
        m_data.m_remarks[20] = "stale";
        EXPECT_FALSE(m_data.ReadMonth()) << c.what;
        EXPECT_EQ(m_data.GetRejectedLine(), c.rejected) << c.what;
        for (int day = 0; day < CTimeCardData::kDays; ++day)
            EXPECT_EQ(m_data.m_date[day].IsValid(), day < c.rejected - 1) << c.what << " slot " << day;
        EXPECT_EQ(m_data.m_remarks[20], "") << c.what;
    }
}

TEST_F(TimeCardFileTest, AFileOfMoreThan31LinesIsRejectedAtLine32)
{
    std::string file;
    for (int line = 1; line <= 32; ++line)
        file += "2008/07/01\t\t\t\t\t\t\t" + std::to_string(line) + "\r\n";
    WriteTestFile(m_path, file);
    EXPECT_FALSE(m_data.ReadMonth());
    EXPECT_EQ(m_data.GetRejectedLine(), 32);
    EXPECT_EQ(m_data.m_remarks[0], "1");
    EXPECT_EQ(m_data.m_remarks[30], "31");
}

TEST_F(TimeCardFileTest, AFileHeldByAnotherProgramIsAFailureAndClearsTheRecord)
{
    WriteTestFile(m_path, "2008/07/01\t09:00\t\t\t\t\t\t\r\n");
    m_data.m_remarks[0] = "stale";
    {
        CExclusiveFile other;
        ASSERT_TRUE(other.Open(m_path));
        EXPECT_FALSE(m_data.ReadMonth());
        EXPECT_EQ(m_data.GetRejectedLine(), 0);
        EXPECT_EQ(m_data.m_remarks[0], "");
        EXPECT_FALSE(m_data.m_date[0].IsValid());
    }
    EXPECT_TRUE(m_data.ReadMonth());
    EXPECT_EQ(m_data.m_clockIn[0], "09:00");
    // The read holds the file no longer than it reads.
    CExclusiveFile after;
    EXPECT_TRUE(after.Open(m_path));
}

TEST_F(TimeCardFileTest, EverythingWrittenReadsBackWithBlanksForLineAndFieldBreaks)
{
    LoadDays(m_data, 2008, 7);
    m_data.m_remarks[0] = "会議\t資料\r\n作成";
    m_data.m_clockIn[1] = "09:00\r";
    m_data.m_clockOut[1] = "\n";
    m_data.m_startup[2] = std::string("表\x81");  // a lead byte alone at the end
    m_data.m_remarks[3] = "ソフト表示";
    ASSERT_TRUE(m_data.SaveMonth());

    CTimeCardData back;
    ASSERT_TRUE(back.SetPath(m_path));
    ASSERT_TRUE(back.ReadMonth());
    EXPECT_EQ(back.m_remarks[0], "会議 資料  作成");
    EXPECT_EQ(back.m_clockIn[1], "09:00 ");
    EXPECT_EQ(back.m_clockOut[1], " ");
    EXPECT_EQ(back.m_startup[2], "表 ");
    EXPECT_EQ(back.m_remarks[3], "ソフト表示");
    for (int day = 0; day < CTimeCardData::kDays; ++day) {
        EXPECT_EQ(back.m_date[day].GetDay(), day + 1);
        EXPECT_EQ(back.m_date[day].GetMonth(), 7);
    }
}

TEST_F(TimeCardFileTest, AFailedSaveLeavesThePreviousFileAsItWas)
{
    const std::string previous = "2008/07/01\t09:00\t18:00\t\t\t\t\t大事\r\n";
    WriteTestFile(m_path, previous);
    LoadDays(m_data, 2008, 7);
    // Something where the temporary file would go: the new content cannot be written.
    ASSERT_TRUE(CreateFolder(m_path + ".tmp"));
    EXPECT_FALSE(m_data.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_path), previous);

    // No data folder: nothing can be written.
    CTimeCardData elsewhere;
    ASSERT_TRUE(elsewhere.SetPath(m_temp / "gone\\200807.tsv"));
    LoadDays(elsewhere, 2008, 7);
    EXPECT_FALSE(elsewhere.SaveMonth());
    EXPECT_FALSE(PathExists(m_temp / "gone"));
}

TEST_F(TimeCardFileTest, AFileThatDidNotReadWholeIsKeptAsBakBeforeItIsOverwritten)
{
    const std::string original =
        "2008/07/01\t09:00\t18:00\t\t\t\t\t\r\n"
        "2008/07/02\tbroken line\r\n"
        "2008/07/03\t09:30\t18:30\t\t\t\t\t残りの月\r\n";
    WriteTestFile(m_path, original);
    EXPECT_FALSE(m_data.ReadMonth());
    LoadDays(m_data, 2008, 7);  // the user chose to go on; the month is assembled
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_path + ".bak"), original);
    EXPECT_EQ(CountLines(ReadTestFile(m_path)), 31);

    // The copy is made once: saving again must not put the rewritten file in its place.
    m_data.m_remarks[0] = "edited";
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_path + ".bak"), original);

    // A file that read whole is overwritten without a copy.
    ASSERT_TRUE(DeleteFilePath(m_path + ".bak"));
    ASSERT_TRUE(m_data.ReadMonth());
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_FALSE(PathExists(m_path + ".bak"));
}

TEST_F(TimeCardFileTest, AFileThatCouldNotBeOpenedIsKeptAsBakAsWell)
{
    const std::string original = "2008/07/01\t09:00\t18:00\t\t\t\t\t\r\n";
    WriteTestFile(m_path, original);
    {
        CExclusiveFile other;
        ASSERT_TRUE(other.Open(m_path));
        EXPECT_FALSE(m_data.ReadMonth());
    }
    LoadDays(m_data, 2008, 7);
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_path + ".bak"), original);
}

TEST_F(TimeCardFileTest, WithoutTheBakCopyTheFileIsNotOverwritten)
{
    const std::string original = "2008/07/01\tbroken\r\n";
    WriteTestFile(m_path, original);
    EXPECT_FALSE(m_data.ReadMonth());
    LoadDays(m_data, 2008, 7);
    ASSERT_TRUE(CreateFolder(m_path + ".bak"));  // the copy cannot be made
    EXPECT_FALSE(m_data.SaveMonth());
    EXPECT_EQ(ReadTestFile(m_path), original);
}

TEST_F(TimeCardFileTest, TheBakRuleFollowsThePath)
{
    // A failed read of one month says nothing about another month's file.
    WriteTestFile(m_path, "broken\r\n");
    EXPECT_FALSE(m_data.ReadMonth());
    const std::string august = m_temp / "data\\200808.tsv";
    WriteTestFile(august, "2008/08/01\t\t\t\t\t\t\t\r\n");
    ASSERT_TRUE(m_data.SetPath(august));
    LoadDays(m_data, 2008, 8);
    ASSERT_TRUE(m_data.SaveMonth());
    EXPECT_FALSE(PathExists(august + ".bak"));
}
