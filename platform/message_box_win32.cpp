#include "platform/message_box_win32.h"

#include "platform/text_win32.h"

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type)
{
    return MessageBoxW(owner, Cp932ToWide(text).c_str(), Cp932ToWide(caption).c_str(), type);
}
