// Windows only: there a file held open by another program cannot be replaced.
#include "timecard/time_card_data.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/temp_folder.h"

TEST(TimeCardFileOnWindows, ASaveWhileAnotherProgramHoldsTheFileFailsAndLeavesIt)
{
    // A spreadsheet that has the month's file open, for instance.
    CTempFolder temp;
    ASSERT_TRUE(CreateFolder(temp / "data"));
    const std::string path = temp / "data\\200807.tsv";
    const std::string previous = "2008/07/01\t09:00\t18:00\t\t\t\t\t\r\n";
    WriteTestFile(path, previous);
    CTimeCardData data;
    ASSERT_TRUE(data.SetPath(path));
    ASSERT_TRUE(data.ReadMonth());
    data.m_clockIn[0] = "08:00";
    {
        CExclusiveFile other;
        ASSERT_TRUE(other.Open(path));
        EXPECT_FALSE(data.SaveMonth());
    }
    EXPECT_EQ(ReadTestFile(path), previous);
    EXPECT_FALSE(PathExists(path + ".tmp"));
    EXPECT_TRUE(data.SaveMonth());
    EXPECT_EQ(ReadTestFile(path).substr(0, 16), "2008/07/01\t08:00");
}
