// Runs part of a test in a child process, for faults that must not reach the test process itself:
// a file-size limit standing for a full disk, or an ordinary user's rights (the tests run as root,
// for whom permission bits never stop a write). POSIX only.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

// Forks, prepares the child and runs body there. Body's answer; nullopt when prepare failed or the
// child did not end normally. The child leaves through _exit: nothing of the test framework runs
// there, so body only answers and the test checks the files afterwards.
std::optional<bool> RunInChildProcess(const std::function<bool()>& prepare, const std::function<bool()>& body);

// For the calling process: a write past this many bytes of a file fails (EFBIG) as on a full
// disk, without the signal that would end the process. False when the limit cannot be set.
bool LimitFileSize(std::size_t bytes);

// For the calling process: gives up root's rights, so that permission bits apply. Does nothing
// for a process that is not root. False when the rights cannot be given up.
bool DropRootRights();
