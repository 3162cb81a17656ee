// Adding the notification-area icon while the shell may still be starting (at log-on it can
// answer with a time-out). Kept apart from the shell calls so the rule can be tested anywhere.
#pragma once

// What adding the icon needs from the shell.
class ITrayIconShell {
public:
    virtual ~ITrayIconShell() = default;
    // Adds the icon (NIM_ADD); true when the shell accepted it.
    virtual bool AddIcon() = 0;
    // Modifies the icon with the same data (NIM_MODIFY); true only when the icon exists.
    virtual bool ModifyIcon() = 0;
    // True when the last failed call failed with a time-out (ERROR_TIMEOUT).
    virtual bool LastFailureWasTimeout() const = 0;
    virtual void WaitOneSecond() = 0;
};

// Adds the icon. A time-out may hide an icon that the shell added nonetheless, so a modify tells
// whether it exists; if not, the add is tried again a second later, for as long as the shell keeps
// timing out. True when the icon exists; false when the shell refused it with any other error.
bool AddIconRetryingTimeouts(ITrayIconShell& shell);
