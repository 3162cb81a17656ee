// Reading and changing the text of an INI file, as the Windows private-profile functions read it:
// "[section]" lines open sections, "key=value" lines below them hold values; section and key
// names compare without regard to case; blanks around key names and values do not count; one
// pair of enclosing quotes is removed from a value read; of two equal sections or keys the first
// counts. Everything else in the text (comments, other keys, order, line ends) is kept as it is
// when one key is written.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether two section or key names are the same name: ASCII letters compare without regard to
// case, every other byte as it is.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);

// The value of the key, quotes removed, at most 4095 bytes; nothing when the section or the key
// is missing.
std::optional<std::string> FindProfileValue(std::string_view iniText, std::string_view section,
                                            std::string_view key);

// Reads an integer value as GetPrivateProfileInt does: the signed decimal number at the start of
// the value (wrapping at 32 bits); the fallback when the key is missing or its value empty.
int ReadProfileInt(std::string_view iniText, std::string_view section, std::string_view key, int fallback);

// The text with the key set to value: the key's line replaced, or a line added at the end of
// the section, or the section added at the end of the text.
std::string SetProfileValue(std::string_view iniText, std::string_view section, std::string_view key,
                            std::string_view value);
