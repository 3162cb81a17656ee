// The program's texts are code page 932 bytes; the system's W functions take UTF-16. Converting
// with code page 932 explicitly, rather than the system's ANSI code page, keeps the Japanese user
// interface right on Windows of any display language.
#pragma once

#include <string>
#include <string_view>

// The UTF-16 form of a code page 932 text.
std::wstring Cp932ToWide(std::string_view text);

// The code page 932 form of a UTF-16 text; characters it cannot hold become "?".
std::string WideToCp932(std::wstring_view text);
