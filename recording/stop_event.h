// The recording thread's wait between samples, over an event that shutdown signals: the thread
// sleeps the whole interval without waking, yet ends at once when the program does. Windows only.
#pragma once

#include "recording/recording_loop.h"

class CStopEvent : public IRecordingWait {
public:
    CStopEvent();
    ~CStopEvent() override;
    CStopEvent(const CStopEvent&) = delete;
    CStopEvent& operator=(const CStopEvent&) = delete;

    // True after the full time; false as soon as Stop has been called, also for every later wait.
    // A wait that cannot be made also gives false, so that the loop never spins.
    bool Wait(unsigned milliseconds) override;
    // Called from another thread; the waiting thread then returns from its loop.
    void Stop();

private:
    void* m_hEvent;  // a HANDLE; this header stays free of <windows.h>
};
