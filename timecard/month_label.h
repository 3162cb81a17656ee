// The labels of the time card: the month label of the month combo ("2008年07月") and the date
// label of a day-list row ("07月01日(火)"). Texts in code page 932, where 年 and 月 take two
// bytes each.
#pragma once

#include <string>
#include <string_view>

struct YearMonth {
    int year = 0;
    int month = 0;
};

// The label of a month folder named YYYYMM: its first four characters, 年, its last two, 月.
std::string MakeMonthLabel(std::string_view folderName);

// The year from the label's first four bytes and the month from the two bytes after 年 (bytes 6
// and 7), each read as atoi does.
YearMonth ReadMonthLabel(std::string_view label);

// "%02d月%02d日(%s)" with the weekday's one-character name, 日 月 火 水 木 金 土 for dayOfWeek
// 1 (Sunday) to 7 (Saturday).
std::string FormatDayLabel(int month, int day, int dayOfWeek);
