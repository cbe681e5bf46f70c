#include "files/CaseLock.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include "files/FieldLines.h"
#include "platform/FileAccess.h"
#include "platform/SafeSave.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kLockTitle = "QUILL10 lock";
// A lock file holds a few lines; anything larger is not one.
constexpr std::uintmax_t kLockFileLimit = 64 * 1024;
constexpr int kTakeAttempts = 3;

// What can be told of a lock file that cannot be read: its owner and when
// it was made.
LockOwner OwnerFromFile(const std::string& lockPath) {
    LockOwner owner;
    owner.process.user = OwnerOfFile(lockPath);
    owner.since = IdentityOf(lockPath).modified / 1000000000;
    return owner;
}

}  // namespace

std::string LockFilePath(const std::string& casePath) {
    const fs::path path(casePath);
    return (path.parent_path() / (".~lock." + path.filename().string() + "#")).string();
}

std::string LockFileText(const LockOwner& owner) {
    return std::string(kLockTitle) + "\n" + FieldLine("User", owner.process.user) +
           FieldLine("Host", owner.process.host) +
           FieldLine("Process", std::to_string(owner.process.pid) + " " + std::to_string(owner.process.started)) +
           FieldLine("Since", std::to_string(owner.since));
}

bool ParseLockFile(std::string_view text, LockOwner& owner, std::string& error) {
    const std::optional<FieldBlock> block = ReadFieldBlock(text, kLockTitle, "", error);
    std::uint64_t process[2] = {};
    LockOwner read;
    if (!block || !block->Text("User", read.process.user, error) || !block->Text("Host", read.process.host, error) ||
        !block->Numbers("Process", process, 2, error) || !block->Number("Since", read.since, error))
        return false;
    read.process.pid = static_cast<std::int64_t>(process[0]);
    read.process.started = process[1];
    owner = read;
    return true;
}

LockFinding ExamineLock(const std::string& casePath, std::int64_t now) {
    const std::string lockPath = LockFilePath(casePath);
    LockFinding finding;
    if (!PathIsTaken(lockPath)) return finding;
    std::string reason;
    const std::optional<std::string> text = ReadRegularFile(lockPath, kLockFileLimit, reason);
    if (text && ParseLockFile(*text, finding.owner, reason)) {
        const LockOwner& owner = finding.owner;
        if (owner.process.host == CurrentProcess().host)
            finding.state = ProcessRuns(owner.process.pid, owner.process.started) ? LockState::kHeld
                                                                                    : LockState::kAbandoned;
        else
            finding.state = now - owner.since > kOldLockSeconds ? LockState::kDoubtful : LockState::kHeld;
        return finding;
    }
    // Another user's lock may be readable by that user alone: its file
    // still says whose it is and since when.  Nothing tells whether its
    // program runs, so only a day's age makes it doubtful.
    finding.owner = OwnerFromFile(lockPath);
    finding.problem = reason;
    finding.state = now - finding.owner.since > kOldLockSeconds ? LockState::kDoubtful : LockState::kHeld;
    return finding;
}

std::string LockMessage(const std::string& casePath, const LockFinding& finding, std::int64_t now) {
    const ProcessIdentity& process = finding.owner.process;
    const WallClock then = LocalWallClock(finding.owner.since);
    const WallClock today = LocalWallClock(now);
    std::string since = FormatShortTime(then.hour, then.minute);
    if (then.year != today.year || then.month != today.month || then.day != today.day)
        since = FormatShortDate(Date{then.year, then.month, then.day}) + " " + since;
    std::string message = "Case " + fs::path(casePath).filename().string() + " is open by " +
                          (process.user.empty() ? std::string("another user") : process.user);
    if (!process.host.empty()) message += " on " + process.host;
    message += " since " + since;
    if (!finding.problem.empty()) message += " (its lock file cannot be read: " + finding.problem + ")";
    return message;
}

LockResult CaseLock::Take(const std::string& casePath, LockFinding& found, std::string& error, bool removeDoubtful) {
    if (Held() && SameFile(casePath_, casePath)) return LockResult::kTaken;
    const std::string lockPath = LockFilePath(casePath);
    const std::string text = LockFileText(LockOwner{CurrentProcess(), SecondsNow()});
    for (int attempt = 0; attempt < kTakeAttempts; ++attempt) {
        std::string reason;
        switch (WriteNewFile(lockPath, text, reason)) {
            case NewFileResult::kWritten:
                Release();
                casePath_ = casePath;
                lockPath_ = lockPath;
                text_ = text;
                return LockResult::kTaken;
            case NewFileResult::kFailed:
                error = reason;
                return MayCreateFilesIn(fs::path(lockPath).parent_path().string()) ? LockResult::kFailed
                                                                                   : LockResult::kNotWritable;
            case NewFileResult::kNameTaken:
                break;
        }
        found = ExamineLock(casePath);
        const bool takeOver = found.state == LockState::kAbandoned ||
                              (found.state == LockState::kDoubtful && removeDoubtful);
        if (found.state != LockState::kFree && !takeOver) return LockResult::kHeld;
        std::error_code ec;
        fs::remove(lockPath, ec);
        if (ec && ec != std::errc::no_such_file_or_directory) {
            error = "cannot remove the lock file \"" + lockPath + "\": " + ec.message();
            return LockResult::kFailed;
        }
    }
    // Another program made and removed locks all the while.
    found = ExamineLock(casePath);
    return LockResult::kHeld;
}

void CaseLock::Release() {
    if (lockPath_.empty()) return;
    std::string reason;
    // A lock another program has taken over since is its lock now.
    if (ReadRegularFile(lockPath_, kLockFileLimit, reason) == text_) {
        std::error_code ec;
        fs::remove(lockPath_, ec);
    }
    casePath_.clear();
    lockPath_.clear();
    text_.clear();
}

}  // namespace quill10
