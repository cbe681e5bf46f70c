// The settings file, the folders, the recent-file list and DeleteTemps.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "TestSupport.h"
#include "files/Settings.h"

namespace quill10 {
namespace {

Settings DefaultSettings(const std::string& root) {
    Settings settings;
    settings.folders = DefaultFolders(root + "/program", UserFolders{root + "/docs", root + "/config"});
    return settings;
}

TEST(Folders, DefaultsUnderTheUsersDocumentsAndConfiguration) {
    Folders f = DefaultFolders("/opt/quill10", UserFolders{"/home/u/Documents", "/home/u/.config"});
    EXPECT_EQ(f.program, "/opt/quill10/");
    EXPECT_EQ(f.vlp, "/opt/quill10/VLP/");
    EXPECT_EQ(f.templates, "/opt/quill10/RTF/");
    EXPECT_EQ(f.tabs, "/opt/quill10/DAT/");
    EXPECT_EQ(f.clientFiles, "/home/u/Documents/Velmora/QUILL10/Files/");
    EXPECT_EQ(f.wq7, "/home/u/Documents/Velmora/RODARA7/Files/");
    EXPECT_EQ(f.wq8, "/home/u/Documents/Velmora/VIVOVA8/Files/");
    EXPECT_EQ(f.send, "/home/u/Documents/Velmora/QUILL10/Temp/");
    EXPECT_EQ(f.settings, "/home/u/.config/Velmora/QUILL10/");
    // A build folder named Release or Debug is still the program folder.
    EXPECT_EQ(DefaultFolders("/src/build/Release/bin", {}).program, "/src/build/Release/bin/");
}

TEST(SettingsFile, RoundTripKeepsEverySetting) {
    test::ScratchFolder folder;
    Settings written = DefaultSettings(folder.Path().string());
    written.folders.settings = folder.File("new/ini/folder");  // created when missing
    written.folders.clientFiles = "/cases/Jos\xC3\xA9/";
    written.forceWord = true;
    written.wordPath = "/usr/bin/soffice";
    written.interestThreshold = 2.5;
    written.defaultInterestRate = 1.0 / 3;
    written.zoomFactor = 0.9;
    written.shrinkAmount = 1.5;
    written.recentFiles = {"/cases/a.q10", "/cases/b.q10"};
    written.helpSite = "https://help.example.org";
    written.schedule = {"/cases/schedules/ABCD-1234.txt", "Ohio 2024", "2024-01-01", "ABCD-1234"};
    written.videoAddresses[2] = "https://media.example.org/with-insurance.mp4";
    written.expenditureTableAddress = "https://jfs.example.org/cash-medical.pdf";
    written.recoveryInterval = 15;
    std::string error;
    ASSERT_TRUE(WriteINI(written, error)) << error;

    const std::string path = written.folders.settings + "/quill10.ini";
    const std::string text = test::ReadWholeFile(path);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "/cases/Jos\xE9/");  // Windows-1252
    EXPECT_NE(text.find("\r\nX\r\n\r\n/usr/bin/soffice\r\n 2.50000000000000E+0000\r\n 3.33333333333333E-0001\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n2\r\n/cases/a.q10\r\n/cases/b.q10\r\nhttps://help.example.org\r\n"), std::string::npos);

    Settings read = DefaultSettings("/elsewhere");
    EXPECT_TRUE(ReadINI(path, read).empty());
    EXPECT_EQ(read.folders.clientFiles, written.folders.clientFiles);
    EXPECT_EQ(read.folders.wq7, written.folders.wq7);
    EXPECT_EQ(read.folders.settings, written.folders.settings);
    EXPECT_EQ(read.folders.templates, written.folders.templates);
    EXPECT_TRUE(read.forceWord);
    EXPECT_FALSE(read.forceWordPad);
    EXPECT_EQ(read.wordPath, "/usr/bin/soffice");
    EXPECT_DOUBLE_EQ(read.interestThreshold, 2.5);
    EXPECT_NEAR(read.defaultInterestRate, 1.0 / 3, 1e-15);
    EXPECT_DOUBLE_EQ(read.zoomFactor, 0.9);
    EXPECT_DOUBLE_EQ(read.shrinkAmount, 1.5);
    EXPECT_EQ(read.recentFiles, written.recentFiles);
    EXPECT_EQ(read.helpSite, written.helpSite);
    EXPECT_EQ(read.schedule, written.schedule);
    EXPECT_EQ(read.videoAddresses, written.videoAddresses);
    EXPECT_EQ(read.expenditureTableAddress, written.expenditureTableAddress);
    EXPECT_EQ(read.recoveryInterval, 15);

    // A video address that is no web address is ignored with a warning.
    std::string damaged = test::ReadWholeFile(path);
    damaged.replace(damaged.find("https://media.example.org"), 25, "file:///etc/passwd#");
    test::WriteWholeFile(path, damaged);
    Settings again = DefaultSettings("/elsewhere");
    const std::vector<std::string> problems = ReadINI(path, again);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_NE(problems[0].find("(video address)"), std::string::npos) << problems[0];
    EXPECT_EQ(again.videoAddresses[2], "");
    EXPECT_EQ(again.expenditureTableAddress, written.expenditureTableAddress);
}

// Two programs sharing the settings file: each changes only its own value,
// and neither loses the other's.
TEST(SharedSettings, EachWriterChangesOnlyItsValues) {
    test::ScratchFolder folder;
    const Settings defaults = DefaultSettings(folder.Path().string());
    const std::string path = SettingsFilePath(defaults);
    Settings first = ReadSettingsNow(path, defaults);   // both read the file at start
    Settings second = ReadSettingsNow(path, defaults);
    std::string error;
    const OfficeSchedule office{"/x/ABCD-1234.txt", "Ohio 2024", "2024-01-01", "ABCD-1234"};
    ASSERT_TRUE(UpdateSettingsFile(
        path, defaults, [&](Settings& s) { s.schedule = office; return std::string(); }, first, error))
        << error;
    ASSERT_TRUE(UpdateSettingsFile(
        path, defaults,
        [](Settings& s) {
            AddRecentFile(s.recentFiles, "/cases/smith.q10");
            s.defaultInterestRate = 4;
            return std::string();
        },
        second, error))
        << error;
    const Settings now = ReadSettingsNow(path, defaults);
    EXPECT_EQ(now.schedule, office);
    EXPECT_EQ(now.recentFiles, std::vector<std::string>{"/cases/smith.q10"});
    EXPECT_EQ(now.defaultInterestRate, 4);
    EXPECT_EQ(second.schedule, office);  // the second writer got the first one's change back

    // A change that is refused writes nothing.
    EXPECT_FALSE(UpdateSettingsFile(path, defaults, [](Settings&) { return std::string("no"); }, second, error));
    EXPECT_EQ(error, "no");
    EXPECT_EQ(ReadSettingsNow(path, defaults).defaultInterestRate, 4);
}

// The lock is held by one writer at a time; a second waits for it.
TEST(SharedSettings, TheLockIsHeldByOneWriterAtATime) {
    test::ScratchFolder folder;
    const std::string path = folder.File("quill10.ini");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();  // before the lock is taken, so the child holds none of it
    ASSERT_GE(child, 0);
    if (child == 0) {
        char go = 0;
        if (::read(ready[0], &go, 1) != 1) ::_exit(2);
        const SettingsLock second(path);  // waits until the parent lets go
        ::_exit(second.Held() ? 0 : 1);
    }
    std::optional<SettingsLock> first(std::in_place, path);
    ASSERT_TRUE(first->Held()) << first->Error();
    ASSERT_EQ(::write(ready[1], "g", 1), 1);
    ::usleep(200 * 1000);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0);  // still waiting
    first.reset();
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(SettingsFile, ShortOrEmptyLinesKeepTheDefaults) {
    test::ScratchFolder folder;
    Settings settings = DefaultSettings(folder.Path().string());
    const Settings defaults = settings;
    test::WriteWholeFile(folder.File("quill10.ini"), "/my/cases/\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(ReadINI(folder.File("quill10.ini"), settings).empty());
    EXPECT_EQ(settings.folders.clientFiles, "/my/cases/");
    EXPECT_EQ(settings.folders.templates, defaults.folders.templates);  // line 4 empty
    EXPECT_EQ(settings.folders.send, defaults.folders.send);
    EXPECT_DOUBLE_EQ(settings.zoomFactor, 1.0);
    EXPECT_TRUE(settings.recentFiles.empty());
    EXPECT_EQ(settings.helpSite, "");  // no line after the recent files: the installed help
    // No file at all: nothing changes and nothing is wrong.
    Settings untouched = defaults;
    EXPECT_TRUE(ReadINI(folder.File("missing.ini"), untouched).empty());
    EXPECT_EQ(untouched.folders.clientFiles, defaults.folders.clientFiles);
}

// The help site is handed to the web browser with a page path appended, so
// only a web address is taken; any other line is ignored with a warning.
TEST(SettingsFile, HelpSiteMustBeAWebAddress) {
    const struct {
        const char* site;
        const char* problem;  // "" when the address is taken
    } cases[] = {
        {"https://help.example.org", ""},
        {"HTTP://intranet.court.local:8080/quill", ""},
        {"javascript:alert(1)//", "not a web address"},
        {"file:///etc/passwd", "not a web address"},
        {"ftp://help.example.org", "not a web address"},
        {"help.example.org", "not a web address"},
        {"https://", "names no host"},
        {"https:///etc", "names no host"},
        {"https://help.example.org/a b", "blank or a control character"},
    };
    for (const auto& c : cases) {
        const std::string problem = WebAddressProblem("help site", c.site);
        if (std::string(c.problem).empty()) EXPECT_EQ(problem, "") << c.site;
        else EXPECT_NE(problem.find(c.problem), std::string::npos) << c.site << ": " << problem;

        test::ScratchFolder folder;
        Settings settings = DefaultSettings(folder.Path().string());
        test::WriteWholeFile(folder.File("quill10.ini"),
                             std::string(14, '\n') + "1\n/cases/a.q10\n" + c.site + "\n");
        const std::vector<std::string> problems = ReadINI(folder.File("quill10.ini"), settings);
        EXPECT_EQ(settings.recentFiles, std::vector<std::string>{"/cases/a.q10"});
        if (std::string(c.problem).empty()) {
            EXPECT_TRUE(problems.empty()) << c.site;
            EXPECT_EQ(settings.helpSite, c.site);
        } else {
            ASSERT_EQ(problems.size(), 1u) << c.site;
            EXPECT_NE(problems[0].find("line 17 (help site)"), std::string::npos) << problems[0];
            EXPECT_NE(problems[0].find("is ignored"), std::string::npos) << problems[0];
            EXPECT_EQ(settings.helpSite, "") << c.site;
        }
    }
}

// The recovery copy interval stands after the schedule's fingerprint; files written
// before it was kept do not have: a missing line is the default of 60 s.
TEST(SettingsFile, RecoveryIntervalLineIsOptional) {
    const struct {
        const char* line;  // the last line; nullptr: none
        int interval;
        bool problem;
    } cases[] = {
        {nullptr, 60, false}, {"0", 0, false}, {"300", 300, false}, {"", 60, false},
        {"-5", 60, true},     {"soon", 60, true}, {"999999999", kMaxRecoveryInterval, false},
    };
    test::ScratchFolder folder;
    Settings written = DefaultSettings(folder.Path().string());
    written.recentFiles = {"/cases/a.q10"};
    const std::string text = SettingsText(written);
    const std::string withoutLast = text.substr(0, text.rfind("60\r\n"));
    for (const auto& c : cases) {
        Settings read = DefaultSettings(folder.Path().string());
        const std::string line = c.line ? std::string(c.line) + "\r\n" : std::string();
        const std::vector<std::string> problems = ParseSettingsText(withoutLast + line, "quill10.ini", read);
        EXPECT_EQ(read.recoveryInterval, c.interval) << (c.line ? c.line : "(none)");
        EXPECT_EQ(problems.size(), c.problem ? 1u : 0u) << (c.line ? c.line : "(none)");
        EXPECT_EQ(read.recentFiles, written.recentFiles);
    }
}

TEST(SettingsFile, FlagsNeedExactlyX) {
    test::ScratchFolder folder;
    Settings settings = DefaultSettings(folder.Path().string());
    settings.forceWord = true;
    test::WriteWholeFile(folder.File("quill10.ini"), "\n\n\n\n\n\n\nx\nX\n");  // LF alone is accepted too
    ReadINI(folder.File("quill10.ini"), settings);
    EXPECT_FALSE(settings.forceWord);
    EXPECT_TRUE(settings.forceWordPad);
}

// The keyboard option is the file's last line, written only once the user
// chose: a file without it (also one of an earlier version) leaves the
// choice open, so the window follows whether an assistive technology runs.
TEST(SettingsFile, KeyboardOptionIsKeptOnlyOnceChosen) {
    const struct {
        std::optional<bool> chosen;
        const char* lastLine;  // after the recovery interval, which follows the schedule's fingerprint
    } cases[] = {{std::nullopt, nullptr}, {true, "X"}, {false, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lastLine ? c.lastLine : "not chosen");
        test::ScratchFolder folder;
        Settings written = DefaultSettings(folder.Path().string());
        written.expenditureTableAddress = "https://jfs.example.org/table.pdf";
        written.schedule = {"/x/ABCD-1234.txt", "Ohio 2024", "2024-01-01", "ABCD-1234"};
        written.keyboardReachesComputed = c.chosen;
        std::string error;
        ASSERT_TRUE(WriteINI(written, error)) << error;
        const std::string text = test::ReadWholeFile(SettingsFilePath(written));
        const std::string interval = "table.pdf\r\nABCD-1234\r\n60\r\n";
        const std::string tail = c.lastLine ? interval + c.lastLine + "\r\n" : interval;
        EXPECT_TRUE(text.ends_with(tail)) << text;
        Settings read = DefaultSettings("/elsewhere");
        EXPECT_TRUE(ReadINI(SettingsFilePath(written), read).empty());
        EXPECT_EQ(read.keyboardReachesComputed, c.chosen);
        EXPECT_EQ(read.expenditureTableAddress, written.expenditureTableAddress);
        EXPECT_EQ(read.schedule, written.schedule);
    }
}

TEST(SettingsFile, DamagedNumbersAreReportedOnceAndKeepTheirDefaults) {
    test::ScratchFolder folder;
    Settings settings = DefaultSettings(folder.Path().string());
    test::WriteWholeFile(folder.File("quill10.ini"),
                         "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\nabc\r\n 5.00000000000000E+0000\r\n1.2.3\r\n\r\nmany\r\n/a.q10\r\n");
    std::vector<std::string> problems = ReadINI(folder.File("quill10.ini"), settings);
    ASSERT_EQ(problems.size(), 3u);
    EXPECT_NE(problems[0].find("line 11 (interest threshold): \"abc\""), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("line 13 (zoom factor)"), std::string::npos) << problems[1];
    EXPECT_NE(problems[2].find("line 15 (number of recent files)"), std::string::npos) << problems[2];
    EXPECT_DOUBLE_EQ(settings.interestThreshold, 1.0);
    EXPECT_DOUBLE_EQ(settings.defaultInterestRate, 5.0);
    EXPECT_DOUBLE_EQ(settings.zoomFactor, 1.0);
    EXPECT_TRUE(settings.recentFiles.empty());
}

TEST(SettingsFile, RecentCountBoundsTheList) {
    test::ScratchFolder folder;
    Settings settings = DefaultSettings(folder.Path().string());
    std::string lines;
    for (int k = 0; k < 14; ++k) lines += "\r\n";
    test::WriteWholeFile(folder.File("a.ini"), lines + "0\r\n/ignored.q10\r\n");
    ReadINI(folder.File("a.ini"), settings);
    EXPECT_TRUE(settings.recentFiles.empty());
    test::WriteWholeFile(folder.File("b.ini"), lines + "3\r\n/one.q10\r\n");  // fewer entries than counted
    ReadINI(folder.File("b.ini"), settings);
    EXPECT_EQ(settings.recentFiles, std::vector<std::string>{"/one.q10"});
}

TEST(SettingsFile, UnwritableFolderIsReported) {
    test::ScratchFolder folder;
    Settings settings = DefaultSettings(folder.Path().string());
    test::WriteWholeFile(folder.File("plain-file"), "x");
    settings.folders.settings = folder.File("plain-file") + "/sub";
    std::string error;
    EXPECT_FALSE(WriteINI(settings, error));
    EXPECT_NE(error.find("plain-file"), std::string::npos) << error;
}

// A folder that Windows-1252 cannot spell survives writing and reading;
// the file is then UTF-8 after the mark.
TEST(SettingsFile, FoldersBeyondWindows1252ReadBackAsChosen) {
    test::ScratchFolder folder;
    Settings written = DefaultSettings(folder.Path().string());
    written.folders.settings = folder.File("ini");
    written.folders.clientFiles = "/home/用户/Documents/";
    written.recentFiles = {"/home/用户/Documents/王.q10"};
    std::string error;
    ASSERT_TRUE(WriteINI(written, error)) << error;
    const std::string path = written.folders.settings + "/quill10.ini";
    EXPECT_EQ(test::ReadWholeFile(path).rfind("\xEF\xBB\xBF/home/用户/Documents/\r\n", 0), 0u);
    Settings read = DefaultSettings("/elsewhere");
    EXPECT_TRUE(ReadINI(path, read).empty());
    EXPECT_EQ(read.folders.clientFiles, "/home/用户/Documents/");
    EXPECT_EQ(read.folders.wq7, written.folders.wq7);
    EXPECT_EQ(read.recentFiles, written.recentFiles);
}

// Each value is one line of the file: a value with a line break would move
// every later setting (a folder name could set the word processor's path).
// It is never written: the file on disk stays as it was.
TEST(SettingsFile, ValueWithALineBreakIsNeverWritten) {
    struct Case {
        const char* setting;
        void (*put)(Settings&);
    };
    const Case kCases[] = {
        {"client-file folder", [](Settings& s) { s.folders.clientFiles = "/cases\n/usr/bin/evil\n"; }},
        {"settings folder", [](Settings& s) { s.folders.settings += "\r"; }},
        {"VLP folder", [](Settings& s) { s.folders.vlp = "/a\r\nb/"; }},
        {"word processor path", [](Settings& s) { s.wordPath = "/usr/bin/soffice\nX"; }},
        {"recent file", [](Settings& s) { s.recentFiles = {"/cases/a.q10", "/cases/b\n.q10"}; }},
    };
    test::ScratchFolder folder;
    Settings good = DefaultSettings(folder.Path().string());
    good.folders.settings = folder.Path().string();
    std::string error;
    ASSERT_TRUE(WriteINI(good, error)) << error;
    const std::string before = test::ReadWholeFile(folder.File("quill10.ini"));
    for (const Case& c : kCases) {
        Settings bad = good;
        c.put(bad);
        EXPECT_FALSE(WriteINI(bad, error)) << c.setting;
        EXPECT_EQ(error.rfind(std::string("The ") + c.setting + " \"", 0), 0u) << error;
        EXPECT_NE(error.find("holds a line break, which the settings file cannot keep. The settings were not saved."),
                  std::string::npos)
            << error;
        EXPECT_EQ(test::ReadWholeFile(folder.File("quill10.ini")), before) << c.setting;
    }
}

TEST(SettingsFile, ValuesWithALineBreakAreRefusedWhenChosen) {
    EXPECT_EQ(SettingsValueProblem("client-file folder", "/home/u/cases/"), "");
    EXPECT_EQ(SettingsValueProblem("client-file folder", "/home/u/a\nb/"),
              "The client-file folder \"/home/u/a?b/\" holds a line break, which the settings file cannot keep.");
    std::vector<std::string> recent;
    EXPECT_FALSE(AddRecentFile(recent, "/cases/a\nb.q10"));
    EXPECT_FALSE(AddRecentFile(recent, "/cases/a\rb.q10"));
    EXPECT_TRUE(recent.empty());
}

// A line with a carriage return inside it (a line break of another system)
// is reported and not taken; the lines after it stay in their places.
TEST(SettingsFile, LineWithACarriageReturnInsideIsNotTaken) {
    test::ScratchFolder folder;
    Settings settings = DefaultSettings(folder.Path().string());
    const Settings defaults = settings;
    test::WriteWholeFile(folder.File("quill10.ini"),
                         "/cases/\r/x/\r\n/wq8/\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n2\r\n/a\rb.q10\r\n/c.q10\r\n");
    const std::vector<std::string> problems = ReadINI(folder.File("quill10.ini"), settings);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "The settings file \"" + folder.File("quill10.ini") +
                               "\" has a line break inside line 1 (client-file folder). The setting keeps its value.");
    EXPECT_NE(problems[1].find("line 16 (recent file)"), std::string::npos) << problems[1];
    EXPECT_EQ(settings.folders.clientFiles, defaults.folders.clientFiles);
    EXPECT_EQ(settings.folders.wq8, "/wq8/");
    EXPECT_EQ(settings.recentFiles, std::vector<std::string>{"/c.q10"});
}

// Only a regular file of at most 1 MB is read: a pipe would never answer,
// a device never end.  Such a file changes nothing and is one problem.
TEST(SettingsFile, WhatIsNoSettingsFileIsOneProblem) {
    test::ScratchFolder folder;
    ASSERT_EQ(::mkfifo(folder.File("pipe.ini").c_str(), 0600), 0);
    test::WriteWholeFile(folder.File("huge.ini"), std::string(kSettingsFileLimit + 1, '\n'));
    std::filesystem::create_directory(folder.File("folder.ini"));
    for (const std::string& path : {folder.File("pipe.ini"), folder.File("huge.ini"), folder.File("folder.ini"),
                                    std::string("/dev/zero")}) {
        Settings settings = DefaultSettings(folder.Path().string());
        settings.recentFiles = {"/kept.q10"};
        const std::vector<std::string> problems = ReadINI(path, settings);
        ASSERT_EQ(problems.size(), 1u) << path;
        EXPECT_EQ(problems[0].rfind("The settings file \"" + path + "\" cannot be read: ", 0), 0u) << problems[0];
        EXPECT_EQ(settings.recentFiles, std::vector<std::string>{"/kept.q10"}) << path;
    }
}

TEST(RecentFiles, NewestFirstNoDuplicateNamesAtMostNine) {
    std::vector<std::string> recent;
    EXPECT_FALSE(AddRecentFile(recent, "/x/Untitled.q10"));
    EXPECT_FALSE(AddRecentFile(recent, "/x/MyUntitledCase.q10"));
    for (int k = 1; k <= 9; ++k) EXPECT_TRUE(AddRecentFile(recent, "/cases/" + std::to_string(k) + ".q10"));
    EXPECT_FALSE(AddRecentFile(recent, "/other/5.q10"));  // same name in another folder: unchanged
    EXPECT_TRUE(AddRecentFile(recent, "/cases/10.q10"));
    ASSERT_EQ(recent.size(), 9u);
    EXPECT_EQ(recent.front(), "/cases/10.q10");
    EXPECT_EQ(recent.back(), "/cases/2.q10");  // the oldest went
}

TEST(DeleteTemps, RemovesMatchingFilesOnly) {
    test::ScratchFolder folder;
    for (const char* name : {"send_temp.RTF", "send_temp3.rtf", "send_temp.txt", "other.rtf"})
        test::WriteWholeFile(folder.File(name), "x");
    EXPECT_TRUE(DeleteTemps(folder.Path().string(), "send_temp*.rtf").empty());
    EXPECT_FALSE(std::filesystem::exists(folder.File("send_temp.RTF")));
    EXPECT_FALSE(std::filesystem::exists(folder.File("send_temp3.rtf")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("send_temp.txt")));
    EXPECT_TRUE(std::filesystem::exists(folder.File("other.rtf")));
    EXPECT_TRUE(DeleteTemps(folder.File("missing"), "*").empty());
}

TEST(DeleteTemps, EntryThatCannotBeDeletedIsNamedAndTheRestGo) {
    test::ScratchFolder folder;
    // A folder that matches the pattern and is not empty cannot be deleted.
    std::filesystem::create_directories(folder.Path() / "send_temp2.rtf");
    test::WriteWholeFile((folder.Path() / "send_temp2.rtf" / "inner").string(), "x");
    test::WriteWholeFile(folder.File("send_temp3.rtf"), "x");
    EXPECT_EQ(DeleteTemps(folder.Path().string(), "send_temp*.rtf"),
              std::vector<std::string>{"Unable to delete send_temp2.rtf"});
    EXPECT_FALSE(std::filesystem::exists(folder.File("send_temp3.rtf")));
}

}  // namespace
}  // namespace quill10
