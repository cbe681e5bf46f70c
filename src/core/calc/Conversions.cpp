// Transfers between the screen pages and the calculation pages.
#include "calc/Conversions.h"

#include "store/Answers.h"

namespace quill10 {

void SoleLongToCalc(TAnswer&) {}
void SoleCalcToLong(TAnswer&) {}
void SplitLongToCalc(TAnswer&) {}
void SplitCalcToLong(TAnswer&) {}
void SoleShortToCalc(TAnswer&) {}
void SplitShortToCalc(TAnswer&) {}
void TransferScreenToCalc(TAnswer&, int) {}
void TransferCalcToScreen(TAnswer&, int) {}

}  // namespace quill10
