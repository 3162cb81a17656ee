// Shows the dialogs of a real Tarvelo.exe for scripts/screenshot.sh: starts a copy in the folder
// given (where the script put a sample record), opens the Time Card dialog, loads the month and
// clicks the day given, then the Settings dialog. For each it writes "NAME WxH+X+Y", the
// dialog's place on the screen, and waits for a line on its input (the picture has been taken).
//
//   tarvelo_screenshot_driver FOLDER YYYYMM DAY
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <iostream>
#include <string>

#include "res/resource.h"
#include "tests/program_driver_win32.h"

namespace {

bool Fail(const char* what)
{
    std::cerr << "screenshot driver: " << what << std::endl;
    return false;
}

bool Click(HWND dialog, int id)
{
    return SendWithDeadline(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// Tells where the dialog is once it has painted, and waits until the picture has been taken.
bool Present(const char* name, HWND dialog)
{
    // Painting waits for an empty queue: have it done now, and give the X server a moment.
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Sleep(500);
    RECT rect;
    if (!GetWindowRect(dialog, &rect))
        return Fail("the dialog went away");
    std::cout << name << ' ' << rect.right - rect.left << 'x' << rect.bottom - rect.top << '+' << rect.left << '+'
              << rect.top << std::endl;
    std::string line;
    return static_cast<bool>(std::getline(std::cin, line));
}

bool ShowTimeCard(const CProgramDriver& program, int year, int month, int day)
{
    const HWND dialog = program.OpenDialog(ID_MENU_TIMECARD, TIME_CARD_CAPTION);
    if (dialog == nullptr)
        return Fail("the Time Card dialog did not open");
    wchar_t label[16];
    std::swprintf(label, 16, L"%04d年%02d月", year, month);
    if (!LoadMonthInTimeCard(dialog, label))
        return Fail("the sample month is not listed or did not load");
    const CRemoteListView list(GetDlgItem(dialog, IDC_LIST_DAYS));
    RECT row;
    if (!list.GetItemScreenRect(day - 1, row) || !ClickOnScreen({row.left + 20, (row.top + row.bottom) / 2}) ||
        !WaitUntil([&] { return !GetWindowTextString(GetDlgItem(dialog, IDC_EDIT_DATE)).empty(); }))
        return Fail("the day did not come into the panel");
    return Present("timecard", dialog) && Click(dialog, IDC_BUTTON_CLOSE);
}

bool ShowSettings(const CProgramDriver& program)
{
    const HWND dialog = program.OpenDialog(ID_MENU_SETTINGS, SETTINGS_CAPTION);
    if (dialog == nullptr)
        return Fail("the Settings dialog did not open");
    return Present("settings", dialog) && Click(dialog, IDCANCEL);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: tarvelo_screenshot_driver FOLDER YYYYMM DAY" << std::endl;
        return 2;
    }
    const int yearMonth = std::atoi(argv[2]);
    CProgramDriver program(argv[1]);
    if (!program.StartAndWaitForWindow()) {
        Fail("Tarvelo.exe did not start");
        return 1;
    }
    const bool shown = ShowTimeCard(program, yearMonth / 100, yearMonth % 100, std::atoi(argv[3])) &&
                       WaitUntil([&] { return program.FindDialog(TIME_CARD_CAPTION) == nullptr; }) &&
                       ShowSettings(program);
    PostMessageW(program.FindMainWindow(), WM_COMMAND, ID_MENU_EXIT, 0);
    DWORD exitCode = 0;
    program.WaitForExit(exitCode);
    std::cout << "done" << std::endl;
    return shown ? 0 : 1;
}
