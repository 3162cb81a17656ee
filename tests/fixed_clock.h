// A clock that tells the time the test sets.
#pragma once

#include "platform/local_time.h"

class CFixedClock : public IClock {
public:
    explicit CFixedClock(LocalTime now) : m_now(now) {}
    LocalTime Now() const override { return m_now; }
    void Set(LocalTime now) { m_now = now; }

private:
    LocalTime m_now;
};
