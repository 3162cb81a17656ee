// The activity log shared by its two users at full speed: the recording loop appending, with its
// retry, and the time card summarising the month meanwhile, each file held exclusively while it is
// read. Every line that the writer reported as written must end up in the day's file, whole and
// once, and every summary must be that of a part of the files as written.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <set>
#include <thread>
#include <vector>

#include "platform/file_system.h"
#include "recording/activity_writer.h"
#include "recording/recording_fakes.h"
#include "tests/fixed_clock.h"
#include "tests/temp_folder.h"
#include "timecard/activity_summary.h"
#include "timecard/month_assembly.h"

namespace {

// Thousands of cycles, a second or two; file operations under Wine go through its server and
// take longer.
#ifdef _WIN32
constexpr int kCycles = 2000;
#else
constexpr int kCycles = 5000;
#endif
constexpr int kDaysWritten = kCycles / (24 * 60) + 1;

// One minute per cycle from 1 July 2008 00:00 on.
LocalTime GetCycleTime(int cycle)
{
    return {2008, 7, 1 + cycle / (24 * 60), cycle / 60 % 24, cycle % 60, 0};
}

// The real writer, keeping each day's lines that it reported as written.
class CReportingWriter : public IActivityWriter {
public:
    explicit CReportingWriter(const IClock& clock) : m_clock(clock), m_writer(clock) {}

    bool WriteActivityRecord(const std::string& recordFolder, char stateLetter) override
    {
        const LocalTime now = m_clock.Now();
        if (!m_writer.WriteActivityRecord(recordFolder, stateLetter)) {
            ++m_nRefused;
            return false;
        }
        char line[8];
        std::snprintf(line, sizeof line, "%02d%02d%c\r\n", now.hour, now.minute, stateLetter);
        m_written[now.day] += line;
        return true;
    }

    std::map<int, std::string> m_written;
    int m_nRefused = 0;

private:
    const IClock& m_clock;
    CActivityWriter m_writer;
};

// The recording thread's sleeps: an interval passes at once and moves the clock on a minute; a
// shorter wait, the retry's second, is a short pause in which the time card lets go of the file.
class CSteppingWait : public IRecordingWait {
public:
    explicit CSteppingWait(CFixedClock& clock) : m_clock(clock) {}

    bool Wait(unsigned milliseconds) override
    {
        if (milliseconds < 60000) {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            return true;
        }
        m_clock.Set(GetCycleTime(++m_nCycles));
        return m_nCycles < kCycles;
    }

private:
    CFixedClock& m_clock;
    int m_nCycles = 0;
};

// What one summary showed for a day: startup, start, stop, end.
struct SeenDay {
    int day;
    std::array<std::string, 4> times;
};

// The lines of a log as written by the recorder, "HHMMA\r\n" each; the test fails on any other.
std::vector<std::string> SplitLogLines(const std::string& log, int day)
{
    std::vector<std::string> times;
    for (size_t at = 0; at < log.size(); at += 7) {
        const std::string line = log.substr(at, 7);
        EXPECT_TRUE(line.size() == 7 && line.compare(4, 3, "A\r\n") == 0) << "day " << day << ": " << line;
        times.push_back(line.substr(0, 4));
    }
    return times;
}

}  // namespace

TEST(ActivityLogSharing, NoLineLostOrTornWhileTheTimeCardReadsTheMonth)
{
    CTempFolder temp;
    const std::string folder = temp / "勤務表";
    ASSERT_TRUE(CreateFolder(folder));
    CProfileStore profile(temp / "Tarvelo.ini");
    WriteTestFile(profile.GetPath(), "[SETTING]\r\nRECORD_PATH=" + folder + "\r\nINTERVAL=1\r\n");

    RecordingJournal journal;
    CFakeRecordingWindow window(journal);
    CFakeScreenSaverDetector detector;  // never a screen saver: every line is an A line
    CFixedClock clock(GetCycleTime(0));
    CReportingWriter writer(clock);
    CSteppingWait wait(clock);
    RecordingContext context{profile, window, detector, writer, wait};

    std::atomic<bool> recordingDone{false};
    std::vector<SeenDay> seen;
    int summaries = 0;
    std::thread timeCard([&] {
        do {
            CActivitySummary summary;
            summary.SetFolder(MakeLogFolderPath(folder, 2008, 7));
            summary.ReadLogs();
            for (int day = 0; day < kDaysWritten; ++day) {
                if (!summary.GetStartup(day).empty())
                    seen.push_back({day + 1, {summary.GetStartup(day), summary.GetStart(day), summary.GetStop(day),
                                              summary.GetEnd(day)}});
            }
            ++summaries;
        } while (!recordingDone);
    });
    RecordingThreadProc(context);
    recordingDone = true;
    timeCard.join();

    // Every line reported as written is in its file, whole and once, and nothing else is.
    std::map<int, std::vector<std::string>> times;
    for (int day = 1; day <= kDaysWritten; ++day) {
        std::string log;
        ASSERT_TRUE(ReadFileExclusive(MakeLogFolderPath(folder, 2008, 7) + "\\07" + (day < 10 ? "0" : "") +
                                          std::to_string(day) + ".log",
                                      log))
            << day;
        EXPECT_TRUE(log == writer.m_written[day]) << "day " << day;
        times[day] = SplitLogLines(log, day);
    }
    // Each summary is that of the first lines of a day's file: startup and start its first time,
    // stop and end the time of one of its lines.
    for (const SeenDay& s : seen) {
        const std::vector<std::string>& day = times[s.day];
        ASSERT_FALSE(day.empty()) << s.day;
        EXPECT_EQ(s.times[0], day.front()) << "day " << s.day;
        EXPECT_EQ(s.times[1], day.front()) << "day " << s.day;
        EXPECT_EQ(s.times[2], s.times[3]) << "day " << s.day;
        EXPECT_TRUE(std::set<std::string>(day.begin(), day.end()).count(s.times[3])) << "day " << s.day;
    }
    int balloons = 0;
    for (const std::string& entry : journal)
        balloons += entry.compare(0, 7, "balloon") == 0;
    std::printf("%d cycles, %d summaries, %d appends refused and retried, %d balloons\n", kCycles, summaries,
                writer.m_nRefused, balloons);
    EXPECT_GT(summaries, 0);
}
