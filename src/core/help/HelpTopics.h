#pragma once
// Context help: numbered help topics, each a page of the help site, the
// fixed pages of the Help menu and the instructional videos.  The help
// pages are installed with the program in its "help" folder, whose layout
// mirrors the site's "/help/" folder, so a page path names both the
// installed page and its address on an office's own help site.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace quill10 {

inline constexpr const char* kNoHelpTopic = "There is no help topic for this control.";

// The page path of a help topic number ("/help/quill10/..."); "" for a
// number without a topic.
std::string_view HelpTopicPath(int topic);

struct HelpTopicRow {
    int topic;
    const char* path;
};
std::span<const HelpTopicRow> HelpTopicTable();

// Fixed pages of the help site.
inline constexpr const char* kHelpContentsPage = "/help/quill10/default.htm";
inline constexpr const char* kHealthExpenditureTable = "/help/quill10/2017_Ohio_Cash_Medical_Support_Schedule.pdf";
inline constexpr const char* kZoomHelpPage = "/help/quill10/options_menu/zoom.htm";
inline constexpr const char* kShrinkFontsHelpPage = "/help/quill10/options_menu/shrink_fonts.htm";
inline constexpr const char* kPrintHelpPage = "/help/quill10/file_menu/print.htm";

// The items of "Help On Specific Lines": caption and topic number.
struct SpecificLineHelp {
    const char* caption;
    int topic;
};
std::span<const SpecificLineHelp> SpecificLineHelpItems();

// The instructional videos, by Tag 3 .. 8: caption and the name of the
// installed video file in the help folder's "videos" folder.  An office may
// give each a web address in the settings.
inline constexpr size_t kInstructionalVideoCount = 6;
struct InstructionalVideo {
    int tag;
    const char* caption;
    const char* fileName;
};
std::span<const InstructionalVideo> InstructionalVideos();
const InstructionalVideo* FindInstructionalVideo(int tag);

// The file of a page path inside the installed help folder: "/help/x/y.htm"
// under `helpFolder` (the folder that mirrors "/help/").  "" when the path
// does not start with "/help/" or tries to leave the folder.
std::string InstalledHelpFile(const std::string& helpFolder, std::string_view pagePath);

}  // namespace quill10
