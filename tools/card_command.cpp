#include "tools/card_command.h"

#include <optional>

#include "platform/date_time.h"
#include "platform/file_system.h"
#include "platform/mbstring.h"
#include "timecard/field_text.h"
#include "timecard/month_assembly.h"
#include "tools/console.h"

namespace {

constexpr char kUsage[] =
    "usage: tarvelo-card --record-folder DIR [--today YYYY-MM-DD] [--encoding utf-8|cp932] YYYYMM";

struct CardArguments {
    std::string recordFolder;
    std::optional<LocalTime> today;
    bool utf8 = true;
    int year = 0;
    int month = 0;
};

bool AreDigits(std::string_view text)
{
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return false;
    }
    return true;
}

// YYYYMM with a month 01 to 12, in a year the calendar of the time card knows.
bool ReadYearMonth(std::string_view text, int& year, int& month)
{
    if (text.size() != 6 || !AreDigits(text))
        return false;
    year = ReadAtoi(text.substr(0, 4));
    month = ReadAtoi(text.substr(4, 2));
    COleDateTime first;
    return month >= 1 && month <= 12 && first.SetDateTime(year, month, 1, 0, 0, 0);
}

// YYYY-MM-DD naming a real date.
bool ReadDate(std::string_view text, LocalTime& date)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !AreDigits(text.substr(0, 4)) ||
        !AreDigits(text.substr(5, 2)) || !AreDigits(text.substr(8, 2)))
        return false;
    date = LocalTime{ReadAtoi(text.substr(0, 4)), ReadAtoi(text.substr(5, 2)), ReadAtoi(text.substr(8, 2)), 0, 0, 0};
    COleDateTime check;
    return check.SetDateTime(date.year, date.month, date.day, 0, 0, 0);
}

// The folder without trailing separators, as the program keeps its record folder; a root stays
// usable, since "C:" and "" followed by \data are still the data folder below it.
std::string TrimFolder(std::string folder)
{
    while (!folder.empty() && (ReverseFindMultiByte(folder, '\\') == folder.size() - 1 || folder.back() == '/'))
        folder.pop_back();
    return folder;
}

// Reads the arguments; on a mistake returns false with the reason.
bool ReadArguments(const std::vector<std::string>& args, CardArguments& result, std::string& reason)
{
    bool haveFolder = false;
    bool haveMonth = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() > 1 && arg[0] == '-') {
            std::string name = arg;
            std::optional<std::string> value;
            const size_t equals = arg.find('=');
            if (equals != std::string::npos) {
                name = arg.substr(0, equals);
                value = arg.substr(equals + 1);
            }
            if (name != "--record-folder" && name != "--today" && name != "--encoding") {
                reason = "unknown option " + name;
                return false;
            }
            if (!value) {
                if (i + 1 == args.size()) {
                    reason = name + " needs a value";
                    return false;
                }
                value = args[++i];
            }
            if (name == "--record-folder") {
                if (value->empty()) {
                    reason = "--record-folder needs a folder";
                    return false;
                }
                result.recordFolder = TrimFolder(*value);
                haveFolder = true;
            } else if (name == "--today") {
                LocalTime today;
                if (!ReadDate(*value, today)) {
                    reason = "--today needs a date YYYY-MM-DD, not " + *value;
                    return false;
                }
                result.today = today;
            } else if (*value == "utf-8" || *value == "cp932") {
                result.utf8 = *value == "utf-8";
            } else {
                reason = "--encoding is utf-8 or cp932, not " + *value;
                return false;
            }
        } else if (haveMonth) {
            reason = "one month only, not also " + arg;
            return false;
        } else if (!ReadYearMonth(arg, result.year, result.month)) {
            reason = "the month is YYYYMM with a month 01 to 12, not " + arg;
            return false;
        } else {
            haveMonth = true;
        }
    }
    if (!haveFolder) {
        reason = "--record-folder is missing";
        return false;
    }
    if (!haveMonth) {
        reason = "the month YYYYMM is missing";
        return false;
    }
    // Without the folder every month would print as empty, as if nothing had been recorded.
    if (!PathExists(result.recordFolder.empty() ? "\\" : result.recordFolder)) {
        reason = "no record folder " + result.recordFolder;
        return false;
    }
    return true;
}

std::string FormatRows(const MonthRows& rows)
{
    std::string text;
    for (const DayRow& row : rows) {
        for (size_t column = 0; column < row.size(); ++column) {
            if (column > 0)
                text += '\t';
            text += MakeFieldText(row[column]);  // a stray CR in a remark must not break the line
        }
        text += '\n';
    }
    return text;
}

}  // namespace

int RunCardCommand(const std::vector<std::string>& args, const IClock& clock, std::string& output,
                   std::string& errors)
{
    CardArguments arguments;
    std::string reason;
    if (!ReadArguments(args, arguments, reason)) {
        errors = "tarvelo-card: " + reason + "; " + kUsage + "\n";
        return 1;
    }
    if (!arguments.today) {
        const LocalTime now = clock.Now();
        arguments.today = LocalTime{now.year, now.month, now.day, 0, 0, 0};
    }

    CTimeCardData data;
    const bool readWhole = ReadMonthFile(data, arguments.recordFolder, arguments.year, arguments.month);
    // The month is printed, never saved: the tool changes no file.
    const MonthRows rows = AssembleMonth(data, arguments.recordFolder, arguments.year, arguments.month, arguments.today);
    output = FormatRows(rows);
    if (arguments.utf8)
        output = ConvertCp932ToUtf8(output);
    if (readWhole)
        return 0;

    errors = "tarvelo-card: " + MakeTimeCardPath(arguments.recordFolder, arguments.year, arguments.month) + ": ";
    const int line = data.GetRejectedLine();
    if (line == 0)
        errors += "cannot be read";
    else if (line > CTimeCardData::kDays)
        errors += "line " + std::to_string(line) + " rejected (a month has at most 31 lines)";
    else
        errors += "line " + std::to_string(line) + " rejected";
    errors += "\n";
    return 2;
}
