#include "fuzz/scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "fuzz/property.h"

namespace {

std::filesystem::path MemoryFolder()
{
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error))
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

}  // namespace

CScratchFolder::CScratchFolder()
{
    std::string pattern = (MemoryFolder() / "tarvelo-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        FailProperty("cannot create the scratch folder");
    m_path = pattern;
}

CScratchFolder::~CScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string CScratchFolder::operator/(std::string_view name) const
{
    return m_path + "\\" + std::string(name);
}

void CScratchFolder::WriteFile(std::string_view name, std::string_view bytes) const
{
    std::ofstream file(m_path + "/" + std::string(name), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        FailProperty("cannot write a scratch file");
}

void CScratchFolder::CreateSubfolder(std::string_view name) const
{
    std::error_code error;
    std::filesystem::create_directory(m_path + "/" + std::string(name), error);
    if (error)
        FailProperty("cannot create a scratch folder");
}

void CScratchFolder::Remove(std::string_view name) const
{
    std::error_code ignored;
    std::filesystem::remove(m_path + "/" + std::string(name), ignored);
}
