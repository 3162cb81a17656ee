#include "app/profile_store.h"

#include <mutex>

#include "app/ini_text.h"
#include "platform/file_system.h"

namespace {

// One lock for every store in the process: two stores may name the same file.
std::mutex g_profileLock;

std::string ReadIniText(const std::string& path)
{
    std::string text;
    if (!ReadWholeFile(path, text))
        text.clear();  // a missing or unreadable file reads as one without keys
    return text;
}

}  // namespace

std::string CProfileStore::ReadString(std::string_view section, std::string_view key,
                                            std::string_view fallback) const
{
    std::lock_guard<std::mutex> hold(g_profileLock);
    const std::optional<std::string> value = FindProfileValue(ReadIniText(m_path), section, key);
    return value ? *value : std::string(fallback);
}

int CProfileStore::ReadInt(std::string_view section, std::string_view key, int fallback) const
{
    std::lock_guard<std::mutex> hold(g_profileLock);
    return ReadProfileInt(ReadIniText(m_path), section, key, fallback);
}

bool CProfileStore::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    // A line break in a value would start a new line of the file, and a NUL would cut it.
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        return false;
    std::lock_guard<std::mutex> hold(g_profileLock);
    std::string text;
    // A file that exists but cannot be read now (held by another program) must not be replaced
    // by one that holds only this key.
    if (!ReadWholeFile(m_path, text) && PathExists(m_path))
        return false;
    return ReplaceFileContents(m_path, SetProfileValue(text, section, key, value));
}

bool CProfileStore::WriteInt(std::string_view section, std::string_view key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

std::string MakeProfilePath(const std::string& executablePath)
{
    const std::string stem = executablePath.size() >= 3 ? executablePath.substr(0, executablePath.size() - 3)
                                                         : std::string();
    return stem + "ini";
}
