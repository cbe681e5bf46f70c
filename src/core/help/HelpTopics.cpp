#include "help/HelpTopics.h"

#include <algorithm>
#include <filesystem>


namespace quill10 {
namespace {

constexpr HelpTopicRow kTopics[] = {
    {7, "/help/quill10/special_considerations/choose_obligor.htm"},
    {900, "/help/quill10/special_considerations/choose_obligor.htm"},
    {1000, "/help/quill10/special_considerations/income_estimator.htm"},
    {1002, "/help/quill10/special_considerations/other_children.htm"},
    {1003, "/help/quill10/special_considerations/local_tax.htm"},
    {1004, "/help/quill10/special_considerations/cash_medical_support.htm"},
    {1005, "/help/quill10/special_considerations/table_lookup.htm"},
    {1006, "/help/quill10/special_considerations/child_care_expenses.htm"},
    {1008, "/help/quill10/special_considerations/line27b.htm"},
    {1010, "/help/quill10/special_considerations/line2c.htm"},
    {1011, "/help/quill10/special_considerations/line10.htm"},
    {1012, "/help/quill10/special_considerations/line7b.htm"},
    {1013, "/help/quill10/special_considerations/line23b.htm"},
    {1014, "/help/quill10/special_considerations/line28.htm"},
    {1015, "/help/quill10/special_considerations/line30.htm"},
    {1016, "/help/quill10/special_considerations/line6.htm"},
    {1017, "/help/quill10/special_considerations/line9.htm"},
    {1018, "/help/quill10/special_considerations/line1b.htm"},
    {2000, "/help/quill10/special_considerations/line1b.htm"},
    {1050, "/help/quill10/file_menu/exit.htm"},
    {1051, "/help/quill10/file_menu/new.htm"},
    {1052, "/help/quill10/file_menu/open.htm"},
    {1053, "/help/quill10/file_menu/save.htm"},
    {1054, "/help/quill10/file_menu/save_as.htm"},
    {1055, "/help/quill10/file_menu/print.htm"},
    {1056, "/help/quill10/options_menu/check_worksheet.htm"},
    {1057, "/help/quill10/file_menu/close.htm"},
    {1058, "/help/quill10/options_menu/override.htm"},
    {1059, "/help/quill10/misc/income_over_150t.htm"},
};

constexpr SpecificLineHelp kSpecificLines[] = {
    {"&Caption-Choose Obligor", 900},
    {"&1a. Income Estimator", 1000},
    {"1&b. Overtime, bonuses ...", 1018},
    {"&2c. Self-employment adj", 1010},
    {"&6. Other Income", 1016},
    {"&7b. Health Ins Max", 1012},
    {"&8. Other Resident Children", 1002},
    {"&9. Other Child Support", 1017},
    {"1&0. Spousal Support", 1011},
    {"11. &Local Income Tax", 1003},
    {"14b/20b. Cash &Medical Support", 1004},
    {"17. &Table Lookup Method", 1005},
    {"19. C&hildCare Expenses", 1006},
    {"23b. &Non-means Tested Benefits", 1013},
    {"27b. &Deviation", 1008},
    {"28. &Final Child Support", 1014},
    {"30. Ca&sh Medical Support", 1015},
};

constexpr InstructionalVideo kVideos[] = {
    {3, "Income", "income.mp4"},
    {4, "Adjustments to Income", "adjustments_to_income.mp4"},
    {5, "With Insurance", "with_insurance.mp4"},
    {6, "Without Insurance", "without_insurance.mp4"},
    {7, "Deviation", "deviation.mp4"},
    {8, "Final Decree", "final_decree.mp4"},
};

}  // namespace

std::span<const HelpTopicRow> HelpTopicTable() { return kTopics; }
std::span<const SpecificLineHelp> SpecificLineHelpItems() { return kSpecificLines; }
std::span<const InstructionalVideo> InstructionalVideos() { return kVideos; }
static_assert(std::size(kVideos) == kInstructionalVideoCount, "every video has its address in the settings");

std::string_view HelpTopicPath(int topic) {
    const auto* row = std::find_if(std::begin(kTopics), std::end(kTopics),
                                   [topic](const HelpTopicRow& r) { return r.topic == topic; });
    return row == std::end(kTopics) ? std::string_view{} : std::string_view{row->path};
}

const InstructionalVideo* FindInstructionalVideo(int tag) {
    const auto* video = std::find_if(std::begin(kVideos), std::end(kVideos),
                                     [tag](const InstructionalVideo& v) { return v.tag == tag; });
    return video == std::end(kVideos) ? nullptr : video;
}

std::string InstalledHelpFile(const std::string& helpFolder, std::string_view pagePath) {
    constexpr std::string_view prefix = "/help/";
    if (!pagePath.starts_with(prefix)) return {};
    const std::filesystem::path relative = std::filesystem::path(pagePath.substr(prefix.size())).lexically_normal();
    if (relative.empty() || relative.is_absolute() || *relative.begin() == "..") return {};
    return (std::filesystem::path(helpFolder) / relative).string();
}

}  // namespace quill10
