#include "recording/stop_event.h"

#include <windows.h>

// Manual reset: once signalled the event stays so, and every wait after Stop returns at once.
CStopEvent::CStopEvent() : m_hEvent(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}

CStopEvent::~CStopEvent()
{
    if (m_hEvent != nullptr)
        CloseHandle(m_hEvent);
}

bool CStopEvent::Wait(unsigned milliseconds)
{
    return WaitForSingleObject(m_hEvent, milliseconds) == WAIT_TIMEOUT;
}

void CStopEvent::Stop()
{
    SetEvent(m_hEvent);
}
