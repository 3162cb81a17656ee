#include "platform/file_system.h"

bool ReadFileExclusive(const std::string& path, std::string& contents)
{
    CExclusiveFile file;
    return file.Open(path) && file.ReadAll(contents);
}
