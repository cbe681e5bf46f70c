// The split parental worksheet, calculation pages 8 to 14.
#include "calc/CalcRun.h"
#include "calc/Worksheets.h"

namespace quill10 {

void Calc8(CalcRun&) {}
void Calc9(CalcRun&) {}
void Calc10(CalcRun&) {}
void Calc11(CalcRun&) {}
void Calc12(CalcRun&) {}
void Calc13(CalcRun&) {}
void Calc14(CalcRun&) {}

}  // namespace quill10
