// Lock files beside cases: who holds a case, taking over a lock left by a
// program that has ended, another computer's locks, damaged lock files and
// folders that take no lock.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "files/CaseLock.h"
#include "platform/FileAccess.h"
#include "../EndedProcess.h"

namespace quill10 {
namespace {

using ::quill10::test::EndedProcess;

// Seconds since 1970 of a time of today's local clock.
std::int64_t TodayAt(int hour, int minute) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = 0;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

LockOwner Owner(const std::string& user, const std::string& host, std::int64_t pid, std::int64_t since) {
    return LockOwner{ProcessIdentity{pid, 0, host, user}, since};
}

class CaseLockTest : public ::testing::Test {
protected:
    std::string Case(const std::string& name = "Smith.q10") {
        const std::string path = folder.File(name);
        test::WriteWholeFile(path, "case");
        return path;
    }
    void PlantLock(const std::string& casePath, const std::string& text) {
        test::WriteWholeFile(LockFilePath(casePath), text);
    }
    test::ScratchFolder folder;
};

TEST_F(CaseLockTest, TheLockSaysWhoHoldsTheCaseUntilItIsReleased) {
    const std::string path = Case();
    EXPECT_EQ(LockFilePath(path), folder.File(".~lock.Smith.q10#"));
    CaseLock lock;
    LockFinding found;
    std::string error;
    ASSERT_EQ(lock.Take(path, found, error), LockResult::kTaken) << error;
    struct stat info {};
    ASSERT_EQ(::stat(LockFilePath(path).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);  // owner only

    // Another window of this program (it runs) finds the case held, by whom.
    CaseLock second;
    EXPECT_EQ(second.Take(path, found, error), LockResult::kHeld);
    EXPECT_EQ(found.state, LockState::kHeld);
    EXPECT_EQ(found.owner.process.pid, CurrentProcess().pid);
    EXPECT_EQ(found.owner.process.host, HostName());
    EXPECT_EQ(found.owner.process.user, UserName());
    EXPECT_EQ(LockMessage(path, found).rfind("Case Smith.q10 is open by " + UserName() + " on " + HostName() + " since ", 0),
              0u);

    // Taking the lock of the case held already keeps it; releasing removes it.
    EXPECT_EQ(lock.Take(path, found, error), LockResult::kTaken);
    lock.Release();
    EXPECT_FALSE(std::filesystem::exists(LockFilePath(path)));
    EXPECT_EQ(ExamineLock(path).state, LockState::kFree);
}

TEST_F(CaseLockTest, ALockAnotherProgramTookOverIsNotRemoved) {
    const std::string path = Case();
    CaseLock lock;
    LockFinding found;
    std::string error;
    ASSERT_EQ(lock.Take(path, found, error), LockResult::kTaken);
    const std::string theirs = LockFileText(Owner("asmith", "OFFICE-PC4", 4711, SecondsNow()));
    PlantLock(path, theirs);
    lock.Release();
    EXPECT_EQ(test::ReadWholeFile(LockFilePath(path)), theirs);
}

// Each kind of lock found beside a case, and what opening it does.
TEST_F(CaseLockTest, EachLockFoundIsTakenOverHeldOrOfferedForRemoval) {
    const std::int64_t now = SecondsNow();
    const std::int64_t day = kOldLockSeconds;
    const struct {
        const char* label;
        std::string text;
        LockState state;
        LockResult result;  // taking it without the user's word
    } cases[] = {
        {"this computer, process ended", LockFileText(Owner("jdoe", HostName(), EndedProcess(), now - 60)),
         LockState::kAbandoned, LockResult::kTaken},
        {"this computer, process runs", LockFileText(Owner("jdoe", HostName(), ::getppid(), now - 60)),
         LockState::kHeld, LockResult::kHeld},
        {"another computer, an hour old", LockFileText(Owner("jdoe", "OFFICE-PC3", 4711, now - 3600)),
         LockState::kHeld, LockResult::kHeld},
        {"another computer, two days old", LockFileText(Owner("jdoe", "OFFICE-PC3", 4711, now - 2 * day)),
         LockState::kDoubtful, LockResult::kHeld},
        {"damaged, just made", "QUILL10 lock\nUser jdoe\n", LockState::kHeld, LockResult::kHeld},
        {"empty", "", LockState::kHeld, LockResult::kHeld},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = Case();
        PlantLock(path, c.text);
        EXPECT_EQ(ExamineLock(path, now).state, c.state);
        CaseLock lock;
        LockFinding found;
        std::string error;
        EXPECT_EQ(lock.Take(path, found, error), c.result) << error;
        if (c.result == LockResult::kHeld) {
            EXPECT_EQ(test::ReadWholeFile(LockFilePath(path)), c.text);  // left as it was
            // With the user's word a doubtful lock goes; a held one never.
            const bool doubtful = c.state == LockState::kDoubtful;
            EXPECT_EQ(lock.Take(path, found, error, true), doubtful ? LockResult::kTaken : LockResult::kHeld);
        }
        EXPECT_EQ(lock.Held(), c.state == LockState::kAbandoned || c.state == LockState::kDoubtful);
        lock.Release();
        std::filesystem::remove(LockFilePath(path));
    }
}

TEST_F(CaseLockTest, AnUnreadableLockIsToldByItsFileAndDoubtedAfterADay) {
    const std::string path = Case();
    PlantLock(path, "garbage");
    const std::int64_t made = IdentityOf(LockFilePath(path)).modified / 1000000000;
    const LockFinding found = ExamineLock(path, made + kOldLockSeconds + 1);
    EXPECT_EQ(found.state, LockState::kDoubtful);
    EXPECT_EQ(found.owner.since, made);
    EXPECT_EQ(found.owner.process.user, UserName());  // whose file it is
    EXPECT_NE(found.problem.find("does not begin with the line \"QUILL10 lock\""), std::string::npos)
        << found.problem;
    EXPECT_NE(LockMessage(path, found).find("(its lock file cannot be read: "), std::string::npos);
}

TEST_F(CaseLockTest, TheMessageSaysWhoAndSinceWhen) {
    const std::string path = Case();
    const std::int64_t now = TodayAt(15, 0);
    LockFinding found{LockState::kHeld, Owner("jdoe", "OFFICE-PC3", 1, TodayAt(9, 14)), ""};
    EXPECT_EQ(LockMessage(path, found, now), "Case Smith.q10 is open by jdoe on OFFICE-PC3 since 9:14");
    found.owner.since -= 3 * kOldLockSeconds;  // another day: with its date
    const WallClock then = LocalWallClock(found.owner.since);
    EXPECT_EQ(LockMessage(path, found, now),
              "Case Smith.q10 is open by jdoe on OFFICE-PC3 since " + std::to_string(then.month) + "/" +
                  std::to_string(then.day) + "/" + std::to_string(then.year) + " 9:14");
}

TEST_F(CaseLockTest, ParsingRefusesWhatIsNoLock) {
    const char* const broken[] = {
        "", "QUILL10 lock", "QUILL10 lock\nUser: a\nHost: b\nProcess: 12\nSince: 5\n",
        "QUILL10 lock\nUser: a\nHost: b\nProcess: 12 0\nSince: soon\n", "another program's lock\n",
        "QUILL10 lock\nUser: a\\q\nHost: b\nProcess: 12 0\nSince: 5\n",
    };
    for (const char* text : broken) {
        LockOwner owner;
        std::string error;
        EXPECT_FALSE(ParseLockFile(text, owner, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
    }
    // A user name with a line break stays one line.
    const LockOwner odd = Owner("j\ndoe\\", "PC", 12, 5);
    LockOwner read;
    std::string error;
    ASSERT_TRUE(ParseLockFile(LockFileText(odd), read, error)) << error;
    EXPECT_EQ(read.process.user, odd.process.user);
    EXPECT_EQ(read.since, 5);
}

// A folder this user may not write in takes no lock: the case can be read
// only.  Checked as an ordinary user (the superuser writes anywhere).
TEST_F(CaseLockTest, AReadOnlyFolderTakesNoLock) {
    std::filesystem::create_directory(folder.Path() / "shared");
    const std::string path = Case("shared/Smith.q10");
    ::chmod(folder.Path().c_str(), 0755);
    ::chmod(path.c_str(), 0644);
    ::chmod((folder.Path() / "shared").c_str(), 0555);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(3);
        CaseLock lock;
        LockFinding found;
        std::string error;
        const LockResult result = lock.Take(path, found, error);
        ::_exit(result == LockResult::kNotWritable && !error.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ::chmod((folder.Path() / "shared").c_str(), 0755);
}

}  // namespace
}  // namespace quill10
