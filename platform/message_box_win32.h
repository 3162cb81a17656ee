// Message boxes with the program's texts in code page 932.
#pragma once

#include <windows.h>

#include <string_view>

// The title of the program's message boxes.
inline constexpr char PROGRAM_TITLE[] = "Tarvelo";

// Shows the box through MessageBoxW, so that the Japanese texts read right on any display
// language; type is the MB_ flags. Returns the button pressed (IDOK, IDYES, ...), or 0.
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);
