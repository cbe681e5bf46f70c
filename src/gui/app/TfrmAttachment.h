#pragma once
// The "Check Worksheet" window: recalculates the case in checking mode and
// shows the check report CheckWorksheet.txt.
#include <QDialog>

class QPlainTextEdit;

namespace quill10 {
class TAnswer;
}

namespace quill10::gui {

class TfrmAttachment : public QDialog {
    Q_OBJECT

public:
    // Runs the checking calculation on `answers` and loads the report; a
    // failure to calculate is shown in the window instead of the report.
    TfrmAttachment(TAnswer& answers, QWidget* parent = nullptr);
    QString ReportText() const;

private:
    QPlainTextEdit* memAttachment_ = nullptr;
};

}  // namespace quill10::gui
