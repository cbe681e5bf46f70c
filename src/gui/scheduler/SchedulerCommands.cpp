// The main window's scheduler commands: the support scheduler window (menu
// "S&upport Scheduler" and the tree item "Support Scheduler") and the two
// interest settings (Options menu).  Each window is modal and freed when it
// closes; the settings are written to the settings file at exit.  A changed
// setting works the case's table out again at once, so the table, its
// printout and the scheduler never show figures of the old setting.
#include "app/TfrmMain.h"
#include "scheduler/Scheduler.h"
#include "scheduler/TfrmInterestSetting.h"
#include "scheduler/TfrmScheduler.h"

namespace quill10::gui {

namespace {

void RefreshAfter(QDialog& dialog, SchedulerGrid& table, const Settings& settings) {
    if (dialog.exec() == QDialog::Accepted)
        RefreshSchedule(table, InterestSettings{settings.defaultInterestRate, settings.interestThreshold});
}

}  // namespace

void TfrmMain::SupportSchedulerClick() {
    TfrmScheduler scheduler(*this);
    scheduler.exec();
}

void TfrmMain::InterestThresholdClick() {
    TfrmInterestThreshold dialog(settings_.interestThreshold, this);
    RefreshAfter(dialog, grid_, settings_);
}

void TfrmMain::DefaultInterestRateClick() {
    std::string problem;  // without the rates file the dialog names the built-in table's rates
    TfrmInterestRate dialog(settings_.defaultInterestRate, LoadInterestRates(settings_.folders.program, problem), this);
    RefreshAfter(dialog, grid_, settings_);
}

}  // namespace quill10::gui
