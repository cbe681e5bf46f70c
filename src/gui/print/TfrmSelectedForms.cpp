#include "print/TfrmSelectedForms.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "calc/Conversions.h"
#include "screen/Accessibility.h"

namespace quill10::gui {

namespace {
constexpr int kSoleSharedPages = 6;
constexpr int kSplitPages = 7;
}  // namespace

TfrmSelectedForms::TfrmSelectedForms(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSelectedForms"));
    setWindowTitle(QStringLiteral("Select A Form"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget;
    PageTabsByKeyboard(tabs_);
    tabs_->setObjectName(QStringLiteral("tabForms"));
    tabs_->addTab(BuildWorksheetTab(sole_, QStringLiteral("Sole/Shared Worksheet"), QStringLiteral("cbxSole"),
                                    kSoleSharedPages),
                  QStringLiteral("Sole/Shared"));
    tabs_->addTab(BuildWorksheetTab(split_, QStringLiteral("Split Worksheet"), QStringLiteral("cbxSplit"), kSplitPages),
                  QStringLiteral("Split"));
    auto* schedulerTab = new QWidget;
    auto* schedulerLayout = new QVBoxLayout(schedulerTab);
    scheduler_ = NewBox(QStringLiteral("cbxScheduler"), QStringLiteral("Support Scheduler"));
    connect(scheduler_, &QCheckBox::clicked, this, &TfrmSelectedForms::SchedulerClicked);
    schedulerLayout->addWidget(scheduler_);
    schedulerLayout->addStretch();
    tabs_->addTab(schedulerTab, QStringLiteral("Support Scheduler"));
    layout->addWidget(tabs_);

    auto* checkAll = new QAction(QStringLiteral("Check All - Testing Only"), tabs_);
    checkAll->setObjectName(QStringLiteral("mnuCheckAll"));
    checkAll->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    checkAll->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(checkAll, &QAction::triggered, this, &TfrmSelectedForms::CheckAllForTesting);
    tabs_->addAction(checkAll);
    tabs_->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("Ok"));
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* help = new QPushButton(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("btnHelp"));
    help->setAccessibleName(QStringLiteral("Help on printing"));
    help->setFixedWidth(help->sizeHint().height() + 8);
    connect(help, &QPushButton::clicked, this, [this] {
        if (helpRequested) helpRequested();
    });
    for (QPushButton* button : {ok, cancel, help}) buttons->addWidget(button);
    layout->addLayout(buttons);
}

QCheckBox* TfrmSelectedForms::NewBox(const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    return box;
}

QWidget* TfrmSelectedForms::BuildWorksheetTab(WorksheetTab& tab, const QString& worksheet, const QString& prefix,
                                              int pageCount) {
    auto* page = new QWidget;
    page->setAccessibleName(worksheet);
    auto* columns = new QHBoxLayout(page);
    const QString annotated = QStringLiteral("Annotated Office Version");
    const QString statutory = QStringLiteral("Statutory Version (for filing)");
    columns->addWidget(BuildPageGroup(tab.annotated, tab, annotated, worksheet + QStringLiteral(", ") + annotated,
                                      prefix + QStringLiteral("_A"), pageCount));
    columns->addWidget(BuildPageGroup(tab.statutory, tab, statutory, worksheet + QStringLiteral(", ") + statutory,
                                      prefix + QStringLiteral("_S"), pageCount));
    auto* lastColumn = new QVBoxLayout;
    lastColumn->addWidget(BuildSingleBoxGroup(tab.single, QStringLiteral("Short Form"),
                                              prefix + QStringLiteral("_Short"), QStringLiteral("Single Page"),
                                              worksheet + QStringLiteral(", Short Form: single page")));
    connect(tab.single, &QCheckBox::clicked, this, [this, &tab] { SingleClicked(tab); });
    lastColumn->addWidget(BuildSingleBoxGroup(tab.audit, QStringLiteral("Audit Appendix"),
                                              prefix + QStringLiteral("_Audit"), QStringLiteral("Audit Appendix"),
                                              worksheet + QStringLiteral(": audit appendix")));
    connect(tab.audit, &QCheckBox::clicked, this, &TfrmSelectedForms::AuditClicked);
    lastColumn->addStretch();
    columns->addLayout(lastColumn);
    return page;
}

QGroupBox* TfrmSelectedForms::BuildSingleBoxGroup(QCheckBox*& box, const QString& title, const QString& name,
                                                  const QString& caption, const QString& spoken) {
    auto* group = new QGroupBox(title);
    auto* layout = new QVBoxLayout(group);
    box = NewBox(name, caption);
    box->setAccessibleName(spoken);
    layout->addWidget(box);
    return group;
}

QGroupBox* TfrmSelectedForms::BuildPageGroup(GroupBoxes& group, WorksheetTab& tab, const QString& title,
                                             const QString& spoken, const QString& prefix, int pageCount) {
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    group.all = NewBox(prefix + QStringLiteral("_All"), QStringLiteral("All Pages"));
    // Both versions of both worksheets have the same boxes: a screen reader
    // says which worksheet and version each is of.
    group.all->setAccessibleName(spoken + QStringLiteral(": all pages"));
    connect(group.all, &QCheckBox::clicked, this, [this, &tab, &group](bool ticked) { AllClicked(tab, group, ticked); });
    layout->addWidget(group.all);
    for (int k = 1; k <= pageCount; ++k) {
        QCheckBox* page = NewBox(prefix + QStringLiteral("_%1").arg(k), QStringLiteral("Page %1").arg(k));
        page->setAccessibleName(spoken + QStringLiteral(": page %1").arg(k));
        connect(page, &QCheckBox::clicked, this, [this, &tab] { PageClicked(tab); });
        group.pages.push_back(page);
        layout->addWidget(page);
    }
    layout->addStretch();
    return box;
}

// A page box: the short form of its tab and the scheduler are cleared; the
// group's "All Pages" box keeps its state.
void TfrmSelectedForms::PageClicked(WorksheetTab& tab) {
    tab.single->setChecked(false);
    scheduler_->setChecked(false);
}

void TfrmSelectedForms::AllClicked(WorksheetTab& tab, GroupBoxes& group, bool ticked) {
    for (QCheckBox* page : group.pages) page->setChecked(ticked);
    if (!ticked) return;
    tab.single->setChecked(false);
    scheduler_->setChecked(false);
}

// "Single Page" keeps its new state and clears every page and "All Pages"
// box of its tab and the scheduler; the audit appendix goes with the short
// form as well as with the pages and keeps its state.
void TfrmSelectedForms::SingleClicked(WorksheetTab& tab) {
    for (QCheckBox* box : BoxesOf(tab))
        if (box != tab.single && box != tab.audit) box->setChecked(false);
    scheduler_->setChecked(false);
}

// The audit appendix keeps its new state and clears the scheduler, which is printed on its own.
void TfrmSelectedForms::AuditClicked() { scheduler_->setChecked(false); }

void TfrmSelectedForms::SchedulerClicked() {
    for (QCheckBox* box : WorksheetBoxes()) box->setChecked(false);
}

std::vector<QCheckBox*> TfrmSelectedForms::BoxesOf(const WorksheetTab& tab) {
    std::vector<QCheckBox*> boxes{tab.annotated.all, tab.statutory.all, tab.single, tab.audit};
    for (const GroupBoxes* group : {&tab.annotated, &tab.statutory})
        boxes.insert(boxes.end(), group->pages.begin(), group->pages.end());
    return boxes;
}

std::vector<QCheckBox*> TfrmSelectedForms::WorksheetBoxes() const {
    std::vector<QCheckBox*> boxes = BoxesOf(sole_);
    const std::vector<QCheckBox*> split = BoxesOf(split_);
    boxes.insert(boxes.end(), split.begin(), split.end());
    return boxes;
}

void TfrmSelectedForms::CheckAllForTesting() {
    for (QCheckBox* box : WorksheetBoxes()) box->setChecked(true);
}

void TfrmSelectedForms::ShowTabOf(int screenPage) {
    tabs_->setCurrentIndex(IsSplitScreenPage(screenPage) ? 1 : 0);
}

PrintSelection TfrmSelectedForms::Selection() const {
    // The groups in the order of assembly; a short form's only page is its "Single Page" box.
    const struct {
        const std::vector<QCheckBox*> pages;
        const QCheckBox* all;
    } groups[kPrintGroupCount] = {
        {sole_.annotated.pages, sole_.annotated.all}, {sole_.statutory.pages, sole_.statutory.all}, {{sole_.single}, nullptr},
        {split_.annotated.pages, split_.annotated.all}, {split_.statutory.pages, split_.statutory.all}, {{split_.single}, nullptr},
    };
    PrintSelection selection;
    for (size_t g = 0; g < kPrintGroupCount; ++g) {
        selection.groups[g].allPages = groups[g].all && groups[g].all->isChecked();
        for (size_t k = 0; k < groups[g].pages.size(); ++k) selection.groups[g].pages[k] = groups[g].pages[k]->isChecked();
    }
    selection.audit[kSoleSharedAudit] = sole_.audit->isChecked();
    selection.audit[kSplitAudit] = split_.audit->isChecked();
    selection.scheduler = scheduler_->isChecked();
    return selection;
}

}  // namespace quill10::gui
