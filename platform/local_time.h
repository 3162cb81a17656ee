// The current local wall-clock time, as the fields of one instant. Behind an interface so that
// tests can fix "now".
#pragma once

struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class IClock {
public:
    virtual ~IClock() = default;
    virtual LocalTime Now() const = 0;
};

// The system's clock, read in local time (daylight-saving rules included).
class CSystemClock : public IClock {
public:
    LocalTime Now() const override;
};
