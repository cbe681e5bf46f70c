// Recovery copies of unsaved work: the copy gives the case back byte for
// byte, damaged copies are reported and never recovered, only copies whose
// window has gone are offered, and the saver writes them in the order asked.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "files/ClientFile.h"
#include "files/Recovery.h"
#include "platform/BackgroundSaver.h"
#include "../EndedProcess.h"

namespace quill10 {
namespace {

using ::quill10::test::EndedProcess;

std::string SampleBytes() { return test::ReadWholeFile(test::ProgramFolder() + "/samples/sole-father-pays.q10"); }

RecoveryInfo Info(const std::string& original, std::int64_t pid, const std::string& host, std::int64_t time) {
    RecoveryInfo info;
    info.original = original;
    info.time = time;
    info.steps = 17;
    info.process = ProcessIdentity{pid, 0, host, "jdoe"};
    info.base = StampOf(original);
    return info;
}

TEST(RecoveryCopy, GivesTheCaseBackByteForByte) {
    test::ScratchFolder folder;
    const std::string original = folder.File("Line\nbreak \\ Smith.q10");  // a name no line can hold as it is
    test::WriteWholeFile(original, SampleBytes());
    const RecoveryInfo info = Info(original, 4711, "OFFICE-PC3", 1717233240);
    const std::string text = RecoveryCopyText(info, SampleBytes());
    std::string error;
    const std::optional<RecoveryCopy> copy = ParseRecoveryCopy(text, error);
    ASSERT_TRUE(copy) << error;
    EXPECT_EQ(copy->caseBytes, SampleBytes());
    EXPECT_EQ(copy->info.original, original);
    EXPECT_EQ(copy->info.time, 1717233240);
    EXPECT_EQ(copy->info.steps, 17);
    EXPECT_EQ(copy->info.process.pid, 4711);
    EXPECT_EQ(copy->info.process.host, "OFFICE-PC3");
    EXPECT_FALSE(copy->info.base.ContentDiffers(info.base));
    EXPECT_EQ(CaseNameOf(copy->info), "Line\nbreak \\ Smith.q10");
    EXPECT_EQ(CaseFolderOf(copy->info), folder.Path().string());

    const std::optional<ClientFileContents> recovered = RecoveredCase(*copy, std::make_shared<CalcEnvironment>(), error);
    ASSERT_TRUE(recovered) << error;
    EXPECT_EQ(ClientFileText(*recovered->answers, recovered->grid), SampleBytes());
}

TEST(RecoveryCopy, DamagedCopiesSayWhatIsWrong) {
    const std::string good = RecoveryCopyText(Info("", 1, "PC", 5), SampleBytes());
    const size_t caseStart = good.find("Case:\n") + 6;
    const struct {
        const char* label;
        std::string text;
        const char* problem;
    } cases[] = {
        {"empty", "", "does not begin with the line \"QUILL10 recovery copy\""},
        {"a client file", SampleBytes(), "does not begin with"},
        {"head cut short", good.substr(0, good.find("Steps:")), "the line \"Case:\" is missing"},
        {"no time", std::string(good).replace(good.find("Time: 5"), 7, "Time: later"), "\"Time:\" holds no whole number"},
        {"no process", std::string(good).replace(good.find("Process:"), 8, "Program:"), "\"Process:\" is missing"},
        {"case cut short", good.substr(0, caseStart + 5000), "its case: line "},
        {"no case", good.substr(0, caseStart), "its case: line 1"},
    };
    test::ScratchFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = folder.File(std::string(c.label) + kRecoveryExtension);
        test::WriteWholeFile(path, c.text);
        const std::vector<RecoveryEntry> found = AbandonedRecoveryCopies(folder.Path().string());
        ASSERT_EQ(found.size(), 1u);
        EXPECT_NE(found[0].problem.find(c.problem), std::string::npos) << found[0].problem;
        EXPECT_EQ(test::ReadWholeFile(path), c.text);  // left as it was
        std::filesystem::remove(path);
    }
}

// Only copies whose window has gone are offered, newest first, each with
// how its case's file stands now.
TEST(RecoveryCopy, OnlyCopiesOfWindowsThatHaveGoneAreOffered) {
    test::ScratchFolder folder;
    const std::string recovery = folder.File("recovery");
    std::filesystem::create_directories(recovery);
    const std::string unchanged = folder.File("unchanged.q10"), changed = folder.File("changed.q10"),
                      gone = folder.File("gone.q10");
    for (const std::string& path : {unchanged, changed, gone}) test::WriteWholeFile(path, SampleBytes());
    const std::int64_t now = SecondsNow(), ended = EndedProcess(), day = kAbandonedCopySeconds;
    const struct {
        const char* name;
        RecoveryInfo info;
    } copies[] = {
        {"running", Info(unchanged, CurrentProcess().pid, HostName(), now)},
        {"elsewhere-fresh", Info(unchanged, 4711, "OFFICE-PC3", now - 3600)},
        {"elsewhere-old", Info(changed, 4711, "OFFICE-PC3", now - 2 * day)},
        {"ended-unchanged", Info(unchanged, ended, HostName(), now - 10)},
        {"ended-untitled", Info("", ended, HostName(), now - 20)},
        {"ended-gone", Info(gone, ended, HostName(), now - 30)},
    };
    for (const auto& c : copies)
        test::WriteWholeFile(recovery + "/" + c.name + kRecoveryExtension, RecoveryCopyText(c.info, SampleBytes()));
    test::WriteWholeFile(changed, SampleBytes() + "\r\n");
    std::filesystem::remove(gone);
    test::WriteWholeFile(recovery + "/notes.txt", "not a copy");

    const std::vector<RecoveryEntry> offered = AbandonedRecoveryCopies(recovery, now);
    const struct {
        const char* name;
        OriginalState original;
    } expected[] = {
        {"ended-unchanged", OriginalState::kUnchanged},
        {"ended-untitled", OriginalState::kNeverSaved},
        {"ended-gone", OriginalState::kGone},
        {"elsewhere-old", OriginalState::kChanged},
    };
    ASSERT_EQ(offered.size(), std::size(expected));
    for (size_t k = 0; k < offered.size(); ++k) {
        EXPECT_EQ(std::filesystem::path(offered[k].path).stem(), expected[k].name);
        EXPECT_EQ(offered[k].original, expected[k].original) << expected[k].name;
        EXPECT_EQ(offered[k].problem, "");
    }
    EXPECT_EQ(CaseNameOf(offered[1].info), "Untitled.q10");
    EXPECT_EQ(OriginalStateText(OriginalState::kChanged), "changed on disk since");
}

TEST(RecoveryCopy, OneProgramClaimsACopy) {
    test::ScratchFolder folder;
    const std::string copy = folder.File("old.recovery");
    test::WriteWholeFile(copy, "copy");
    std::string error;
    ASSERT_TRUE(ClaimRecoveryCopy(copy, folder.File("mine/" + NewRecoveryCopyName()), error)) << error;
    EXPECT_FALSE(ClaimRecoveryCopy(copy, folder.File("theirs.recovery"), error));
    EXPECT_NE(error.find("another window has recovered or discarded it"), std::string::npos) << error;
}

// Saves and removals are done in the order asked; a newer save of a file
// replaces one not yet started; a failure is kept to be told.
TEST(BackgroundSaving, KeepsTheOrderAskedFor) {
    test::ScratchFolder folder;
    const std::string path = folder.File("copy.recovery");
    BackgroundSaver saver;
    for (int k = 0; k < 50; ++k) saver.Save(path, "version " + std::to_string(k));
    saver.Wait();
    EXPECT_EQ(test::ReadWholeFile(path), "version 49");
    saver.Save(path, "newer");
    saver.Remove(path);
    saver.Wait();
    EXPECT_FALSE(std::filesystem::exists(path));
    saver.Remove(path);
    saver.Save(path, "again");
    saver.Wait();
    EXPECT_EQ(test::ReadWholeFile(path), "again");
    EXPECT_EQ(saver.TakeError(), "");
    saver.Save(folder.File("no such folder/copy.recovery"), "lost");
    saver.Wait();
    EXPECT_NE(saver.TakeError().find("no such folder"), std::string::npos);
    EXPECT_EQ(saver.TakeError(), "");
}

TEST(BackgroundSaving, FinishesItsWorkBeforeItGoes) {
    test::ScratchFolder folder;
    {
        BackgroundSaver saver;
        saver.Save(folder.File("a"), "a");
        saver.Remove(folder.File("a"));
        saver.Save(folder.File("b"), "b");
    }
    EXPECT_FALSE(std::filesystem::exists(folder.File("a")));
    EXPECT_EQ(test::ReadWholeFile(folder.File("b")), "b");
}

}  // namespace
}  // namespace quill10
