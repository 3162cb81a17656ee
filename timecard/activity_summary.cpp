#include "timecard/activity_summary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/file_system.h"
#include "platform/mbstring.h"

namespace {

constexpr int kNoEarliest = 9999;
constexpr int kNoLatest = -1;

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }

int ReadFourDigits(const char* text)
{
    return (text[0] - '0') * 1000 + (text[1] - '0') * 100 + (text[2] - '0') * 10 + (text[3] - '0');
}

// Steps over the line that starts at line, up to just after its LF. True when it is a record: a
// line of exactly five characters once its LF or CR LF is removed; time is then its first four
// characters read as atoi does and letter its fifth.
bool ReadRecordLine(const char*& line, const char* logEnd, int& time, char& letter)
{
    // A line as the recorder writes it, four digits, a letter and CR LF, is taken without a
    // search: a month holds tens of thousands of them.
    if (logEnd - line >= 7 && line[5] == '\r' && line[6] == '\n' && IsDigit(line[0]) && IsDigit(line[1]) &&
        IsDigit(line[2]) && IsDigit(line[3]) && line[4] != '\n') {
        time = ReadFourDigits(line);
        letter = line[4];
        line += 7;
        return true;
    }
    const char* const start = line;
    const void* newline = std::memchr(start, '\n', static_cast<size_t>(logEnd - start));
    const char* const lineEnd = newline != nullptr ? static_cast<const char*>(newline) : logEnd;
    size_t length = static_cast<size_t>(lineEnd - start);
    if (newline != nullptr && length > 0 && lineEnd[-1] == '\r')
        --length;  // CR LF ends a line as LF does
    line = newline != nullptr ? lineEnd + 1 : logEnd;
    if (length != 5)
        return false;
    time = ReadAtoi(std::string_view(start, 4));
    letter = start[4];
    return true;
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
    const char* const logEnd = log.data() + log.size();
    int time = 0;
    char letter = 0;
    for (const char* line = log.data(); line < logEnd;) {
        // Only a line of exactly five characters is a record; anything else is skipped.
        if (!ReadRecordLine(line, logEnd, time, letter))
            continue;
        earliest = std::min(earliest, time);
        latest = std::max(latest, time);
        if (letter == 'A') {
            earliestActive = std::min(earliestActive, time);
            latestActive = std::max(latestActive, time);
        }
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
