#include "platform/local_time.h"

#include <windows.h>

LocalTime CSystemClock::Now() const
{
    // GetLocalTime gives the wall-clock fields of one instant, also in the hour that a
    // daylight-saving change repeats or skips.
    SYSTEMTIME st;
    GetLocalTime(&st);
    return LocalTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}
