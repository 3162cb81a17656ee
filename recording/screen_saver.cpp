#include "recording/screen_saver.h"

#include "platform/mbstring.h"

bool IsScreenSaverModulePath(std::string_view modulePath)
{
    const size_t pos = FindMultiByte(modulePath, ".scr");
    return pos != std::string_view::npos && pos > 0;
}
