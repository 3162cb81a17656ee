#include "timecard/month_label.h"

#include <cstdio>

#include "platform/mbstring.h"

namespace {

const char* const kWeekdayNames[] = {"日", "月", "火", "水", "木", "金", "土"};

}  // namespace

std::string MakeMonthLabel(std::string_view folderName)
{
    const std::string_view year = folderName.substr(0, 4);
    const std::string_view month = folderName.substr(folderName.size() < 2 ? 0 : folderName.size() - 2);
    return std::string(year) + "年" + std::string(month) + "月";
}

YearMonth ReadMonthLabel(std::string_view label)
{
    YearMonth result;
    result.year = ReadAtoi(label.substr(0, 4));
    if (label.size() > 6)
        result.month = ReadAtoi(label.substr(6, 2));
    return result;
}

std::string FormatDayLabel(int month, int day, int dayOfWeek)
{
    const char* name = dayOfWeek >= 1 && dayOfWeek <= 7 ? kWeekdayNames[dayOfWeek - 1] : "";
    char label[64];
    std::snprintf(label, sizeof label, "%02d月%02d日(%s)", month, day, name);
    return label;
}
