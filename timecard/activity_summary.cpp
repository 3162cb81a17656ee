#include "timecard/activity_summary.h"

#include <cstdio>
#include <cstring>

#include "platform/file_system.h"
#include "platform/mbstring.h"

namespace {

constexpr int kNoEarliest = 9999;
constexpr int kNoLatest = -1;

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

// The time of a record line: its first four characters read as atoi does. Four digits, by far
// the common case, are read directly.
int ReadRecordTime(const char* text)
{
    if (IsDigit(text[0]) && IsDigit(text[1]) && IsDigit(text[2]) && IsDigit(text[3]))
        return (text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
    return ReadAtoi(std::string_view(text, 4));
}

void SetCell(char (&cell)[5], int time)
{
    // A time read from four characters is -999 to 9999: four characters again.
    char text[16];
    std::snprintf(text, sizeof text, "%04d", time);
    std::memcpy(cell, text, 4);
    cell[4] = '\0';
}

std::string GetCell(const char (&cells)[CActivitySummary::kDays][5], int day)
{
    if (static_cast<unsigned>(day) >= static_cast<unsigned>(CActivitySummary::kDays))
        return std::string();
    return std::string(cells[day], strnlen(cells[day], sizeof cells[day]));
}

}  // namespace

CActivitySummary::CActivitySummary()
{
    ClearTimes();
}

void CActivitySummary::ClearTimes()
{
    std::memset(m_startupHhmm, 0, sizeof m_startupHhmm);
    std::memset(m_startHhmm, 0, sizeof m_startHhmm);
    std::memset(m_stopHhmm, 0, sizeof m_stopHhmm);
    std::memset(m_endHhmm, 0, sizeof m_endHhmm);
}

void CActivitySummary::SetFolder(const std::string& path)
{
    m_folder = path;
    // Only a backslash that is a character of its own: the second byte of 表 is one too.
    while (!m_folder.empty() && ReverseFindMultiByte(m_folder, '\\') == m_folder.size() - 1)
        m_folder.pop_back();
}

bool CActivitySummary::ReadLogs()
{
    if (m_folder.empty())
        return true;
    if (m_folder.size() < 2)
        return false;
    ClearTimes();  // a second read must not keep the times of a log that has gone since
    // folder\MMDD.log, the day's two digits rewritten for each day.
    std::string path = m_folder + "\\" + m_folder.substr(m_folder.size() - 2) + "00.log";
    const size_t dayAt = path.size() - 6;
    std::string log;  // one buffer for every day: no allocation per log once it is large enough
    for (int day = 1; day <= kDays; ++day) {
        path[dayAt] = static_cast<char>('0' + day / 10);
        path[dayAt + 1] = static_cast<char>('0' + day % 10);
        {
            CExclusiveFile file;
            if (!file.Open(path) || !file.ReadAll(log))
                continue;
        }
        SummarizeDay(day - 1, log);
    }
    return true;
}

void CActivitySummary::SummarizeDay(int day, const std::string& log)
{
    int earliest = kNoEarliest;
    int latest = kNoLatest;
    int earliestActive = kNoEarliest;
    int latestActive = kNoLatest;
    const char* const data = log.data();
    const size_t size = log.size();
    for (size_t start = 0; start < size;) {
        const void* newline = std::memchr(data + start, '\n', size - start);
        size_t end = newline != nullptr ? static_cast<const char*>(newline) - data : size;
        const size_t next = end + 1;
        if (newline != nullptr && end > start && data[end - 1] == '\r')
            --end;
        // Only a line of exactly five characters is a record; anything else is skipped.
        if (end - start == 5) {
            const int time = ReadRecordTime(data + start);
            if (time < earliest)
                earliest = time;
            if (time > latest)
                latest = time;
            if (data[start + 4] == 'A') {
                if (time < earliestActive)
                    earliestActive = time;
                if (time > latestActive)
                    latestActive = time;
            }
        }
        start = next;
    }
    if (earliest >= kNoEarliest)
        return;
    SetCell(m_startupHhmm[day], earliest);
    if (earliestActive < kNoEarliest)
        SetCell(m_startHhmm[day], earliestActive);
    if (latestActive > kNoLatest)
        SetCell(m_stopHhmm[day], latestActive);
    if (latest > kNoLatest)
        SetCell(m_endHhmm[day], latest);
}

std::string CActivitySummary::GetStartup(int day) const { return GetCell(m_startupHhmm, day); }
std::string CActivitySummary::GetStart(int day) const { return GetCell(m_startHhmm, day); }
std::string CActivitySummary::GetStop(int day) const { return GetCell(m_stopHhmm, day); }
std::string CActivitySummary::GetEnd(int day) const { return GetCell(m_endHhmm, day); }
