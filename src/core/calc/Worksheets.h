#pragma once
// The worksheet steps, run by TAnswer::Calculate in this fixed order.
namespace quill10 {

class CalcRun;
class TAnswer;

// Sole residential / shared parenting worksheet, calculation pages 1 to 6.
void Calc1(CalcRun& run);  // caption, lines 1 and 2
void Calc2(CalcRun& run);  // lines 3 to 14
void Calc3(CalcRun& run);  // line 14 household, 14b, lines 15 to 19
void Calc4(CalcRun& run);  // lines 20 to 23
void Calc5(CalcRun& run);  // lines 24 to 27a
void Calc6(CalcRun& run);  // lines 27b to 31

// Split parental worksheet, calculation pages 8 to 14.
void Calc8(CalcRun& run);   // caption, lines 1 and 2
void Calc9(CalcRun& run);   // lines 3 to 14a
void Calc10(CalcRun& run);  // lines 14 to 18
void Calc11(CalcRun& run);  // lines 19 to 21
void Calc12(CalcRun& run);  // lines 22 and 23
void Calc13(CalcRun& run);  // lines 24 and 25
void Calc14(CalcRun& run);  // lines 26 to 29

// Short forms, rebuilt from the calculation pages.
void Calc15(TAnswer& answers);  // sole/shared short form, page 15
void Calc16(TAnswer& answers);  // split short form, page 16

// The short forms' numbers of children that their decree tables divide by
// (15:2, and the split form's children with each parent, 16:4 and 16:5);
// each must be at least 1.
bool IsDecreeChildrenSlot(int page, int slot);

// The printed-page copies: pages 1-6 to 18-23 and 8-14 to 25-31.
void CopySoleSharedPrintedPages(TAnswer& answers);
void CopySplitPrintedPages(TAnswer& answers);

// A case whose calculation could not be completed (its support schedule
// cannot be read) keeps no figure of an earlier calculation: every slot the
// worksheets compute is emptied, unless the user overrode it, on the
// calculation pages, their printed copies, the short forms and the long
// screens.  The entries stay.
void ClearComputedFigures(TAnswer& answers);

// Sums of the income entries that decide whether a worksheet is blank.
double SoleSharedIncomeTotal(const TAnswer& answers);
double SplitIncomeTotal(const TAnswer& answers);

}  // namespace quill10
