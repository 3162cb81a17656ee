#include "timecard/month_label.h"

#include <gtest/gtest.h>

TEST(MonthLabel, IsYearNenMonthTsukiInTenBytes)
{
    const std::string label = MakeMonthLabel("200807");
    EXPECT_EQ(label, "2008年07月");
    EXPECT_EQ(label.size(), 10u);
    EXPECT_EQ(MakeMonthLabel("199912"), "1999年12月");
}

TEST(MonthLabel, ReadsYearAndMonthAsAtoiDoes)
{
    const struct {
        std::string label;
        int year, month;
    } cases[] = {
        {"2008年07月", 2008, 7},
        {"1999年12月", 1999, 12},
        {"2008年7月", 2008, 7},
        {"2008", 2008, 0},
        {"", 0, 0},
    };
    for (const auto& c : cases) {
        const YearMonth read = ReadMonthLabel(c.label);
        EXPECT_EQ(read.year, c.year) << c.label;
        EXPECT_EQ(read.month, c.month) << c.label;
    }
}

TEST(DayLabel, NamesTheWeekdayInOneCharacter)
{
    const char* const names[] = {"日", "月", "火", "水", "木", "金", "土"};
    for (int dayOfWeek = 1; dayOfWeek <= 7; ++dayOfWeek)
        EXPECT_EQ(FormatDayLabel(7, 1, dayOfWeek), std::string("07月01日(") + names[dayOfWeek - 1] + ")");
    EXPECT_EQ(FormatDayLabel(12, 31, 4), "12月31日(水)");
}
