#include "platform/date_time.h"

#include <gtest/gtest.h>

TEST(DateTime, StartsAsTheValidZeroDate)
{
    const COleDateTime zero;
    EXPECT_TRUE(zero.IsValid());
    EXPECT_EQ(zero.GetYear(), 1899);
    EXPECT_EQ(zero.GetMonth(), 12);
    EXPECT_EQ(zero.GetDay(), 30);
    EXPECT_EQ(zero.GetHour(), 0);
    EXPECT_EQ(zero.GetDayOfWeek(), 7);  // a Saturday
}

TEST(DateTime, IsValidOnlyForRealDatesAndTimes)
{
    const struct {
        int year, month, day, hour, minute, second;
        bool valid;
    } cases[] = {
        {2008, 7, 1, 0, 0, 0, true},       {2008, 2, 29, 0, 0, 0, true},
        {2007, 2, 29, 0, 0, 0, false},     {2008, 2, 30, 0, 0, 0, false},
        {2000, 2, 29, 0, 0, 0, true},      {1900, 2, 29, 0, 0, 0, false},
        {100, 1, 1, 0, 0, 0, true},        {99, 12, 31, 0, 0, 0, false},
        {9999, 12, 31, 23, 59, 59, true},  {10000, 1, 1, 0, 0, 0, false},
        {1899, 12, 30, 24, 0, 0, false},   {1899, 12, 30, 12, 60, 0, false},
        {1899, 12, 30, 23, 59, 0, true},   {2008, 13, 1, 0, 0, 0, false},
        {2008, 0, 1, 0, 0, 0, false},      {2008, 7, 0, 0, 0, 0, false},
        {2008, 4, 31, 0, 0, 0, false},     {2008, 7, 1, -1, 0, 0, false},
        {0, 0, 0, 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        COleDateTime value;
        EXPECT_EQ(value.SetDateTime(c.year, c.month, c.day, c.hour, c.minute, c.second), c.valid)
            << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute;
        EXPECT_EQ(value.IsValid(), c.valid);
        if (c.valid) {
            EXPECT_EQ(value.GetYear(), c.year);
            EXPECT_EQ(value.GetMonth(), c.month);
            EXPECT_EQ(value.GetDay(), c.day);
            EXPECT_EQ(value.GetHour(), c.hour);
            EXPECT_EQ(value.GetMinute(), c.minute);
            EXPECT_EQ(value.GetSecond(), c.second);
        }
    }
}

TEST(DateTime, GivesTheDayOfWeekFromSundayOne)
{
    const struct {
        int year, month, day, dayOfWeek;
    } cases[] = {
        {2008, 7, 1, 3},   // Tuesday
        {2026, 12, 11, 6},  // Friday
        {1899, 12, 31, 1},  // Sunday
        {1800, 1, 1, 4},    // Wednesday, before the zero date
        {100, 1, 1, 6},     // Friday, proleptic Gregorian
    };
    for (const auto& c : cases) {
        COleDateTime value;
        ASSERT_TRUE(value.SetDateTime(c.year, c.month, c.day, 0, 0, 0));
        EXPECT_EQ(value.GetDayOfWeek(), c.dayOfWeek) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(DateTime, AddsDaysAcrossMonthAndYearEnds)
{
    COleDateTime day;
    ASSERT_TRUE(day.SetDateTime(2008, 2, 28, 0, 0, 0));
    day = day.AddDays(1);
    EXPECT_EQ(day.GetMonth(), 2);
    EXPECT_EQ(day.GetDay(), 29);
    day = day.AddDays(1);
    EXPECT_EQ(day.GetMonth(), 3);
    EXPECT_EQ(day.GetDay(), 1);

    COleDateTime newYear;
    ASSERT_TRUE(newYear.SetDateTime(2008, 12, 31, 0, 0, 0));
    newYear = newYear.AddDays(1);
    EXPECT_EQ(newYear.GetYear(), 2009);
    EXPECT_EQ(newYear.GetMonth(), 1);
    EXPECT_EQ(newYear.GetDay(), 1);
}

TEST(DateTime, CountsWholeDaysTowardZero)
{
    COleDateTime day;
    ASSERT_TRUE(day.SetDateTime(2008, 7, 15, 0, 0, 0));
    const struct {
        int year, month, dayOfMonth, hour, minute, second;
        int wholeDays;
    } nows[] = {
        {2008, 7, 15, 0, 0, 0, 0},      {2008, 7, 15, 23, 59, 59, 0},
        {2008, 7, 16, 0, 0, 0, 1},      {2008, 7, 16, 10, 0, 0, 1},
        {2008, 7, 14, 10, 0, 0, 0},     {2008, 7, 13, 23, 0, 0, -1},
        {2009, 7, 15, 0, 0, 0, 365},
    };
    for (const auto& n : nows) {
        COleDateTime now;
        ASSERT_TRUE(now.SetDateTime(n.year, n.month, n.dayOfMonth, n.hour, n.minute, n.second));
        EXPECT_EQ(now.WholeDaysSince(day), n.wholeDays)
            << n.year << "-" << n.month << "-" << n.dayOfMonth << " " << n.hour << ":" << n.minute;
    }
}

TEST(DateTime, FormatsHourAndMinuteWithTwoDigitsEach)
{
    const struct {
        int hour, minute;
        const char* text;
    } cases[] = {{7, 5, "07:05"}, {0, 0, "00:00"}, {23, 59, "23:59"}, {18, 30, "18:30"}};
    for (const auto& c : cases) {
        COleDateTime time;
        ASSERT_TRUE(time.SetDateTime(1899, 12, 30, c.hour, c.minute, 0));
        EXPECT_EQ(time.FormatHourMinute(), c.text);
    }
}
