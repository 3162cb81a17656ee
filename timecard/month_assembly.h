// One month of the time card, assembled from its time-card file and its activity logs: the 31
// rows of the day list, and the same texts in the month record. No window is involved, so the
// Time Card dialog, tarvelo-card and the tests share it.
//
// Two steps, so that the caller can ask the user between them whether to go on when the file did
// not read whole:
//
//     CTimeCardData data;
//     if (!ReadMonthFile(data, recordFolder, 2008, 7) && !UserChoosesToContinue())
//         return;                               // data: that month's path, what was read
//                                               // (the dialog asks "データファイルの読み込みに
//                                               // 失敗しました。処理を続行しますか？")
//     const MonthRows rows = AssembleMonth(data, recordFolder, 2008, 7, today);
//     ...show rows...
//     data.SaveMonth();                         // optional: writes the month's file
//
// Neither step writes anything; only SaveMonth does, and when the file had not read whole it
// first keeps the file's content beside it as YYYYMM.tsv.bak. Paths are the program's Windows
// paths: the record folder, then data\YYYYMM.tsv and data\YYYYMM\MMDD.log.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/local_time.h"
#include "timecard/time_card_data.h"

// The columns of the day list, in order.
enum DayListColumn {
    COLUMN_DATE,       // 日付: "07月01日(火)"
    COLUMN_CLOCK_IN,   // 出勤時刻: from the file; when empty there, the log's start, except today
    COLUMN_CLOCK_OUT,  // 退勤時刻: from the file; when empty there, the log's stop, except today
    COLUMN_STARTUP,    // 起動: from the log only, like the next three
    COLUMN_START,      // 開始
    COLUMN_STOP,       // 停止
    COLUMN_END,        // 終了
    COLUMN_REMARKS,    // 備考: from the file only
    DAY_LIST_COLUMNS
};

using DayRow = std::array<std::string, DAY_LIST_COLUMNS>;
using MonthRows = std::array<DayRow, CTimeCardData::kDays>;

// record folder\data\YYYYMM.tsv and record folder\data\YYYYMM.
std::string MakeTimeCardPath(const std::string& recordFolder, int year, int month);
std::string MakeLogFolderPath(const std::string& recordFolder, int year, int month);

// Points the record at the month's time-card file and reads it (CTimeCardData::ReadMonth). False
// when the file exists but did not read whole: the record then holds the lines before the
// rejected one, or nothing. A path too long to be a file's is a failure as well; the record is
// then cleared and left without a path, so that nothing of the month can be saved over another
// month's file.
bool ReadMonthFile(CTimeCardData& data, const std::string& recordFolder, int year, int month);

// Derives the log times of the month, merges them with what the record holds and returns the 31
// rows; row L is day L + 1, and the rows past the end of a shorter month are blank. For every day
// of the month the record's slot takes the row's date and texts; the other slots are not
// touched. today is the current local date, or nullopt when it could not be obtained: an empty
// clock-in or clock-out takes the log's start or stop on every day but today, which is not over.
MonthRows AssembleMonth(CTimeCardData& data, const std::string& recordFolder, int year, int month,
                        const std::optional<LocalTime>& today);
