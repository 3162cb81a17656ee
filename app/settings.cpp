#include "app/settings.h"

#include "platform/file_system.h"
#include "platform/mbstring.h"

namespace {

constexpr int kMaxTrailingBackslashes = 3;

// True when the text's last character is a backslash of its own, not the second byte of a
// double-byte character such as 表 or ソ.
bool EndsWithBackslash(std::string_view text)
{
    return !text.empty() && ReverseFindMultiByte(text, '\\') == text.size() - 1;
}

bool IsOnlyBackslashes(std::string_view text)
{
    return text.find_first_not_of('\\') == std::string_view::npos;
}

std::string FirstTwoAndLastTwo(std::string_view text)
{
    const std::string_view first = text.substr(0, 2);
    const std::string_view last = text.size() >= 2 ? text.substr(text.size() - 2) : text;
    return std::string(first) + std::string(last);
}

std::string GetWorkTime(CProfileStore& profile, const char* key, const char* fallback)
{
    std::string value = profile.ReadString(DEFAULT, key, "");
    if (value.empty()) {
        value = fallback;
        profile.WriteString(DEFAULT, key, value);
    }
    return FirstTwoAndLastTwo(value);
}

void SetWorkTime(CProfileStore& profile, const char* key, std::string_view time)
{
    const std::string digits = FirstTwoAndLastTwo(time);
    const std::string text = digits.substr(0, 2) + ":" + digits.substr(2);
    profile.WriteString(DEFAULT, key, text);
}

int GetNonNegativeSetting(CProfileStore& profile, const char* key, int fallback)
{
    const int value = profile.ReadInt(SETTING, key, -1);
    if (value >= 0)
        return value;
    profile.WriteInt(SETTING, key, fallback);
    return fallback;
}

}  // namespace

std::string GetRecordPath(CProfileStore& profile)
{
    std::string value = profile.ReadString(SETTING, RECORD_PATH, "");
    // A value of backslashes alone names no folder.
    if (!IsOnlyBackslashes(value)) {
        for (int i = 0; i < kMaxTrailingBackslashes && EndsWithBackslash(value); ++i)
            value.pop_back();
        return value;
    }
    const std::string executable = GetExecutablePath();
    const size_t separator = ReverseFindMultiByte(executable, '\\');
    value = separator == std::string::npos ? std::string() : executable.substr(0, separator);
    SetRecordPath(profile, value);
    return value;
}

void SetRecordPath(CProfileStore& profile, const std::string& folder)
{
    profile.WriteString(SETTING, RECORD_PATH, folder);
}

std::string GetWorkStart(CProfileStore& profile)
{
    return GetWorkTime(profile, WORK_START_HHMM, WORK_START_DEFAULT);
}

std::string GetWorkEnd(CProfileStore& profile)
{
    return GetWorkTime(profile, WORK_END_HHMM, WORK_END_DEFAULT);
}

void SetWorkStart(CProfileStore& profile, std::string_view time)
{
    SetWorkTime(profile, WORK_START_HHMM, time);
}

void SetWorkEnd(CProfileStore& profile, std::string_view time)
{
    SetWorkTime(profile, WORK_END_HHMM, time);
}

int GetInterval(CProfileStore& profile)
{
    return GetNonNegativeSetting(profile, INTERVAL, 5);
}

int GetShowThisMonth(CProfileStore& profile)
{
    return GetNonNegativeSetting(profile, SHOW_THIS_MONTH, 0);
}

COleDateTime ParseClockTime(std::string_view text)
{
    const int hour = ReadAtoi(text.substr(0, 2));
    const int minute = ReadAtoi(text.size() >= 2 ? text.substr(text.size() - 2) : text);
    COleDateTime time;
    time.SetDateTime(1899, 12, 30, hour, minute, 0);
    return time;
}
