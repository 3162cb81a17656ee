// Reading and writing the month's time-card file.
#include "timecard/time_card_data.h"

#include <cstdio>

#include "platform/file_system.h"
#include "platform/mbstring.h"
#include "timecard/field_text.h"

namespace {

constexpr size_t kFieldCount = 8;

// Keeps the file's present content beside it as <path>.bak. True when the copy was made or there
// is no file to keep.
bool KeepBackup(const std::string& path)
{
    if (!PathExists(path))
        return true;
    std::string content;
    return ReadWholeFile(path, content) && ReplaceFileContents(path + ".bak", content);
}

}  // namespace

bool CTimeCardData::ReadMonth()
{
    m_nRejectedLine = 0;
    if (m_path[0] == '\0')
        return true;
    Clear();
    if (!PathExists(m_path)) {
        m_bUnreadContent = false;
        return true;
    }
    std::string content;
    if (!ReadFileExclusive(m_path, content)) {
        m_bUnreadContent = true;
        return false;
    }
    int line = 0;
    for (size_t start = 0; start < content.size(); ++line) {
        size_t end = content.find('\n', start);
        const size_t next = end == std::string::npos ? content.size() : end + 1;
        if (end == std::string::npos)
            end = content.size();
        else if (end > start && content[end - 1] == '\r')
            --end;  // CR LF as well as LF ends a line
        // Lines past the 31 slots are not ignored: saving would drop them without a word.
        if (line >= kDays || !ParseLine(line, std::string_view(content).substr(start, end - start))) {
            m_nRejectedLine = line + 1;
            m_bUnreadContent = true;
            return false;
        }
        start = next;
    }
    m_bUnreadContent = false;
    return true;
}

bool CTimeCardData::ParseLine(int day, std::string_view line)
{
    if (static_cast<unsigned>(day) >= static_cast<unsigned>(kDays))
        return false;
    const std::vector<std::string> fields = SplitString(line, "\t");
    if (fields.size() != kFieldCount)
        return false;
    const std::vector<std::string> date = SplitString(fields[0], "/");
    if (date.size() != 3)
        return false;
    m_date[day].SetDateTime(ReadAtoi(date[0]), ReadAtoi(date[1]), ReadAtoi(date[2]), 0, 0, 0);
    m_clockIn[day] = fields[1];
    m_clockOut[day] = fields[2];
    m_startup[day] = fields[3];
    m_start[day] = fields[4];
    m_stop[day] = fields[5];
    m_end[day] = fields[6];
    m_remarks[day] = fields[7];
    return true;
}

bool CTimeCardData::SaveMonth()
{
    if (m_path[0] == '\0')
        return true;
    std::string content;
    for (int day = 0; day < kDays; ++day) {
        const COleDateTime& date = m_date[day];
        if (!date.IsValid() || date.GetYear() <= 1970)
            continue;
        char dateText[32];
        std::snprintf(dateText, sizeof dateText, "%04d/%02d/%02d", date.GetYear(), date.GetMonth(), day + 1);
        content += dateText;
        for (const std::string* text : {&m_clockIn[day], &m_clockOut[day], &m_startup[day], &m_start[day],
                                        &m_stop[day], &m_end[day], &m_remarks[day]}) {
            content += '\t';
            content += MakeFieldText(*text);
        }
        content += "\r\n";
    }
    // A file that did not read whole still holds what the user has not seen: never overwrite it
    // without a copy.
    if (m_bUnreadContent && !KeepBackup(m_path))
        return false;
    if (!ReplaceFileContents(m_path, content))
        return false;
    m_bUnreadContent = false;
    return true;
}
