// The settings file: one INI file, read anew on every call so that a value changed by the other
// thread or by hand is seen at once. (The methods are not named after the Windows profile
// functions, whose names windows.h turns into macros.) A write replaces the whole file in one step, so a crash
// never leaves it half-written; each read-modify-write holds a lock shared by the whole process,
// because the recording thread and the dialogs write the same file.
#pragma once

#include <string>
#include <string_view>

class CProfileStore {
public:
    explicit CProfileStore(std::string iniPath) : m_path(std::move(iniPath)) {}

    const std::string& GetPath() const { return m_path; }

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int ReadInt(std::string_view section, std::string_view key, int fallback) const;

    // False when the file could not be written; the old file then stays as it was.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view key, int value);

private:
    std::string m_path;
};

// The INI file of an executable: its path with "ini" in place of the last three characters.
std::string MakeProfilePath(const std::string& executablePath);
