// The recording thread: one sample per interval for as long as the program runs. Each sample asks
// whether a screen saver runs and appends the time and the state letter to the day's activity
// log; a failed append is retried once after a second, and a second failure shows an error
// balloon on the tray icon. Everything the loop touches comes through the small interfaces below,
// so that it runs against fakes in the tests.
#pragma once

#include <string>

#include "app/profile_store.h"

// What the loop needs from the tray window.
class IRecordingWindow {
public:
    virtual ~IRecordingWindow() = default;
    // Set by the tray window once the Settings dialog has stored new settings.
    virtual bool IsSettingsChanged() const = 0;
    virtual void ClearSettingsChanged() = 0;
    virtual void ShowBalloon(const std::string& title, const std::string& text) = 0;
};

class IScreenSaverDetector {
public:
    virtual ~IScreenSaverDetector() = default;
    virtual bool IsScreenSaverRunning() = 0;
};

class IActivityWriter {
public:
    virtual ~IActivityWriter() = default;
    virtual bool WriteActivityRecord(const std::string& recordFolder, char stateLetter) = 0;
};

// Waits between samples. Returns false when the program is ending: the loop then returns at once.
class IRecordingWait {
public:
    virtual ~IRecordingWait() = default;
    virtual bool Wait(unsigned milliseconds) = 0;
};

struct RecordingContext {
    CProfileStore& profile;
    IRecordingWindow& window;
    IScreenSaverDetector& detector;
    IActivityWriter& writer;
    IRecordingWait& wait;
};

// The thread's body. Takes the first sample at once, then one per interval until the wait says
// the program is ending; returns 0 then. The record folder is read once, at the start; the
// interval again after every wait once the settings have changed.
unsigned RecordingThreadProc(RecordingContext& context);

// Copies the folder with its terminator into the path buffer. False, with the buffer untouched,
// when the folder is longer than 260 characters.
bool CopyRecordPath(char (&buffer)[261], const std::string& folder);
