#include "timecard/time_card_data.h"

#include <cstring>

namespace {

std::string GetSlotText(const std::string (&texts)[CTimeCardData::kDays], int day)
{
    // Taken as unsigned, a negative day is outside as well.
    if (static_cast<unsigned>(day) >= static_cast<unsigned>(CTimeCardData::kDays))
        return std::string();
    return texts[day];
}

}  // namespace

CTimeCardData::CTimeCardData()
{
    std::memset(m_path, 0, sizeof m_path);
}

bool CTimeCardData::SetPath(const std::string& path)
{
    if (path.size() > kMaxPath)
        return false;
    if (path != m_path) {
        // What the last read found out concerns the file it read.
        m_bUnreadContent = false;
        m_nRejectedLine = 0;
    }
    std::memset(m_path, 0, sizeof m_path);
    std::memcpy(m_path, path.data(), path.size());
    return true;
}

std::string CTimeCardData::GetClockIn(int day) const { return GetSlotText(m_clockIn, day); }
std::string CTimeCardData::GetClockOut(int day) const { return GetSlotText(m_clockOut, day); }
std::string CTimeCardData::GetRemarks(int day) const { return GetSlotText(m_remarks, day); }

void CTimeCardData::Clear()
{
    for (int day = 0; day < kDays; ++day) {
        m_date[day].SetStatus(COleDateTime::invalid);
        m_clockIn[day].clear();
        m_clockOut[day].clear();
        m_startup[day].clear();
        m_start[day].clear();
        m_stop[day].clear();
        m_end[day].clear();
        m_remarks[day].clear();
    }
}
