#pragma once
// Options > Support Schedule...: which support schedule line 17 is taken
// from, installing an office's official schedule and going back to the one
// installed with the program.
//
// TfrmSupportSchedule shows the schedule in use with the commands;
// TfrmInstallSchedule shows what was read from the chosen file beside the
// table check's verdict and asks for the schedule's name and effective
// date; only its "Install" changes anything.
#include <QDialog>

#include "calc/ScheduleImport.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quill10::gui {

class TfrmMain;

class TfrmInstallSchedule : public QDialog {
    Q_OBJECT

public:
    TfrmInstallSchedule(const QString& file, const ScheduleReading& reading, QWidget* parent = nullptr);
    QString ScheduleName() const;
    QString Effective() const;  // YYYY-MM-DD
    void accept() override;

private:
    QLineEdit* edtScheduleName_ = nullptr;
    QLineEdit* edtEffective_ = nullptr;
    QLabel* lblProblem_ = nullptr;
};

class TfrmSupportSchedule : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSupportSchedule(TfrmMain& main);
    void InstallClick();
    void UseInstalledClick();

private:
    void Refresh();

    TfrmMain& main_;
    QLabel* lblInUse_ = nullptr;
    QPushButton* btnUseInstalled_ = nullptr;
};

}  // namespace quill10::gui
