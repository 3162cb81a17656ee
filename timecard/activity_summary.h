// The four times of each day of one month, derived from the day's activity log (MMDD.log in the
// month folder YYYYMM, lines such as 0912A: the time HHMM and A when the user was active, S when
// a screen saver ran):
//     startup  the earliest record        start  the earliest A record
//     stop     the latest A record        end    the latest record
// Each time is four digits HHMM ("%04d"), or empty.
#pragma once

#include <string>

class CActivitySummary {
public:
    static constexpr int kDays = 31;

    CActivitySummary();

    // The month folder (record folder\data\YYYYMM); trailing backslashes are dropped.
    void SetFolder(const std::string& path);

    // Reads the logs of days 1 to 31. A log that is missing, unreadable or held open by anyone
    // else at that moment (the recorder appending) leaves its day empty. Each log is held
    // exclusively while it is read, so an append meanwhile fails and the recorder retries.
    // True, reading nothing, without a folder; false, reading nothing, for a folder name too
    // short to end in the month's two digits.
    bool ReadLogs();

    // The day slot's time (slot i is day i + 1); empty for no time or a day outside 0..30.
    std::string GetStartup(int day) const;
    std::string GetStart(int day) const;
    std::string GetStop(int day) const;
    std::string GetEnd(int day) const;

private:
    void ClearTimes();
    void SummarizeDay(int day, const std::string& log);

    std::string m_folder;
    char m_startupHhmm[kDays][5];
    char m_startHhmm[kDays][5];
    char m_stopHhmm[kDays][5];
    char m_endHhmm[kDays][5];
};
