#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>

#include "platform/mbstring.h"

namespace {

std::string ToNativePath(const std::string& path)
{
    std::string native = path;
    for (size_t pos = 0; (pos = FindMultiByte(native, "\\", pos)) != std::string::npos; ++pos)
        native[pos] = '/';
    return native;
}

// Closes the descriptor when the scope ends; the lock taken with flock goes with it.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }
    bool IsOpen() const { return m_fd >= 0; }
    // Hands the descriptor over: it is no longer closed here.
    int Release()
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool ReadAll(int fd, std::string& contents)
{
    contents.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            return true;
        contents.append(buffer, static_cast<size_t>(got));
    }
}

}  // namespace

bool PathExists(const std::string& path)
{
    struct stat st;
    return !path.empty() && lstat(ToNativePath(path).c_str(), &st) == 0;
}

bool CreateFolder(const std::string& path)
{
    return mkdir(ToNativePath(path).c_str(), 0777) == 0;
}

bool AppendToFile(const std::string& path, std::string_view bytes)
{
    FileDescriptor file(open(ToNativePath(path).c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
    // A shared lock stands for Windows' "others may read, nobody holds it exclusively".
    if (!file.IsOpen() || flock(file.Get(), LOCK_SH | LOCK_NB) != 0)
        return false;
    struct stat before;
    if (fstat(file.Get(), &before) != 0)
        return false;
    if (WriteAll(file.Get(), bytes))
        return true;
    // Leave no torn line behind: the retry writes the whole line again.
    (void)ftruncate(file.Get(), before.st_size);
    return false;
}

CExclusiveFile::~CExclusiveFile()
{
    if (m_handle >= 0)
        close(static_cast<int>(m_handle));
}

bool CExclusiveFile::Open(const std::string& path)
{
    // flock on the open file description: it also keeps out another thread of this process.
    FileDescriptor file(open(ToNativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    if (m_handle >= 0 || !file.IsOpen() || flock(file.Get(), LOCK_EX | LOCK_NB) != 0)
        return false;
    m_handle = file.Release();
    return true;
}

bool CExclusiveFile::ReadAll(std::string& contents)
{
    return m_handle >= 0 && ::ReadAll(static_cast<int>(m_handle), contents);
}

bool ReadWholeFile(const std::string& path, std::string& contents)
{
    FileDescriptor file(open(ToNativePath(path).c_str(), O_RDONLY | O_CLOEXEC));
    return file.IsOpen() && ReadAll(file.Get(), contents);
}

bool ReplaceFileContents(const std::string& path, std::string_view contents)
{
    const std::string native = ToNativePath(path);
    // rename puts a new file in place of one that the user may not write; Windows refuses to
    // replace a read-only file, and so does this.
    if (faccessat(AT_FDCWD, native.c_str(), W_OK, AT_EACCESS) != 0 && errno != ENOENT)
        return false;
    const std::string temporary = native + ".tmp";
    bool written = false;
    {
        FileDescriptor file(open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
        written = file.IsOpen() && WriteAll(file.Get(), contents) && fsync(file.Get()) == 0;
    }
    if (written && rename(temporary.c_str(), native.c_str()) == 0) {
        // Make the new directory entry itself durable.
        const size_t slash = native.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : native.substr(0, slash + 1);
        FileDescriptor directory(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (directory.IsOpen())
            fsync(directory.Get());
        return true;
    }
    unlink(temporary.c_str());
    return false;
}

std::vector<std::string> ListFolderNames(const std::string& folder)
{
    std::vector<std::string> names;
    const std::string native = ToNativePath(folder);
    DIR* directory = opendir(native.c_str());
    if (directory == nullptr)
        return names;
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        struct stat st;
        if (name != "." && name != ".." && stat((native + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode))
            names.push_back(name);
    }
    closedir(directory);
    return names;
}

bool DeleteFilePath(const std::string& path)
{
    return unlink(ToNativePath(path).c_str()) == 0;
}

std::string GetExecutablePath()
{
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return std::string();
    // The program's paths are Windows paths: hand this one out with backslashes too.
    std::string path(buffer, static_cast<size_t>(length));
    for (char& ch : path) {
        if (ch == '/')
            ch = '\\';
    }
    return path;
}
