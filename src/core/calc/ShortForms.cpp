// The short forms, rebuilt from the calculation pages after every
// calculation: page 15 from pages 1-6 (Calc15) and page 16 from pages 8-14
// (Calc16).  A builder copies what the short form shows and adds what only
// the short form has: the caption, the date written out, the lookup
// summary, the limit text, Yes/No texts of the boxes, the child care credit
// totals and the decree table of support per child and per period.
#include <span>
#include <optional>
#include <string>

#include "calc/CalcEnvironment.h"
#include "calc/Worksheets.h"
#include "calc/WorksheetLines.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

namespace {

struct CalcSlots {
    int page, first, last;
};

// Short-page slots first..last take the calculation slots `from`, slot by
// slot; `flag` copies the OvRide flag as well.
struct ShortCopy {
    int first, last;
    CalcSlots from;
    bool flag;
};

constexpr ShortCopy kSoleSharedCopies[] = {
    {252, 253, {1, 50, 51}, false},
    {1, 2, {1, 1, 2}, false},
    {4, 6, {1, 4, 6}, false},
    {155, 156, {1, 39, 40}, false},
    {7, 16, {1, 19, 28}, false},
    {17, 18, {1, 29, 30}, true},
    {19, 22, {1, 31, 34}, false},
    {23, 24, {1, 35, 36}, true},
    {25, 26, {1, 37, 38}, false},
    {27, 34, {2, 4, 11}, false},
    {35, 38, {2, 13, 16}, false},
    {157, 158, {2, 41, 42}, false},
    {159, 164, {2, 17, 22}, false},
    {39, 40, {2, 23, 24}, true},
    {41, 44, {2, 25, 28}, false},
    {165, 166, {2, 29, 30}, true},
    {167, 168, {2, 31, 32}, false},
    {45, 46, {2, 33, 34}, true},
    {47, 52, {2, 35, 40}, false},
    {169, 169, {3, 7, 7}, true},
    {170, 170, {3, 48, 48}, true},
    {171, 172, {3, 52, 53}, false},
    {53, 54, {3, 4, 5}, true},
    {55, 57, {3, 8, 10}, false},
    {58, 60, {3, 14, 16}, false},
    {177, 178, {3, 17, 18}, false},
    {179, 180, {3, 49, 50}, false},
    {181, 182, {3, 19, 20}, true},
    {183, 184, {3, 42, 43}, false},
    {185, 188, {3, 21, 24}, true},
    {197, 198, {3, 27, 28}, false},
    {200, 201, {3, 29, 30}, false},
    {205, 206, {3, 32, 33}, false},
    {207, 210, {3, 34, 37}, true},
    {211, 214, {3, 38, 41}, false},
    {189, 189, {3, 44, 44}, false},
    {61, 62, {3, 45, 46}, true},
    {63, 64, {4, 4, 5}, false},
    {65, 66, {4, 8, 9}, true},
    {67, 70, {4, 13, 16}, false},
    {71, 76, {4, 19, 24}, false},
    {77, 82, {5, 4, 9}, false},
    {83, 92, {5, 12, 21}, false},
    {217, 217, {6, 4, 4}, false},
    {245, 245, {6, 52, 52}, false},
    {220, 222, {6, 5, 7}, false},
    {246, 246, {6, 53, 53}, false},
    {225, 225, {6, 8, 8}, false},
    {247, 247, {6, 54, 54}, false},
    {228, 228, {6, 9, 9}, false},
    {248, 248, {6, 55, 55}, false},
    {231, 231, {6, 10, 10}, false},
    {232, 232, {6, 58, 58}, false},
    {233, 233, {6, 11, 11}, false},
    {249, 249, {6, 56, 56}, false},
    {236, 236, {6, 12, 12}, false},
    {237, 237, {6, 59, 59}, false},
    {238, 238, {6, 13, 13}, false},
    {99, 99, {6, 57, 57}, false},
    {241, 241, {6, 50, 50}, false},
    {101, 101, {6, 51, 51}, false},
    {93, 94, {6, 21, 22}, true},
    {95, 96, {6, 23, 24}, false},
    {97, 98, {6, 29, 30}, false},
    {100, 100, {6, 46, 46}, false},
    {102, 102, {6, 32, 32}, false},
};

constexpr ShortCopy kSplitCopies[] = {
    {250, 251, {8, 50, 51}, false},
    {1, 2, {8, 1, 2}, false},
    {4, 5, {8, 4, 5}, false},
    {6, 15, {8, 18, 27}, false},
    {16, 17, {8, 28, 29}, true},
    {18, 21, {8, 30, 33}, false},
    {22, 23, {8, 34, 35}, true},
    {24, 25, {8, 36, 37}, false},
    {26, 33, {9, 4, 11}, false},
    {34, 37, {9, 13, 16}, false},
    {157, 158, {9, 41, 42}, false},
    {38, 39, {9, 23, 24}, true},  // with its flag, which the way back to the calculation carries too
    {159, 164, {9, 17, 22}, false},
    {40, 43, {9, 25, 28}, false},
    {165, 166, {9, 29, 30}, true},
    {167, 168, {9, 31, 32}, false},
    {44, 45, {9, 33, 34}, true},
    {46, 51, {9, 35, 40}, false},
    {52, 53, {10, 4, 5}, true},
    {169, 169, {10, 7, 7}, true},
    {170, 170, {10, 19, 19}, true},
    {171, 172, {10, 52, 53}, false},
    {54, 56, {10, 8, 10}, false},
    {57, 60, {10, 14, 17}, false},
    {61, 62, {11, 33, 34}, true},
    {63, 64, {11, 35, 36}, false},
    {65, 66, {11, 41, 42}, true},
    {177, 178, {11, 5, 6}, false},
    {179, 180, {11, 49, 50}, false},
    {181, 182, {11, 7, 8}, true},
    {183, 184, {11, 9, 10}, false},
    {185, 188, {11, 11, 14}, true},
    {197, 198, {11, 17, 18}, false},
    {200, 201, {11, 19, 20}, false},
    {205, 206, {11, 22, 23}, false},
    {207, 210, {11, 24, 27}, true},
    {211, 214, {11, 28, 31}, false},
    {189, 189, {11, 32, 32}, false},
    {67, 70, {11, 45, 48}, false},
    {71, 71, {12, 4, 4}, false},
    {72, 72, {12, 7, 7}, false},
    {73, 73, {12, 5, 5}, false},
    {74, 74, {12, 8, 8}, false},
    {75, 75, {12, 6, 6}, false},
    {76, 82, {12, 9, 15}, false},
    {83, 83, {13, 4, 4}, false},
    {84, 84, {13, 7, 7}, false},
    {85, 85, {13, 5, 5}, false},
    {86, 86, {13, 8, 8}, false},
    {87, 87, {13, 6, 6}, false},
    {88, 94, {13, 9, 15}, false},
    {95, 96, {14, 24, 25}, false},
    {97, 98, {14, 6, 7}, false},
    {100, 100, {14, 8, 8}, false},
    {102, 102, {14, 9, 9}, false},
};

template <size_t N>
constexpr bool AllFit(const ShortCopy (&copies)[N], int firstPage, int lastPage) {
    for (const ShortCopy& c : copies)
        if (c.first > c.last || c.last > 300 || c.from.last - c.from.first != c.last - c.first ||
            c.from.first < 0 || c.from.last > 100 || c.from.page < firstPage || c.from.page > lastPage)
            return false;
    return true;
}
static_assert(AllFit(kSoleSharedCopies, 1, 6));
static_assert(AllFit(kSplitCopies, 8, 14));

// A Yes/No text of the short form and the box it tells about.
struct YesNoOf {
    int yesNo;
    int box;
};

// Page 15: the boxes of line 29 and the deviation boxes, each as just
// copied from page 6.
constexpr YesNoOf kSoleSharedBoxTexts[] = {
    {218, 217}, {219, 245}, {223, 222}, {224, 246}, {226, 225}, {227, 247}, {229, 228},
    {230, 248}, {234, 233}, {235, 249}, {239, 238}, {240, 99},  {242, 241}, {243, 101},
};

struct AnswerSlot {
    int page, slot;
};

// The short form's box for one child care calculation option, ticked when
// either parent's option box is, and its two Yes/No texts.
struct OptionBox {
    int box;
    int yesNo[2];
};
constexpr OptionBox kOptionBoxes[] = {{191, {192, 193}}, {194, {195, 196}}, {202, {203, 204}}};

// "$low / $interpolated / $high" of one line 17 lookup.
struct LookupSummary {
    int slot;
    double TAnswer::*low;
    double TAnswer::*interpolated;
    double TAnswer::*high;
};
constexpr LookupSummary kSoleSharedLookups[] = {
    {173, &TAnswer::SupportLow, &TAnswer::SupportInterpolated, &TAnswer::SupportHigh},
};
constexpr LookupSummary kSplitLookups[] = {
    {173, &TAnswer::SupportLow, &TAnswer::SupportInterpolated, &TAnswer::SupportHigh},
    {174, &TAnswer::SupportLow2, &TAnswer::SupportInterpolated2, &TAnswer::SupportHigh2},
};

// What the decree table reads.
struct DecreeInputs {
    AnswerSlot supportI;     // annual support, health insurance provided
    AnswerSlot supportII;    // annual support, not provided
    AnswerSlot cashMedical;  // annual cash medical support
    AnswerSlot rate;         // processing charge rate, a fraction
    AnswerSlot flatFee;      // flat processing fee per month
};

// Everything a builder needs to know about its worksheet.
struct ShortForm {
    int page;
    AnswerSlot fatherName, motherName;
    std::span<const ShortCopy> copies;
    std::span<const YesNoOf> boxTexts;
    std::span<const LookupSummary> lookups;
    AnswerSlot limitBox;
    AnswerSlot options[3][2];  // option boxes 1-3: the father's and the mother's
    double TAnswer::*dadFederalCredit;
    double TAnswer::*dadOhioCredit;
    double TAnswer::*momFederalCredit;
    double TAnswer::*momOhioCredit;
    DecreeInputs decree;
};

const ShortForm kSoleSharedForm{
    15,
    {1, 50}, {1, 51},
    kSoleSharedCopies,
    kSoleSharedBoxTexts,
    kSoleSharedLookups,
    {3, 51},
    {{{3, 25}, {3, 55}}, {{3, 26}, {3, 56}}, {{3, 31}, {3, 57}}},
    &TAnswer::SoleDadFedChildCredit, &TAnswer::SoleDadOhioChildCredit,
    &TAnswer::SoleMomFedChildCredit, &TAnswer::SoleMomOhioChildCredit,
    {{6, 23}, {15, 96}, {6, 46}, {6, 27}, {6, 28}},
};

const ShortForm kSplitForm{
    16,
    {8, 50}, {8, 51},
    kSplitCopies,
    {},
    kSplitLookups,
    {10, 51},
    {{{11, 15}, {11, 51}}, {{11, 16}, {11, 52}}, {{11, 21}, {11, 53}}},
    &TAnswer::SplitDadFedChildCredit, &TAnswer::SplitDadOhioChildCredit,
    &TAnswer::SplitMomFedChildCredit, &TAnswer::SplitMomOhioChildCredit,
    {{14, 24}, {14, 25}, {14, 8}, {14, 4}, {14, 5}},
};

const char* YesNo(bool ticked) { return ticked ? "Yes" : "No"; }
bool Ticked(const TAnswer& a, AnswerSlot s) { return a.Ticked(s.page, s.slot); }
const std::string& TextOf(const TAnswer& a, AnswerSlot s) { return a.Text(s.page, s.slot); }

// ---- Caption, copies and derived texts ----------------------------------------

void Caption(TAnswer& a, const ShortForm& f) {
    const std::string& father = TextOf(a, f.fatherName);
    const std::string& mother = TextOf(a, f.motherName);
    a.SetText(f.page, 0, CaseCaption(father, mother));
    a.SetText(f.page, 154, LongDateOfToday());
}

// Copies in table order; the Yes/No text of a copied box follows its copy.
void CopyAnswers(TAnswer& a, const ShortForm& f) {
    for (const ShortCopy& copy : f.copies) {
        for (int i = 0; i <= copy.last - copy.first; ++i) {
            const int from = copy.from.first + i;
            if (copy.flag) a.SetOvRide(f.page, copy.first + i, a.OvRide(copy.from.page, from));
            a.SetText(f.page, copy.first + i, a.Text(copy.from.page, from));
        }
        for (const YesNoOf& text : f.boxTexts)
            if (text.box >= copy.first && text.box <= copy.last)
                a.SetText(f.page, text.yesNo, YesNo(a.Ticked(f.page, text.box)));
    }
}

std::string LookupText(const TAnswer& a, const LookupSummary& s) {
    std::string text = "$";
    text += WholeMoneyText(a.*s.low);
    text += " / $";
    text += WholeMoneyText(a.*s.interpolated);
    text += " / $";
    text += WholeMoneyText(a.*s.high);
    return text;
}

// The texts made from calculation slots and TAnswer fields only, which no
// copy writes or reads.
void DerivedTexts(TAnswer& a, const ShortForm& f) {
    for (const LookupSummary& lookup : f.lookups) a.SetText(f.page, lookup.slot, LookupText(a, lookup));
    const char* limit = Ticked(a, f.limitBox) ? "Limit>$150T" : "No Limit";
    a.SetText(f.page, 175, limit);
    a.SetText(f.page, 176, limit);
    // An option box is only ever ticked here; the user clears it on screen.
    for (int i = 0; i < 3; ++i) {
        const OptionBox& option = kOptionBoxes[i];
        if (Ticked(a, f.options[i][0]) || Ticked(a, f.options[i][1])) a.SetText(f.page, option.box, "X");
        for (int yesNo : option.yesNo) a.SetText(f.page, yesNo, YesNo(a.Ticked(f.page, option.box)));
    }
    a.SetText(f.page, 215, MoneyText(a.*f.dadFederalCredit + a.*f.dadOhioCredit));
    a.SetText(f.page, 216, MoneyText(a.*f.momFederalCredit + a.*f.momOhioCredit));
}

// ---- Decree table -------------------------------------------------------------

// One row of a column: support, cash medical support, processing charge and
// their total, per week or month, per child or for all children.
struct DecreeRow {
    int support, cashMedical, charge, total;
    int periodsPerYear;
    bool perChild;
};

// Column I: health insurance provided.  Column II: not provided.
constexpr DecreeRow kColumnI[] = {
    {129, 269, 130, 131, 52, true},
    {132, 270, 133, 134, 52, false},
    {135, 271, 136, 137, 12, true},
    {138, 272, 139, 140, 12, false},
};
constexpr DecreeRow kColumnII[] = {
    {141, 273, 142, 143, 52, true},
    {144, 274, 145, 146, 52, false},
    {147, 275, 148, 149, 12, true},
    {150, 276, 151, 152, 12, false},
};

// The annual processing charge on `base`.  When both a rate and a flat fee
// are entered the flat fee is used, as on the worksheet's processing
// charge lines.
double AnnualCharge(const TAnswer& a, const DecreeInputs& in, double base) {
    const double flatFee = Str2Float_P(TextOf(a, in.flatFee));
    if (flatFee != 0) return flatFee * 12;
    if (Str2Float_2(TextOf(a, in.rate)) > 0) return Str2Float_P(TextOf(a, in.rate)) * base;
    return 0;
}

// The number of children the per-child rows divide by.  An entry of 0 is
// reported and the rows are divided by 1; the entry itself is left as it
// is, so the number shown is the number the worksheet was worked out for
// (the window asks for at least 1 before it calculates).
int DecreeChildren(const TAnswer& a, int page, int slot) {
    const int children = Str2Int(a.Text(page, slot));
    if (children != 0) return children;
    ErrorMessage(9999);
    return 1;
}

// Writes one column.  Column I has no cash medical support (health
// insurance is provided): its cash medical slots stay empty.  Column II
// always shows its cash medical amounts, whatever their sign.  Each total
// adds the three amounts as just written.
template <size_t N>
void DecreeColumn(TAnswer& a, int page, const DecreeRow (&rows)[N], double support,
                  std::optional<double> cashMedical, double charge, int children) {
    for (const DecreeRow& row : rows) {
        const double divisor = row.periodsPerYear * (row.perChild ? children : 1);
        a.SetText(page, row.support, MoneyText(support / divisor));
        a.SetText(page, row.cashMedical, cashMedical ? MoneyText(*cashMedical / divisor) : std::string());
        a.SetText(page, row.charge, MoneyText(charge / divisor));
        double total = 0;
        for (int slot : {row.support, row.cashMedical, row.charge}) total += Str2Float_2(a.Text(page, slot));
        a.SetText(page, row.total, MoneyText(total));
    }
}

}  // namespace

bool IsDecreeChildrenSlot(int page, int slot) {
    return (page == 15 && slot == 2) || (page == 16 && (slot == 4 || slot == 5));
}

namespace {

void DecreeTable(TAnswer& a, const ShortForm& f, int childrenSlot) {
    const int children = DecreeChildren(a, f.page, childrenSlot);
    const DecreeInputs& in = f.decree;
    const double supportI = Str2Float_2(TextOf(a, in.supportI));
    const double supportII = Str2Float_2(TextOf(a, in.supportII));
    const double cashMedical = Str2Float_2(TextOf(a, in.cashMedical));
    DecreeColumn(a, f.page, kColumnI, supportI, std::nullopt, AnnualCharge(a, in, supportI), children);
    DecreeColumn(a, f.page, kColumnII, supportII, cashMedical, AnnualCharge(a, in, supportII + cashMedical),
                 children);
}

void FileAndVersion(TAnswer& a, int page) {
    a.SetText(page, 153, FileNameOnly(a.Environment().currentFileName));
    a.SetText(page, 199, kVersionText);
}

// ---- Page 15 only ----------------------------------------------------------------

// The Ohio credit subtracted by option box 4 of the long screen (0:238 the
// father's, 0:255 the mother's).
void SoleSharedOhioCredits(TAnswer& a) {
    const bool father = a.Ticked(0, 238);
    const bool mother = a.Ticked(0, 255);
    a.SetText(15, 126, father || mother ? "X" : "");
    a.SetText(15, 127, father ? MoneyText(a.SoleDadOhioChildCredit) : std::string());
    a.SetText(15, 128, mother ? MoneyText(a.SoleMomOhioChildCredit) : std::string());
}

}  // namespace

void Calc15(TAnswer& a) {
    const ShortForm& f = kSoleSharedForm;
    Caption(a, f);
    a.SetText(15, 189, "");
    a.SetText(15, 190, "");
    CopyAnswers(a, f);
    DerivedTexts(a, f);
    a.SetText(15, 244, a.Ticked(1, 4) || a.Ticked(1, 5) ? "X" : "");
    SoleSharedOhioCredits(a);
    DecreeTable(a, f, 2);
    FileAndVersion(a, f.page);
}

void Calc16(TAnswer& a) {
    const ShortForm& f = kSplitForm;
    Caption(a, f);
    CopyAnswers(a, f);
    DerivedTexts(a, f);
    a.SetText(16, 127, MoneyText(a.SplitDadOhioChildCredit));
    a.SetText(16, 128, MoneyText(a.SplitMomOhioChildCredit));
    // The father pays for the children living with the mother (16:4), the
    // mother for those living with the father (16:5).
    DecreeTable(a, f, a.SplitObligor == 1 ? 4 : 5);
    FileAndVersion(a, f.page);
}

}  // namespace quill10
