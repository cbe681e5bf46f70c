// The word processor choice at start-up and by the force commands, Find
// Word's search, the page margins of the default program and quick print.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "TestSupport.h"
#include "files/Settings.h"
#include "print/WordProcessor.h"

namespace quill10 {
namespace {

namespace fs = std::filesystem;

// A find that must not run, and one that finds Writer.
std::string NoSearchExpected() {
    ADD_FAILURE() << "Find Word ran although the choice was already made";
    return {};
}

TEST(WordProcessorChoice, AtStartUp) {
    const struct {
        const char* what;
        bool present, forceWord, forceWordPad;
        std::string found;
        WordProcessor expected;
        bool forcedAfter;
    } cases[] = {
        {"present: no search", true, false, false, "-", WordProcessor::Word, false},
        {"forced: no search", false, true, false, "-", WordProcessor::Word, true},
        {"found by the search: forced from now on", false, false, false, "/opt/lo/program/soffice", WordProcessor::Word, true},
        {"absent and not found", false, false, false, "", WordProcessor::WordPad, false},
        {"Force WordPad beats a present Word", true, false, true, "-", WordProcessor::WordPad, false},
        {"Force WordPad: nothing to look for", false, false, true, "-", WordProcessor::WordPad, false},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.forceWord = c.forceWord;
        settings.forceWordPad = c.forceWordPad;
        const auto find = c.found == "-" ? std::function<std::string()>(NoSearchExpected)
                                         : std::function<std::string()>([&] { return c.found; });
        EXPECT_EQ(NeedsWordSearch(settings, c.present), c.found != "-") << c.what;
        EXPECT_EQ(StartUpChoice(settings, c.present, find), c.expected) << c.what;
        EXPECT_EQ(settings.forceWord, c.forcedAfter) << c.what;
        if (c.found != "-") {
            EXPECT_EQ(settings.wordPath, c.found) << c.what;
        }
    }
}

TEST(WordProcessorChoice, ForceCommands) {
    Settings settings;
    settings.forceWordPad = true;
    // Force Word clears Force WordPad and picks Word.
    EXPECT_EQ(ForceWordClick(settings, WordProcessor::WordPad), WordProcessor::Word);
    EXPECT_TRUE(settings.forceWord);
    EXPECT_FALSE(settings.forceWordPad);
    // Turning it off changes nothing else.
    EXPECT_EQ(ForceWordClick(settings, WordProcessor::WordPad), WordProcessor::WordPad);
    EXPECT_FALSE(settings.forceWord);
    // Force WordPad on clears Force Word; off picks Word even if it is absent.
    settings.forceWord = true;
    EXPECT_EQ(ForceWordPadClick(settings, WordProcessor::Word), WordProcessor::WordPad);
    EXPECT_FALSE(settings.forceWord);
    EXPECT_EQ(ForceWordPadClick(settings, WordProcessor::WordPad), WordProcessor::Word);
    EXPECT_FALSE(settings.forceWordPad);
}

class FindWordTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("quill10-findword-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "usr/share/doc");
        fs::create_directories(root_ / "opt/office/program");
        fs::create_directories(root_ / "opt/other");
    }
    void TearDown() override { fs::remove_all(root_); }
    void Touch(const fs::path& path) { std::ofstream(root_ / path) << "#!/bin/sh\n"; }
    fs::path root_;
};

TEST_F(FindWordTest, SearchesTheSecondRootWhenTheFirstHasNothing) {
    Touch("usr/share/doc/soffice.txt");
    fs::create_directories(root_ / "usr/lib/nogui/program");
    Touch("usr/lib/nogui/program/soffice");  // headless only: no window plugin beside it
    Touch("opt/office/program/SOFFICE");
    Touch("opt/office/program/libvclplug_gen.so");
    for (const char* program : {"usr/lib/nogui/program/soffice", "opt/office/program/SOFFICE"})
        fs::permissions(root_ / program, fs::perms::owner_exec, fs::perm_options::add);
    fs::create_directory_symlink(root_ / "opt", root_ / "opt/other/loop");  // a folder loop is not followed
    std::vector<int> steps;
    const std::string found = FindWordProgram({(root_ / "usr").string(), (root_ / "opt").string()},
                                              [&](int step) {
                                                  if (step >= 0) steps.push_back(step);
                                                  return true;
                                              });
    EXPECT_EQ(found, (root_ / "opt/office/program/SOFFICE").string());
    EXPECT_EQ(steps, (std::vector<int>{5, 50, 100}));
}

TEST_F(FindWordTest, StopsWhenTheProgressSaysSo) {
    fs::create_directories(root_ / "usr/many");
    for (int k = 0; k < 1200; ++k) Touch("usr/many/" + std::to_string(k));
    int asked = 0;
    EXPECT_EQ(FindWordProgram({(root_ / "usr").string()}, [&](int) { return ++asked < 2; }), "");
    EXPECT_EQ(asked, 2);  // the start and the first repaint, then no more (four when it runs to the end)
}

TEST_F(FindWordTest, FindsNothingInFoldersWithoutIt) {
    Touch("usr/share/doc/readme");
    EXPECT_EQ(FindWordProgram({(root_ / "usr").string(), (root_ / "missing").string()}), "");
}

TEST_F(FindWordTest, WriterIsPresentWhenExecutableBesideAWindowPlugin) {
    Touch("opt/office/program/soffice");
    const WordProcessorPlaces places{{(root_ / "nothing").string(), (root_ / "opt/office/program/soffice").string()}, {}};
    EXPECT_FALSE(WordPresent(places));  // not executable
    fs::permissions(root_ / "opt/office/program/soffice", fs::perms::owner_exec, fs::perm_options::add);
    EXPECT_FALSE(WordPresent(places));  // headless only
    Touch("opt/office/program/libvclplug_gtk3lo.so");
    EXPECT_TRUE(WordPresent(places));
    // Through a link, as /usr/bin/soffice is: the plugin is looked for beside the real program.
    fs::create_directory_symlink(root_ / "opt/office/program", root_ / "usr/share/doc/bin");
    EXPECT_TRUE(WordPresent({{(root_ / "usr/share/doc/bin/soffice").string()}, {}}));
}

TEST(PageMarginsTest, ChosenByTheDialogOrTheScreen) {
    PrintSelection longForm;
    longForm.groups[kSoleAnnotated].allPages = true;
    EXPECT_EQ(MarginsForSelection(longForm), kWideMargins);
    PrintSelection shortForm;
    shortForm.groups[kSplitShort].pages[0] = true;
    EXPECT_EQ(MarginsForSelection(shortForm), kNarrowMargins);
    PrintSelection scheduler;
    scheduler.scheduler = true;
    EXPECT_EQ(MarginsForSelection(scheduler), kNarrowMargins);
    EXPECT_EQ(MarginsForScreen(0), kWideMargins);
    EXPECT_EQ(MarginsForScreen(7), kWideMargins);
    EXPECT_EQ(MarginsForScreen(15), kNarrowMargins);
    EXPECT_EQ(MarginsForScreen(16), kNarrowMargins);
}

TEST(PageMarginsTest, WrittenIntoTheHeaderOnly) {
    const std::string rtf = "{\\rtf1\n\\paperw12240\\margl720\\margr720\\margt720\\margb720\n\\v\\'b7\\v0 \n"
                            "body \\margl5 stays\\par}";
    const std::string set = WithPageMargins(rtf, kNarrowMargins);
    EXPECT_NE(set.find("\\margl720\\margr720\\margt576\\margb360\n"), std::string::npos) << set;
    EXPECT_NE(set.find("body \\margl5 stays"), std::string::npos);
    // A header without margins gets them before the marker line.
    const std::string bare = WithPageMargins("{\\rtf1\n\\v\\'b7\\v0 body}", kWideMargins);
    EXPECT_EQ(bare, "{\\rtf1\n\\margl1080\\margt576\\margr1080\\margb360\n\\v\\'b7\\v0 body}");
}

TEST(QuickPrint, TicksTheBoxOfTheWorksheetOnScreen) {
    EXPECT_EQ(AssemblyOrder(*QuickPrintSelection(0)), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(AssemblyOrder(*QuickPrintSelection(7)), (std::vector<int>{8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(AssemblyOrder(*QuickPrintSelection(15)), std::vector<int>{15});
    EXPECT_EQ(AssemblyOrder(*QuickPrintSelection(16)), std::vector<int>{16});
    EXPECT_FALSE(QuickPrintSelection(-1));
    EXPECT_FALSE(QuickPrintSelection(1));
}

}  // namespace
}  // namespace quill10
