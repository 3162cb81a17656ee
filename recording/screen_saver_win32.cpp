#include "recording/screen_saver.h"

#include <algorithm>

#include <windows.h>
#include <psapi.h>

namespace {

// Fixed buffers on the stack: a scan allocates nothing. Processes beyond the first 1000, and
// modules of one process beyond its first 1000, are not examined.
constexpr DWORD kMaxProcesses = 1000;
constexpr DWORD kMaxModules = 1000;
constexpr DWORD kModulePathSize = 1000;

// True when one of the process's modules (the executable comes first) has a screen-saver path.
bool HasScreenSaverModule(HANDLE process)
{
    HMODULE modules[kMaxModules];
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &needed))
        return false;
    const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), kMaxModules);
    for (DWORD i = 0; i < count; ++i) {
        char path[kModulePathSize];
        const DWORD length = GetModuleFileNameExA(process, modules[i], path, sizeof path);
        if (length > 0 && IsScreenSaverModulePath(std::string_view(path, length)))
            return true;
    }
    return false;
}

}  // namespace

bool CScreenSaverDetector::IsScreenSaverRunning()
{
    DWORD ids[kMaxProcesses];
    DWORD written = 0;
    if (!EnumProcesses(ids, sizeof ids, &written))
        return false;
    const DWORD count = written / sizeof(DWORD);
    for (DWORD i = 0; i < count; ++i) {
        // The idle process, services, other users' processes and one that has just ended cannot
        // be opened; they count as no screen saver.
        const HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids[i]);
        if (process == nullptr)
            continue;
        const bool found = HasScreenSaverModule(process);
        CloseHandle(process);
        if (found)
            return true;
    }
    return false;
}
