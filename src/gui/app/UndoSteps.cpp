#include "app/UndoSteps.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGraphicsColorizeEffect>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPropertyAnimation>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QUndoView>
#include <QVBoxLayout>

#include "app/TfrmMain.h"
#include "scheduler/TfrmScheduler.h"

#include <utility>
#include "calc/Conversions.h"
#include "calc/Headlines.h"
#include "screen/ControlBinding.h"
#include "store/Answers.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

constexpr int kHighlightMilliseconds = 1600;
constexpr int kStatusMilliseconds = 10000;

}  // namespace

CaseStep::CaseStep(TfrmMain& main, const QString& name, std::vector<SlotChange> changes, GridChange grid, int page,
                   QString field, std::function<void(bool)> also)
    : main_(main),
      changes_(std::move(changes)),
      grid_(std::move(grid)),
      page_(page),
      field_(std::move(field)),
      also_(std::move(also)) {
    setText(name);
}

void CaseStep::undo() { main_.ReplayStep(*this, true); }

void CaseStep::redo() {
    if (done_) {  // the change itself has just been made
        done_ = false;
        return;
    }
    main_.ReplayStep(*this, false);
}

std::size_t CaseStep::Bytes() const {
    std::size_t bytes = sizeof(*this) + BytesOf(changes_) + static_cast<std::size_t>(text().capacity()) * 2 +
                        static_cast<std::size_t>(field_.capacity()) * 2;
    for (const auto* rows : {&grid_.before, &grid_.after})
        for (const SchedulerRow& row : *rows)
            for (const std::string& cell : row) bytes += sizeof(cell) + (cell.size() > 15 ? cell.capacity() : 0);
    return bytes;
}

// ---- The main window's side ----

void TfrmMain::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuUndo_ = undoStack_->createUndoAction(this, QStringLiteral("&Undo"));
    mnuUndo_->setObjectName(QStringLiteral("mnuUndo"));
    mnuUndo_->setShortcut(QKeySequence::Undo);
    mnuRedo_ = undoStack_->createRedoAction(this, QStringLiteral("&Redo"));
    mnuRedo_->setObjectName(QStringLiteral("mnuRedo"));
    mnuRedo_->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    for (QAction* action : {mnuUndo_, mnuRedo_}) {
        action->setShortcutContext(Qt::ApplicationShortcut);  // the scheduler window's changes too
        edit->addAction(action);
    }
    edit->addSeparator();
    QAction* history = edit->addAction(QStringLiteral("Undo &History..."));
    history->setObjectName(QStringLiteral("mnuUndoHistory"));
    connect(history, &QAction::triggered, this, &TfrmMain::UndoHistoryClick);
    connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) { SetModified(!clean); });
}

void TfrmMain::UndoHistoryClick() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmUndoHistory"));
    dialog.setWindowTitle(QStringLiteral("Undo History"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QUndoView(undoStack_, &dialog);
    view->setObjectName(QStringLiteral("lstUndoHistory"));
    view->setAccessibleName(QStringLiteral("Steps since the case was opened"));
    view->setEmptyLabel(QStringLiteral("<the case as opened>"));
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    view->setItemDelegate(new HistoryDelegate(*undoStack_, view));
    dialog.resize(480, 360);
    prompts_->RunDialog(dialog);
    OpenScheduleAtPendingRow();
}

void TfrmMain::ShowScheduleRow(std::size_t row) {
    if (onTableReplaced) return onTableReplaced(row);
    const bool queued = pendingScheduleRow_.has_value();
    pendingScheduleRow_ = row;
    if (!queued) QTimer::singleShot(0, this, [this] { OpenScheduleAtPendingRow(); });
}

void TfrmMain::OpenScheduleAtPendingRow() {
    if (!pendingScheduleRow_ || QApplication::activeModalWidget()) return;
    const std::size_t row = *std::exchange(pendingScheduleRow_, std::nullopt);
    TfrmScheduler scheduler(*this);
    scheduler.SelectRow(std::min(row, grid_.rows.size() - 1));
    scheduler.exec();
    SelectTreeItemOfPage(currentPage_);
}

HistoryDelegate::HistoryDelegate(const QUndoStack& stack, QObject* parent) : QStyledItemDelegate(parent), stack_(stack) {}

QStyleOptionViewItem HistoryDelegate::OptionFor(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initStyleOption(&option, index);
    return option;
}

// Row 0 is the case as opened and row r the state after step r: the rows
// past the stack's index are steps undone.
void HistoryDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.row() <= stack_.index()) return;
    option->font.setItalic(true);
    option->palette.setColor(QPalette::Text, option->palette.color(QPalette::Disabled, QPalette::Text));
    option->text = QStringLiteral("Undone: ") + option->text;
}

void TfrmMain::StartNewHistory() {
    undoStack_->clear();
    undoStack_->setClean();
    baseline_.reset();  // taken once the case is shown and worked out
}

void TfrmMain::MarkSaved() {
    undoStack_->setClean();
    ResetBaseline();
}

void TfrmMain::ResetBaseline() {
    if (!answers_) return baseline_.reset();
    baseline_ = std::make_unique<AnswersSnapshot>(*answers_);
    gridBaseline_ = grid_;
}

// A step is measured from the case as the last step (or opening, or saving)
// left it, so figures a field only passed through worked out again belong
// to the next step and undoing it puts the case back exactly.
bool TfrmMain::RecordStep(const std::function<QString()>& name, const std::function<bool()>& change,
                          const QString& field, const std::function<void(bool)>& also) {
    if (replaying_ || recording_ || !answers_) return change();
    if (!baseline_) ResetBaseline();
    recording_ = true;
    const int page = currentPage_;
    const bool result = change();
    recording_ = false;
    if (!answers_) {
        baseline_.reset();
        return result;
    }
    std::vector<SlotChange> changes = baseline_->ChangesTo(*answers_);
    GridChange grid = ChangeBetween(gridBaseline_, grid_);
    if (changes.empty() && grid.Empty() && !also) return result;
    // A change that names no step (a field only passed through, a dialog
    // cancelled, the scheduler closed) changed only figures worked out again:
    // they go with the next step.
    const QString text = name();
    if (text.isEmpty()) return result;
    // A change that left an unchanged case unchanged (an entry the program
    // made) can be undone but asks for no save.
    const bool stillClean = undoStack_->isClean() && !modified_;
    undoStack_->push(new CaseStep(*this, text, std::move(changes), std::move(grid), page, field, also));
    if (stillClean) undoStack_->setClean();
    ResetBaseline();
    return result;
}

void TfrmMain::ReplayStep(const CaseStep& step, bool undo) {
    replaying_ = true;
    // A change of the scheduler's table alone is shown in the scheduler, not
    // on the worksheet it was made from.
    const bool tableOnly = step.Changes().empty() && !step.Grid().Empty();
    if (!tableOnly && IsScreenPage(step.Page()) && step.Page() != currentPage_) {
        ShowStartScreen(false);
        DisplayPage(step.Page() * 100);
    }
    // The step keeps every slot the change and its recalculation wrote, so
    // putting them back is the case exactly as it was, figures and all: it
    // is shown, not worked out again (a recalculation would tidy what the
    // case held when it was saved).
    RefillShowingChanges([&] {
        ApplyChanges(*answers_, step.Changes(), undo);
        ApplyGridChange(grid_, step.Grid(), undo);
        step.Also(undo);
    });
    if (!step.Grid().Empty()) ShowScheduleRow(step.Grid().first);
    if (QWidget* field = step.Field().isEmpty() ? nullptr : FindField(step.Field())) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    }
    replaying_ = false;
    ResetBaseline();
    UpdateMenuItems();
}

QString TfrmMain::StepName(QWidget* control, const QString& before, const QString& after) const {
    const QString place = control->property("Place").toString();
    QString what = place;
    if (auto* box = qobject_cast<QCheckBox*>(control)) {
        if (what.isEmpty()) what = box->text().isEmpty() ? box->objectName() : box->text();
        return QStringLiteral("%1 %2").arg(box->isChecked() ? QStringLiteral("Tick") : QStringLiteral("Untick"), what);
    }
    if (what.isEmpty()) what = control->objectName();
    return QStringLiteral("%1: %2 \u2192 %3")
        .arg(what, before.isEmpty() ? QStringLiteral("(empty)") : before, after.isEmpty() ? QStringLiteral("(empty)") : after);
}

// ---- What a change did ----

void TfrmMain::RefillShowingChanges(const std::function<void()>& change) {
    const auto computed = ComputedFieldTexts();
    const QString headline = HeadlineOfPage();
    change();
    FillPage();
    HighlightChangedFields(computed);
    ReportHeadlineChange(headline);
}

std::vector<std::pair<QLineEdit*, QString>> TfrmMain::ComputedFieldTexts() const {
    std::vector<std::pair<QLineEdit*, QString>> texts;
    for (QLineEdit* edit : pnlMainForm_->findChildren<QLineEdit*>())
        if (edit->isReadOnly()) texts.emplace_back(edit, edit->text());
    return texts;
}

void TfrmMain::HighlightChangedFields(const std::vector<std::pair<QLineEdit*, QString>>& before) {
    for (const auto& [edit, text] : before) {
        if (edit->text() == text) continue;
        edit->setProperty("JustChanged", true);
        auto* effect = new QGraphicsColorizeEffect(edit);
        effect->setColor(QColor(255, 200, 0));
        edit->setGraphicsEffect(effect);
        auto* fade = new QPropertyAnimation(effect, "strength", effect);
        fade->setDuration(kHighlightMilliseconds);
        fade->setStartValue(0.8);
        fade->setEndValue(0.0);
        connect(fade, &QPropertyAnimation::finished, edit, [edit] {
            edit->setGraphicsEffect(nullptr);
            edit->setProperty("JustChanged", false);
        });
        fade->start();
    }
}

HeadlineFigures TfrmMain::HeadlinesOfPage() const {
    return IsSplitScreenPage(currentPage_) ? SplitHeadlines(*answers_) : SoleSharedHeadlines(*answers_);
}

QString TfrmMain::HeadlineOfPage() const {
    return answers_ && IsScreenPage(currentPage_) ? Q(HeadlinesOfPage().support) : QString();
}

// A change of the support schedule that came with this recalculation is
// said first, so the move of the headline is read with its cause.
void TfrmMain::ReportHeadlineChange(const QString& before) {
    const QString news = std::exchange(settingsNews_, QString());
    const QString now = HeadlineOfPage();
    if (before.isEmpty() || now.isEmpty() || now == before) return;
    auto plain = [](QString figure) { return figure.remove(QLatin1Char('$')); };
    const QString move = QStringLiteral("%1: %2 \u2192 %3")
                             .arg(IsSplitScreenPage(currentPage_) ? QStringLiteral("Line 26") : QStringLiteral("Line 28"),
                                  plain(before), plain(now));
    statusBar()->showMessage(news.isEmpty() ? move : news + QStringLiteral(" ") + move, kStatusMilliseconds);
}

}  // namespace quill10::gui
