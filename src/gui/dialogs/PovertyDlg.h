#pragma once
// An information box with the federal poverty level that line 14b compares
// against, and 150 % of it.  It writes nothing.
#include "dialogs/DialogSupport.h"

namespace quill10::gui {

class TfrmPovertyDlg : public TLineDialog {
    Q_OBJECT

public:
    explicit TfrmPovertyDlg(QWidget* parent = nullptr);
};

}  // namespace quill10::gui
