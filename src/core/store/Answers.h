#pragma once
// The answer store: every answer of every worksheet page, printed page and
// the support scheduler, kept as text with an override flag.
//
// Slot P:s is answer s (from 0) of page P.  A ticked box is "X", an empty
// answer "".  Numbers are kept in the form the screens show them and parsed
// again wherever they are used.
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace quill10 {

class CalcEnvironment;
class CheckReport;

inline constexpr int kPageCount = 60;
inline constexpr int kSubListCount = 40;
inline constexpr const char* kVersionText = "10.14";
inline constexpr double kVersionNumber = 10.14;
inline constexpr const char* kProgramName = "QUILL10";

// The last slot number of a page: 300 for the screen pages 0, 7, 15 and 16,
// 575 for the scheduler pages 32 and 52, 100 for every other page.
int LastSlot(int page);
inline int SlotCountOf(int page) { return LastSlot(page) + 1; }

struct TAObj {
    // Set when the user has typed over a value the calculation computes.
    bool OvRide = false;
};

struct AnswerItem {
    std::string Text;
    TAObj Obj;
};

using AnswerList = std::vector<AnswerItem>;

// Sub-list 0 of each page: the only one anything reads, writes or saves.
struct RAnswer {
    std::array<AnswerList, kPageCount> Page;
};
using PAnswer = RAnswer*;

// The slots written while it is attached to a store: the figures a
// calculation writes, told apart from the entries it only reads.
class SlotWriteLog {
public:
    void Note(int page, int slot);
    bool Written(int page, int slot) const;

private:
    std::array<std::vector<bool>, kPageCount> written_;
};

class TAnswer {
public:
    // Builds the whole store with its defaults.  The environment carries
    // what the calculation needs from outside the store (the current file
    // name, the folders, the support table, the screen refresh); the store
    // only holds it.
    explicit TAnswer(std::shared_ptr<CalcEnvironment> environment = nullptr);
    ~TAnswer();
    TAnswer(const TAnswer&) = delete;
    TAnswer& operator=(const TAnswer&) = delete;

    // ---- Slots ----
    // Reading a slot outside its page yields "" and writing one is ignored:
    // a layout file with a bad Tag must not bring the program down.
    bool HasSlot(int page, int slot) const;
    const std::string& Text(int page, int slot) const;
    void SetText(int page, int slot, std::string text);  // keeps the OvRide flag
    bool OvRide(int page, int slot) const;
    void SetOvRide(int page, int slot, bool overridden);
    bool Ticked(int page, int slot) const { return Text(page, slot) == "X"; }
    // While a log is attached every slot written is noted in it; null detaches.
    void RecordWrites(SlotWriteLog* log) { writeLog_ = log; }
    // Copies texts and OvRide flags of slots 0..lastSlot from one page to another.
    void CopyPage(int fromPage, int toPage, int lastSlot);
    AnswerList& List(int page) { return PAnsw->Page.at(static_cast<size_t>(page)); }
    const AnswerList& List(int page) const { return PAnsw->Page.at(static_cast<size_t>(page)); }

    // ---- Calculation ----
    void Calculate();
    double SupportLookUp(int children, int method, bool report, bool limit, bool soleWorksheet,
                         CheckReport& checkReport, double income);
    double TableLookUp(int children, bool report, bool limit, bool soleWorksheet, CheckReport& checkReport,
                       double income);
    double GetAnnualHealthExpenditures(double BeforeTaxIncome, int NoOfKids) const;
    double FigureChildCareCredit(bool father, int children, CheckReport& checkReport, int method,
                                 bool soleWorksheet, double qualifyingExpenses, double spouseEarnedIncome,
                                 double earnedIncome, double adjustedGrossIncome);

    // The environment of the store's calculations; a store made without one
    // gets one of its own when it is first asked for (the calculation makes it).
    CalcEnvironment& Environment();
    const CalcEnvironment& Environment() const;
    const std::shared_ptr<CalcEnvironment>& SharedEnvironment() const;

    // ---- Calculation state (not saved) ----
    bool CalcFlag = false;
    bool ErrFlag = false;
    int SoleObligor = -1;    // 1 father pays, 2 mother pays, 3 shared parenting, -1 none
    int SplitObligor = -1;   // 1 father pays, 2 mother pays
    int SharedObligor = 0;   // shared parenting obligor: 0 none, 1 father, 2 mother
    double SoleDadChildCredit = 0, SoleDadFedChildCredit = 0, SoleDadOhioChildCredit = 0;
    double SoleMomChildCredit = 0, SoleMomFedChildCredit = 0, SoleMomOhioChildCredit = 0;
    double SplitDadChildCredit = 0, SplitDadFedChildCredit = 0, SplitDadOhioChildCredit = 0;
    double SplitMomChildCredit = 0, SplitMomFedChildCredit = 0, SplitMomOhioChildCredit = 0;
    double DadFederalTaxLiability = 0;
    double MomFederalTaxLiability = 0;
    // The last line 17 lookups: the sole/shared worksheet's (or the split
    // worksheet's children living with the mother) and the split
    // worksheet's children living with the father.  Read by the short forms.
    double SupportLow = 0, SupportInterpolated = 0, SupportHigh = 0;
    double SupportLow2 = 0, SupportInterpolated2 = 0, SupportHigh2 = 0;

    std::unique_ptr<RAnswer> PAnsw;
    std::string ProgramName;
    double VersionNo = kVersionNumber;

private:
    void WriteDefaults();
    mutable std::shared_ptr<CalcEnvironment> environment_;
    SlotWriteLog* writeLog_ = nullptr;
};

}  // namespace quill10
