#include "recording/activity_log.h"

#include <cstdio>

#include "platform/file_system.h"

bool WriteActivityRecord(const std::string& recordFolder, char stateLetter, const IClock& clock)
{
    // Folder, file and line come from one instant, so a record at 23:59:59 lands in that day's
    // file with the time 2359.
    const LocalTime now = clock.Now();
    char monthFolder[16];
    char dayStem[8];
    char line[8];
    std::snprintf(monthFolder, sizeof monthFolder, "%d%02d", now.year, now.month);
    std::snprintf(dayStem, sizeof dayStem, "%02d%02d", now.month, now.day);
    std::snprintf(line, sizeof line, "%02d%02d%c\r\n", now.hour, now.minute, stateLetter);

    std::string path = recordFolder;
    if (!PathExists(path))
        return false;
    path += "\\data";
    if (!PathExists(path) && !CreateFolder(path))
        return false;
    path += "\\";
    path += monthFolder;
    if (!PathExists(path))
        CreateFolder(path);  // a failure shows as a failed append below
    path += "\\";
    path += dayStem;
    path += ".log";
    return AppendToFile(path, line);
}
