#include "platform/text_win32.h"

#include <windows.h>

std::wstring Cp932ToWide(std::string_view text)
{
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(932, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(932, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string WideToCp932(std::wstring_view text)
{
    if (text.empty())
        return std::string();
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(932, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(932, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}
