#pragma once
// What the application sets up around the main window: numbered errors in
// a warning box, the regional settings of the system locale.
#include <string>
#include <tuple>
#include <vector>

#include "store/Misc.h"

namespace quill10::gui {

// Gathers the numbered errors raised while it lives (one recalculation) and
// hands each distinct one on once when it ends, so an entry the calculation
// reads six times shows one message, not six.  Batches do not nest: an inner
// one leaves the gathering to the outer.
class ErrorBatch {
public:
    ErrorBatch();
    ~ErrorBatch();
    ErrorBatch(const ErrorBatch&) = delete;
    ErrorBatch& operator=(const ErrorBatch&) = delete;

private:
    bool outermost_;
    ErrorHandler previous_;
    std::vector<std::tuple<int, std::string, std::string>> errors_;
};

// Numbered errors beep and show their catalogue text in a warning box with
// OK and Cancel (the button pressed is ignored).
void InstallErrorBoxes();

// Decimal and thousands separators and the short date format of the
// system's locale, for the parsers and formatters.
void UseSystemRegionalSettings();

}  // namespace quill10::gui
