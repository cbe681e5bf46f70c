#pragma once
// The audit appendix of a worksheet: a print page that lists every
// computed line of the long form with its figure and where the figure
// comes from (the data-source text of the field), and every overridden
// figure with the value the calculation gives without the override.
//
// The page is built from the answers, not from a template file, but it
// keeps the template rules: the same font and colour tables as the
// installed templates and the "\'b7" marker before its body, so it starts
// a print document or is joined after any page like a filled template.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quill10 {

class TAnswer;

// The print page numbers of the two appendices.
inline constexpr int kSoleSharedAuditPage = 33;  // the sole/shared worksheet (long screen page 0)
inline constexpr int kSplitAuditPage = 34;       // the split worksheet (long screen page 7)

bool IsAuditPage(int page);

// One computed line of the worksheet.
struct AuditLine {
    int tag;                       // the field's Tag on the long screen page
    std::string figure;            // as the worksheet shows it
    bool overridden;               // the figure was typed over the computed one
    std::string_view explanation;  // the field's data-source text
};

// One overridden field.
struct AuditOverride {
    int slot;             // slot of the long screen page
    std::string field;    // its line and column ("1b, Column I")
    std::string entered;  // the figure typed over the computed one
    // What the calculation gives without the override; nothing when the
    // override is kept on a calculation page that the long form cannot clear.
    std::optional<std::string> computed;
};

struct AuditContent {
    std::string title;    // "Audit Appendix" and the worksheet's name; "" for no appendix
    std::string parties;  // the parties and the case number, "" when neither is given
    std::vector<AuditLine> lines;
    std::vector<AuditOverride> overrides;
};

// What the appendix page lists, worked out on copies of the case: the
// caller's answers are neither recalculated nor changed, and no numbered
// error is shown while the copies are calculated.  Empty for a page that is
// no appendix.
AuditContent CollectAudit(const TAnswer& answers, int auditPage);

// The appendix page as RTF with its whole header (CR LF line ends); "" for
// a page that is no appendix.
std::string AuditAppendixRtf(const TAnswer& answers, int auditPage);

}  // namespace quill10
