// The file operations the program relies on. Paths are Windows paths in code page 932 with
// backslashes; the POSIX implementation turns each backslash that is a separator into a slash.
// Every operation opens and closes its file within the call.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// True when any entry (file or folder) of that name exists.
bool PathExists(const std::string& path);

// True when the folder was created; false when it exists already or cannot be created.
bool CreateFolder(const std::string& path);

// Appends bytes at the end of the file, creating it when missing. Others may read the file while
// it is open, but an exclusive reader (ReadFileExclusive) makes the append fail. A write that
// does not go through whole is undone, so the file never keeps part of the bytes; the result is
// then false.
bool AppendToFile(const std::string& path, std::string_view bytes);

// A file that must exist, held open for reading without sharing: no other handle may have it
// open, and none can open it (an append fails) until this object is destroyed.
class CExclusiveFile {
public:
    CExclusiveFile() = default;
    ~CExclusiveFile();
    CExclusiveFile(const CExclusiveFile&) = delete;
    CExclusiveFile& operator=(const CExclusiveFile&) = delete;

    bool Open(const std::string& path);
    // The rest of the file from the current position.
    bool ReadAll(std::string& contents);

private:
    std::intptr_t m_handle = -1;  // a descriptor or a HANDLE
};

// Reads the whole file through a CExclusiveFile. False when it cannot be opened so, or read.
bool ReadFileExclusive(const std::string& path, std::string& contents);

// Reads the whole file with ordinary sharing. False when it is missing or unreadable.
bool ReadWholeFile(const std::string& path, std::string& contents);

// Replaces the file's content in one step: writes a temporary file beside it, flushes it to the
// disk and puts it in place of the original. When anything fails the original stays exactly as
// it was, the temporary file is removed and the result is false. A file the user may not write
// (read-only) is not replaced.
bool ReplaceFileContents(const std::string& path, std::string_view contents);

// The names of the folders directly inside folder ("." and ".." left out), in no fixed order;
// empty when the folder is missing.
std::vector<std::string> ListFolderNames(const std::string& folder);

// Deletes a file; true when it is gone.
bool DeleteFilePath(const std::string& path);

// The full path of the running executable.
std::string GetExecutablePath();
