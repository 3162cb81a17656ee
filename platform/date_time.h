// A date and time as a count of days since 1899-12-30 00:00, the fraction being the time of day,
// with a valid or invalid status. Set from fields it is valid only for a real date and time in
// the years 100 to 9999.
#pragma once

#include <string>

class COleDateTime {
public:
    enum DateTimeStatus { valid, invalid };

    // The zero date-time, 1899-12-30 00:00:00, valid.
    COleDateTime() = default;

    // Returns true when the fields form a real date and time; otherwise the value becomes invalid.
    bool SetDateTime(int year, int month, int day, int hour, int minute, int second);
    void SetStatus(DateTimeStatus status) { m_status = status; }

    DateTimeStatus GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == valid; }

    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 = Sunday to 7 = Saturday.
    int GetDayOfWeek() const;

    // The time of day as "HH:MM", 24-hour, two digits each ("07:05").
    std::string FormatHourMinute() const;

    // The same time of day, days later (or earlier); an invalid value stays invalid.
    COleDateTime AddDays(int days) const;

    // The whole days of (this - earlier), cut toward zero: positive exactly when earlier lies
    // at least one full day before this.
    int WholeDaysSince(const COleDateTime& earlier) const;

private:
    struct Fields {
        int year, month, day, hour, minute, second;
    };
    Fields GetFields() const;

    // Seconds since 1899-12-30 00:00:00. Whole seconds are exact, unlike a floating day count.
    long long m_seconds = 0;
    DateTimeStatus m_status = valid;
};
