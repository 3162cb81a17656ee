// A folder of its own for a fuzz target that reads real files, removed with its content when the
// object goes. It lies in memory (/dev/shm) where there is such a folder: the time-card file is
// replaced with a flush on every save, and a disk would make each run wait for it.
#pragma once

#include <string>
#include <string_view>

class CScratchFolder {
public:
    CScratchFolder();
    ~CScratchFolder();
    CScratchFolder(const CScratchFolder&) = delete;
    CScratchFolder& operator=(const CScratchFolder&) = delete;

    // The program's path of a file or folder in this folder: Path() + "\" + name.
    std::string operator/(std::string_view name) const;

    // Writes a file in this folder with these exact bytes; aborts when it cannot.
    void WriteFile(std::string_view name, std::string_view bytes) const;
    // Creates a folder in this folder unless it exists; aborts when it cannot.
    void CreateSubfolder(std::string_view name) const;
    void Remove(std::string_view name) const;

private:
    std::string m_path;  // a POSIX path, which the program's file layer takes as it is
};
