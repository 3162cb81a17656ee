#include "tools/console.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

std::string ConvertCp932ToUtf8(std::string_view text)
{
    const iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1))
        return std::string(text);
    std::string result;
    char* in = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    char buffer[1024];
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t converted = iconv(converter, &in, &inLeft, &out, &outLeft);
        result.append(buffer, static_cast<size_t>(out - buffer));
        if (converted == static_cast<size_t>(-1) && errno != E2BIG) {
            // EILSEQ or EINVAL: a byte that starts no character here, or a lead byte at the end.
            result += '?';
            ++in;
            --inLeft;
        }
    }
    iconv_close(converter);
    return result;
}

void WriteStandardOutput(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fflush(stdout);
}

void WriteStandardError(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
}
