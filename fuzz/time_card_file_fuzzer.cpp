// The time-card file as the month load reads it and the save writes it back: whatever the file
// holds, what did not read whole is kept in the .bak copy before the save, and every file the
// save writes reads back whole, with the texts of the slots it wrote in the order it wrote them.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/property.h"
#include "fuzz/scratch_folder.h"
#include "platform/file_system.h"
#include "timecard/field_text.h"
#include "timecard/time_card_data.h"

namespace {

constexpr char kFileName[] = "200807.tsv";
constexpr char kBackupName[] = "200807.tsv.bak";

bool IsSaved(const COleDateTime& date)
{
    return date.IsValid() && date.GetYear() > 1970;
}

void CheckSlotReadBack(const CTimeCardData& saved, int slot, const CTimeCardData& read, int line)
{
    const std::string* before[] = {&saved.m_clockIn[slot], &saved.m_clockOut[slot], &saved.m_startup[slot],
                                   &saved.m_start[slot],   &saved.m_stop[slot],     &saved.m_end[slot],
                                   &saved.m_remarks[slot]};
    const std::string* after[] = {&read.m_clockIn[line], &read.m_clockOut[line], &read.m_startup[line],
                                  &read.m_start[line],   &read.m_stop[line],     &read.m_end[line],
                                  &read.m_remarks[line]};
    for (size_t field = 0; field < std::size(before); ++field)
        CheckProperty(*after[field] == MakeFieldText(*before[field]), "a saved text reads back as written");
    // The line carries the slot's year and month and the slot's day, which may not exist.
    const COleDateTime& date = read.m_date[line];
    if (date.IsValid()) {
        CheckProperty(date.GetYear() == saved.m_date[slot].GetYear() && date.GetMonth() == saved.m_date[slot].GetMonth() &&
                          date.GetDay() == slot + 1,
                      "a saved date reads back");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CScratchFolder folder;
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    folder.WriteFile(kFileName, file);
    folder.Remove(kBackupName);

    CTimeCardData month;
    CheckProperty(month.SetPath(folder / kFileName), "the path is short enough");
    const bool whole = month.ReadMonth();
    CheckProperty(whole == (month.GetRejectedLine() == 0), "a failed read names its line");
    CheckProperty(month.SaveMonth(), "the save succeeds in a folder of our own");

    std::string backup;
    const bool backedUp = ReadWholeFile(folder / kBackupName, backup);
    CheckProperty(backedUp != whole, "a file that did not read whole, and only such, is kept");
    CheckProperty(!backedUp || backup == file, "the kept copy is the file as it was");

    CTimeCardData saved;
    saved.SetPath(folder / kFileName);
    CheckProperty(saved.ReadMonth(), "every saved file reads back whole");
    int line = 0;
    for (int slot = 0; slot < CTimeCardData::kDays; ++slot) {
        if (IsSaved(month.m_date[slot]))
            CheckSlotReadBack(month, slot, saved, line++);
    }
    for (; line < CTimeCardData::kDays; ++line)
        CheckProperty(!saved.m_date[line].IsValid() && saved.m_remarks[line].empty(), "no line beyond the saved ones");
    return 0;
}
