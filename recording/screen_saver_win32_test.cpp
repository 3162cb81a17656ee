#include "recording/screen_saver.h"

#include <gtest/gtest.h>

#include <functional>

#include <windows.h>

#include "platform/file_system.h"
#include "tests/temp_folder.h"

namespace {

// Asks again every 50 ms for up to 60 s.
bool WaitUntil(const std::function<bool()>& condition)
{
    for (int i = 0; i < 1200; ++i) {
        if (condition())
            return true;
        Sleep(50);
    }
    return false;
}

std::string GetHelperPath()
{
    const std::string tests = GetExecutablePath();
    return tests.substr(0, tests.rfind('\\')) + "\\screen_saver_helper.exe";
}

}  // namespace

TEST(ScreenSaverDetector, SeesAProcessStartedFromAScrFileUntilItEnds)
{
    CTempFolder temp;
    const std::string saver = temp / "Tarvelo Test.scr";
    ASSERT_TRUE(CopyFileA(GetHelperPath().c_str(), saver.c_str(), FALSE)) << GetHelperPath();
    CScreenSaverDetector detector;
    ASSERT_FALSE(detector.IsScreenSaverRunning()) << "a .scr process runs already";

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + saver + "\"";
    ASSERT_TRUE(CreateProcessA(saver.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                               nullptr, nullptr, &startup, &process));
    CloseHandle(process.hThread);
    const bool seen = WaitUntil([&] { return detector.IsScreenSaverRunning(); });
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hProcess);

    EXPECT_TRUE(seen);
    EXPECT_TRUE(WaitUntil([&] { return !detector.IsScreenSaverRunning(); }));
}
