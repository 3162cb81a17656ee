// The daily activity log: record folder\data\YYYYMM\MMDD.log, one 7-byte line per record, the
// local time as HHMM, a state letter (A: active, S: screen saver running) and CR LF.
#pragma once

#include <string>

#include "platform/local_time.h"

// Appends one line for the clock's current time to that day's file, creating data and the month
// folder as needed; the record folder itself is never created. False when the record folder is
// missing, data cannot be created, or the line could not be written whole.
bool WriteActivityRecord(const std::string& recordFolder, char stateLetter, const IClock& clock);
