// The recording loop's writer: appends to the daily activity log at the clock's current time.
#pragma once

#include <string>

#include "platform/local_time.h"
#include "recording/recording_loop.h"

class CActivityWriter : public IActivityWriter {
public:
    // The program passes a CSystemClock, which must outlive the writer.
    explicit CActivityWriter(const IClock& clock) : m_clock(clock) {}

    bool WriteActivityRecord(const std::string& recordFolder, char stateLetter) override;

private:
    const IClock& m_clock;
};
