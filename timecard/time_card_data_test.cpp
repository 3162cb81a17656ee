#include "timecard/time_card_data.h"

#include <gtest/gtest.h>

TEST(TimeCardData, StartsWithZeroDatesEmptyTextsAndNoPath)
{
    CTimeCardData data;
    for (int day = 0; day < CTimeCardData::kDays; ++day) {
        EXPECT_TRUE(data.m_date[day].IsValid());
        EXPECT_EQ(data.m_date[day].GetYear(), 1899);
        EXPECT_EQ(data.m_date[day].GetMonth(), 12);
        EXPECT_EQ(data.m_date[day].GetDay(), 30);
        EXPECT_EQ(data.m_clockIn[day] + data.m_clockOut[day] + data.m_startup[day] + data.m_start[day] +
                      data.m_stop[day] + data.m_end[day] + data.m_remarks[day],
                  "");
    }
    EXPECT_STREQ(data.GetPath(), "");
}

TEST(TimeCardData, AcceptsAPathOfUpTo260CharactersAndKeepsTheOldOneOtherwise)
{
    CTimeCardData data;
    const std::string longest(260, 'p');
    ASSERT_TRUE(data.SetPath(longest));
    EXPECT_EQ(data.GetPath(), longest);
    EXPECT_FALSE(data.SetPath(std::string(261, 'q')));
    EXPECT_EQ(data.GetPath(), longest);
    ASSERT_TRUE(data.SetPath("C:\\表\\data\\200807.tsv"));
    EXPECT_STREQ(data.GetPath(), "C:\\表\\data\\200807.tsv");
    ASSERT_TRUE(data.SetPath(""));
    EXPECT_STREQ(data.GetPath(), "");
}

TEST(TimeCardData, AccessorsGiveEmptyTextsOutsideTheMonth)
{
    CTimeCardData data;
    data.m_clockIn[30] = "09:00";
    data.m_clockOut[0] = "18:00";
    data.m_remarks[15] = "有給";
    EXPECT_EQ(data.GetClockIn(30), "09:00");
    EXPECT_EQ(data.GetClockOut(0), "18:00");
    EXPECT_EQ(data.GetRemarks(15), "有給");
    for (int day : {31, -1, 100, -2147483647 - 1}) {
        EXPECT_EQ(data.GetClockIn(day), "") << day;
        EXPECT_EQ(data.GetClockOut(day), "") << day;
        EXPECT_EQ(data.GetRemarks(day), "") << day;
    }
}

TEST(TimeCardData, ClearInvalidatesDatesEmptiesTextsAndKeepsThePath)
{
    CTimeCardData data;
    ASSERT_TRUE(data.SetPath("C:\\data\\200807.tsv"));
    data.m_date[3].SetDateTime(2008, 7, 4, 0, 0, 0);
    data.m_clockIn[3] = "09:00";
    data.m_end[30] = "18:00";
    data.m_remarks[0] = "x";
    data.Clear();
    for (int day = 0; day < CTimeCardData::kDays; ++day) {
        EXPECT_FALSE(data.m_date[day].IsValid());
        EXPECT_EQ(data.m_clockIn[day] + data.m_end[day] + data.m_remarks[day], "");
    }
    EXPECT_STREQ(data.GetPath(), "C:\\data\\200807.tsv");
}
