// quill10-cli recover: the recovery copies of windows that have gone are
// listed, shown, saved and discarded; damaged copies are named and never
// recovered; and no client file is written over a case a window holds open
// unless --ignore-lock says so.
#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "CliRun.h"
#include "../EndedProcess.h"

namespace {

namespace fs = std::filesystem;
using quill10::test::CliRun;
using quill10::test::ReadFile;
using quill10::test::RunProgram;
using quill10::test::WriteFile;

std::string Host() {
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

using ::quill10::test::EndedProcess;

// The stamp a window keeps of a case it read: exists, readable, size and
// the FNV-1a hash of its bytes.
std::string BaseOf(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return "1 1 " + std::to_string(bytes.size()) + " " + std::to_string(hash);
}

std::string LockText(std::int64_t pid, std::int64_t since) {
    return "QUILL10 lock\nUser: jdoe\nHost: " + Host() + "\nProcess: " + std::to_string(pid) +
           " 0\nSince: " + std::to_string(since) + "\n";
}

class RecoverCommandTest : public ::testing::Test {
protected:
    RecoverCommandTest() {
        folder = fs::temp_directory_path() / ("quill10-recover-" + std::to_string(::getpid()) + "-" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        recovery = folder / "config/Velmora/QUILL10/recovery";
        sample = ReadFile(std::string(QUILL10_PROGRAM_DIR) + "/samples/sole-father-pays.q10");
    }
    ~RecoverCommandTest() override { fs::remove_all(folder); }
    CliRun Run(const std::string& arguments) const {
        return RunProgram("env HOME=" + folder.string() + " XDG_CONFIG_HOME=" + (folder / "config").string() + " " +
                              QUILL10_CLI,
                          arguments);
    }
    // A copy written `age` seconds ago by the process `pid` of this computer.
    fs::path Copy(const std::string& name, const std::string& original, std::int64_t pid, std::int64_t age,
                  const std::string& base) {
        const fs::path path = recovery / (name + ".recovery");
        WriteFile(path, "QUILL10 recovery copy\nOriginal: " + original + "\nTime: " +
                            std::to_string(std::time(nullptr) - age) + "\nSteps: 4\nUser: jdoe\nHost: " + Host() +
                            "\nProcess: " + std::to_string(pid) + " 0\nBase: " + base + "\nCase:\n" + sample);
        return path;
    }
    std::string Path(const std::string& name) const { return (folder / name).string(); }
    fs::path folder, recovery;
    std::string sample;
};

TEST_F(RecoverCommandTest, CopiesAreListedShownSavedAndDiscarded) {
    const std::string smith = Path("Smith.q10");
    WriteFile(smith, sample);
    const std::int64_t ended = EndedProcess();
    const fs::path titled = Copy("a", smith, ended, 60, BaseOf(sample));
    const fs::path untitled = Copy("b", "", ended, 3600, "0 0 0 0");
    Copy("c", smith, ::getpid(), 10, BaseOf(sample));  // its window still runs: not offered

    CliRun list = Run("recover list");
    EXPECT_EQ(list.status, 0) << list.output;
    EXPECT_EQ(list.output.rfind("1  Smith.q10  " + folder.string() + "  ", 0), 0u) << list.output;
    EXPECT_NE(list.output.find("  unchanged on disk\n2  Untitled.q10  (never saved)  "), std::string::npos)
        << list.output;
    EXPECT_EQ(list.output.find("\n3 "), std::string::npos) << list.output;

    CliRun show = Run("recover show 1");
    EXPECT_EQ(show.status, 0) << show.output;
    for (const std::string said : {"Case: Smith.q10\n", "4 changes since the case was opened",
                                   "(no longer running)", "On disk: unchanged on disk\n",
                                   "Sole/Shared Annual Support (Ins.): $9,697.20\n"})
        EXPECT_NE(show.output.find(said), std::string::npos) << said << "\n" << show.output;

    CliRun save = Run("recover save 2 " + Path("Kept.q10"));
    EXPECT_EQ(save.status, 0) << save.output;
    EXPECT_EQ(ReadFile(Path("Kept.q10")), sample);
    EXPECT_TRUE(fs::exists(untitled));  // kept until discarded
    EXPECT_EQ(Run("recover save 2 " + untitled.string()).status, 2);  // never over the copy itself

    CliRun discard = Run("recover discard 1");
    EXPECT_EQ(discard.status, 0) << discard.output;
    EXPECT_FALSE(fs::exists(titled));
    EXPECT_EQ(ReadFile(smith), sample);  // the case's own file stays
    EXPECT_EQ(Run("recover list").output.find("Smith.q10"), std::string::npos);

    const struct {
        const char* arguments;
        int status;
        const char* said;
    } refused[] = {
        {"recover show 5", 1, "there is no recovery copy 5 (quill10-cli recover list shows 1)"},
        {"recover show one", 2, "wants the number of a copy"},
        {"recover show", 2, "recover takes list, show N, save N OUT.q10 or discard N"},
        {"recover forget 1", 2, "recover takes list"},
    };
    for (const auto& r : refused) {
        CliRun run = Run(r.arguments);
        EXPECT_EQ(run.status, r.status) << r.arguments << "\n" << run.output;
        EXPECT_NE(run.output.find(r.said), std::string::npos) << r.arguments << "\n" << run.output;
    }
}

TEST_F(RecoverCommandTest, ADamagedCopyIsNamedAndCanOnlyBeDiscarded) {
    WriteFile(recovery / "broken.recovery", "QUILL10 recovery copy\nOriginal: /x.q10\nTime: soon\n");
    CliRun list = Run("recover list");
    EXPECT_EQ(list.status, 1);
    EXPECT_NE(list.output.find("broken.recovery  cannot be read: it is no recovery copy: "), std::string::npos)
        << list.output;
    EXPECT_EQ(Run("recover save 1 " + Path("out.q10")).status, 1);
    EXPECT_FALSE(fs::exists(Path("out.q10")));
    EXPECT_EQ(Run("recover discard 1").status, 0);
    EXPECT_EQ(Run("recover list").output.rfind("No recovery copies", 0), 0u);
}

// calc -o (and recover save) onto a case a window holds open is refused;
// --ignore-lock writes it; a lock whose program has ended holds nothing.
TEST_F(RecoverCommandTest, ACaseAWindowHoldsIsNotWrittenOver) {
    const std::string input = std::string(QUILL10_PROGRAM_DIR) + "/samples/shared-deviation.q10";
    const std::string out = Path("Held.q10");
    WriteFile(out, "the window's case");
    const fs::path lock = folder / ".~lock.Held.q10#";
    WriteFile(lock, LockText(::getpid(), std::time(nullptr) - 60));
    const std::string lockText = ReadFile(lock);

    CliRun calc = Run("calc " + input + " -o " + out);
    EXPECT_EQ(calc.status, 1);
    EXPECT_NE(calc.output.find("Case Held.q10 is open by jdoe on " + Host() + " since "), std::string::npos)
        << calc.output;
    EXPECT_NE(calc.output.find("--ignore-lock"), std::string::npos);
    EXPECT_EQ(ReadFile(out), "the window's case");
    Copy("a", "", EndedProcess(), 60, "0 0 0 0");
    EXPECT_EQ(Run("recover save 1 " + out).status, 1);
    EXPECT_EQ(ReadFile(out), "the window's case");

    EXPECT_EQ(Run("calc " + input + " -o " + out + " --ignore-lock").status, 0);
    EXPECT_NE(ReadFile(out), "the window's case");
    EXPECT_EQ(ReadFile(lock), lockText);  // the window's lock is its own

    WriteFile(lock, LockText(EndedProcess(), std::time(nullptr) - 60));
    WriteFile(out, "old");
    EXPECT_EQ(Run("calc " + input + " -o " + out).status, 0);
    EXPECT_NE(ReadFile(out), "old");
}

}  // namespace
