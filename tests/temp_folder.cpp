#include "tests/temp_folder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include "platform/mbstring.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

std::string ToWindowsPath(std::string path)
{
    for (char& ch : path) {
        if (ch == '/')
            ch = '\\';
    }
    return path;
}

std::filesystem::path ToFilesystemPath(const std::string& path)
{
#ifdef _WIN32
    // The program hands its paths to the A functions, which read them in the ANSI code page; a
    // narrow std::filesystem::path would not.
    const int size = static_cast<int>(path.size());
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, path.data(), size, nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), size, wide.data(), static_cast<int>(wide.size()));
    return std::filesystem::path(wide);
#else
    // Only a backslash that is a character of its own: the second byte of 表 is one too.
    std::string native = path;
    for (size_t pos = 0; (pos = FindMultiByte(native, "\\", pos)) != std::string::npos; ++pos)
        native[pos] = '/';
    return std::filesystem::path(native);
#endif
}

std::atomic<int> g_folderCount{0};

}  // namespace

CTempFolder::CTempFolder()
{
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "tarvelo-test";
    if (test != nullptr)
        name += std::string("-") + test->test_suite_name() + "-" + test->name();
    for (char& ch : name) {
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '-')
            ch = '_';
    }
    name += "-" + std::to_string(++g_folderCount);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    m_path = ToWindowsPath(folder.string());
}

CTempFolder::~CTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(ToFilesystemPath(m_path), ignored);
}

std::string CTempFolder::operator/(std::string_view relative) const
{
    return m_path + "\\" + std::string(relative);
}

void WriteTestFile(const std::string& path, std::string_view bytes)
{
    std::ofstream file(ToFilesystemPath(path), std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    ASSERT_TRUE(file.good()) << "cannot write " << path;
}

std::string ReadTestFile(const std::string& path)
{
    std::ifstream file(ToFilesystemPath(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void SetTestPermissions(const std::string& path, std::filesystem::perms permissions)
{
    std::error_code error;
    std::filesystem::permissions(ToFilesystemPath(path), permissions, error);
    ASSERT_FALSE(error) << "cannot set the permissions of " << path << ": " << error.message();
}

void RemoveTestFolder(const std::string& path)
{
    std::error_code error;
    std::filesystem::remove_all(ToFilesystemPath(path), error);
    ASSERT_FALSE(error) << "cannot remove " << path << ": " << error.message();
}
