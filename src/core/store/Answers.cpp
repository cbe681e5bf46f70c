#include "store/Answers.h"

#include <utility>


namespace quill10 {

namespace {

// The defaults of a new case (sub-list 0; override flags untouched).
struct DefaultAnswer {
    int page;
    int slot;
    const char* text;
};

constexpr DefaultAnswer kDefaults[] = {
    {1, 100, "0"},    // page shown on opening: the long sole/shared worksheet
    {1, 2, "1"},      // children subject to the order
    {1, 6, "X"},      // shared parenting order
    {1, 13, "1"},     // father's pay period for the income estimator
    {1, 14, "1"},     // mother's pay period
    {3, 6, "1"},      // persons in father's household (line 14)
    {3, 11, ""},      // line 17 Low
    {3, 12, "X"},     // line 17 Interpolate, the default method
    {3, 13, ""},      // line 17 High
    {3, 25, "X"},     // father's line 19 calculation option 1
    {3, 47, "1"},     // persons in mother's household (line 14)
    {3, 51, ""},      // line 17 limit above $150,000
    {4, 10, "X"},
    {4, 25, "X"},
    {6, 27, "0.02"},  // line 29 processing charge rate
    {8, 2, "2"},      // split: children subject to the order
    {8, 4, "1"},      // split: children living with the mother
    {8, 5, "1"},      // split: children living with the father
    {8, 16, "1"},     // split: father's pay period
    {8, 17, "1"},     // split: mother's pay period
    {10, 6, "1"},     // split: persons in father's household
    {10, 11, ""},     // split: line 17 Low
    {10, 12, "X"},    // split: line 17 Interpolate
    {10, 13, ""},     // split: line 17 High
    {10, 18, "1"},    // split: persons in mother's household
    {10, 51, ""},     // split: line 17 limit
    {11, 15, "X"},    // split: father's line 19 calculation option 1
    {11, 37, "X"},
    {11, 40, "X"},
    {14, 4, "0.02"},  // split: processing charge rate
};

const std::string& EmptyText() {
    static const std::string empty;
    return empty;
}

}  // namespace

int LastSlot(int page) {
    switch (page) {
        case 0: case 7: case 15: case 16: return 300;
        case 32: case 52: return 575;
        default: return 100;
    }
}

TAnswer::TAnswer(std::shared_ptr<CalcEnvironment> environment)
    : PAnsw(std::make_unique<RAnswer>()),
      ProgramName(kProgramName),
      environment_(std::move(environment)) {
    for (int page = 0; page < kPageCount; ++page) PAnsw->Page[page].resize(static_cast<size_t>(SlotCountOf(page)));
    SharedObligor = 0;
    WriteDefaults();
    CalcFlag = false;
}

TAnswer::~TAnswer() = default;

void TAnswer::WriteDefaults() {
    for (const DefaultAnswer& answer : kDefaults) SetText(answer.page, answer.slot, answer.text);
}

bool TAnswer::HasSlot(int page, int slot) const {
    return page >= 0 && page < kPageCount && slot >= 0 && slot <= LastSlot(page);
}

const std::string& TAnswer::Text(int page, int slot) const {
    if (!HasSlot(page, slot)) return EmptyText();
    return PAnsw->Page[page][slot].Text;
}

void TAnswer::SetText(int page, int slot, std::string text) {
    if (!HasSlot(page, slot)) return;
    PAnsw->Page[page][slot].Text = std::move(text);
    if (writeLog_) writeLog_->Note(page, slot);
}

void SlotWriteLog::Note(int page, int slot) {
    std::vector<bool>& written = written_[static_cast<size_t>(page)];
    if (written.empty()) written.resize(static_cast<size_t>(SlotCountOf(page)));
    written[static_cast<size_t>(slot)] = true;
}

bool SlotWriteLog::Written(int page, int slot) const {
    const std::vector<bool>& written = written_[static_cast<size_t>(page)];
    return static_cast<size_t>(slot) < written.size() && written[static_cast<size_t>(slot)];
}

bool TAnswer::OvRide(int page, int slot) const {
    return HasSlot(page, slot) && PAnsw->Page[page][slot].Obj.OvRide;
}

void TAnswer::SetOvRide(int page, int slot, bool overridden) {
    if (HasSlot(page, slot)) PAnsw->Page[page][slot].Obj.OvRide = overridden;
}

void TAnswer::CopyPage(int fromPage, int toPage, int lastSlot) {
    for (int slot = 0; slot <= lastSlot; ++slot) {
        if (!HasSlot(fromPage, slot) || !HasSlot(toPage, slot)) break;
        PAnsw->Page[toPage][slot] = PAnsw->Page[fromPage][slot];
    }
}

}  // namespace quill10
