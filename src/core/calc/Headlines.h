#pragma once
// The three headline figures shown at the top of the window and printed by
// the command-line summary: annual support with and without private health
// insurance, and cash medical support.
#include <string>

namespace quill10 {

class TAnswer;

struct HeadlineFigures {
    std::string support;        // "Annual Support (Ins.)"
    std::string supportNoIns;   // "Annual Support (No Ins.)"
    std::string cashMedical;    // "Cash Medical Support"
};

// The figures of the sole/shared worksheet (6:23, 6:24, 6:46) or the split
// worksheet (14:24, 14:25, 14:8), each as "$" and the slot's text; an empty
// slot shows "$0.00", and cash medical support shows "$0.00" whenever the
// first figure is empty.
HeadlineFigures SoleSharedHeadlines(const TAnswer& answers);
HeadlineFigures SplitHeadlines(const TAnswer& answers);

// Both worksheets' figures, one "name: value" line each
// ("Sole/Shared Annual Support (Ins.): $9,697.20").
std::string HeadlinesText(const TAnswer& answers);

}  // namespace quill10
