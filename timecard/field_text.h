// The texts of a time-card file line: eight fields separated by single TABs, the line ended by
// CR LF. Separators are found with code page 932's lead-byte rules, so the second byte of a
// double-byte character never counts as one.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The pieces of the text between occurrences of the delimiter, empty pieces included: k
// delimiters give k + 1 pieces, so the empty text gives one empty piece. The search runs over the
// text with the delimiter appended, so a lead byte left alone at the end pairs with that
// delimiter and its piece is lost. An empty delimiter gives the whole text as one piece.
std::vector<std::string> SplitString(std::string_view text, std::string_view delimiter);

// The text as it can stand in one field: every TAB, CR and LF becomes a blank, and so does a lead
// byte left alone at the end, which would otherwise pair with the TAB after it. A field made so
// never splits or ends its line.
std::string MakeFieldText(std::string_view text);
