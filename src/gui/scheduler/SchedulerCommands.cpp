// The main window's scheduler commands: the support scheduler window (menu
// "S&upport Scheduler" and the tree item "Support Scheduler") and the two
// interest settings (Options menu).  Each window is modal and freed when it
// closes; a changed setting is written to the settings file at once.  A changed
// setting works the case's table out again at once, so the table, its
// printout and the scheduler never show figures of the old setting.
#include "app/TfrmMain.h"
#include "scheduler/Scheduler.h"
#include "scheduler/TfrmInterestSetting.h"
#include "scheduler/TfrmScheduler.h"
#include "store/Misc.h"

namespace quill10::gui {

// A changed interest setting works the table out again: the setting and the
// table's figures are one undoable step.
void TfrmMain::ChangeInterestSetting(QDialog& dialog, double Settings::*setting, const QString& what) {
    const double before = settings_.*setting;
    if (dialog.exec() != QDialog::Accepted) return;
    const double after = settings_.*setting;
    if (after == before) return;
    RecordStep(
        [&] {
            return QStringLiteral("%1: %2 \u2192 %3").arg(what, QString::fromStdString(GeneralNumberText(before)),
                                                      QString::fromStdString(GeneralNumberText(after)));
        },
        [&] {
            RefreshSchedule(grid_, InterestSettings{settings_.defaultInterestRate, settings_.interestThreshold});
            return true;
        },
        {}, [this, setting, before, after, what](bool undo) {
            const double value = undo ? before : after;
            ChangeSettings([setting, value](Settings& s) { s.*setting = value; }, what.toLower());
        });
    ChangeSettings([setting, after](Settings& s) { s.*setting = after; }, what.toLower());
}

void TfrmMain::SupportSchedulerClick() {
    FollowSettingsAndRecalculate();
    TfrmScheduler scheduler(*this);
    scheduler.exec();
    SelectTreeItemOfPage(currentPage_);  // the tree shows the worksheet on display again
}

void TfrmMain::InterestThresholdClick() {
    TfrmInterestThreshold dialog(settings_.interestThreshold, this);
    ChangeInterestSetting(dialog, &Settings::interestThreshold, QStringLiteral("Interest Threshold"));
}

void TfrmMain::DefaultInterestRateClick() {
    std::string problem;  // without the rates file the dialog names the built-in table's rates
    TfrmInterestRate dialog(settings_.defaultInterestRate, LoadInterestRates(settings_.folders.program, problem), this);
    ChangeInterestSetting(dialog, &Settings::defaultInterestRate, QStringLiteral("Default Interest Rate"));
}

}  // namespace quill10::gui
