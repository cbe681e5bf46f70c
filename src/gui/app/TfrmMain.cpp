// The main window's construction: ribbon, headline figures, menus, tree,
// page area; keyboard handling; start-up and the close sequence.
#include "app/TfrmMain.h"
#include "help/HelpTopics.h"

#include <QAction>
#include <functional>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/CaseHistory.h"
#include "app/FlowLayout.h"
#include "app/RecoveryKeeper.h"
#include "app/ProgramLauncher.h"
#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "calc/Headlines.h"
#include "dialogs/DialogSupport.h"
#include "screen/Accessibility.h"
#include "screen/ControlBinding.h"
#include "screen/PageLayout.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The four worksheet screens: display command Tag and tree caption.
struct ScreenPage {
    int page;
    int tag;
    const char* worksheet;
    const char* form;
};
constexpr ScreenPage kScreens[] = {
    {0, 0, "Sole/Shared Worksheet", "Long Form"},
    {15, 1500, "Sole/Shared Worksheet", "Short Form"},
    {7, 700, "Split Worksheet", "Long Form"},
    {16, 1600, "Split Worksheet", "Short Form"},
};

// The Default Locations items, Tag 0 to 6.
constexpr const char* kFolderCaptions[] = {"&Q10 files",      "WQ&7 files", "WQ&8 files", "&Template files",
                                           "&Send RTF files", "&VLP files", "&INI file"};

// The headline panels keep a fixed width, so no figure ever widens the
// window: a figure wider than "$999,999.99" is drawn in a smaller font,
// never cut short.
constexpr const char* kWidestHeadline = "$999,999.99";
constexpr int kHeadlinePoints = 16;

// A LibreOffice kept for Save as PDF is stopped after this long unused.
constexpr int kPdfIdleMilliseconds = 5 * 60 * 1000;

QFont HeadlineFont(int points) {
    QFont font = QApplication::font();
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

// `spoken` is the title as a screen reader says it before the figure.
QLabel* HeadlineFigure(QLayout* ribbon, const QString& title, const QString& spoken, const QString& name) {
    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("pnl") + name.mid(3));
    panel->setStyleSheet(QStringLiteral("QFrame { background: black; } QLabel { background: black; }"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    auto* figure = new QLabel(QStringLiteral("$0.00"));
    figure->setObjectName(name);
    figure->setProperty("Title", spoken);
    figure->setAccessibleName(spoken);
    figure->setAlignment(Qt::AlignCenter);
    figure->setStyleSheet(QStringLiteral("color: #ff2020;"));
    figure->setFont(HeadlineFont(kHeadlinePoints));
    const int width = QFontMetrics(figure->font()).horizontalAdvance(QString::fromLatin1(kWidestHeadline)) + 8;
    figure->setFixedWidth(width);
    auto* caption = new QLabel(title);
    caption->setStyleSheet(QStringLiteral("color: white;"));
    caption->setAlignment(Qt::AlignCenter);
    caption->setWordWrap(true);
    caption->setFixedWidth(width);
    layout->addWidget(caption);
    layout->addWidget(figure);
    ribbon->addWidget(panel);
    return figure;
}

// Shows a headline figure in full, in a smaller font when it does not fit;
// the figure is also kept as the label's "Figure" property.
void ShowHeadline(QLabel* label, const QString& figure) {
    label->setProperty("Figure", figure);
    label->setToolTip(figure);
    const QString title = label->property("Title").toString();
    label->setAccessibleName(figure.isEmpty() ? title : title + QStringLiteral(": ") + figure);
    int points = kHeadlinePoints;
    while (points > 7 && QFontMetrics(HeadlineFont(points)).horizontalAdvance(figure) > label->width() - 4) --points;
    label->setFont(HeadlineFont(points));
    label->setText(figure);
}

}  // namespace

QString WorksheetName(int page) {
    for (const ScreenPage& screen : kScreens)
        if (screen.page == page)
            return QStringLiteral("%1, %2").arg(QLatin1String(screen.worksheet), QLatin1String(screen.form));
    return {};
}

WindowPlacement PlacementForScreenWidth(int w) {
    struct Row {
        int below;
        int treeWidth, windowWidth;
        double zoom;
    };
    static constexpr Row kRows[] = {
        {1024, 0, 800, 0.9}, {1152, 0, 1024, 1.0},   {1176, 116, 1100, 1.0}, {1280, 140, 1100, 1.0},
        {1366, 244, 1280, 1.0}, {1400, 330, 1366, 1.0}, {1920, 364, 1400, 1.0}, {10000, 388, 1435, 1.0},
    };
    // The window fits and works from 800 pixels; only a narrower screen is
    // worth a message.
    constexpr int kNarrowestScreen = 800;
    for (const Row& row : kRows)
        if (w < row.below) return WindowPlacement{row.treeWidth, row.windowWidth, row.zoom, w < kNarrowestScreen};
    return WindowPlacement{-1, 800, -1, false};
}

TfrmMain::TfrmMain(const QString& programFolder, UserPrompts* prompts, QWidget* parent)
    : QMainWindow(parent), environment_(std::make_shared<CalcEnvironment>()) {
    NameListsByTheirAccessibleNames();
    setObjectName(QStringLiteral("frmMain"));
    if (!prompts) {
        ownPrompts_ = std::make_unique<DialogPrompts>(this);
        prompts = ownPrompts_.get();
    }
    prompts_ = prompts;
    launcher_ = std::make_unique<ProgramLauncher>();
    history_ = new CaseHistory(this);  // the steps since the case was opened, within a memory budget
    // The "?" buttons of the dialogs show their pages in this window's help.
    previousHelpOpener_ = SetHelpOpener([this](const QString& path) { ShowHelpPage(path.toStdString()); });

    // Start-up, part 1: defaults, folders, a new case, the settings file.
    settings_ = Settings{};
    UserFolders user{QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
                     QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString()};
    settings_.folders = DefaultFolders(programFolder.toStdString(), user);
    environment_->SetProgramFolder(settings_.folders.program);
    environment_->clientFolder = settings_.folders.clientFiles;
    environment_->refreshScreen = [this] {
        if (fillAfterCalculation_) return;
        if (IsScreenPage(currentPage_)) FillPage();
    };

    resize(500, 550);
    BuildRibbon();
    BuildTree();
    BuildMenus();
    BuildFieldPopup();
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) GiveMnemonics(menu);
    GiveMnemonics(fieldPopup_);

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlRibbon_);
    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(TreeView1_);
    pageStack_ = new QStackedWidget;
    VertScrollBox1_ = new QScrollArea;
    VertScrollBox1_->setObjectName(QStringLiteral("VertScrollBox1"));
    VertScrollBox1_->setWidgetResizable(false);
    VertScrollBox1_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    pnlMainForm_ = new QWidget;
    pnlMainForm_->setObjectName(QStringLiteral("pnlMainForm"));
    OutlineBoxesOnDarkPalette();
    pnlMainForm_->setStyleSheet(WorksheetStyleSheet());
    VertScrollBox1_->setWidget(pnlMainForm_);
    layClose_ = new QWidget;
    layClose_->setObjectName(QStringLiteral("layClose"));
    auto* startLayout = new QVBoxLayout(layClose_);
    const WorksheetColours colours = WorksheetColoursFor(palette());
    auto* maker = new QLabel(QStringLiteral("Velmora"));
    maker->setStyleSheet(QStringLiteral("font-size: 18pt; color: %1;").arg(colours.maker.name()));
    auto* product = new QLabel(QStringLiteral("QUILL10\nOhio Child Support Computation Worksheets"));
    product->setStyleSheet(
        QStringLiteral("font-size: 28pt; font-weight: bold; color: %1;").arg(colours.brand.name()));
    for (QLabel* label : {maker, product}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);  // the start screen never sets the window's width
    }
    startLayout->addStretch();
    startLayout->addWidget(maker);
    startLayout->addWidget(product);
    startLayout->addStretch();
    pageStack_->addWidget(VertScrollBox1_);
    pageStack_->addWidget(layClose_);
    splitter->addWidget(pageStack_);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    setCentralWidget(central);

    lblProblems_ = new QLabel(this);
    lblProblems_->setObjectName(QStringLiteral("lblProblems"));
    lblProblems_->setTextFormat(Qt::RichText);
    lblProblems_->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    connect(lblProblems_, &QLabel::linkActivated, this, [this] { CheckWorksheetClick(); });
    // The labels of the status bar stand on its right, each in a place of its
    // own; its messages (the headline's move, an entry refused) take the left,
    // so a message never hides a label nor is drawn over one.
    statusBar()->addPermanentWidget(lblProblems_);
    lblScheduleNotice_ = new QLabel(this);
    lblScheduleNotice_->setObjectName(QStringLiteral("lblScheduleNotice"));
    lblScheduleNotice_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; font-weight: bold; }")
                                          .arg(colours.notice.name(), colours.noticeText.name()));
    statusBar()->addPermanentWidget(lblScheduleNotice_);
    lblWordSearch_ = new QLabel(this);
    lblWordSearch_->setObjectName(QStringLiteral("lblWordSearch"));
    lblWordSearch_->hide();
    statusBar()->addPermanentWidget(lblWordSearch_);
    wordSearchTimer_ = new QTimer(this);
    connect(wordSearchTimer_, &QTimer::timeout, this, &TfrmMain::PollWordSearch);
    pdfIdle_ = new QTimer(this);
    pdfIdle_->setSingleShot(true);
    pdfIdle_->setInterval(kPdfIdleMilliseconds);
    connect(pdfIdle_, &QTimer::timeout, this, [this] {
        if (pdfConverter_) pdfConverter_->Stop();
    });

    CreateNewCase();
    settingsDefaults_ = settings_;
    settingsFile_ = SettingsFilePath(settings_);
    settingsIdentity_ = IdentityOf(settingsFile_);
    std::vector<std::string> problems;
    settings_ = ReadSettingsNow(settingsFile_, settingsDefaults_, &problems);
    for (const std::string& problem : problems) prompts_->Warn(Q(problem));
    ApplySchedule();
    FallBackToInstalledLayouts();
    ChooseWordProcessorAtStartUp();
    environment_->clientFolder = settings_.folders.clientFiles;
    StartRecoveryCopies();
    RefreshRecentFiles();
    qApp->installEventFilter(this);
    assistiveTechnology_ = QAccessible::isActive();
    QAccessible::installActivationObserver(this);
    UpdateMenuItems();
}

TfrmMain::~TfrmMain() {
    CancelWordSearch();
    QAccessible::removeActivationObserver(this);
    qApp->removeEventFilter(this);
    // The history's steps refer to this window: drop them while it is whole.
    history_->disconnect(this);
    delete history_;
    history_ = nullptr;
    SetHelpOpener(previousHelpOpener_);
}

void TfrmMain::FallBackToInstalledLayouts() {
    const QString configured = Q(settings_.folders.vlp);
    const QStringList missing = MissingPageLayouts(configured);
    if (missing.isEmpty()) return;
    const std::string installed = IncludeTrailingPathDelimiter(settings_.folders.program) + "VLP/";
    if (installed == settings_.folders.vlp) return;  // nothing to fall back on; showing a page reports it
    settings_.folders.vlp = installed;
    prompts_->Warn(QStringLiteral("The layout folder \"%1\" no longer holds the worksheet layouts (%2 missing). "
                                  "QUILL10 uses the installed layouts in \"%3\".")
                       .arg(QDir::toNativeSeparators(configured), missing.join(QStringLiteral(", ")),
                            QDir::toNativeSeparators(Q(installed))));
}

QAction* TfrmMain::AddAction(QMenu* menu, const QString& caption, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

void TfrmMain::BuildRibbon() {
    pnlRibbon_ = new QFrame;
    pnlRibbon_->setObjectName(QStringLiteral("pnlRibbon"));
    const WorksheetColours colours = WorksheetColoursFor(palette());
    pnlRibbon_->setStyleSheet(QStringLiteral("QFrame#pnlRibbon { background: %1; } QToolButton { color: %2; }")
                                  .arg(colours.ribbon.name(), colours.ribbonText.name()));
    auto* ribbon = new FlowLayout(pnlRibbon_);
    ribbon->setContentsMargins(6, 4, 6, 4);
    struct RibbonButton {
        const char* name;
        const char* caption;
        int help;
        std::function<void()> command;
        bool needsCase = false;         // disabled while no case is shown (after Close)
    };
    const RibbonButton buttons[] = {
        {"btnNew", "New", 1051, [this] { NewClick(); }},
        {"btnOpen", "Open", 1052, [this] { OpenClick(); }},
        {"btnSave", "Save", 1053, [this] { SaveClick(); }, true},
        {"btnSaveAs", "Save As", 1054, [this] { SaveAsClick(); }, true},
        {"btnPrint", "Print", 1055, [this] { QuickPrintClick(); }, true},
        {"btnCheck", "Check", 1056, [this] { CheckWorksheetClick(); }, true},
        {"btnClose", "Close", 1057, [this] { CloseClick(); }},
        {"btnExit", "Exit", 1050, [this] { close(); }},
    };
    for (const RibbonButton& b : buttons) {
        auto* button = new QToolButton;
        button->setObjectName(QString::fromLatin1(b.name));
        button->setText(QString::fromLatin1(b.caption));
        button->setProperty(kHelpProperty, b.help);
        button->setFocusPolicy(Qt::NoFocus);
        ribbon->addWidget(button);
        connect(button, &QToolButton::clicked, this, b.command);
        if (b.needsCase) caseCommands_.push_back(button);
    }
    cmbxOpenRecent_ = new QComboBox;
    cmbxOpenRecent_->setObjectName(QStringLiteral("cmbxOpenRecent"));
    cmbxOpenRecent_->setAccessibleName(QStringLiteral("Open a recent case"));
    cmbxOpenRecent_->setFixedWidth(180);  // a long file name never widens the ribbon
    cmbxOpenRecent_->setFocusPolicy(Qt::NoFocus);
    connect(cmbxOpenRecent_, qOverload<int>(&QComboBox::activated), this, [this](int index) { ReopenClick(index); });
    ribbon->addWidget(cmbxOpenRecent_);
    lblSupport_ = HeadlineFigure(ribbon, QStringLiteral("Annual Support (Ins.)"),
                                 QStringLiteral("Annual support, insurance provided"), QStringLiteral("lblSupport"));
    lblSupportNo_ = HeadlineFigure(ribbon, QStringLiteral("Annual Support (No Ins.)"),
                                   QStringLiteral("Annual support, insurance not provided"),
                                   QStringLiteral("lblSupportNo"));
    lblCashMedicalSupport_ = HeadlineFigure(ribbon, QStringLiteral("Cash Medical Support"),
                                            QStringLiteral("Cash medical support"),
                                            QStringLiteral("lblCashMedicalSupport"));
    spdbtnOverride_ = new QToolButton;
    spdbtnOverride_->setObjectName(QStringLiteral("spdbtnOverride"));
    spdbtnOverride_->setText(QStringLiteral("Override"));
    spdbtnCancelOverride_ = new QToolButton;
    spdbtnCancelOverride_->setObjectName(QStringLiteral("spdbtnCancelOverride"));
    spdbtnCancelOverride_->setText(QStringLiteral("Cancel Override"));
    // The two override buttons stand one above the other, so the ribbon
    // keeps to one row on common screens.
    auto* overrides = new QWidget;
    auto* stack = new QVBoxLayout(overrides);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    for (QToolButton* button : {spdbtnOverride_, spdbtnCancelOverride_}) {
        button->setProperty(kHelpProperty, 1058);
        button->setEnabled(false);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        connect(button, &QToolButton::clicked, this, &TfrmMain::OverrideClick);
        stack->addWidget(button);
    }
    ribbon->addWidget(overrides);
}

void TfrmMain::BuildTree() {
    TreeView1_ = new QTreeWidget;
    TreeView1_->setObjectName(QStringLiteral("TreeView1"));
    TreeView1_->setHeaderHidden(true);
    // Out of the Tab order of the worksheet; F6 goes to it and back.
    TreeView1_->setFocusPolicy(Qt::ClickFocus);
    TreeView1_->setAccessibleName(QStringLiteral("Worksheets, printing and the support scheduler"));
    // A screen reader hears each item with what it stands under (two items
    // read "Long Form"), and what Enter on it does.
    auto item = [](QTreeWidgetItem* parent, const QString& caption, const QString& spoken, const QString& does) {
        auto* added = new QTreeWidgetItem(parent, {caption});
        added->setData(0, Qt::AccessibleTextRole, spoken);
        added->setData(0, Qt::AccessibleDescriptionRole, does);
        return added;
    };
    auto* display = new QTreeWidgetItem(TreeView1_, {QStringLiteral("Display A Worksheet")});
    display->setData(0, Qt::AccessibleDescriptionRole,
                     QStringLiteral("The four worksheets, under it by worksheet and form."));
    QTreeWidgetItem* worksheet = nullptr;
    for (const ScreenPage& screen : kScreens) {
        const QString sheet = QLatin1String(screen.worksheet);
        if (!worksheet || worksheet->text(0) != sheet)
            worksheet = item(display, sheet, sheet,
                             QStringLiteral("Under Display A Worksheet; its long and short forms stand under it."));
        item(worksheet, QLatin1String(screen.form), WorksheetName(screen.page),
             QStringLiteral("Under Display A Worksheet, %1. Enter shows this worksheet.").arg(sheet))
            ->setData(0, Qt::UserRole, screen.tag);
    }
    auto* print = new QTreeWidgetItem(TreeView1_, {QStringLiteral("Preview/Print A Worksheet")});
    print->setData(0, Qt::AccessibleDescriptionRole, QStringLiteral("Enter opens Select A Form to print pages."));
    auto* scheduler = new QTreeWidgetItem(TreeView1_, {QStringLiteral("Support Scheduler")});
    scheduler->setData(0, Qt::AccessibleDescriptionRole, QStringLiteral("Enter opens the support scheduler."));
    // A click, or Enter on the item the keyboard is on.
    for (auto chosen : {&QTreeWidget::itemClicked, &QTreeWidget::itemActivated}) {
        connect(TreeView1_, chosen, this, [this, print, scheduler](QTreeWidgetItem* item) {
            if (item == scheduler) SupportSchedulerClick();
            if (item == print) PreviewPrintClick();
            const QVariant tag = item->data(0, Qt::UserRole);
            if (tag.isValid()) DisplayAPage(tag.toInt());
        });
    }
    TreeView1_->expandAll();
}

void TfrmMain::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    connect(AddAction(file, QStringLiteral("&New"), QKeySequence(QStringLiteral("Ctrl+N"))), &QAction::triggered, this, &TfrmMain::NewClick);
    connect(AddAction(file, QStringLiteral("&Open"), QKeySequence(QStringLiteral("Ctrl+O"))), &QAction::triggered, this, &TfrmMain::OpenClick);
    QMenu* recent = file->addMenu(QStringLiteral("Open &Recent"));
    recent->setToolTipsVisible(true);  // each entry's tool tip is its full path
    for (int k = 0; k < 9; ++k) {
        mnuRecent_[k] = recent->addAction(QString());
        mnuRecent_[k]->setVisible(false);
        connect(mnuRecent_[k], &QAction::triggered, this, [this, k] { ReopenClick(k); });
    }
    connect(AddAction(file, QStringLiteral("Open WQ&7 File")), &QAction::triggered, this, [this] { ImportClick(0); });
    connect(AddAction(file, QStringLiteral("Open WQ&8 Mac File")), &QAction::triggered, this, [this] { ImportClick(1); });
    connect(AddAction(file, QStringLiteral("&Close"), QKeySequence(QStringLiteral("Ctrl+W"))), &QAction::triggered, this, &TfrmMain::CloseClick);
    QAction* save = AddAction(file, QStringLiteral("&Save"), QKeySequence::Save);
    save->setObjectName(QStringLiteral("mnuSave"));
    connect(save, &QAction::triggered, this, [this] { SaveClick(); });
    // Ctrl+A stays "select all" in a field; Save As takes the platform's Ctrl+Shift+S.
    QAction* saveAs = AddAction(file, QStringLiteral("Save &As"), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    connect(saveAs, &QAction::triggered, this, [this] { SaveAsClick(); });
    QAction* saveScenario = AddAction(file, QStringLiteral("Save As Sc&enario..."));
    connect(saveScenario, &QAction::triggered, this, &TfrmMain::SaveAsScenarioClick);
    caseCommands_.push_back(save);
    caseCommands_.push_back(saveAs);
    caseCommands_.push_back(saveScenario);
    file->addSeparator();
    QAction* preview = AddAction(file, QStringLiteral("&Preview/Print"), QKeySequence(QStringLiteral("Ctrl+Alt+P")));
    connect(preview, &QAction::triggered, this, &TfrmMain::PreviewPrintClick);
    QAction* quickPrint = AddAction(file, QStringLiteral("Print &Form on Screen"), QKeySequence(QStringLiteral("Ctrl+P")));
    connect(quickPrint, &QAction::triggered, this, &TfrmMain::QuickPrintClick);
    QAction* pdf = AddAction(file, QStringLiteral("Save as P&DF..."));
    connect(pdf, &QAction::triggered, this, &TfrmMain::SaveAsPdfClick);
    for (QAction* command : {preview, quickPrint, pdf}) caseCommands_.push_back(command);
    QAction* verify = AddAction(file, QStringLiteral("&Verify a Filed PDF..."));
    verify->setObjectName(QStringLiteral("mnuVerifyPdf"));
    connect(verify, &QAction::triggered, this, &TfrmMain::VerifyFiledPdfClick);
    file->addSeparator();
    connect(AddAction(file, QStringLiteral("E&xit"), QKeySequence(QStringLiteral("Ctrl+Q"))), &QAction::triggered, this,
            &QWidget::close);

    BuildEditMenu();

    QMenu* display = menuBar()->addMenu(QStringLiteral("&Display"));
    QMenu* sole = display->addMenu(QStringLiteral("&Sole/Shared Worksheet"));
    connect(AddAction(sole, QStringLiteral("&Long")), &QAction::triggered, this, [this] { DisplayAPage(0); });
    connect(AddAction(sole, QStringLiteral("&Short")), &QAction::triggered, this, [this] { DisplayAPage(1500); });
    QMenu* split = display->addMenu(QStringLiteral("S&plit Worksheet"));
    connect(AddAction(split, QStringLiteral("&Long")), &QAction::triggered, this, [this] { DisplayAPage(700); });
    connect(AddAction(split, QStringLiteral("&Short")), &QAction::triggered, this, [this] { DisplayAPage(1600); });
    connect(AddAction(display, QStringLiteral("S&upport Scheduler")), &QAction::triggered, this,
            &TfrmMain::SupportSchedulerClick);
    QAction* compare = AddAction(display, QStringLiteral("&Compare Scenarios..."));
    connect(compare, &QAction::triggered, this, &TfrmMain::CompareScenariosClick);
    caseCommands_.push_back(compare);
    display->addSeparator();
    // On a small screen the tree can be hidden to give the worksheet the room.
    QAction* tree = AddAction(display, QStringLiteral("&Tree of Worksheets"));
    tree->setCheckable(true);
    tree->setChecked(true);
    tree->setObjectName(QStringLiteral("mnuShowTree"));
    connect(tree, &QAction::toggled, TreeView1_, &QWidget::setVisible);
    mnuShowTree_ = tree;

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOverride_ = AddAction(options, QStringLiteral("&Override"), QKeySequence(QStringLiteral("Ctrl+Alt+V")));
    mnuCancelOverride_ = AddAction(options, QStringLiteral("&Cancel Override"));
    mnuCancelOverride_->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+V")));
    // Both carry the same shortcut; only one of them is enabled at a time.
    for (QAction* action : {mnuOverride_, mnuCancelOverride_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, &TfrmMain::OverrideClick);
    }
    mnuAnnualizer_ = AddAction(options, QStringLiteral("&Annualizer"), QKeySequence(QStringLiteral("Ctrl+Alt+A")));
    mnuAnnualizer_->setObjectName(QStringLiteral("mnuAnnualizer"));
    connect(mnuAnnualizer_, &QAction::triggered, this, &TfrmMain::AnnualizerClick);
    caseCommands_.push_back(mnuAnnualizer_);
    mnuCalculator_ = AddAction(options, QStringLiteral("Ca&lculator"), QKeySequence(QStringLiteral("Ctrl+Alt+C")));
    connect(mnuCalculator_, &QAction::triggered, this, &TfrmMain::CalculatorClick);
    QAction* schedule = AddAction(options, QStringLiteral("Support &Schedule..."));
    schedule->setObjectName(QStringLiteral("mnuSupportSchedule"));
    connect(schedule, &QAction::triggered, this, &TfrmMain::SupportScheduleClick);
    QAction* check = AddAction(options, QStringLiteral("C&heck Worksheet"));
    connect(check, &QAction::triggered, this, &TfrmMain::CheckWorksheetClick);
    caseCommands_.push_back(check);
    connect(AddAction(options, QStringLiteral("Set &Interest Threshold...")), &QAction::triggered, this,
            &TfrmMain::InterestThresholdClick);
    connect(AddAction(options, QStringLiteral("Se&t Default Interest Rate...")), &QAction::triggered, this,
            &TfrmMain::DefaultInterestRateClick);
    QMenu* locations = options->addMenu(QStringLiteral("&Default Locations"));
    for (int tag = 0; tag < 7; ++tag)
        connect(AddAction(locations, QString::fromLatin1(kFolderCaptions[tag])), &QAction::triggered, this,
                [this, tag] { DefaultLocationClick(tag); });
    locations->addSeparator();
    QAction* helpSite = AddAction(locations, QStringLiteral("&Help Site..."));
    helpSite->setObjectName(QStringLiteral("mnuHelpSite"));
    connect(helpSite, &QAction::triggered, this, &TfrmMain::HelpSiteClick);
    QMenu* videos = locations->addMenu(QStringLiteral("Instructional Vi&deos"));
    for (size_t k = 0; k < InstructionalVideos().size(); ++k) {
        const QString caption = QString::fromLatin1(InstructionalVideos()[k].caption);
        QAction* video = AddAction(videos, caption + QStringLiteral("..."));
        video->setObjectName(QStringLiteral("mnuVideoAddress%1").arg(k));
        connect(video, &QAction::triggered, this, [this, k, caption] {
            AddressClick([k](Settings& s) -> std::string& { return s.videoAddresses[k]; },
                         QStringLiteral("Video: ") + caption,
                         QStringLiteral("the video \"%1\"").arg(caption));
        });
    }
    QAction* table = AddAction(locations, QStringLiteral("Cash Medical Support Ta&ble (ODJFS)..."));
    table->setObjectName(QStringLiteral("mnuTableAddress"));
    connect(table, &QAction::triggered, this, [this] {
        AddressClick([](Settings& s) -> std::string& { return s.expenditureTableAddress; },
                     QStringLiteral("Cash Medical Support Table"),
                     QStringLiteral("the cash medical support table"));
    });
    mnuForceWord_ = AddAction(options, QStringLiteral("Force &Word"));
    mnuForceWordPad_ = AddAction(options, QStringLiteral("Fo&rce WordPad"));
    for (QAction* force : {mnuForceWord_, mnuForceWordPad_}) force->setCheckable(true);
    // The ticks follow the settings: UpdateMenuItems sets them after each command.
    connect(mnuForceWord_, &QAction::triggered, this, &TfrmMain::ForceWordClick);
    connect(mnuForceWordPad_, &QAction::triggered, this, &TfrmMain::ForceWordPadClick);
    mnuFindWord_ = AddAction(options, QStringLiteral("Fi&nd Word"));
    connect(mnuFindWord_, &QAction::triggered, this, &TfrmMain::FindWordClick);
    connect(AddAction(options, QStringLiteral("Shrink &Font")), &QAction::triggered, this, &TfrmMain::ShowShrinkFontDialog);
    mnuReachComputed_ = AddAction(options, QStringLiteral("&Keyboard reaches computed figures"));
    mnuReachComputed_->setObjectName(QStringLiteral("mnuReachComputed"));
    mnuReachComputed_->setCheckable(true);
    connect(mnuReachComputed_, &QAction::triggered, this, [this](bool reach) {
        // The user's choice, kept in the settings file.
        ChangeSettings([reach](Settings& s) { s.keyboardReachesComputed = reach; },
                       QStringLiteral("keyboard option"));
        ReachComputedFigures();
    });
    AddRecoveryCommands(file, options);

    QMenu* window = menuBar()->addMenu(QStringLiteral("&Window"));
    connect(AddAction(window, QStringLiteral("&Minimize"), QKeySequence(QStringLiteral("Ctrl+M"))), &QAction::triggered, this, &QWidget::showMinimized);
    mnuZoom_ = AddAction(window, QStringLiteral("&Zoom..."));
    connect(mnuZoom_, &QAction::triggered, this, &TfrmMain::ShowZoomDialog);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    BuildHelpMenu(help);
    connect(AddAction(help, QStringLiteral("&About")), &QAction::triggered, this, &TfrmMain::ShowAbout);
}

// The field pop-up shows each command with its shortcut.  Commands the main
// menu also has are the menu's own actions; the others belong to the window,
// so their shortcuts work from inside a field with the pop-up closed.
void TfrmMain::BuildFieldPopup() {
    fieldPopup_ = new QMenu(this);
    fieldPopup_->addAction(mnuAnnualizer_);
    fieldPopup_->addAction(mnuCalculator_);
    popOverride_ = mnuOverride_;
    popCancelOverride_ = mnuCancelOverride_;
    fieldPopup_->addAction(popOverride_);
    fieldPopup_->addAction(popCancelOverride_);
    popDataSource_ = WindowAction(QStringLiteral("Data Source"), QKeySequence(QStringLiteral("Ctrl+Alt+D")));
    connect(popDataSource_, &QAction::triggered, this, &TfrmMain::DataSourceClick);
    fieldPopup_->addAction(popDataSource_);
    popHelp_ = fieldPopup_->addAction(QStringLiteral("Help"));
    connect(popHelp_, &QAction::triggered, this, [this] { SpecialHelp(popHelp_); });
    AddVideoItems(fieldPopup_->addMenu(QStringLiteral("Video")));
    // F1: the help topic of the focused field or button.
    connect(WindowAction(QStringLiteral("Help on the focused line"), QKeySequence::HelpContents), &QAction::triggered,
            this, [this] { SpecialHelp(nullptr); });
    buttonPopup_ = new QMenu(this);
    popButtonHelp_ = buttonPopup_->addAction(QStringLiteral("Help"));
    connect(popButtonHelp_, &QAction::triggered, this, [this] { SpecialHelp(popButtonHelp_); });
    connect(WindowAction(QStringLiteral("Tree of worksheets"), QKeySequence(Qt::Key_F6)), &QAction::triggered, this,
            &TfrmMain::ToggleTreeFocus);
    QAction* today = WindowAction(QStringLiteral("Insert Today"), QKeySequence(QStringLiteral("Ctrl+T")));
    today->setObjectName(QStringLiteral("popInsertToday"));
    connect(today, &QAction::triggered, this, &TfrmMain::InsertToday);
    fieldPopup_->addAction(today);
}

QAction* TfrmMain::WindowAction(const QString& caption, const QKeySequence& shortcut) {
    auto* action = new QAction(caption, this);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    return action;
}

void TfrmMain::UpdateMenuItems() {
    if (!answers_) return;
    ShowOpenCaseInRecentBox();
    if (!caseShown_) {
        for (QLabel* figure : {lblSupport_, lblSupportNo_, lblCashMedicalSupport_}) ShowHeadline(figure, QString());
    } else if (!scheduleFailure_.isEmpty()) {
        for (QLabel* figure : {lblSupport_, lblSupportNo_, lblCashMedicalSupport_}) {
            ShowHeadline(figure, QStringLiteral("Not computed"));
            figure->setToolTip(scheduleFailure_);
        }
    } else if (IsScreenPage(currentPage_)) {
        const HeadlineFigures figures = HeadlinesOfPage();
        ShowHeadline(lblSupport_, Q(figures.support));
        ShowHeadline(lblSupportNo_, Q(figures.supportNoIns));
        ShowHeadline(lblCashMedicalSupport_, Q(figures.cashMedical));
    }
    for (QObject* command : caseCommands_) {
        if (auto* action = qobject_cast<QAction*>(command)) action->setEnabled(caseShown_);
        else if (auto* widget = qobject_cast<QWidget*>(command)) widget->setEnabled(caseShown_);
    }
    QWidget* focused = QApplication::focusWidget();
    auto* edit = qobject_cast<QLineEdit*>(focused);
    const QString style = edit ? StyleOf(edit) : QString();
    if (edit) {
        popDataSource_->setVisible(style == kEditReadOnly || IsOverridableEditStyle(style));
        popHelp_->setVisible(HelpContextOf(edit) >= 1000);
    } else if (IsComputedBox(focused)) {
        popDataSource_->setVisible(true);
        popHelp_->setVisible(false);
    }
    SetOverrideCommands(caseShown_ && edit && style == kEditOverrideable, caseShown_ && edit && style == kEditOverridden);
    mnuZoom_->setEnabled(caseShown_ && currentPage_ != -1);
    mnuForceWord_->setChecked(settings_.forceWord);
    mnuForceWordPad_->setChecked(settings_.forceWordPad);
    mnuReachComputed_->setChecked(KeyboardReachesComputed());
    mnuFindWord_->setText(settings_.wordPath.empty() ? QStringLiteral("Fi&nd Word") : QStringLiteral("Fi&nd Word: FOUND"));
    ShowProblemCount();
    // "Smith.q10* - Split Worksheet, Long Form - QUILL10": the case, how it is
    // open, and the worksheet on display.
    const QString name = Q(FileNameOnly(CurrentFileName().toStdString()));
    QStringList title;
    if (!name.isEmpty())
        title << name + QStringLiteral("[*]") + (readOnly_ ? QStringLiteral(" (read-only)") : QString()) +
                     (casePdf_.isEmpty() ? QString() : QStringLiteral(" (from %1)").arg(QFileInfo(casePdf_).fileName()));
    if (caseShown_ && IsScreenPage(currentPage_)) title << WorksheetName(currentPage_);
    title << QStringLiteral("QUILL10");
    setWindowTitle(title.join(QStringLiteral(" - ")));
    setWindowModified(modified_);
    ShowCaseAccess();
}

// The ribbon's recent-file box names the case that is open, whatever the
// order of the list (nothing when the open case is not in it, or none is).
void TfrmMain::ShowOpenCaseInRecentBox() {
    int index = -1;
    const std::string& current = environment_->currentFileName;
    for (size_t k = 0; caseShown_ && k < settings_.recentFiles.size(); ++k)
        if (settings_.recentFiles[k] == current) index = static_cast<int>(k);
    const QSignalBlocker blocker(cmbxOpenRecent_);
    cmbxOpenRecent_->setCurrentIndex(index);
}

void TfrmMain::ShowProblemCount() {
    if (!caseShown_ || !IsScreenPage(currentPage_)) {
        lblProblems_->hide();
        return;
    }
    const int problems = IsSplitScreenPage(currentPage_) ? environment_->splitErrors : environment_->soleSharedErrors;
    if (problems == 0) {
        lblProblems_->setText(QStringLiteral("No problems found"));
        lblProblems_->setStyleSheet({});
    } else {
        lblProblems_->setText(QStringLiteral("<a href=\"check\">%1 problem%2 \u2014 Check for details</a>")
                                  .arg(problems)
                                  .arg(problems == 1 ? QString() : QStringLiteral("s")));
        const WorksheetColours colours = WorksheetColoursFor(palette());
        lblProblems_->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; font-weight: bold; padding: 0 6px; }")
                                        .arg(colours.notice.name(), colours.noticeText.name()));
    }
    lblProblems_->setToolTip(QStringLiteral("Inconsistent entries of the worksheet on screen, as Options > Check "
                                            "Worksheet lists them"));
    lblProblems_->show();
}

void TfrmMain::SetModified(bool modified) {
    modified_ = modified;
    setWindowModified(modified);
}

void TfrmMain::SetOverrideCommands(bool overrideEnabled, bool cancelEnabled) {
    for (QAction* action : {mnuOverride_, popOverride_}) action->setEnabled(overrideEnabled);
    for (QAction* action : {mnuCancelOverride_, popCancelOverride_}) action->setEnabled(cancelEnabled);
    spdbtnOverride_->setEnabled(overrideEnabled);
    spdbtnCancelOverride_->setEnabled(cancelEnabled);
}

QString TfrmMain::HeadlineSupport() const { return lblSupport_->property("Figure").toString(); }
QString TfrmMain::HeadlineSupportNoIns() const { return lblSupportNo_->property("Figure").toString(); }
QString TfrmMain::HeadlineCashMedical() const { return lblCashMedicalSupport_->property("Figure").toString(); }

// ---- Keyboard ----

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool onPage = !clearing_ && widget && pnlMainForm_->isAncestorOf(widget);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (widget && widget->window() == this && KeyPress(widget, static_cast<QKeyEvent*>(event))) return true;
            break;
        case QEvent::ShortcutOverride:
            // Ctrl+Z undoes the typing in an edit box first, as everywhere;
            // with nothing typed to undo it undoes the last change to the case.
            if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->isReadOnly()) {
                auto* key = static_cast<QKeyEvent*>(event);
                if ((key->matches(QKeySequence::Undo) && !edit->isUndoAvailable()) ||
                    (key->matches(QKeySequence::Redo) && !edit->isRedoAvailable())) {
                    event->ignore();
                    return true;
                }
            }
            break;
        case QEvent::FocusOut: {
            auto reason = static_cast<QFocusEvent*>(event)->reason();
            // The tree's current item is where its keyboard focus would be:
            // once the tree is left no item claims the focus beside the
            // control that has it (F6 starts on the worksheet on display).
            if (watched == TreeView1_)
                TreeView1_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
            // Opening a menu or another window does not leave the field.
            if (onPage && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) CalcOnExit(widget);
            break;
        }
        case QEvent::FocusIn:
            if (onPage && openCallout_ && widget != CalloutButton()) CloseCallouts();  // the line is left
            if (onPage) ScrollOnEnter(widget);
            break;
        case QEvent::MouseButtonPress:
            // A click anywhere but on the bubble or its own button closes it.
            if (openCallout_ && widget && widget != openCallout_ && !openCallout_->isAncestorOf(widget) &&
                widget != CalloutButton())
                CloseCallouts();
            break;
        case QEvent::MouseButtonDblClick:
            if (onPage && qobject_cast<QLineEdit*>(widget) &&
                widget->property("OverrideOnDoubleClick").toBool()) {
                widget->setFocus();
                OverrideClick();
                return true;
            }
            break;
        case QEvent::ContextMenu:
            if (onPage && (qobject_cast<QLineEdit*>(widget) || IsComputedBox(widget))) {
                widget->setFocus();
                UpdateMenuItems();
                HelpOnPopup(widget);
                // The keyboard's menu key opens it under the field.
                auto* menu = static_cast<QContextMenuEvent*>(event);
                fieldPopup_->exec(menu->reason() == QContextMenuEvent::Keyboard
                                      ? widget->mapToGlobal(QPoint(0, widget->height()))
                                      : menu->globalPos());
                return true;
            }
            // A button with a help topic (the ribbon's, a worksheet's): its pop-up offers "Help".
            if (qobject_cast<QAbstractButton*>(widget) && widget->window() == this && HelpContextOf(widget) != 0) {
                HelpOnPopup(widget);
                buttonPopup_->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
                return true;
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmMain::KeyPress(QWidget* receiver, QKeyEvent* key) {
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    // The keyboard reaches a box the calculation ticks, but never ticks it.
    if (IsComputedBox(receiver) && (key->key() == Qt::Key_Space || key->key() == Qt::Key_Select)) return true;
    QScrollBar* bar = VertScrollBox1_->verticalScrollBar();
    switch (key->key()) {
        case Qt::Key_Escape:
            if (!openCallout_) break;
            CloseCallouts();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter moves on like Tab in a field of the page.  An Enter the
            // tree passed on after showing a page is not one.
            if (pnlMainForm_->isAncestorOf(receiver)) {
                focusNextChild();
                return true;
            }
            return false;
        case Qt::Key_Home:
        case Qt::Key_End:
            if (!ctrl) break;
            bar->setValue(key->key() == Qt::Key_Home ? 0 : pnlMainForm_->height());
            return true;
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            if (ctrl) {
                DisplayNeighbourPage(key->key() == Qt::Key_PageDown ? 1 : -1);
                return true;
            }
            const int step = VertScrollBox1_->viewport()->height() / 2;
            bar->setValue(bar->value() + (key->key() == Qt::Key_PageUp ? -step : step));
            return true;
        }
        default:
            break;
    }
    // A key that changes a field's text marks the case modified.
    QWidget* focus = QApplication::focusWidget();
    if (focus && pnlMainForm_->isAncestorOf(focus) && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab &&
        (!key->text().isEmpty() || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Backspace) && !ctrl)
        SetModified(true);
    return false;
}

// ---- Start-up and close ----

void TfrmMain::DisplayNeighbourPage(int step) {
    const int count = static_cast<int>(std::size(kScreens));
    int at = 0;
    while (at < count && kScreens[at].page != currentPage_) ++at;
    if (at == count) return;
    DisplayAPage(kScreens[(at + step + count) % count].tag);
}

void TfrmMain::ToggleTreeFocus() {
    if (!TreeView1_->hasFocus()) {
        if (!TreeView1_->isVisible()) mnuShowTree_->setChecked(true);
        TreeView1_->setFocus(Qt::ShortcutFocusReason);
        // The keyboard starts on the worksheet on display.
        if (QTreeWidgetItem* shown = TreeView1_->selectedItems().value(0)) TreeView1_->setCurrentItem(shown);
    } else if (lastField_) {
        lastField_->setFocus(Qt::ShortcutFocusReason);
    } else {
        focusNextChild();
    }
}

void TfrmMain::StartUp(const QStringList& arguments, bool placeOnScreen) {
    if (placeOnScreen) PlaceOnScreen(QGuiApplication::primaryScreen()->availableGeometry());
    // A file named on the command line that cannot be read is reported; the
    // new case is shown in its place.
    if (!arguments.isEmpty() && arguments.first().toUpper() != QLatin1String("UNTITLED.Q10") &&
        LoadCaseFile(arguments.first(), 16050, false))
        AddToRecentFiles(arguments.first());
    RefreshRecentFiles();
    DisplayAPage(Str2Int(answers_->Text(1, 100)) * 100);
    UpdateMenuItems();
    OfferRecoveryCopies(false);
}

void TfrmMain::PlaceOnScreen(const QRect& screen) {
    const WindowPlacement placement = PlacementForScreenWidth(screen.width());
    if (placement.treeWidth >= 0) TreeView1_->setFixedWidth(placement.treeWidth);
    mnuShowTree_->setChecked(placement.treeWidth != 0);
    if (placement.zoom > 0) settings_.zoomFactor = placement.zoom;
    resize(std::min(placement.windowWidth, screen.width()), screen.height() - static_cast<int>(screen.height() * 0.075));
    move(screen.x() + std::max(0, (screen.width() - width()) / 2), screen.y());
    // The window is never minimised: with no taskbar it would vanish.
    if (placement.tooNarrow)
        ErrorMessageWithAdvice(11080, QStringLiteral("This screen is %1 pixels wide; QUILL10 needs at least 800. The "
                                                     "worksheet is shown all the same: scroll sideways, or use Window > "
                                                     "Zoom to make it smaller.")
                                          .arg(screen.width())
                                          .toStdString());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!CloseSequence()) {
        event->ignore();
        return;
    }
    event->accept();
}

bool TfrmMain::CloseSequence() {
    if (!Commit()) return false;
    if (!AskToSaveChanges()) return false;
    DropCaseLock();
    WriteSettingsAndCleanUp();
    return true;
}

// What this window changed went into the settings file as each change was
// made.  A settings folder chosen under Default Locations gets a copy of the
// window's settings, where a start-up from that folder finds them.
void TfrmMain::WriteSettingsAndCleanUp() {
    std::string error;
    if (!SameFile(SettingsFilePath(settings_), settingsFile_) && !WriteINI(settings_, error))
        prompts_->Warn(QStringLiteral("The settings could not be saved: ") + Q(error));
    for (const std::string& warning : DeleteTemps(settings_.folders.send, "send_temp*.rtf")) prompts_->Warn(Q(warning));
}

// The desktop's calculator: the first of the usual calculator programs that
// is installed.  When there is none, the user is told what was looked for.
void TfrmMain::CalculatorClick() {
    static const char* const kCalculators[] = {"gnome-calculator", "kcalc",        "galculator",
                                               "mate-calc",        "qalculate-gtk", "xcalc"};
    QStringList names;
    for (const char* program : kCalculators) {
        names << QString::fromLatin1(program);
        const QString path = QStandardPaths::findExecutable(names.last());
        if (!path.isEmpty() && launcher_->StartProgram(path, {}, {})) return;
    }
    prompts_->Warn(QStringLiteral("No calculator program was found. QUILL10 looked for %1.\n"
                                  "Install one of them (for example: apt-get install galculator) and try again.")
                       .arg(names.join(QStringLiteral(", "))));
}

void TfrmMain::SetLauncher(std::unique_ptr<ProgramLauncher> launcher) { launcher_ = std::move(launcher); }

void TfrmMain::ShowAbout() {
    QString schedule;
    try {
        schedule = Q(environment_->Table().Description());
    } catch (const std::exception& error) {
        schedule = QStringLiteral("Support schedule: ") + Q(error.what());
    }
    QMessageBox::about(this, QStringLiteral("About QUILL10"),
                       QStringLiteral("<b>QUILL10</b> version 10.14<br>Ohio child support computation worksheets"
                                      "<br>Velmora<p>%1</p>")
                           .arg(schedule.toHtmlEscaped()));
}

}  // namespace quill10::gui
