// Tests of the help topic table, the "Help On Specific Lines" items and the
// instructional videos.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "help/HelpTopics.h"

namespace quill10 {
namespace {

TEST(HelpTopics, NumbersOpenTheirPages) {
    const struct {
        int topic;
        const char* path;
    } cases[] = {
        {7, "/help/quill10/special_considerations/choose_obligor.htm"},
        {900, "/help/quill10/special_considerations/choose_obligor.htm"},
        {1005, "/help/quill10/special_considerations/table_lookup.htm"},
        {1018, "/help/quill10/special_considerations/line1b.htm"},
        {2000, "/help/quill10/special_considerations/line1b.htm"},
        {1053, "/help/quill10/file_menu/save.htm"},
        {1058, "/help/quill10/options_menu/override.htm"},
        {1059, "/help/quill10/misc/income_over_150t.htm"},
    };
    for (const auto& c : cases) EXPECT_EQ(HelpTopicPath(c.topic), c.path) << c.topic;
}

TEST(HelpTopics, NumbersWithoutATopicHaveNoPage) {
    for (int topic : {0, 1, 1001, 1007, 1009, 1019, 1060, -5}) EXPECT_TRUE(HelpTopicPath(topic).empty()) << topic;
    EXPECT_STREQ(kNoHelpTopic, "There is no help topic for this control.");
}

TEST(HelpTopics, TableHasEachNumberOnceAndEveryPageUnderTheSite) {
    std::set<int> seen;
    for (const auto& row : HelpTopicTable()) {
        EXPECT_TRUE(seen.insert(row.topic).second) << row.topic;
        EXPECT_TRUE(std::string(row.path).starts_with("/help/quill10/")) << row.path;
    }
    EXPECT_EQ(seen.size(), 29u);
}

TEST(HelpTopics, EverySpecificLineItemHasATopic) {
    EXPECT_EQ(SpecificLineHelpItems().size(), 17u);
    for (const auto& item : SpecificLineHelpItems()) EXPECT_FALSE(HelpTopicPath(item.topic).empty()) << item.caption;
}

TEST(HelpTopics, VideosByTag) {
    ASSERT_NE(FindInstructionalVideo(5), nullptr);
    EXPECT_STREQ(FindInstructionalVideo(5)->caption, "With Insurance");
    EXPECT_STREQ(FindInstructionalVideo(8)->caption, "Final Decree");
    EXPECT_EQ(FindInstructionalVideo(2), nullptr);
    EXPECT_EQ(FindInstructionalVideo(9), nullptr);
}

TEST(HelpTopics, InstalledFileStaysInsideTheHelpFolder) {
    EXPECT_EQ(InstalledHelpFile("/opt/q/help", "/help/quill10/file_menu/save.htm"), "/opt/q/help/quill10/file_menu/save.htm");
    for (const char* bad : {"/help/../etc/passwd", "/help/quill10/../../x.htm", "quill10/save.htm", "/other/x.htm", "/help/"})
        EXPECT_EQ(InstalledHelpFile("/opt/q/help", bad), "") << bad;
}

}  // namespace
}  // namespace quill10
