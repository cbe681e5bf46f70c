#pragma once
// The id of a process that has ended: what a recovery copy or a lock file
// left by a program that no longer runs names.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>

namespace quill10::test {

inline std::int64_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

}  // namespace quill10::test
