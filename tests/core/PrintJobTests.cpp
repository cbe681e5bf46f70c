// The print job: the pages a selection prints and their order, the page
// list of the command line, assembly into one document and the temporary
// file it is written to.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "print/PrvwSend.h"
#include "print/RtfText.h"
#include "store/Answers.h"

namespace quill10 {
namespace {

std::vector<int> Range(int first, int last) {
    std::vector<int> pages;
    for (int page = first; page <= last; ++page) pages.push_back(page);
    return pages;
}

enum Group : size_t { SoleAnnotated, SoleStatutory, SoleShort, SplitAnnotated, SplitStatutory, SplitShort };

TEST(AssemblyOrder, FollowsTheGroupsThenThePages) {
    PrintSelection bothAll;
    bothAll.groups[SoleAnnotated].allPages = true;
    bothAll.groups[SoleStatutory].allPages = true;
    std::vector<int> twelve = Range(1, 6);
    for (int page : Range(18, 23)) twelve.push_back(page);
    EXPECT_EQ(AssemblyOrder(bothAll), twelve);

    PrintSelection allWithPage3Cleared;  // the "All Pages" box wins
    allWithPage3Cleared.groups[SoleAnnotated].allPages = true;
    allWithPage3Cleared.groups[SoleAnnotated].pages = {true, true, false, true, true, true, false};
    EXPECT_EQ(AssemblyOrder(allWithPage3Cleared), Range(1, 6));

    PrintSelection splitPage7;
    splitPage7.groups[SplitAnnotated].pages[6] = true;
    EXPECT_EQ(AssemblyOrder(splitPage7), std::vector<int>{14});

    PrintSelection mixed;  // ticked in another order than they print
    mixed.groups[SplitShort].pages[0] = true;
    mixed.groups[SplitStatutory].pages[6] = true;
    mixed.groups[SoleStatutory].pages[0] = true;
    mixed.groups[SoleAnnotated].pages[1] = true;
    mixed.groups[SoleShort].pages[0] = true;
    mixed.scheduler = true;
    EXPECT_EQ(AssemblyOrder(mixed), (std::vector<int>{2, 18, 15, 31, 16}));

    EXPECT_TRUE(AssemblyOrder(PrintSelection{}).empty());
}

TEST(AssemblyOrder, PageListsTickTheirTemplatePages) {
    std::string error;
    std::optional<std::vector<int>> list = ParsePageList("25-31,16,8-9", error);
    ASSERT_TRUE(list) << error;
    PrintSelection selection;
    ASSERT_TRUE(SelectTemplatePages(*list, selection, error)) << error;
    std::vector<int> expected = {8, 9};
    for (int page : Range(25, 31)) expected.push_back(page);
    expected.push_back(16);
    EXPECT_EQ(AssemblyOrder(selection), expected);

    for (const char* bad : {"", "1-", "-6", "6-1", "1,,2", "1-6;18", "x", "1-6,", "99999999999", "0", "35",
                            "2147483647", "2147483620-2147483647", "1-2147483647", "33-35"}) {
        EXPECT_FALSE(ParsePageList(bad, error)) << bad;
        EXPECT_NE(error.find(bad), std::string::npos) << error;
    }
    for (int page : {0, 7, 17, 24, 32, 35}) {
        PrintSelection unused;
        EXPECT_FALSE(SelectTemplatePages({page}, unused, error)) << page;
        EXPECT_NE(error.find(std::to_string(page)), std::string::npos) << error;
    }
}

TEST(SendFile, NamesSendTempFirstThenRandomThenEveryNumber) {
    std::vector<int> draws = {17, 998};
    size_t next = 0;
    const std::vector<std::string> names = SendFileNames([&] { return draws[next++ % draws.size()]; });
    ASSERT_GE(names.size(), 3u + kSendFileNumbers);
    EXPECT_EQ(names[0], "send_temp.RTF");
    EXPECT_EQ(names[1], "send_temp17.rtf");
    EXPECT_EQ(names[2], "send_temp998.rtf");
    EXPECT_EQ(names[names.size() - kSendFileNumbers], "send_temp0.rtf");
    EXPECT_EQ(names.back(), "send_temp998.rtf");
}

// A print document is always a new file: a name in use, by a file or by a
// link planted under it, is passed over and what it leads to is untouched.
TEST(SendFile, IsWrittenNewUnderTheFirstFreeNameNeverThroughALink) {
    test::ScratchFolder folder;
    const std::string send = folder.Path().string();
    test::WriteWholeFile(folder.File("victim.q10"), "the case");
    const std::vector<std::string> names = {"a.rtf", "b.rtf", "c.rtf", "d.rtf"};
    test::WriteWholeFile(folder.File("a.rtf"), "an earlier print");
    std::filesystem::create_symlink(folder.File("victim.q10"), folder.File("b.rtf"));
    std::filesystem::create_symlink(folder.File("nowhere.q10"), folder.File("c.rtf"));
    std::string error;
    const std::optional<std::string> written = WriteNewDocument(send, names, "{\\rtf1 x}", error);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(*written, folder.File("d.rtf"));
    EXPECT_EQ(test::ReadWholeFile(folder.File("d.rtf")), "{\\rtf1 x}\r\n");
    EXPECT_EQ(std::filesystem::status(*written).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_EQ(test::ReadWholeFile(folder.File("a.rtf")), "an earlier print");
    EXPECT_EQ(test::ReadWholeFile(folder.File("victim.q10")), "the case");
    EXPECT_FALSE(std::filesystem::exists(folder.File("nowhere.q10")));

    // Every name taken: said so, and nothing is written anywhere.
    EXPECT_FALSE(WriteNewDocument(send, names, "{\\rtf1 y}", error));
    EXPECT_NE(error.find("no free name"), std::string::npos) << error;
    EXPECT_EQ(test::ReadWholeFile(folder.File("d.rtf")), "{\\rtf1 x}\r\n");
    EXPECT_EQ(test::ReadWholeFile(folder.File("victim.q10")), "the case");

    EXPECT_FALSE(WriteNewDocument(folder.File("no-such-folder"), names, "{}", error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
}

TEST(SendFile, IsSevenBitAsciiWithCrLfLineEnds) {
    EXPECT_EQ(SendFileBytes("{\\rtf1 a\r\nb\nZo\xC3\xAB \xE2\x82\xAC}"), "{\\rtf1 a\r\nb\r\nZo? ?}\r\n");
    test::ScratchFolder folder;
    std::string error;
    ASSERT_TRUE(WriteSendFile(folder.File("send_temp.RTF"), "{\\rtf1 x\r\n}", error)) << error;
    EXPECT_EQ(test::ReadWholeFile(folder.File("send_temp.RTF")), "{\\rtf1 x\r\n}\r\n");
    EXPECT_FALSE(WriteSendFile(folder.File("no-such-folder/send_temp.RTF"), "{}", error));
    EXPECT_NE(error.find("no-such-folder"), std::string::npos) << error;
}

TEST(AssemblePrintDocument, IsNotMadeWhenAnyTemplateIsMissingOrDamaged) {
    test::ScratchFolder folder;
    const TemplateFolders folders{folder.Path().string(), folder.Path().string()};
    for (int page : {2, 3}) {
        const std::string n = std::to_string(page);
        test::WriteWholeFile(folder.File("Page" + n + ".rtf"), "{\\rtf1 head" + n + "\\'b7 page /*1/ of " + n + "\r\n}");
        test::WriteWholeFile(folder.File("PAGE" + n + ".DAT"), "");
    }
    std::unique_ptr<TAnswer> answers = test::NewStore();
    TAnswer& store = *answers;
    store.SetText(2, 1, "Jones");
    store.SetText(3, 1, "Smith");
    FillState state;
    PrintDocument whole = AssemblePrintDocument(store, folders, state, {2, 3});
    EXPECT_EQ(whole.text, "{\\rtf1 head2{\\footer\\pard\\plain\\qc\\f0\\fs16 " + RtfEscape(kDemonstrationFooter) +
                              "\\par}\r\n\\'b7 page Jones of 2\r\n\\page  page Smith of 3\r\n}");
    EXPECT_EQ(whole.pages, (std::vector<int>{2, 3}));
    EXPECT_TRUE(whole.problems.empty());

    // Every file at fault is named, and no part of the set is made.
    test::WriteWholeFile(folder.File("Page5.rtf"), "{\\rtf1 head5\\'b7 page /*1/ of 5 {\\b");
    test::WriteWholeFile(folder.File("PAGE5.DAT"), "");
    PrintDocument document = AssemblePrintDocument(store, folders, state, {1, 2, 4, 3, 5});
    EXPECT_EQ(document.text, "");
    EXPECT_TRUE(document.pages.empty());
    ASSERT_EQ(document.problems.size(), 3u);
    EXPECT_NE(document.problems[0].find("Page1.rtf"), std::string::npos) << document.problems[0];
    EXPECT_NE(document.problems[1].find("Page4.rtf"), std::string::npos) << document.problems[1];
    EXPECT_NE(document.problems[2].find("Page5.rtf is damaged"), std::string::npos) << document.problems[2];
}

}  // namespace
}  // namespace quill10
