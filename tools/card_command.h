// tarvelo-card: one month of the time card as the day list shows it, without the window.
//
//     tarvelo-card --record-folder DIR [--today YYYY-MM-DD] [--encoding utf-8|cp932] YYYYMM
//
// Prints 31 lines, one per row of the day list, each the row's eight texts (date label, clock-in,
// clock-out, startup, start, stop, end, remarks) separated by TABs and ended by LF; a blank row is
// seven TABs. --today (by default the current local date) decides which row is today's;
// --encoding (by default utf-8) chooses UTF-8 or the program's own code page 932 bytes.
//
// It reads the month's time-card file and activity logs, each held only while it is read, and
// writes, creates or keeps open nothing: unlike the dialog it never saves the month.
#pragma once

#include <string>
#include <vector>

#include "platform/local_time.h"

// Runs the command on its arguments (without the program name) and returns the exit status:
//     0  the month was printed;
//     2  the month was printed from what was read and the logs, but its time-card file exists
//        and did not read whole; one line in errors names the file and the first rejected line;
//     1  bad arguments; one line in errors says what is wrong and how to call the command.
// clock gives the current date when --today is not given.
int RunCardCommand(const std::vector<std::string>& args, const IClock& clock, std::string& output,
                   std::string& errors);
