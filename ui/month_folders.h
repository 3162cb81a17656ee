// The months the time card offers: the month folders YYYYMM that the activity-log writer creates
// under the record folder's data folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// A folder name is a month's when it is six bytes long, begins with a positive number and ends in
// a month 01 to 12 (each read as atoi does, so "1a2b05" passes and "abcd07" does not).
bool IsMonthFolderName(std::string_view name);

// The labels ("2008年07月") of the month folders under record folder\data, newest first: the
// names are sorted in ascending order, whatever order the system lists them in, and each is put
// above the ones before it.
std::vector<std::string> ListMonthLabels(const std::string& recordFolder);
