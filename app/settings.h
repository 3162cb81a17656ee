// The program's settings, kept in the INI file: the record folder, the recording interval, the
// load-at-opening option of the time card and the default clock-in and clock-out times. Every
// missing setting takes its default, which is written back the first time it is read.
#pragma once

#include <string>
#include <string_view>

#include "app/profile_store.h"
#include "platform/date_time.h"

inline constexpr char SETTING[] = "SETTING";
inline constexpr char RECORD_PATH[] = "RECORD_PATH";
inline constexpr char INTERVAL[] = "INTERVAL";
inline constexpr char SHOW_THIS_MONTH[] = "SHOW_THIS_MONTH";
inline constexpr char DEFAULT[] = "DEFAULT";
inline constexpr char WORK_START_HHMM[] = "WORK_START_HHMM";
inline constexpr char WORK_START_DEFAULT[] = "09:30";
inline constexpr char WORK_END_HHMM[] = "WORK_END_HHMM";
inline constexpr char WORK_END_DEFAULT[] = "18:30";

// The record folder, without trailing backslashes; the executable's folder (stored at once) when
// none is set.
std::string GetRecordPath(CProfileStore& profile);
void SetRecordPath(CProfileStore& profile, const std::string& folder);

// The default clock-in and clock-out times as four characters: the first two and the last two of
// the stored text ("09:30" gives 0930). A missing or empty value stores its default first.
std::string GetWorkStart(CProfileStore& profile);
std::string GetWorkEnd(CProfileStore& profile);
// Store the first two characters, ":", the last two: both 07:05 and 0705 store 07:05.
void SetWorkStart(CProfileStore& profile, std::string_view time);
void SetWorkEnd(CProfileStore& profile, std::string_view time);

// The minutes between two records as stored; a negative or missing value stores and gives 5.
int GetInterval(CProfileStore& profile);

// The stored load-at-opening value; a negative or missing value stores and gives 0. The option
// is on only when the value is exactly 1.
int GetShowThisMonth(CProfileStore& profile);

// A time of day on 1899-12-30, hour from the first two characters of the text and minute from
// the last two (atoi rules); invalid for an hour outside 0-23 or a minute outside 0-59.
COleDateTime ParseClockTime(std::string_view text);
