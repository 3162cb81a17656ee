// The INI reader and writer over any text: a value written reads back, an integer written reads
// back as that integer, and writing one key changes no other key's value.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/ini_text.h"
#include "app/settings.h"
#include "fuzz/property.h"

namespace {

struct ProfileKey {
    std::string section;
    std::string key;
};

// Mostly the program's own keys; now and then any two texts.
ProfileKey ConsumeKey(FuzzedDataProvider& input)
{
    const ProfileKey programKeys[] = {{SETTING, RECORD_PATH},
                                      {SETTING, INTERVAL},
                                      {SETTING, SHOW_THIS_MONTH},
                                      {DEFAULT, WORK_START_HHMM},
                                      {DEFAULT, WORK_END_HHMM}};
    const size_t choice = input.ConsumeIntegralInRange<size_t>(0, std::size(programKeys));
    if (choice < std::size(programKeys))
        return programKeys[choice];
    ProfileKey key;
    key.section = input.ConsumeRandomLengthString(32);
    key.key = input.ConsumeRandomLengthString(32);
    return key;
}

bool IsBlank(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

// A name as the program's keys are: letters, digits and underscores.
bool IsPlainName(std::string_view name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char ch) {
        return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') || ch == '_';
    });
}

bool IsPlainKey(const ProfileKey& key)
{
    return IsPlainName(key.section) && IsPlainName(key.key);
}

// A value that one line holds as it is: the reader trims blanks, removes enclosing quotes, ends
// at a NUL and keeps 4095 bytes.
bool IsPlainValue(std::string_view value)
{
    if (value.size() > 4095 || value.find_first_of(std::string_view("\0\r\n", 3)) != std::string_view::npos)
        return false;
    if (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())))
        return false;
    return !(value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front());
}

bool IsSameKey(const ProfileKey& a, const ProfileKey& b)
{
    return EqualsIgnoringCase(a.section, b.section) && EqualsIgnoringCase(a.key, b.key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const ProfileKey key = ConsumeKey(input);
    const ProfileKey other = ConsumeKey(input);
    const int number = input.ConsumeIntegral<int>();
    const std::string value = input.ConsumeRandomLengthString();
    const std::string text = input.ConsumeRemainingBytesAsString();

    const std::optional<std::string> otherBefore = FindProfileValue(text, other.section, other.key);
    const std::string written = SetProfileValue(text, key.section, key.key, value);
    const std::string numberWritten = SetProfileValue(text, key.section, key.key, std::to_string(number));
    if (!IsPlainKey(key))
        return 0;
    CheckProperty(ReadProfileInt(numberWritten, key.section, key.key, -1) == number, "an integer written reads back");
    if (!IsPlainValue(value))
        return 0;
    CheckProperty(FindProfileValue(written, key.section, key.key) == value, "a value written reads back");
    if (!IsSameKey(key, other))
        CheckProperty(FindProfileValue(written, other.section, other.key) == otherBefore, "another key keeps its value");
    return 0;
}
