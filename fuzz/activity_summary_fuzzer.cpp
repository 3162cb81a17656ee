// A day's activity log as the month load summarises it, against the rule stated plainly: each
// line of exactly five characters (its LF or CR LF removed) is a record of the time atoi reads
// from its first four, active when its fifth is A. The summary scans the recorder's own lines
// faster than that; both must give the same four times.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "fuzz/property.h"
#include "fuzz/scratch_folder.h"
#include "platform/mbstring.h"
#include "timecard/activity_summary.h"

namespace {

struct DayTimes {
    std::string startup, start, stop, end;
};

std::string FormatTime(int time)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", time);
    return text;
}

DayTimes SummarizeByTheRule(std::string_view log)
{
    int earliest = 9999, latest = -1, earliestActive = 9999, latestActive = -1;
    while (!log.empty()) {
        const size_t newline = log.find('\n');
        std::string_view line = log.substr(0, newline);
        log.remove_prefix(newline == std::string_view::npos ? log.size() : newline + 1);
        if (newline != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.size() != 5)
            continue;
        const int time = ReadAtoi(line.substr(0, 4));
        earliest = std::min(earliest, time);
        latest = std::max(latest, time);
        if (line[4] == 'A') {
            earliestActive = std::min(earliestActive, time);
            latestActive = std::max(latestActive, time);
        }
    }
    DayTimes times;
    if (earliest >= 9999)
        return times;
    times.startup = FormatTime(earliest);
    if (earliestActive < 9999)
        times.start = FormatTime(earliestActive);
    if (latestActive >= 0)
        times.stop = FormatTime(latestActive);
    if (latest >= 0)
        times.end = FormatTime(latest);
    return times;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CScratchFolder folder;
    folder.CreateSubfolder("200807");
    const std::string_view log(reinterpret_cast<const char*>(data), size);
    folder.WriteFile("200807/0701.log", log);

    CActivitySummary summary;
    summary.SetFolder(folder / "200807");
    CheckProperty(summary.ReadLogs(), "the month folder reads");
    const DayTimes expected = SummarizeByTheRule(log);
    CheckProperty(summary.GetStartup(0) == expected.startup, "startup as the rule gives it");
    CheckProperty(summary.GetStart(0) == expected.start, "start as the rule gives it");
    CheckProperty(summary.GetStop(0) == expected.stop, "stop as the rule gives it");
    CheckProperty(summary.GetEnd(0) == expected.end, "end as the rule gives it");
    for (int day = 1; day < CActivitySummary::kDays; ++day)
        CheckProperty(summary.GetStartup(day).empty(), "a day without a log stays empty");
    return 0;
}
