#include "tests/child_process_posix.h"

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

// The user and group "nobody": no rights beyond what a file grants to everyone.
constexpr uid_t kNobodyUser = 65534;
constexpr gid_t kNobodyGroup = 65534;

constexpr int kBodyTrue = 0;
constexpr int kBodyFalse = 1;
constexpr int kNotPrepared = 2;

}  // namespace

std::optional<bool> RunInChildProcess(const std::function<bool()>& prepare, const std::function<bool()>& body)
{
    const pid_t child = fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        if (!prepare())
            _exit(kNotPrepared);
        _exit(body() ? kBodyTrue : kBodyFalse);
    }
    int status = 0;
    pid_t ended;
    while ((ended = waitpid(child, &status, 0)) < 0 && errno == EINTR) {
    }
    if (ended != child || !WIFEXITED(status) || WEXITSTATUS(status) == kNotPrepared)
        return std::nullopt;
    return WEXITSTATUS(status) == kBodyTrue;
}

bool LimitFileSize(std::size_t bytes)
{
    // Ignored, SIGXFSZ no longer ends the process; the write fails with EFBIG instead.
    rlimit limit;
    if (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || getrlimit(RLIMIT_FSIZE, &limit) != 0)
        return false;
    limit.rlim_cur = bytes;
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool DropRootRights()
{
    if (geteuid() != 0)
        return true;
    return setgroups(0, nullptr) == 0 && setgid(kNobodyGroup) == 0 && setuid(kNobodyUser) == 0;
}
