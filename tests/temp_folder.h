// A fresh, empty folder for one test, removed with everything in it when the test ends. Its path
// is a Windows path (backslashes), as the program's own paths are on every platform.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    // Path() + "\" + relative.
    std::string operator/(std::string_view relative) const;

private:
    std::string m_path;
};

// Writes a file with these exact bytes (creating or truncating it); the test fails otherwise.
void WriteTestFile(const std::string& path, std::string_view bytes);

// The file's bytes, or the empty text when it cannot be read.
std::string ReadTestFile(const std::string& path);

// Removes a folder with everything in it; the test fails when it cannot.
void RemoveTestFolder(const std::string& path);

// Sets the permission bits of a file or folder; the test fails when they cannot be set. (Windows
// keeps only the read-only attribute.)
void SetTestPermissions(const std::string& path, std::filesystem::perms permissions);
