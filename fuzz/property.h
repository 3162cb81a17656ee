// What a fuzz target does when a property of the code under test does not hold: say which, and
// abort, so that libFuzzer reports it like a crash and keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void FailProperty(const char* what)
{
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

inline void CheckProperty(bool holds, const char* what)
{
    if (!holds)
        FailProperty(what);
}
