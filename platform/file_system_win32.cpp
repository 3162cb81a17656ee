#include "platform/file_system.h"

#include <windows.h>

namespace {

// Closes the handle when the scope ends.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : m_handle(handle) {}
    ~FileHandle()
    {
        if (IsOpen())
            CloseHandle(m_handle);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

bool WriteAll(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool ReadAll(HANDLE file, std::string& contents)
{
    contents.clear();
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr))
            return false;
        if (got == 0)
            return true;
        contents.append(buffer, got);
    }
}

}  // namespace

bool PathExists(const std::string& path)
{
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CreateFolder(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool AppendToFile(const std::string& path, std::string_view bytes)
{
    // FILE_SHARE_READ lets others read while the line is written and keeps out every other
    // writer, so the end found here stays the end; an exclusive reader makes this open fail.
    // Write access rather than append-only access, so that this handle can cut off a write that
    // stopped part-way: a second handle for that would be refused by this one's share mode.
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsOpen())
        return false;
    const LARGE_INTEGER zero = {};
    LARGE_INTEGER end;
    if (!SetFilePointerEx(file.Get(), zero, &end, FILE_END))
        return false;
    if (WriteAll(file.Get(), bytes))
        return true;
    // Leave no torn line behind: the retry writes the whole line again.
    if (SetFilePointerEx(file.Get(), end, nullptr, FILE_BEGIN))
        SetEndOfFile(file.Get());
    return false;
}

CExclusiveFile::~CExclusiveFile()
{
    if (m_handle != -1)
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
}

bool CExclusiveFile::Open(const std::string& path)
{
    if (m_handle != -1)
        return false;
    // Share mode 0: nobody else may have the file open, and nobody can open it meanwhile.
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    m_handle = reinterpret_cast<std::intptr_t>(file);
    return true;
}

bool CExclusiveFile::ReadAll(std::string& contents)
{
    return m_handle != -1 && ::ReadAll(reinterpret_cast<HANDLE>(m_handle), contents);
}

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.IsOpen() && ReadAll(file.Get(), contents);
}

bool ReplaceFileContents(const std::string& path, std::string_view contents)
{
    const std::string temporary = path + ".tmp";
    bool written = false;
    {
        FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        written = file.IsOpen() && WriteAll(file.Get(), contents) && FlushFileBuffers(file.Get());
    }
    if (written) {
        // MoveFileExA replaces in one step (ReplaceFile is delete-then-move under Wine). A virus
        // scanner or an indexer may hold the original for a moment: try again briefly.
        for (int attempt = 0; attempt < 10; ++attempt) {
            if (MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
                return true;
            const DWORD error = GetLastError();
            if (error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION)
                break;
            Sleep(50);
        }
    }
    DeleteFileA(temporary.c_str());
    return false;
}

std::vector<std::string> ListFolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = entry.cFileName;
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return names;
}

bool DeleteFilePath(const std::string& path)
{
    return DeleteFileA(path.c_str()) != 0;
}

std::string GetExecutablePath()
{
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::string(buffer, length);
}
