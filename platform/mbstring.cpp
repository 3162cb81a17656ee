#include "platform/mbstring.h"

#include <climits>

bool IsLeadByte932(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

namespace {

// Length in bytes of the character that starts at pos. A lead byte at the very end of the text
// stands alone.
size_t CharLengthAt(std::string_view text, size_t pos)
{
    return IsLeadByte932(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

}  // namespace

size_t FindMultiByte(std::string_view text, std::string_view needle, size_t from)
{
    if (needle.empty())
        return from <= text.size() ? from : std::string::npos;
    size_t pos = 0;
    while (pos < from && pos < text.size())
        pos += CharLengthAt(text, pos);
    for (; pos + needle.size() <= text.size(); pos += CharLengthAt(text, pos)) {
        if (text.compare(pos, needle.size(), needle) == 0)
            return pos;
    }
    return std::string::npos;
}

bool EndsInLoneLeadByte(std::string_view text)
{
    size_t pos = 0;
    while (pos + 1 < text.size())
        pos += CharLengthAt(text, pos);
    return pos + 1 == text.size() && IsLeadByte932(static_cast<unsigned char>(text[pos]));
}

size_t ReverseFindMultiByte(std::string_view text, char ch)
{
    size_t found = std::string::npos;
    for (size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (text[pos] == ch)
            found = pos;
    }
    return found;
}

int ReadAtoi(std::string_view text)
{
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r')))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        value = value * 10 + (text[pos] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    return static_cast<int>(value);
}
