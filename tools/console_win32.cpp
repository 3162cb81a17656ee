#include "tools/console.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {

constexpr UINT kShiftJis = 932;

void WriteBinary(FILE* stream, std::string_view bytes)
{
    // Text mode would put a CR before every LF.
    _setmode(_fileno(stream), _O_BINARY);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::fflush(stream);
}

}  // namespace

std::string ConvertCp932ToUtf8(std::string_view text)
{
    if (text.empty())
        return std::string();
    // Without MB_ERR_INVALID_CHARS a byte that is no character becomes the default character.
    const int size = static_cast<int>(text.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(kShiftJis, 0, text.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(kShiftJis, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
    const int wideSize = static_cast<int>(wide.size());
    std::string utf8(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    return utf8;
}

void WriteStandardOutput(std::string_view bytes) { WriteBinary(stdout, bytes); }
void WriteStandardError(std::string_view bytes) { WriteBinary(stderr, bytes); }
