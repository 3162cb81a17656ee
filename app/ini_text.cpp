#include "app/ini_text.h"

#include <cstdint>
#include <vector>

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

namespace {

constexpr size_t kMaxValueLength = 4095;
// GetPrivateProfileInt reads the value into a buffer of 30 characters before converting it.
constexpr size_t kMaxIntegerText = 29;

bool IsBlank(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// One line of the text: where it starts and ends (line end excluded) and what it holds.
struct IniLine {
    size_t begin = 0;
    size_t end = 0;          // end of the line's content
    size_t next = 0;         // start of the following line
    bool isSection = false;
    bool isKey = false;
    std::string_view name;   // section or key name
    std::string_view value;  // key value, trimmed
};

std::vector<IniLine> SplitLines(std::string_view text)
{
    std::vector<IniLine> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        IniLine line;
        line.begin = pos;
        const size_t newline = text.find('\n', pos);
        line.end = newline == std::string_view::npos ? text.size() : newline;
        line.next = newline == std::string_view::npos ? text.size() : newline + 1;
        const std::string_view content = Trim(text.substr(line.begin, line.end - line.begin));
        if (!content.empty() && content.front() == '[') {
            const size_t close = content.rfind(']');
            if (close != std::string_view::npos && close > 0) {
                line.isSection = true;
                line.name = content.substr(1, close - 1);
            }
        }
        if (!line.isSection && !content.empty()) {
            const size_t equals = content.find('=');
            line.isKey = true;
            line.name = Trim(content.substr(0, equals));
            if (equals != std::string_view::npos)
                line.value = Trim(content.substr(equals + 1));
        }
        lines.push_back(line);
        pos = line.next;
    }
    return lines;
}

// Index of the first section line with that name, or lines.size().
size_t FindSection(const std::vector<IniLine>& lines, std::string_view section)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].isSection && EqualsIgnoringCase(lines[i].name, section))
            return i;
    }
    return lines.size();
}

// Index of the line after the section's last line.
size_t SectionEnd(const std::vector<IniLine>& lines, size_t sectionLine)
{
    size_t i = sectionLine + 1;
    while (i < lines.size() && !lines[i].isSection)
        ++i;
    return i;
}

// Index of the first line of the key within the section, or lines.size().
size_t FindKey(const std::vector<IniLine>& lines, size_t sectionLine, std::string_view key)
{
    const size_t end = SectionEnd(lines, sectionLine);
    for (size_t i = sectionLine + 1; i < end; ++i) {
        if (lines[i].isKey && EqualsIgnoringCase(lines[i].name, key))
            return i;
    }
    return lines.size();
}

std::string_view RemoveQuotes(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view iniText, std::string_view section,
                                            std::string_view key)
{
    const std::vector<IniLine> lines = SplitLines(iniText);
    const size_t sectionLine = FindSection(lines, section);
    if (sectionLine == lines.size())
        return std::nullopt;
    const size_t keyLine = FindKey(lines, sectionLine, key);
    if (keyLine == lines.size())
        return std::nullopt;
    std::string_view value = RemoveQuotes(lines[keyLine].value);
    // The platform hands values out as C strings: a NUL byte ends them.
    value = value.substr(0, value.find('\0'));
    return std::string(value.substr(0, kMaxValueLength));
}

int ReadProfileInt(std::string_view iniText, std::string_view section, std::string_view key, int fallback)
{
    const std::optional<std::string> found = FindProfileValue(iniText, section, key);
    if (!found || found->empty())
        return fallback;
    const std::string_view text = std::string_view(*found).substr(0, kMaxIntegerText);
    size_t pos = 0;
    while (pos < text.size() && static_cast<unsigned char>(text[pos]) <= ' ')
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    uint32_t total = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        total = total * 10u + static_cast<uint32_t>(text[pos] - '0');
    if (negative)
        total = 0u - total;
    return static_cast<int32_t>(total);
}

std::string SetProfileValue(std::string_view iniText, std::string_view section, std::string_view key,
                            std::string_view value)
{
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const std::vector<IniLine> lines = SplitLines(iniText);
    std::string result;
    const size_t sectionLine = FindSection(lines, section);
    if (sectionLine == lines.size()) {
        result = std::string(iniText);
        if (!result.empty() && result.back() != '\n')
            result += "\r\n";
        if (!result.empty())
            result += "\r\n";
        result += "[" + std::string(section) + "]\r\n" + keyLine + "\r\n";
        return result;
    }
    const size_t found = FindKey(lines, sectionLine, key);
    if (found != lines.size()) {
        // Replace the content of the key's line, keeping its line end.
        const IniLine& line = lines[found];
        size_t contentEnd = line.end;
        if (contentEnd > line.begin && iniText[contentEnd - 1] == '\r')
            --contentEnd;
        result = std::string(iniText.substr(0, line.begin)) + keyLine + std::string(iniText.substr(contentEnd));
        return result;
    }
    // Add the key after the section's last non-empty line.
    size_t last = sectionLine;
    for (size_t i = sectionLine + 1; i < SectionEnd(lines, sectionLine); ++i) {
        if (lines[i].isKey)
            last = i;
    }
    const IniLine& after = lines[last];
    std::string head(iniText.substr(0, after.next));
    if (head.back() != '\n')
        head += "\r\n";
    return head + keyLine + "\r\n" + std::string(iniText.substr(after.next));
}
