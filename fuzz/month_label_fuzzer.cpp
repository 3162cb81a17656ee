// Month folder names and the month labels made from them: any text is read without harm, and
// the label of every name the month combo accepts reads back as that name's year and month.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/property.h"
#include "platform/mbstring.h"
#include "timecard/month_label.h"
#include "ui/month_folders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ReadMonthLabel(text);
    const std::string label = MakeMonthLabel(text);
    const YearMonth read = ReadMonthLabel(label);
    if (!IsMonthFolderName(text))
        return 0;
    CheckProperty(label.size() == 10, "a month label is ten bytes");
    CheckProperty(read.month >= 1 && read.month <= 12, "an accepted folder's label holds a month");
    CheckProperty(read.month == ReadAtoi(text.substr(4)) && read.year == ReadAtoi(text.substr(0, 4)),
                  "the label reads back as the folder's year and month");
    return 0;
}
