// The main window's scheduler commands: the support scheduler window (menu
// "S&upport Scheduler" and the tree item "Support Scheduler") and the two
// interest settings (Options menu).  Each window is modal and freed when it
// closes; the settings are written to the settings file at exit.
#include "app/TfrmMain.h"
#include "scheduler/TfrmInterestSetting.h"
#include "scheduler/TfrmScheduler.h"

namespace quill10::gui {

void TfrmMain::SupportSchedulerClick() {
    TfrmScheduler scheduler(*this);
    scheduler.exec();
}

void TfrmMain::InterestThresholdClick() {
    TfrmInterestThreshold dialog(settings_.interestThreshold, this);
    dialog.exec();
}

void TfrmMain::DefaultInterestRateClick() {
    TfrmInterestRate dialog(settings_.defaultInterestRate, this);
    dialog.exec();
}

}  // namespace quill10::gui
