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
