// The settings file is shared with the other windows and quill10-cli: each
// change is made in the file at once, under its lock, and every window
// takes what the others changed before it calculates and when it comes to
// the front, so two windows never compute one case with two schedules.
#include <QApplication>
#include <QLineEdit>
#include <QStatusBar>

#include "app/RecoveryKeeper.h"
#include "app/TfrmMain.h"
#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "screen/PageLayout.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// "Ohio schedule 2024, effective 1/1/2024", or the installed schedule.
QString ScheduleTitle(const OfficeSchedule& schedule) {
    if (schedule.file.empty()) return QStringLiteral("the schedule installed with QUILL10");
    QString title = Q(schedule.name);
    if (const std::optional<Date> effective = ParseIsoDate(schedule.effective))
        title += QStringLiteral(", effective ") + Q(FormatShortDate(*effective));
    return title;
}

}  // namespace

bool TfrmMain::ChangeSettings(const std::function<void(Settings&)>& change, const QString& what) {
    change(settings_);
    Settings written;
    std::string error;
    const bool saved = UpdateSettingsFile(
        settingsFile_, settingsDefaults_,
        [&change](Settings& settings) {
            change(settings);
            return std::string();
        },
        written, error);
    if (!saved) {
        prompts_->Warn(QStringLiteral("The %1 could not be kept in the settings file: %2\nThe change holds in this "
                                      "window until it is closed.")
                           .arg(what, Q(error)));
        return false;
    }
    // Another program may write between this write and the next look: the
    // next look reads the file once more.
    AdoptSettings(written, {});
    return true;
}

void TfrmMain::FollowSettings() {
    const FileIdentity now = IdentityOf(settingsFile_);
    if (now == settingsIdentity_) return;
    AdoptSettings(ReadSettingsNow(settingsFile_, settingsDefaults_), now);
}

void TfrmMain::AdoptSettings(Settings fresh, const FileIdentity& identity) {
    settingsIdentity_ = identity;
    // The zoom and font shrink are this window's own display.
    fresh.zoomFactor = settings_.zoomFactor;
    fresh.shrinkAmount = settings_.shrinkAmount;
    // A layout folder that lost its layouts stays replaced by the installed one.
    if (!MissingPageLayouts(Q(fresh.folders.vlp)).isEmpty()) fresh.folders.vlp = settings_.folders.vlp;
    const bool scheduleChanged = !(fresh.schedule == settings_.schedule);
    const bool recentChanged = fresh.recentFiles != settings_.recentFiles;
    const bool reachChanged = fresh.keyboardReachesComputed != settings_.keyboardReachesComputed;
    settings_ = std::move(fresh);
    environment_->clientFolder = settings_.folders.clientFiles;
    if (recovery_) recovery_->SetInterval(settings_.recoveryInterval);
    if (recentChanged) RefreshRecentFiles();
    if (reachChanged) ReachComputedFigures();
    if (!scheduleChanged) return;
    ApplySchedule();
    settingsNews_ =
        QStringLiteral("Support schedule changed to %1; figures recalculated.").arg(ScheduleTitle(settings_.schedule));
    statusBar()->showMessage(settingsNews_);
}

void TfrmMain::FollowSettingsAndRecalculate() {
    const OfficeSchedule before = settings_.schedule;
    FollowSettings();
    if (settings_.schedule == before || !caseShown_ || !IsScreenPage(currentPage_) || QApplication::activeModalWidget())
        return;
    // A field being typed in is recalculated when it is left.
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget()); edit && edit->isModified()) return;
    RecalculatePage();
    UpdateMenuItems();
}

}  // namespace quill10::gui
