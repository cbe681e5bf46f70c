#include "print/AuditAppendix.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>
#include <memory>
#include <optional>
#include <span>

#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "help/DataSource.h"
#include "print/RtfText.h"
#include "print/TemplateFiller.h"
#include "store/Answers.h"
#include "store/FieldText.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10 {

namespace {

// ---- The two worksheets --------------------------------------------------------

struct AuditWorksheet {
    int auditPage;
    int screenPage;   // the long form, whose data-source table the appendix follows
    int captionPage;  // the calculation page that holds the parties and the case number
    const char* name;
};

constexpr AuditWorksheet kAuditWorksheets[] = {
    {kSoleSharedAuditPage, 0, 1,
     "Sole Residential Parent or Shared Parenting Child Support Computation Worksheet"},
    {kSplitAuditPage, 7, 8, "Split Parental Child Support Computation Worksheet"},
};

constexpr int kPartiesSlot = 0;
constexpr int kCaseNumberSlot = 1;

const AuditWorksheet* WorksheetOf(int auditPage) {
    for (const AuditWorksheet& sheet : kAuditWorksheets)
        if (sheet.auditPage == auditPage) return &sheet;
    return nullptr;
}

// Fields that may be overridden on both long screens without a data-source
// row of their own: the local tax wages of line 11 and the figures of the
// child care credit of line 19.
struct NamedField {
    int tag;
    const char* name;
};

constexpr NamedField kOverridableInputs[] = {
    {2217, "11, Column I. Father's wages subject to local income tax"},
    {2220, "11, Column II. Mother's wages subject to local income tax"},
    {2224, "19, Column I. Father's earned income for the child care credit"},
    {2226, "19, Column I. Father's adjusted gross income for the child care credit"},
    {5227, "19, Column I. Father's number of children for the child care credit"},
    {2229, "19, Column I. Father's standard or itemized deductions for the child care credit"},
    {2230, "19, Column I. Father's exemption amount for the child care credit"},
    {2241, "19, Column II. Mother's earned income for the child care credit"},
    {2243, "19, Column II. Mother's adjusted gross income for the child care credit"},
    {5244, "19, Column II. Mother's number of children for the child care credit"},
    {2246, "19, Column II. Mother's standard or itemized deductions for the child care credit"},
    {2247, "19, Column II. Mother's exemption amount for the child care credit"},
};

// ---- Figures as the worksheet shows them -------------------------------------

// A Tag below 1000 is a check box in that slot; above it kind x 1000 + slot.
constexpr int kKindFactor = 1000;

bool IsCheckBoxTag(int tag) { return tag < kKindFactor; }

int SlotOfTag(int tag) { return IsCheckBoxTag(tag) ? tag : SlotOfEditTag(tag); }

// The decimals a money answer carries, two to four: the income shares of
// line 16 keep four.
int DecimalsOf(const std::string& text) {
    const size_t point = text.rfind(CurrentRegional().decimalSeparator);
    if (point == std::string::npos) return 2;
    int digits = 0;
    for (size_t i = point + 1; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        ++digits;
    return std::clamp(digits, 2, 4);
}

// The figure as the worksheet shows it; a check box as "Yes" or "No".
std::string FigureText(int tag, const std::string& text) {
    if (IsCheckBoxTag(tag)) return text == "X" ? "Yes" : "No";
    return DisplayText(KindOfTag(tag), text, DecimalsOf(text));
}

// The line and column a data-source text begins with: "1b, Column I".
std::string HeadingOf(std::string_view explanation) {
    return std::string(explanation.substr(0, explanation.find(". ")));
}

// The Tag of a slot of the long screen page and the name the overrides list gives it.
struct SlotField {
    int tag;
    std::string name;
};

SlotField FieldOfSlot(int screenPage, int slot) {
    for (const DataSourceRow& row : DataSourceTable(screenPage))
        if (SlotOfTag(row.tag) == slot) return {row.tag, HeadingOf(row.text)};
    for (const NamedField& field : kOverridableInputs)
        if (SlotOfTag(field.tag) == slot) return {field.tag, field.name};
    return {kKindFactor + slot, "Field in slot " + std::to_string(slot)};
}

// ---- Calculating on copies of the case -------------------------------------------

// While the appendix calculates copies of the case, the environment they
// share with the caller's answers keeps its check report switch, its error
// counts and its screen hook, and numbered errors are not shown (the print
// job's own calculation has shown them once).
class QuietCalculations {
public:
    explicit QuietCalculations(CalcEnvironment& environment)
        : environment_(environment),
          checking_(environment.checking),
          checkReportError_(environment.checkReportError),
          soleSharedErrors_(environment.soleSharedErrors),
          splitErrors_(environment.splitErrors),
          refreshScreen_(std::move(environment.refreshScreen)),
          previousHandler_(SetErrorHandler([](int, const std::string&, const std::string&) {})) {
        environment.checking = false;
        environment.refreshScreen = nullptr;
    }
    ~QuietCalculations() {
        environment_.checking = checking_;
        environment_.checkReportError = checkReportError_;
        environment_.soleSharedErrors = soleSharedErrors_;
        environment_.splitErrors = splitErrors_;
        environment_.refreshScreen = std::move(refreshScreen_);
        SetErrorHandler(std::move(previousHandler_));
    }
    QuietCalculations(const QuietCalculations&) = delete;
    QuietCalculations& operator=(const QuietCalculations&) = delete;

private:
    CalcEnvironment& environment_;
    bool checking_;
    std::string checkReportError_;
    int soleSharedErrors_;
    int splitErrors_;
    std::function<void()> refreshScreen_;
    ErrorHandler previousHandler_;
};

// A copy of the case with its long screen page filled from the calculation pages.
std::unique_ptr<TAnswer> ScreenCopy(const TAnswer& answers, int screenPage) {
    auto copy = std::make_unique<TAnswer>(answers.SharedEnvironment());
    for (int page = 0; page < kPageCount; ++page) copy->List(page) = answers.List(page);
    copy->SoleObligor = answers.SoleObligor;
    copy->SplitObligor = answers.SplitObligor;
    copy->SharedObligor = answers.SharedObligor;
    TransferCalcToScreen(*copy, screenPage);
    return copy;
}

// The text of a screen slot when its override is cleared and the case
// calculated again; nothing when the override stays (it is kept on a
// calculation page that the long form does not carry back).
std::optional<std::string> ComputedWithoutOverride(const TAnswer& answers, int screenPage, int slot) {
    std::unique_ptr<TAnswer> copy = ScreenCopy(answers, screenPage);
    copy->SetOvRide(screenPage, slot, false);
    TransferScreenToCalc(*copy, screenPage);
    copy->Calculate();
    TransferCalcToScreen(*copy, screenPage);
    if (copy->OvRide(screenPage, slot)) return std::nullopt;
    return copy->Text(screenPage, slot);
}

AuditOverride OverrideOf(const TAnswer& answers, const TAnswer& screen, int screenPage, int slot) {
    const SlotField field = FieldOfSlot(screenPage, slot);
    const std::optional<std::string> computed = ComputedWithoutOverride(answers, screenPage, slot);
    return {slot, field.name, FigureText(field.tag, screen.Text(screenPage, slot)),
            computed ? std::optional(FigureText(field.tag, *computed)) : std::nullopt};
}

std::string PartiesLine(const TAnswer& answers, int captionPage) {
    const std::string& parties = answers.Text(captionPage, kPartiesSlot);
    const std::string& caseNumber = answers.Text(captionPage, kCaseNumberSlot);
    std::string line = parties.empty() ? "" : "Parties: " + parties;
    if (!caseNumber.empty()) line += (line.empty() ? "" : "    ") + std::string("Case No. ") + caseNumber;
    return line;
}

// ---- RTF -------------------------------------------------------------------------

// The header of the installed templates: the same font and colour numbering
// (colour 1 overridden figures, 2 notes, 3 shading), page size and margins.
constexpr std::string_view kFontTable =
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman;}"
    "{\\f4\\fswiss\\fcharset0 Arial;}{\\f10\\fnil\\fcharset2 Wingdings;}}";
constexpr std::string_view kColourTable =
    "{\\colortbl;\\red204\\green0\\blue0;\\red96\\green96\\blue96;\\red232\\green232\\blue232;}";
constexpr std::string_view kPageSetup =
    "\\paperw12240\\paperh15840\\margl720\\margr720\\margt720\\margb720\\widowctrl\\ftnbj";

std::string Header(const std::string& title) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n" + std::string(kFontTable) + "\r\n" +
           std::string(kColourTable) + "\r\n{\\info{\\title " + RtfEscape(title) +
           "}{\\author QUILL10}}\r\n" + std::string(kPageSetup) + "\r\n\\v" + std::string(kPageMarker) +
           "\\v0 \r\n";
}

std::string Paragraph(std::string_view format, const std::string& text) {
    return "\\pard\\plain" + std::string(format) + " " + RtfEscape(text) + "\\par\r\n";
}

std::string Coloured(const std::string& text, bool overridden) {
    const std::string escaped = RtfEscape(text);
    return overridden ? "\\cf1 " + escaped + "\\cf0 " : escaped;
}

// A table column: its right edge in twips from the left margin and its alignment.
struct Column {
    int rightEdge;
    char align;  // 'l' or 'r'
};

constexpr Column kLineColumns[] = {{1900, 'r'}, {10800, 'l'}};
constexpr Column kOverrideColumns[] = {{5600, 'l'}, {8200, 'r'}, {10800, 'r'}};

// One table row; the cells are RTF text already.  A heading row is bold,
// shaded and marked to be repeated on every page the table runs onto.
std::string Row(std::span<const Column> columns, std::span<const std::string> cells, bool heading) {
    // The row layout of the templates' tables.
    std::string row =
        "\\trowd\\trgaph50\\trleft0\\trpaddl50\\trpaddr50\\trpaddt0\\trpaddb0\\trpaddfl3\\trpaddfr3\\trpaddft"
        "3\\trpaddfb3";
    row += heading ? "\\trhdr\\trkeep" : "\\trkeep";
    for (const Column& column : columns)
        row += std::string(heading ? "\\clcbpat3" : "") + "\\clbrdrb\\brdrs\\brdrw5\\cellx" +
               std::to_string(column.rightEdge);
    row += "\r\n";
    for (size_t i = 0; i < columns.size() && i < cells.size(); ++i)
        row += "\\pard\\intbl\\plain\\q" + std::string(1, columns[i].align) + "\\f0\\fs17" +
               (heading ? "\\b " : " ") + cells[i] + "\\cell\r\n";
    return row + "\\row\r\n";
}

std::string LinesTable(const std::vector<AuditLine>& lines) {
    const std::array<std::string, 2> heading{"Figure", "Where the figure comes from"};
    std::string table = Row(kLineColumns, heading, true);
    for (const AuditLine& line : lines) {
        const std::array<std::string, 2> cells{Coloured(line.figure, line.overridden),
                                               RtfEscape(line.explanation)};
        table += Row(kLineColumns, cells, false);
    }
    return table;
}

std::string OverridesSection(const std::vector<AuditOverride>& overrides) {
    std::string section = Paragraph("\\keepn\\sb240\\sa80\\f1\\fs22\\b", "Overrides");
    if (overrides.empty()) return section + Paragraph("\\f0\\fs17", "No figure was overridden.");
    const std::array<std::string, 3> heading{"Field", "Figure entered", "Computed value it replaced"};
    section += Row(kOverrideColumns, heading, true);
    for (const AuditOverride& entry : overrides) {
        const std::array<std::string, 3> cells{RtfEscape(entry.field), Coloured(entry.entered, true),
                                               RtfEscape(entry.computed.value_or("not known"))};
        section += Row(kOverrideColumns, cells, false);
    }
    return section + "\\pard\\plain\\f0\\fs17\\par\r\n";  // a page joined next starts outside the table
}

}  // namespace

bool IsAuditPage(int page) {
    return WorksheetOf(page) != nullptr;
}

AuditContent CollectAudit(const TAnswer& answers, int auditPage) {
    const AuditWorksheet* sheet = WorksheetOf(auditPage);
    if (!sheet) return {};
    const int screenPage = sheet->screenPage;
    QuietCalculations quiet(*answers.SharedEnvironment());
    const std::unique_ptr<TAnswer> screen = ScreenCopy(answers, screenPage);
    AuditContent content{std::string("Audit Appendix \xE2\x80\x94 ") + sheet->name,
                         PartiesLine(answers, sheet->captionPage),
                         {},
                         {}};
    for (const DataSourceRow& row : DataSourceTable(screenPage)) {
        const int slot = SlotOfTag(row.tag);
        content.lines.push_back({row.tag, FigureText(row.tag, screen->Text(screenPage, slot)),
                                 screen->OvRide(screenPage, slot), row.text});
    }
    for (int slot = 0; slot <= LastSlot(screenPage); ++slot)
        if (screen->OvRide(screenPage, slot))
            content.overrides.push_back(OverrideOf(answers, *screen, screenPage, slot));
    return content;
}

std::string AuditAppendixRtf(const TAnswer& answers, int auditPage) {
    const AuditContent content = CollectAudit(answers, auditPage);
    if (content.title.empty()) return {};
    std::string rtf = Header(content.title);
    rtf += Paragraph("\\qc\\sa60\\f1\\fs26\\b", content.title);
    if (!content.parties.empty()) rtf += Paragraph("\\qc\\sa60\\f0\\fs17", content.parties);
    rtf +=
        Paragraph("\\qc\\sa120\\f0\\fs14\\cf2",
                  "Every computed line of the worksheet with its figure and where the figure comes from. "
                  "Figures in red were overridden; the overrides and the computed values they replaced are "
                  "listed at the end.");
    rtf += LinesTable(content.lines);
    rtf += OverridesSection(content.overrides);
    return rtf + "}\r\n";
}

}  // namespace quill10
