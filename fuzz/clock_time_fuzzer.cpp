// Clock times typed or stored as text: any text gives a clock time on 1899-12-30, valid exactly
// when its hour and minute are on the clock, and a valid one reads back from its own "HH:MM".
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/settings.h"
#include "fuzz/property.h"
#include "platform/mbstring.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const COleDateTime time = ParseClockTime(text);
    const int hour = ReadAtoi(text.substr(0, 2));
    const int minute = ReadAtoi(text.size() >= 2 ? text.substr(text.size() - 2) : text);
    const bool onTheClock = hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
    CheckProperty(time.IsValid() == onTheClock, "valid exactly for an hour and minute on the clock");
    if (!time.IsValid())
        return 0;
    CheckProperty(time.GetYear() == 1899 && time.GetMonth() == 12 && time.GetDay() == 30 && time.GetHour() == hour &&
                      time.GetMinute() == minute && time.GetSecond() == 0,
                  "the clock time holds the hour and minute on the zero date");
    const COleDateTime again = ParseClockTime(time.FormatHourMinute());
    CheckProperty(again.IsValid() && again.GetHour() == hour && again.GetMinute() == minute,
                  "a clock time reads back from its HH:MM");
    return 0;
}
