// Texts of this program are byte strings in code page 932 (Shift-JIS). A separator search must
// step over double-byte characters: the second byte of 表, ソ or 能 is 0x5C, the backslash, and
// must never be taken for one.
#pragma once

#include <string>
#include <string_view>

// True for a byte that starts a double-byte character in code page 932.
bool IsLeadByte932(unsigned char byte);

// Position of the first occurrence of needle at or after from that starts on a character
// boundary, or std::string::npos.
size_t FindMultiByte(std::string_view text, std::string_view needle, size_t from = 0);

// True when the text's last byte is a lead byte that starts a character of its own, with no
// second byte after it.
bool EndsInLoneLeadByte(std::string_view text);

// Position of the last single-byte character equal to ch, or std::string::npos.
size_t ReverseFindMultiByte(std::string_view text, char ch);

// Reads a number as the C runtime's atoi does: leading blanks, an optional sign, then decimal
// digits up to the first other byte; 0 when there are no digits. Values beyond int saturate.
int ReadAtoi(std::string_view text);
