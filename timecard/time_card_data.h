// The time card of one month in memory: 31 day slots (slot i is day i + 1 of the month; the slot,
// not the date stored in it, decides the day), each with a date and the seven texts of the day
// list, and the path of the month's time-card file. Texts are code page 932 bytes, stored exactly
// as received; nothing here checks their form.
//
// The time-card file holds one line per day, in slot order:
//     date TAB clock-in TAB clock-out TAB startup TAB start TAB stop TAB end TAB remarks CR LF
// the date written "%04d/%02d/%02d", times "HH:MM" or empty.
#pragma once

#include <string>
#include <string_view>

#include "platform/date_time.h"

class CTimeCardData {
public:
    static constexpr int kDays = 31;
    static constexpr size_t kMaxPath = 260;

    // Every date is the zero date-time (1899-12-30, valid), every text empty, no path.
    CTimeCardData();
    CTimeCardData(const CTimeCardData&) = delete;
    CTimeCardData& operator=(const CTimeCardData&) = delete;

    // False, keeping the previous path, for a path longer than kMaxPath. The empty path means
    // "no file": ReadMonth and SaveMonth then do nothing and return true.
    bool SetPath(const std::string& path);
    const char* GetPath() const { return m_path; }

    // The slot's text; empty for a day outside 0..30.
    std::string GetClockIn(int day) const;
    std::string GetClockOut(int day) const;
    std::string GetRemarks(int day) const;

    // Every date invalid, every text empty; the path stays.
    void Clear();

    // Reads the file at the path into the slots, line n into slot n. True when the file was read
    // whole or does not exist (the record is then cleared). False when it exists but cannot be
    // opened (cleared) or a line is rejected (the slots before it hold their lines, the rest are
    // cleared); GetRejectedLine says which. A file of more than 31 lines is rejected at line 32.
    // The file is held open without sharing only while it is read.
    bool ReadMonth();

    // Writes every slot with a valid date after 1970 as one line, in place of the file's content
    // in one step: the previous file stays exactly as it was when anything fails, and the result
    // is then false. Fields holding TAB, CR or LF are written with a blank in their place, so
    // every file written here reads back whole. When the last ReadMonth of this path did not read
    // the file whole, its content is first kept beside it as <path>.bak, and nothing is written
    // unless that copy was made.
    bool SaveMonth();

    // Stores one line of the file into the slot: eight TAB-separated fields, the first a date of
    // three "/"-separated numbers (an impossible date leaves the slot's date invalid but is
    // accepted). False, storing nothing, when the line has another form.
    bool ParseLine(int day, std::string_view line);

    // The 1-based number of the line the last ReadMonth rejected; 0 when it rejected none, and
    // after the path changed.
    int GetRejectedLine() const { return m_nRejectedLine; }

    COleDateTime m_date[kDays];
    std::string m_clockIn[kDays];
    std::string m_clockOut[kDays];
    std::string m_startup[kDays];
    std::string m_start[kDays];
    std::string m_stop[kDays];
    std::string m_end[kDays];
    std::string m_remarks[kDays];

private:
    char m_path[kMaxPath + 1];
    // The file at m_path holds lines the record does not: keep a copy before overwriting it.
    bool m_bUnreadContent = false;
    int m_nRejectedLine = 0;
};
