// The printed-page copies: the annotated calculation pages are copied, text
// and override flag of slots 0 to 100, to the pages of the statutory
// version that is filed.
#include "calc/Worksheets.h"
#include "store/Answers.h"

namespace quill10 {

namespace {

struct PageCopy {
    int source;
    int target;
};
constexpr PageCopy kSoleSharedCopies[] = {{1, 18}, {2, 19}, {3, 20}, {4, 21}, {5, 22}, {6, 23}};
constexpr PageCopy kSplitCopies[] = {{8, 25}, {9, 26}, {10, 27}, {11, 28}, {12, 29}, {13, 30}, {14, 31}};
constexpr int kLastCopiedSlot = 100;

template <size_t N>
void CopyPages(TAnswer& answers, const PageCopy (&copies)[N]) {
    for (const PageCopy& copy : copies) answers.CopyPage(copy.source, copy.target, kLastCopiedSlot);
}

}  // namespace

void CopySoleSharedPrintedPages(TAnswer& answers) { CopyPages(answers, kSoleSharedCopies); }
void CopySplitPrintedPages(TAnswer& answers) { CopyPages(answers, kSplitCopies); }

}  // namespace quill10
