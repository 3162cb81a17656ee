#include "recording/activity_log.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "tests/fixed_clock.h"
#include "tests/temp_folder.h"

TEST(ActivityLog, FirstRecordCreatesDataMonthFolderAndDayFile)
{
    CTempFolder temp;
    const CFixedClock clock({2008, 5, 21, 9, 12, 45});
    ASSERT_TRUE(WriteActivityRecord(temp.Path(), 'A', clock));
    EXPECT_EQ(ReadTestFile(temp / "data\\200805\\0521.log"), "0912A\r\n");
}

TEST(ActivityLog, AppendsOneSevenByteLinePerRecordInOrder)
{
    CTempFolder temp;
    CFixedClock clock({2008, 5, 21, 13, 5, 0});
    ASSERT_TRUE(WriteActivityRecord(temp.Path(), 'S', clock));
    ASSERT_TRUE(WriteActivityRecord(temp.Path(), 'S', clock));  // same minute: a duplicate line
    clock.Set({2008, 5, 21, 13, 10, 0});
    ASSERT_TRUE(WriteActivityRecord(temp.Path(), 'A', clock));
    EXPECT_EQ(ReadTestFile(temp / "data\\200805\\0521.log"), "1305S\r\n1305S\r\n1310A\r\n");
}

TEST(ActivityLog, FolderFileAndTimeComeFromOneInstant)
{
    const struct {
        LocalTime now;
        const char* file;
        const char* line;
    } cases[] = {
        {{2008, 5, 31, 23, 59, 59}, "data\\200805\\0531.log", "2359A\r\n"},
        {{2008, 6, 1, 0, 0, 0}, "data\\200806\\0601.log", "0000A\r\n"},
        {{2009, 1, 1, 0, 4, 0}, "data\\200901\\0101.log", "0004A\r\n"},
        {{2008, 12, 31, 7, 3, 0}, "data\\200812\\1231.log", "0703A\r\n"},
    };
    CTempFolder temp;
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteActivityRecord(temp.Path(), 'A', CFixedClock(c.now)));
        EXPECT_EQ(ReadTestFile(temp / c.file), c.line) << c.file;
    }
}

TEST(ActivityLog, MissingRecordFolderFailsAndCreatesNothing)
{
    CTempFolder temp;
    const std::string folder = temp / "gone";
    EXPECT_FALSE(WriteActivityRecord(folder, 'A', CFixedClock({2008, 5, 21, 9, 0, 0})));
    EXPECT_FALSE(PathExists(folder));
    EXPECT_FALSE(WriteActivityRecord("", 'A', CFixedClock({2008, 5, 21, 9, 0, 0})));
}

TEST(ActivityLog, FailsWhenDataOrTheDayFileIsInTheWay)
{
    const CFixedClock clock({2008, 5, 21, 9, 0, 0});
    {
        CTempFolder temp;
        WriteTestFile(temp / "data", "a file, not a folder");
        EXPECT_FALSE(WriteActivityRecord(temp.Path(), 'A', clock));
    }
    {
        CTempFolder temp;
        ASSERT_TRUE(CreateFolder(temp / "data"));
        ASSERT_TRUE(CreateFolder(temp / "data\\200805"));
        ASSERT_TRUE(CreateFolder(temp / "data\\200805\\0521.log"));
        EXPECT_FALSE(WriteActivityRecord(temp.Path(), 'A', clock));
    }
}

TEST(ActivityLog, FailsWhileTheDayFileIsReadExclusivelyAndRecoversAfter)
{
    CTempFolder temp;
    const CFixedClock clock({2008, 5, 21, 9, 0, 0});
    ASSERT_TRUE(WriteActivityRecord(temp.Path(), 'A', clock));
    const std::string log = temp / "data\\200805\\0521.log";
    {
        CExclusiveFile reader;
        ASSERT_TRUE(reader.Open(log));
        EXPECT_FALSE(WriteActivityRecord(temp.Path(), 'S', clock));
    }
    ASSERT_TRUE(WriteActivityRecord(temp.Path(), 'S', clock));
    EXPECT_EQ(ReadTestFile(log), "0900A\r\n0900S\r\n");
}

TEST(ActivityLog, RecordFolderWithADoubleByteNameEndingIn5C)
{
    CTempFolder temp;
    const std::string folder = temp / "勤務表";
    ASSERT_TRUE(CreateFolder(folder));
    ASSERT_TRUE(WriteActivityRecord(folder, 'A', CFixedClock({2008, 7, 1, 8, 55, 0})));
    std::string contents;
    ASSERT_TRUE(ReadFileExclusive(folder + "\\data\\200807\\0701.log", contents));
    EXPECT_EQ(contents, "0855A\r\n");
}
