// The pieces of a time-card line: split at TAB or "/" (as the reader splits a line and its date),
// they join back into the line, and none holds a separator of its own; a text made into a field
// never splits or ends its line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/property.h"
#include "platform/mbstring.h"
#include "timecard/field_text.h"

namespace {

void CheckSplit(std::string_view text, std::string_view delimiter)
{
    const std::vector<std::string> pieces = SplitString(text, delimiter);
    std::string joined;
    for (size_t i = 0; i < pieces.size(); ++i) {
        CheckProperty(FindMultiByte(pieces[i], delimiter) == std::string::npos, "no piece holds a delimiter");
        if (i > 0)
            joined += delimiter;
        joined += pieces[i];
    }
    // A lead byte left alone at the end pairs with the delimiter that the split appends, and its
    // piece is lost, as the reader has always read such a line.
    if (EndsInLoneLeadByte(text))
        CheckProperty(text.substr(0, joined.size()) == joined, "the pieces are the text's start");
    else
        CheckProperty(joined == text, "the pieces join into the text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckSplit(text, "\t");
    CheckSplit(text, "/");

    const std::string field = MakeFieldText(text);
    CheckProperty(field.size() == text.size(), "a field keeps the text's length");
    CheckProperty(SplitString(field, "\t").size() == 1, "a field is one piece");
    CheckProperty(field.find_first_of("\r\n") == std::string::npos, "a field ends no line");
    CheckProperty(MakeFieldText(field) == field, "a field stays as it is");
    return 0;
}
