#include "calc/Headlines.h"

#include "store/Answers.h"

namespace quill10 {

namespace {

std::string Dollars(const std::string& text) { return text.empty() ? "$0.00" : "$" + text; }

HeadlineFigures FiguresOf(const TAnswer& a, int page, int support, int supportNoIns, int cashMedical) {
    HeadlineFigures figures;
    figures.support = Dollars(a.Text(page, support));
    figures.supportNoIns = Dollars(a.Text(page, supportNoIns));
    figures.cashMedical = a.Text(page, support).empty() ? "$0.00" : Dollars(a.Text(page, cashMedical));
    return figures;
}

}  // namespace

HeadlineFigures SoleSharedHeadlines(const TAnswer& answers) { return FiguresOf(answers, 6, 23, 24, 46); }
HeadlineFigures SplitHeadlines(const TAnswer& answers) { return FiguresOf(answers, 14, 24, 25, 8); }

std::string HeadlinesText(const TAnswer& answers) {
    const struct {
        const char* worksheet;
        HeadlineFigures figures;
    } worksheets[] = {{"Sole/Shared", SoleSharedHeadlines(answers)}, {"Split", SplitHeadlines(answers)}};
    std::string text;
    for (const auto& w : worksheets) {
        const std::string name = w.worksheet;
        text += name + " Annual Support (Ins.): " + w.figures.support + "\n";
        text += name + " Annual Support (No Ins.): " + w.figures.supportNoIns + "\n";
        text += name + " Cash Medical Support: " + w.figures.cashMedical + "\n";
    }
    return text;
}

}  // namespace quill10
