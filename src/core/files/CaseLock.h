#pragma once
// Lock files for cases kept in a shared folder, so that two people never
// work on one case at once unawares.  Opening a case makes the lock file
// ".~lock.NAME.q10#" beside it, saying who holds the case (user, computer,
// process, since when); closing the case removes it.  A lock whose process
// no longer runs on this computer was left by a program that ended without
// closing the case: it is taken over.  One from another computer cannot be
// looked into: after a day it is only offered for removal.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Processes.h"

namespace quill10 {

// The program holding a case: who, where, which process, since when
// (seconds since 1970).
struct LockOwner {
    ProcessIdentity process;
    std::int64_t since = 0;
};

// ".~lock.Smith.q10#" beside "Smith.q10".
std::string LockFilePath(const std::string& casePath);

// The lock file's text, and reading it back.  On failure the result is
// false and `error` says what is wrong.
std::string LockFileText(const LockOwner& owner);
bool ParseLockFile(std::string_view text, LockOwner& owner, std::string& error);

// A lock more than a day old on another computer may be one left behind.
inline constexpr std::int64_t kOldLockSeconds = 24 * 60 * 60;

enum class LockState {
    kFree,       // no lock file
    kHeld,       // a window holds the case: on this computer its process runs; on another, less than a day old
    kAbandoned,  // this computer's process that made it no longer runs: taken over without asking
    kDoubtful,   // another computer's lock over a day old, or a lock file that cannot be read:
                 // the user may remove it
};

struct LockFinding {
    LockState state = LockState::kFree;
    LockOwner owner;      // as the lock file says; its file's owner and time when it cannot be read
    std::string problem;  // why the lock file cannot be read ("" when it can)
};

// What stands in the way of opening `casePath`, at `now`.
LockFinding ExamineLock(const std::string& casePath, std::int64_t now = SecondsNow());

// "Case Smith.q10 is open by jdoe on OFFICE-PC3 since 9:14" (a lock of an
// earlier day gives the date too: "since 5/31/2024 9:14").
std::string LockMessage(const std::string& casePath, const LockFinding& finding, std::int64_t now = SecondsNow());

// What became of taking a lock.
enum class LockResult {
    kTaken,        // the lock file is this program's now
    kHeld,         // another window holds the case (`found` says who)
    kNotWritable,  // the folder takes no lock file (read-only): the case can only be read
    kFailed,       // the lock file could not be made for another reason (`error`)
};

// The lock this program holds on one case; released when it goes.
class CaseLock {
public:
    CaseLock() = default;
    ~CaseLock() { Release(); }
    CaseLock(const CaseLock&) = delete;
    CaseLock& operator=(const CaseLock&) = delete;

    // Takes the lock of `casePath`, releasing the one held before: makes the
    // lock file, or takes over an abandoned one; a doubtful one only when
    // `removeDoubtful` (the user agreed).  The lock of a case this object
    // holds already stays.  `found` tells who holds the case when it is held.
    LockResult Take(const std::string& casePath, LockFinding& found, std::string& error,
                    bool removeDoubtful = false);
    // Removes the lock file, when it is still this program's.
    void Release();
    bool Held() const { return !lockPath_.empty(); }
    const std::string& CasePath() const { return casePath_; }

private:
    std::string casePath_;
    std::string lockPath_;
    std::string text_;  // what this program wrote into it
};

}  // namespace quill10
