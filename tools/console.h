// How tarvelo-card's text reaches whoever runs it: bytes written unchanged (no CR put before LF
// on Windows), and a conversion for callers who read UTF-8.
#pragma once

#include <string>
#include <string_view>

// The code page 932 text in UTF-8. Bytes that form no character of the code page are replaced,
// not dropped.
std::string ConvertCp932ToUtf8(std::string_view text);

void WriteStandardOutput(std::string_view bytes);
void WriteStandardError(std::string_view bytes);
