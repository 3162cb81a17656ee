// The Windows side of scripts/measure-budget.sh; prints what it measures, one figure a line.
//
//   measure_budget working-set SECONDS PROGRAM...  starts each program from its own folder, lets it
//                                                  settle, prints its working set, and ends it
//   measure_budget scan RUNS                       times CScreenSaverDetector::IsScreenSaverRunning
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "recording/screen_saver.h"

namespace {

// The working set of the program once it has started and stayed idle for a while: what Windows
// calls its memory use, and what Wine reads from the process's resident size.
bool MeasureWorkingSet(const std::string& program, DWORD settleMilliseconds)
{
    const std::string folder = program.substr(0, program.find_last_of('\\'));
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", program.c_str(), GetLastError());
        return false;
    }
    WaitForInputIdle(process.hProcess, 30000);
    Sleep(settleMilliseconds);
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    const bool measured = WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT &&
                          GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
    if (measured)
        std::printf("%s\tworking set %zu bytes\tpeak %zu bytes\n", program.c_str(), counters.WorkingSetSize,
                    counters.PeakWorkingSetSize);
    else
        std::fprintf(stderr, "cannot measure %s (it ended, or error %lu)\n", program.c_str(), GetLastError());
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return measured;
}

bool TimeScans(int runs)
{
    DWORD ids[1000];
    DWORD written = 0;
    EnumProcesses(ids, sizeof ids, &written);
    CScreenSaverDetector detector;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> milliseconds;
    int found = 0;
    for (int run = 0; run < runs; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        found += detector.IsScreenSaverRunning();
        QueryPerformanceCounter(&end);
        milliseconds.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                               static_cast<double>(frequency.QuadPart));
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%u processes\t%d scans\tmedian %.3f ms\tmin %.3f ms\tmax %.3f ms\tscreen saver seen %d times\n",
                static_cast<unsigned>(written / sizeof(DWORD)), runs, milliseconds[milliseconds.size() / 2], milliseconds.front(),
                milliseconds.back(), found);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "working-set" && argc > 3) {
        bool measured = true;
        for (int i = 3; i < argc; ++i)
            measured = MeasureWorkingSet(argv[i], static_cast<DWORD>(std::atoi(argv[2]) * 1000)) && measured;
        return measured ? 0 : 1;
    }
    if (command == "scan" && argc == 3 && std::atoi(argv[2]) > 0)
        return TimeScans(std::atoi(argv[2])) ? 0 : 1;
    std::fprintf(stderr, "usage: measure_budget working-set SECONDS PROGRAM... | scan RUNS\n");
    return 2;
}
