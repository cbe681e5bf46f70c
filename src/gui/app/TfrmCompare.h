#pragma once
// "Compare Scenarios": the open case and up to five other client files side
// by side, one column per case, the lines that decide the order down the
// left.  A value that differs from the first column is highlighted and shows
// its difference.  A column can be made the open case; the table can be
// saved as CSV or printed.
#include <QDialog>

#include "scenarios/ScenarioComparison.h"

class QTableWidget;

namespace quill10::gui {

class UserPrompts;

class TfrmCompare : public QDialog {
    Q_OBJECT

public:
    TfrmCompare(ScenarioComparison comparison, UserPrompts& prompts, QWidget* parent = nullptr);

    const ScenarioComparison& Comparison() const { return comparison_; }
    QTableWidget* Table() const { return table_; }
    // The file the user chose to open ("" until then).
    QString FileToOpen() const { return fileToOpen_; }

    void OpenSelectedColumn();
    bool SaveCsv(const QString& path);
    void Print();

private:
    void Fill();
    ScenarioComparison comparison_;
    UserPrompts& prompts_;
    QTableWidget* table_ = nullptr;
    QString fileToOpen_;
};

}  // namespace quill10::gui
