#pragma once
// Transfers between the four screen pages (0 sole/shared long, 7 split
// long, 15 sole/shared short, 16 split short) and the calculation pages
// (1-6 and 8-14), which number their slots differently.
#include <vector>

namespace quill10 {

class TAnswer;

// One screen slot a transfer table names: whether its answer moves to the
// calculation pages, comes back to the screen, and with its override flag.
// A screen layout binds every one of them.
struct ScreenSlotUse {
    int slot;
    bool toCalculation;
    bool toScreen;
    bool flagToCalculation;
    bool flagToScreen;
};
std::vector<ScreenSlotUse> ScreenSlotsOf(int screenPage);

void SoleLongToCalc(TAnswer& answers);   // page 0 to pages 1-6
void SoleCalcToLong(TAnswer& answers);   // pages 1-6 to page 0
void SplitLongToCalc(TAnswer& answers);  // page 7 to pages 8-14
void SplitCalcToLong(TAnswer& answers);  // pages 8-14 to page 7
void SoleShortToCalc(TAnswer& answers);  // page 15 to pages 1-6
void SplitShortToCalc(TAnswer& answers); // page 16 to pages 8-14

// The four worksheet screens: 0, 7, 15 and 16.
bool IsScreenPage(int page);
// The split worksheet's screens (long and short form).
bool IsSplitScreenPage(int page);

// The "before" and "after" transfers of a screen page: the transfer into
// the calculation pages, and the transfer (or short-form builder) back.
// Pages other than 0, 7, 15 and 16 have none.
void TransferScreenToCalc(TAnswer& answers, int screenPage);
void TransferCalcToScreen(TAnswer& answers, int screenPage);

}  // namespace quill10
