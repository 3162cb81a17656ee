// What assembling a dense month costs next to the bare cost of its files: 31 day logs of 1,440
// lines (a record every minute) and a full time-card file, opened, read and closed. The two are
// measured in the same run, on the same files, and their ratio is printed at the end. The
// assembly's "allocs" counter counts heap allocations per month: it stays far below the 44,640
// log lines.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench/allocation_count.h"
#include "timecard/month_assembly.h"

namespace {

constexpr int kYear = 2008;
constexpr int kMonth = 7;
constexpr char kBareRead[] = "BareRead";
constexpr char kMonthAssembly[] = "MonthAssembly";

// A record folder holding one dense month, removed when the benchmark ends.
class CDenseMonth {
public:
    CDenseMonth()
        : m_folder(std::filesystem::temp_directory_path() / ("tarvelo-bench-" + std::to_string(getpid())))
    {
        const std::filesystem::path logs = m_folder / "data" / "200807";
        std::filesystem::create_directories(logs);
        std::string card;
        for (int day = 1; day <= 31; ++day) {
            char name[16];
            std::snprintf(name, sizeof name, "07%02d.log", day);
            std::string log;
            for (int minute = 0; minute < 24 * 60; ++minute) {
                char line[8];
                // Active in working hours, a screen saver at lunch and at night.
                const bool active = minute >= 8 * 60 && minute < 20 * 60 && minute / 60 != 12;
                std::snprintf(line, sizeof line, "%02d%02d%c\r\n", minute / 60, minute % 60, active ? 'A' : 'S');
                log += line;
            }
            Write(logs / name, log);
            m_files.push_back((logs / name).string());
            char cardLine[128];
            std::snprintf(cardLine, sizeof cardLine, "2008/07/%02d\t09:00\t18:00\t00:00\t08:00\t19:59\t23:59\t%s\r\n",
                          day, "定例会議のため早出");
            card += cardLine;
        }
        Write(m_folder / "data" / "200807.tsv", card);
        m_files.push_back((m_folder / "data" / "200807.tsv").string());
    }
    ~CDenseMonth()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    CDenseMonth(const CDenseMonth&) = delete;
    CDenseMonth& operator=(const CDenseMonth&) = delete;

    std::string RecordFolder() const { return m_folder.string(); }
    const std::vector<std::string>& Files() const { return m_files; }

private:
    static void Write(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::filesystem::path m_folder;
    std::vector<std::string> m_files;
};

void BareRead(benchmark::State& state, const CDenseMonth& month)
{
    std::vector<char> buffer(65536);
    for (auto _ : state) {
        for (const std::string& path : month.Files()) {
            const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
            while (read(fd, buffer.data(), buffer.size()) > 0) {
            }
            close(fd);
        }
        benchmark::DoNotOptimize(buffer.data());
    }
}

void MonthAssembly(benchmark::State& state, const CDenseMonth& month)
{
    const std::string recordFolder = month.RecordFolder();
    const std::optional<LocalTime> today = LocalTime{kYear, kMonth, 31, 12, 0, 0};
    const long long allocationsBefore = GetAllocationCount();
    for (auto _ : state) {
        CTimeCardData data;
        if (!ReadMonthFile(data, recordFolder, kYear, kMonth))
            state.SkipWithError("the time-card file did not read");
        const MonthRows rows = AssembleMonth(data, recordFolder, kYear, kMonth, today);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["allocs"] = benchmark::Counter(static_cast<double>(GetAllocationCount() - allocationsBefore),
                                                  benchmark::Counter::kAvgIterations);
}

// The console report, and at its end the assembly's time over the bare read's.
class CRatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            // With repetitions the median stands for the benchmark; without, its one run.
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                m_realTimes[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        if (m_realTimes.count(kBareRead) && m_realTimes.count(kMonthAssembly)) {
            GetOutputStream() << "month assembly / bare read = " << m_realTimes[kMonthAssembly] / m_realTimes[kBareRead]
                              << " (goal 3, stretch 2)\n";
        }
    }

private:
    std::map<std::string, double> m_realTimes;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const CDenseMonth month;
    benchmark::RegisterBenchmark(kBareRead, BareRead, std::cref(month))->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(kMonthAssembly, MonthAssembly, std::cref(month))->Unit(benchmark::kMicrosecond);
    CRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
