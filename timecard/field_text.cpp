#include "timecard/field_text.h"

#include "platform/mbstring.h"

std::vector<std::string> SplitString(std::string_view text, std::string_view delimiter)
{
    if (delimiter.empty())
        return {std::string(text)};
    // With the delimiter appended, every piece, the last one included, ends at an occurrence.
    std::string searched(text);
    searched += delimiter;
    std::vector<std::string> pieces;
    // Each search starts at a character boundary, so it may take the rest of the text as a text
    // of its own instead of stepping over everything before it again: a long line of many
    // fields costs its length, not its length times its fields.
    const std::string_view rest(searched);
    size_t from = 0;
    for (size_t at; (at = FindMultiByte(rest.substr(from), delimiter)) != std::string::npos;
         from += at + delimiter.size())
        pieces.emplace_back(searched, from, at);
    return pieces;
}

std::string MakeFieldText(std::string_view text)
{
    std::string field(text);
    for (char& ch : field) {
        if (ch == '\t' || ch == '\r' || ch == '\n')
            ch = ' ';
    }
    if (EndsInLoneLeadByte(field))
        field.back() = ' ';
    return field;
}
