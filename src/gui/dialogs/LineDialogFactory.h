#pragma once
// The line dialog a worksheet button opens, chosen by its dialog code.
#include <memory>

#include "dialogs/DialogSupport.h"

namespace quill10::gui {

// The dialog of `context.code`, or null for a code that opens none.
std::unique_ptr<TLineDialog> CreateLineDialog(const DialogContext& context, QWidget* parent);

}  // namespace quill10::gui
