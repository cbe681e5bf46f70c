// The main window's help: the Help menu, the pop-up menus' "Help", F1,
// the data-source explanation of a computed field, the instructional
// videos and the help window.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QUrl>

#include "app/ProgramLauncher.h"
#include "app/TfrmMain.h"
#include "app/TfrmWebAddress.h"
#include "files/Settings.h"
#include "calc/Conversions.h"
#include "help/DataSource.h"
#include "help/HelpTopics.h"
#include "screen/ControlBinding.h"
#include "screen/HelpWindow.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<int>(text.size())); }

}  // namespace

void TfrmMain::BuildHelpMenu(QMenu* help) {
    connect(AddAction(help, QStringLiteral("&Table Of Contents")), &QAction::triggered, this,
            [this] { ShowHelpPage(kHelpContentsPage); });
    connect(AddAction(help, QStringLiteral("&ODJFS Health Expenditure Table")), &QAction::triggered, this,
            [this] { ShowHelpPage(kHealthExpenditureTable); });
    QMenu* lines = help->addMenu(QStringLiteral("&Help On Specific Lines"));
    lines->setObjectName(QStringLiteral("mnuHelpOnSpecificLines"));
    for (const SpecificLineHelp& item : SpecificLineHelpItems()) {
        QAction* action = lines->addAction(QString::fromLatin1(item.caption));
        action->setData(item.topic);  // the item's Tag: its topic number
        connect(action, &QAction::triggered, this, [this, action] { SpecialHelp(action); });
    }
    QMenu* videos = help->addMenu(QStringLiteral("&Instructional Video"));
    videos->setObjectName(QStringLiteral("mnuInstructionalVideo"));
    AddVideoItems(videos);
}

void TfrmMain::AddVideoItems(QMenu* menu) {
    for (const InstructionalVideo& video : InstructionalVideos()) {
        const int tag = video.tag;
        connect(menu->addAction(QString::fromLatin1(video.caption)), &QAction::triggered, this,
                [this, tag] { PlayVideo(tag); });
    }
}

THelpWindow* TfrmMain::HelpWindow() const { return static_cast<THelpWindow*>(helpWindow_.data()); }

QString TfrmMain::HelpFolder() const {
    return QDir(Q(settings_.folders.program)).filePath(QStringLiteral("help"));
}

void TfrmMain::HelpSiteClick() {
    TfrmWebAddress dialog(QStringLiteral("Help Site"),
                          QStringLiteral("The address of your office's own help pages (for example "
                                         "https://help.example.org). Help pages then open there in the web browser. "
                                         "Leave it empty to use the help installed with QUILL10."),
                          QStringLiteral("help site"), Q(settings_.helpSite), this);
    if (prompts_->RunDialog(dialog) != QDialog::Accepted) return;
    const std::string site = dialog.Address().toStdString();
    ChangeSettings([&site](Settings& s) { s.helpSite = site; }, QStringLiteral("help site"));
}

void TfrmMain::AddressClick(const std::function<std::string&(Settings&)>& address, const QString& title,
                            const QString& what) {
    TfrmWebAddress dialog(title,
                          QStringLiteral("The web address of %1, where your office keeps it. Leave it empty to use "
                                         "the file installed in the help folder.")
                              .arg(what),
                          what, Q(address(settings_)), this);
    if (prompts_->RunDialog(dialog) != QDialog::Accepted) return;
    const std::string chosen = dialog.Address().toStdString();
    ChangeSettings([&](Settings& s) { address(s) = chosen; }, QStringLiteral("address of %1").arg(what));
}

// An address the settings give, when it is a web address the browser may be
// handed; otherwise nothing.
std::optional<QUrl> TfrmMain::WebAddress(const std::string& address) const {
    if (address.empty() || !WebAddressProblem("address", address).empty()) return std::nullopt;
    return QUrl(Q(address));
}

void TfrmMain::ShowHelpPage(std::string_view path, const QString& caseNote) {
    if (path == kHealthExpenditureTable)
        if (const std::optional<QUrl> table = WebAddress(settings_.expenditureTableAddress)) {
            launcher_->OpenUrl(*table);
            return;
        }
    // Only a web address is handed to the browser, whatever put the setting there.
    if (!settings_.helpSite.empty() && WebAddressProblem("help site", settings_.helpSite).empty()) {
        QString site = Q(settings_.helpSite);
        while (site.endsWith(QLatin1Char('/'))) site.chop(1);
        launcher_->OpenUrl(QUrl(site + Q(path)));
        return;
    }
    if (path.ends_with(".htm")) {
        if (!helpWindow_) {
            helpWindow_ = new THelpWindow(HelpFolder(), this);
            helpWindow_->setWindowFlag(Qt::Window);
        }
        HelpWindow()->ShowPage(Q(path), caseNote);
        helpWindow_->show();
        helpWindow_->raise();
        helpWindow_->activateWindow();
        return;
    }
    // A document of the help site (the health expenditure table).
    const QString file = Q(InstalledHelpFile(HelpFolder().toStdString(), path));
    if (!file.isEmpty() && QFile::exists(file)) {
        launcher_->OpenUrl(QUrl::fromLocalFile(file));
        return;
    }
    const QFileInfo where(file.isEmpty() ? Q(path) : file);
    prompts_->Inform(QStringLiteral("\"%1\" is not installed with QUILL10. Place it in \"%2\" to open it from the "
                                    "Help menu, or name your office's help site in the settings file.")
                         .arg(where.fileName(), QDir::toNativeSeparators(where.absolutePath())));
}

void TfrmMain::PlayVideo(int tag) {
    const InstructionalVideo* video = FindInstructionalVideo(tag);
    if (!video) return;
    const auto index = static_cast<size_t>(video - InstructionalVideos().data());
    if (const std::optional<QUrl> address = WebAddress(settings_.videoAddresses[index])) {
        launcher_->OpenUrl(*address);
        return;
    }
    const QString folder = QDir(HelpFolder()).filePath(QStringLiteral("quill10/videos"));
    const QString file = QDir(folder).filePath(QString::fromLatin1(video->fileName));
    if (QFile::exists(file)) {
        launcher_->OpenUrl(QUrl::fromLocalFile(file));
        return;
    }
    prompts_->Inform(QStringLiteral("The instructional video \"%1\" is not installed. Place %2 in \"%3\" to play it "
                                    "from the Help menu.")
                         .arg(QString::fromLatin1(video->caption), QString::fromLatin1(video->fileName),
                              QDir::toNativeSeparators(folder)));
}

void TfrmMain::DataSourceClick() {
    QWidget* focused = QApplication::focusWidget();
    const bool explained = qobject_cast<QLineEdit*>(focused) || qobject_cast<QLabel*>(focused) || IsComputedBox(focused);
    const int tag = explained ? TagOf(focused) : -1;
    if (!IsScreenPage(currentPage_)) return;
    prompts_->Inform(Q(DataSourceText(currentPage_, tag)));
}

void TfrmMain::HelpOnPopup(QWidget* component) {
    if (qobject_cast<QLineEdit*>(component) || qobject_cast<QAbstractButton*>(component))
        popupHelpContext_ = HelpContextOf(component);
}

void TfrmMain::SpecialHelp(QObject* sender) {
    QWidget* focused = QApplication::focusWidget();
    auto* item = qobject_cast<QAction*>(sender);
    const bool popupHelp = item && (item == popHelp_ || item == popButtonHelp_);
    int topic = 0;
    bool onFocusedLine = false;
    if (item && item->data().toInt() != 0) {
        topic = item->data().toInt();
    } else if (popupHelp && popupHelpContext_ != 0) {
        topic = popupHelpContext_;
        onFocusedLine = item == popHelp_;
    } else if (qobject_cast<QLineEdit*>(focused) || qobject_cast<QAbstractButton*>(focused)) {
        topic = HelpContextOf(focused);
        onFocusedLine = true;
    } else {
        return;
    }
    const std::string_view path = HelpTopicPath(topic);
    if (path.empty()) {
        prompts_->Inform(QString::fromLatin1(kNoHelpTopic));
        return;
    }
    ShowHelpPage(path, onFocusedLine ? CaseNoteFor(focused) : QString());
}

// "In the open case, Line 17, Column III shows 14,000.00." with the field's
// data-source explanation, for a bound field of the worksheet on screen.
QString TfrmMain::CaseNoteFor(QWidget* field) const {
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit || !pnlMainForm_->isAncestorOf(edit) || !IsScreenPage(currentPage_)) return {};
    const QString place = edit->property("Place").toString();
    if (place.isEmpty()) return {};
    const QString figure = edit->text().trimmed().isEmpty() ? QStringLiteral("nothing") : edit->text().trimmed();
    QString note = QStringLiteral("In the open case, <b>%1</b> shows <b>%2</b>.")
                       .arg(place.toHtmlEscaped(), figure.toHtmlEscaped());
    const std::string_view source = DataSourceText(currentPage_, TagOf(edit));
    if (!source.empty()) note += QStringLiteral("<br>Where it comes from: ") + Q(source).toHtmlEscaped();
    return note;
}

}  // namespace quill10::gui
