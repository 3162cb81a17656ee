#include "app/tray_icon_retry.h"

bool AddIconRetryingTimeouts(ITrayIconShell& shell)
{
    if (shell.AddIcon())
        return true;
    for (;;) {
        if (!shell.LastFailureWasTimeout())
            return false;
        if (shell.ModifyIcon())
            return true;
        shell.WaitOneSecond();
        if (shell.AddIcon())
            return true;
    }
}
