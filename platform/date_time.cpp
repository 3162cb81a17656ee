#include "platform/date_time.h"

#include <cstdio>

namespace {

constexpr long long kSecondsPerDay = 86400;

// Days from 1970-01-01 in the proleptic Gregorian calendar (H. Hinnant's days_from_civil).
long long DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2));
}

const long long kEpochDays = DaysFromCivil(1899, 12, 30);

long long FloorDiv(long long a, long long b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

}  // namespace

bool COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const bool inRange = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                         day <= 31 && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 &&
                         second >= 0 && second <= 59;
    if (inRange) {
        const long long days = DaysFromCivil(year, month, day) - kEpochDays;
        m_seconds = days * kSecondsPerDay + hour * 3600 + minute * 60 + second;
        // A day past the month's end (30 February) comes back as another date.
        const Fields back = GetFields();
        if (back.year == year && back.month == month && back.day == day) {
            m_status = valid;
            return true;
        }
    }
    m_status = invalid;
    return false;
}

COleDateTime::Fields COleDateTime::GetFields() const
{
    Fields f{};
    const long long days = FloorDiv(m_seconds, kSecondsPerDay);
    const long long secondOfDay = m_seconds - days * kSecondsPerDay;
    CivilFromDays(days + kEpochDays, f.year, f.month, f.day);
    f.hour = static_cast<int>(secondOfDay / 3600);
    f.minute = static_cast<int>(secondOfDay / 60 % 60);
    f.second = static_cast<int>(secondOfDay % 60);
    return f;
}

int COleDateTime::GetYear() const { return GetFields().year; }
int COleDateTime::GetMonth() const { return GetFields().month; }
int COleDateTime::GetDay() const { return GetFields().day; }
int COleDateTime::GetHour() const { return GetFields().hour; }
int COleDateTime::GetMinute() const { return GetFields().minute; }
int COleDateTime::GetSecond() const { return GetFields().second; }

int COleDateTime::GetDayOfWeek() const
{
    // 1899-12-30 was a Saturday (7).
    const long long days = FloorDiv(m_seconds, kSecondsPerDay);
    return static_cast<int>(((days + 6) % 7 + 7) % 7) + 1;
}

std::string COleDateTime::FormatHourMinute() const
{
    const Fields f = GetFields();
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", f.hour, f.minute);
    return text;
}

COleDateTime COleDateTime::AddDays(int days) const
{
    COleDateTime result = *this;
    result.m_seconds += days * kSecondsPerDay;
    return result;
}

int COleDateTime::WholeDaysSince(const COleDateTime& earlier) const
{
    // Both values are whole seconds, so the half-second rounding reduces to cutting toward zero.
    const long long difference = m_seconds - earlier.m_seconds;
    return static_cast<int>(difference / kSecondsPerDay);
}
