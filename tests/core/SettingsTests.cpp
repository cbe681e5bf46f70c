// The settings file, the folders, the recent-file list and DeleteTemps.
#include <gtest/gtest.h>

#include <filesystem>

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
    std::string error;
    ASSERT_TRUE(WriteINI(written, error)) << error;

    const std::string path = written.folders.settings + "/quill10.ini";
    const std::string text = test::ReadWholeFile(path);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "/cases/Jos\xE9/");  // Windows-1252
    EXPECT_NE(text.find("\r\nX\r\n\r\n/usr/bin/soffice\r\n 2.50000000000000E+0000\r\n 3.33333333333333E-0001\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\n2\r\n/cases/a.q10\r\n/cases/b.q10\r\n"), std::string::npos);

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
    // No file at all: nothing changes and nothing is wrong.
    Settings untouched = defaults;
    EXPECT_TRUE(ReadINI(folder.File("missing.ini"), untouched).empty());
    EXPECT_EQ(untouched.folders.clientFiles, defaults.folders.clientFiles);
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
