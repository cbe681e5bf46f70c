#pragma once
// The lists a worksheet field chooses from, as the screen shows them and
// the paper prints them.  A list field stores the index of its choice
// ("0", "1", ...; "-1" when nothing is chosen); what it shows is the
// item's text.
#include <array>
#include <string>
#include <string_view>

namespace quill10 {

// The income estimator's pay periods (line 1a, "paid").
inline constexpr std::array<const char*, 7> kPayPeriodNames = {"Daily",   "Weekly",    "Biweekly", "Semimonthly",
                                                               "Monthly", "Quarterly", "Biannually"};

// The federal filing statuses of the child care credit (line 19).
inline constexpr std::array<const char*, 5> kFilingStatusNames = {"Single", "Married Joint", "Married Separate",
                                                                  "Head of Household", "Qualifying Widower"};

// What a list field shows for its stored value: the item of an index, an
// item's own text as it is, and nothing for any other value ("-1", "").
template <size_t N>
std::string ChoiceText(const std::array<const char*, N>& items, std::string_view value) {
    for (size_t k = 0; k < N; ++k)
        if (value == items[k] || value == std::to_string(k)) return items[k];
    return {};
}

// True for the filing status fields of the short forms (15:205, 15:206,
// 16:205, 16:206), which the short page keeps as indexes: printed, they
// show the status's name, as the screen does.
inline bool IsShortFormFilingStatus(int page, int slot) {
    return (page == 15 || page == 16) && (slot == 205 || slot == 206);
}

}  // namespace quill10
