#include "timecard/month_assembly.h"

#include <cstdio>

#include "timecard/activity_summary.h"
#include "timecard/month_label.h"

namespace {

std::string MakeMonthPath(const std::string& recordFolder, int year, int month, const char* suffix)
{
    char name[32];
    std::snprintf(name, sizeof name, "%04d%02d%s", year, month, suffix);
    return recordFolder + "\\data\\" + name;
}

// 0930 becomes 09:30; the empty text stays empty.
std::string InsertColon(std::string time)
{
    if (!time.empty())
        time.insert(time.size() < 2 ? time.size() : 2, 1, ':');
    return time;
}

}  // namespace

std::string MakeTimeCardPath(const std::string& recordFolder, int year, int month)
{
    return MakeMonthPath(recordFolder, year, month, ".tsv");
}

std::string MakeLogFolderPath(const std::string& recordFolder, int year, int month)
{
    return MakeMonthPath(recordFolder, year, month, "");
}

bool ReadMonthFile(CTimeCardData& data, const std::string& recordFolder, int year, int month)
{
    if (!data.SetPath(MakeTimeCardPath(recordFolder, year, month))) {
        // Keeping the previous path would read, and later save, another month's file.
        data.SetPath(std::string());
        data.Clear();
        return false;
    }
    return data.ReadMonth();
}

MonthRows AssembleMonth(CTimeCardData& data, const std::string& recordFolder, int year, int month,
                        const std::optional<LocalTime>& today)
{
    CActivitySummary summary;
    summary.SetFolder(MakeLogFolderPath(recordFolder, year, month));
    summary.ReadLogs();

    MonthRows rows;
    COleDateTime rowDate;
    rowDate.SetDateTime(year, month, 1, 0, 0, 0);
    for (int row = 0; row < CTimeCardData::kDays; ++row, rowDate = rowDate.AddDays(1)) {
        const int day = row + 1;
        // Days 29 to 31 past the end of a shorter month stay blank, and so does their slot.
        if (!rowDate.IsValid() || rowDate.GetMonth() != month)
            continue;
        const bool isToday = today && today->year == year && today->month == month && today->day == day;
        DayRow& texts = rows[row];
        texts[COLUMN_DATE] = FormatDayLabel(month, day, rowDate.GetDayOfWeek());
        texts[COLUMN_STARTUP] = InsertColon(summary.GetStartup(row));
        texts[COLUMN_START] = InsertColon(summary.GetStart(row));
        texts[COLUMN_STOP] = InsertColon(summary.GetStop(row));
        texts[COLUMN_END] = InsertColon(summary.GetEnd(row));
        // A past day without times of its own takes the log's; today is not over yet.
        texts[COLUMN_CLOCK_IN] = data.GetClockIn(row);
        if (texts[COLUMN_CLOCK_IN].empty() && !isToday)
            texts[COLUMN_CLOCK_IN] = texts[COLUMN_START];
        texts[COLUMN_CLOCK_OUT] = data.GetClockOut(row);
        if (texts[COLUMN_CLOCK_OUT].empty() && !isToday)
            texts[COLUMN_CLOCK_OUT] = texts[COLUMN_STOP];
        texts[COLUMN_REMARKS] = data.GetRemarks(row);

        data.m_date[row].SetDateTime(year, month, day, 0, 0, 0);
        data.m_clockIn[row] = texts[COLUMN_CLOCK_IN];
        data.m_clockOut[row] = texts[COLUMN_CLOCK_OUT];
        data.m_startup[row] = texts[COLUMN_STARTUP];
        data.m_start[row] = texts[COLUMN_START];
        data.m_stop[row] = texts[COLUMN_STOP];
        data.m_end[row] = texts[COLUMN_END];
        data.m_remarks[row] = texts[COLUMN_REMARKS];
    }
    return rows;
}
