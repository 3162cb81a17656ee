#include "ui/month_folders.h"

#include <algorithm>

#include "platform/file_system.h"
#include "platform/mbstring.h"
#include "timecard/month_label.h"

bool IsMonthFolderName(std::string_view name)
{
    if (name.size() != 6 || ReadAtoi(name) < 1)
        return false;
    const int month = ReadAtoi(name.substr(4));
    return month >= 1 && month <= 12;
}

std::vector<std::string> ListMonthLabels(const std::string& recordFolder)
{
    std::vector<std::string> names = ListFolderNames(recordFolder + "\\data");
    names.erase(std::remove_if(names.begin(), names.end(), [](const std::string& name) { return !IsMonthFolderName(name); }),
                names.end());
    std::sort(names.begin(), names.end(), std::greater<>());
    std::vector<std::string> labels;
    for (const std::string& name : names)
        labels.push_back(MakeMonthLabel(name));
    return labels;
}
