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
#include <QListView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/CaseHistory.h"
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

CaseStep::CaseStep(const QString& name, SlotChanges changes, GridChange grid, int page, QString field,
                   std::function<void(bool)> also)
    : name_(name),
      changes_(std::move(changes)),
      grid_(std::move(grid)),
      page_(page),
      field_(std::move(field)),
      also_(std::move(also)) {}

void CaseStep::Apply(TAnswer& answers, SchedulerGrid& grid, bool undo) const {
    changes_.Apply(answers, undo);
    ApplyGridChange(grid, grid_, undo);
    if (also_) also_(undo);
}

std::size_t CaseStep::Bytes() const {
    std::size_t bytes = sizeof(*this) + changes_.HeapBytes() + static_cast<std::size_t>(name_.capacity()) * 2 +
                        static_cast<std::size_t>(field_.capacity()) * 2;
    for (const auto* rows : {&grid_.before, &grid_.after})
        for (const SchedulerRow& row : *rows)
            for (const std::string& cell : row) bytes += sizeof(cell) + (cell.size() > 15 ? cell.capacity() : 0);
    return bytes;
}

// ---- The main window's side ----

void TfrmMain::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuUndo_ = new QAction(QStringLiteral("&Undo"), this);
    mnuUndo_->setObjectName(QStringLiteral("mnuUndo"));
    mnuUndo_->setShortcut(QKeySequence::Undo);
    mnuRedo_ = new QAction(QStringLiteral("&Redo"), this);
    mnuRedo_->setObjectName(QStringLiteral("mnuRedo"));
    mnuRedo_->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    for (QAction* action : {mnuUndo_, mnuRedo_}) {
        action->setShortcutContext(Qt::ApplicationShortcut);  // the scheduler window's changes too
        edit->addAction(action);
    }
    connect(mnuUndo_, &QAction::triggered, this, [this] { MoveInHistory(history_->Index() - 1); });
    connect(mnuRedo_, &QAction::triggered, this, [this] { MoveInHistory(history_->Index() + 1); });
    edit->addSeparator();
    QAction* history = edit->addAction(QStringLiteral("Undo &History..."));
    history->setObjectName(QStringLiteral("mnuUndoHistory"));
    connect(history, &QAction::triggered, this, &TfrmMain::UndoHistoryClick);
    connect(history_, &CaseHistory::cleanChanged, this, [this](bool clean) { SetModified(!clean); });
    connect(history_, &CaseHistory::changed, this, &TfrmMain::ShowUndoCommands);
    ShowUndoCommands();
}

// The Undo and Redo items name the step they take back or make again.
void TfrmMain::ShowUndoCommands() {
    const struct {
        QAction* action;
        QString caption;
        QString step;
    } items[] = {{mnuUndo_, QStringLiteral("&Undo"), history_->UndoText()},
                 {mnuRedo_, QStringLiteral("&Redo"), history_->RedoText()}};
    for (const auto& item : items) {
        item.action->setText(item.step.isEmpty() ? item.caption : item.caption + QLatin1Char(' ') + item.step);
        item.action->setEnabled(!item.step.isEmpty());
    }
}

// The history, the case as opened first; choosing a line goes back (or
// forward) to the case as it stood after that step.
void TfrmMain::UndoHistoryClick() {
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("frmUndoHistory"));
    dialog.setWindowTitle(QStringLiteral("Undo History"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* view = new QListView(&dialog);
    view->setObjectName(QStringLiteral("lstUndoHistory"));
    view->setAccessibleName(QStringLiteral("Steps since the case was opened"));
    view->setModel(history_);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setUniformItemSizes(true);  // a long history lists at once
    const auto showMarker = [this, view] {
        const QModelIndex at = history_->index(history_->Index(), 0);
        if (view->currentIndex() != at) view->setCurrentIndex(at);
        view->scrollTo(at);
    };
    showMarker();
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, &dialog,
            [this](const QModelIndex& chosen) {
                if (chosen.isValid()) MoveInHistory(chosen.row());
            });
    connect(history_, &CaseHistory::changed, view, showMarker);
    layout->addWidget(view);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
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

void TfrmMain::StartNewHistory() {
    history_->Clear();
    baseline_.reset();  // taken once the case is shown and worked out
}

void TfrmMain::MarkSaved() {
    history_->SetClean();
    ResetBaseline();
    ForgetRecoveryCopy();
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
    SlotChanges changes = baseline_->ChangesTo(*answers_);
    GridChange grid = ChangeBetween(gridBaseline_, grid_);
    if (changes.Empty() && grid.Empty() && !also) return result;
    // A change that names no step (a field only passed through, a dialog
    // cancelled, the scheduler closed) changed only figures worked out again:
    // they go with the next step.
    const QString text = name();
    if (text.isEmpty()) return result;
    // A change that left an unchanged case unchanged (an entry the program
    // made) can be undone but asks for no save.
    const bool stillClean = history_->IsClean() && !modified_;
    history_->Push(std::make_unique<CaseStep>(text, std::move(changes), std::move(grid), page, field, also));
    if (stillClean) history_->SetClean();
    ResetBaseline();
    if (!stillClean) KeepRecoveryCopy();
    return result;
}

// Undo, Redo and a jump in the history alike: the steps in between are put
// back (or made again) one after the other, then the page is shown once, on
// the screen and at the field of the step the case now stands at.
void TfrmMain::MoveInHistory(int target) {
    target = std::clamp(target, 0, history_->Count());
    const int from = history_->Index();
    if (target == from || !answers_) return;
    const bool undo = target < from;
    const CaseStep& shown = history_->Step(undo ? target : target - 1);
    replaying_ = true;
    // A change of the scheduler's table alone is shown in the scheduler, not
    // on the worksheet it was made from.
    if (!shown.TableOnly() && IsScreenPage(shown.Page()) && shown.Page() != currentPage_) {
        ShowStartScreen(false);
        DisplayPage(shown.Page() * 100);
    }
    // The steps keep every slot the changes and their recalculations wrote,
    // so putting them back is the case exactly as it was, figures and all:
    // it is shown, not worked out again (a recalculation would tidy what the
    // case held when it was saved).
    RefillShowingChanges([&] {
        if (undo)
            for (int k = from - 1; k >= target; --k) history_->Step(k).Apply(*answers_, grid_, true);
        else
            for (int k = from; k < target; ++k) history_->Step(k).Apply(*answers_, grid_, false);
        history_->SetIndex(target);
    });
    if (!shown.Grid().Empty()) ShowScheduleRow(shown.Grid().first);
    else if (onTableReplaced) onTableReplaced(std::nullopt);  // steps jumped over may have changed the table
    if (QWidget* field = shown.Field().isEmpty() ? nullptr : FindField(shown.Field())) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    }
    replaying_ = false;
    ResetBaseline();
    UpdateMenuItems();
    // Back at the state saved, the case needs no recovery copy.
    if (modified_) KeepRecoveryCopy();
    else ForgetRecoveryCopy();
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
