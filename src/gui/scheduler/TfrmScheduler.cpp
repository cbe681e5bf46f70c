#include "scheduler/TfrmScheduler.h"
#include "dialogs/DialogSupport.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFocusEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "app/TfrmMain.h"
#include "app/UserPrompts.h"
#include "platform/FileAccess.h"
#include "platform/SafeSave.h"
#include "print/TemplateFiller.h"
#include "scheduler/ScheduleCsv.h"
#include "scheduler/ScheduleDates.h"
#include "scheduler/ScheduleView.h"
#include "print/SendSched.h"
#include "scheduler/TfrmArrearsFiller.h"
#include "scheduler/YearlySummary.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string Std(const QString& text) { return text.toStdString(); }

constexpr int kMostHeight = 850;
constexpr std::uintmax_t kCsvLimit = 64 * kMegabyte;
const QString kCsvFilter = QStringLiteral("CSV Files (*.csv)");

// The panel's fields: name, label, placeholder.
struct PanelField {
    const char* name;
    const char* label;
    const char* placeholder;
};
constexpr PanelField kPanelFields[] = {
    {"edtDate", "Date (M/D/YYYY)", "M/D/YYYY"}, {"edtDescription", "Description", ""},
    {"edtAmountDue", "Amount Due", ""},         {"edtAmountPaid", "Amount Paid", ""},
    {"edtRate", "Interest Rate", ""},
};

// The buttons: name, caption, and the operation.
struct Command {
    const char* name;
    const char* caption;
    void (TfrmScheduler::*run)();
};
constexpr Command kNavigation[] = {
    {"btnFirst", "First", &TfrmScheduler::FirstRow}, {"btnPrior", "Prior", &TfrmScheduler::PriorRow},
    {"btnNext", "Next", &TfrmScheduler::NextRow},    {"btnLast", "Last", &TfrmScheduler::LastRow},
    {"btnAdd", "Add", &TfrmScheduler::AddRow},       {"btnDel", "Del", &TfrmScheduler::DeleteRow},
};
constexpr Command kTableCommands[] = {
    {"btnPrint", "Preview && Print", &TfrmScheduler::PrintSchedulerOnClick},
    {"btnImportCsv", "Import CSV...", &TfrmScheduler::ImportCsvClick},
    {"btnExportCsv", "Export CSV...", &TfrmScheduler::ExportCsvClick},
    {"btnClear", "Clear Scheduler", &TfrmScheduler::ClearWorksheet},
};

// The pop-up menu: caption, shortcut, operation.
struct PopupItem {
    const char* caption;
    const char* shortcut;
    void (TfrmScheduler::*run)();
};
constexpr PopupItem kPopupItems[] = {
    {"First", "Shift+F1", &TfrmScheduler::FirstRow},
    {"Prior", "Shift+F2", &TfrmScheduler::PriorRow},
    {"Next", "Shift+F3", &TfrmScheduler::NextRow},
    {"Last", "Shift+F4", &TfrmScheduler::LastRow},
    {"Add Row", "Ctrl+A", &TfrmScheduler::AddRow},
    {"Delete Row", "Shift+F6", &TfrmScheduler::DeleteRow},
    {"Copy Row", "Shift+F8", &TfrmScheduler::CopyRow},
    {"Cut Row", "Shift+F9", &TfrmScheduler::CutRow},
    {"Paste/Insert Row", "Shift+F10", &TfrmScheduler::PasteInsertRow},
    {"Paste/Replace Row", "Shift+F11", &TfrmScheduler::PasteReplaceRow},
};

constexpr const char* kHelpPage = "/help/quill10/display_menu/support_scheduler.htm";

// What an entry changed in its row, as the Undo History lists it:
// "Scheduler row 1/1/2024: Support Due $0.00 → $500.00"; "" when the entry
// changed none of the row's entered cells.  Amounts are compared by their
// value (an empty cell is $0.00).
QString EntryStepName(const SchedulerRow& before, const SchedulerRow& after) {
    QStringList moves;
    for (int column : {kColDate, kColDescription, kColDue, kColPaid, kColRate}) {
        const auto c = static_cast<size_t>(column);
        const bool amount = column == kColDue || column == kColPaid;
        const QString was = amount ? Q(DollarText(CellCents(before[c]))) : Q(before[c]);
        const QString is = amount ? Q(DollarText(CellCents(after[c]))) : Q(after[c]);
        if (was == is) continue;
        moves << QStringLiteral("%1 %2 \u2192 %3")
                     .arg(QString::fromLatin1(kSchedulerColumnTitles[c]),
                          was.isEmpty() ? QStringLiteral("(empty)") : was, is.isEmpty() ? QStringLiteral("(empty)") : is);
    }
    if (moves.isEmpty()) return {};
    return QStringLiteral("Scheduler row %1: %2").arg(Q(after[kColDate]), moves.join(QStringLiteral("; ")));
}

}  // namespace

TfrmScheduler::TfrmScheduler(TfrmMain& main) : QDialog(&main), main_(main) {
    setObjectName(QStringLiteral("frmScheduler"));
    setWindowTitle(QStringLiteral("Support Scheduler"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    BuildPanel(layout);
    BuildButtons(layout);
    BuildTable(layout);
    BuildPopup();
    SizeToMainWindow();
    LoadStringGrid();
    RefreshSchedule(table_, Interest());
    main_.SchedulerTable() = table_;  // worked out again, not changed: no step of its own
    Redraw();
    RowToPanel();
    edtDate_->setFocus();
    // Undo and redo of the case's changes work here too, and show the table
    // they put back.
    addAction(main_.UndoAction());
    addAction(main_.RedoAction());
    main_.onTableReplaced = [this](std::optional<size_t> row) {
        LoadStringGrid();
        selected_ = std::min(row.value_or(selected_), table_.rows.size() - 1);
        Redraw();
        RowToPanel();
    };
}

TfrmScheduler::~TfrmScheduler() { main_.onTableReplaced = nullptr; }

// ---- Building the window ------------------------------------------------------

void TfrmScheduler::BuildPanel(QVBoxLayout* layout) {
    auto* panel = new QGridLayout;
    QLineEdit** fields[] = {&edtDate_, &edtDescription_, &edtAmountDue_, &edtAmountPaid_, &edtRate_};
    for (size_t i = 0; i < std::size(kPanelFields); ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(kPanelFields[i].name));
        edit->setPlaceholderText(QString::fromLatin1(kPanelFields[i].placeholder));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textChanged, this, &TfrmScheduler::ChangeModifiedFlag);
        auto* label = new QLabel(QString::fromLatin1(kPanelFields[i].label), this);
        label->setBuddy(edit);
        panel->addWidget(label, 0, static_cast<int>(i));
        panel->addWidget(edit, 1, static_cast<int>(i));
        *fields[i] = edit;
    }
    panel->setColumnStretch(1, 2);
    layout->addLayout(panel);
}

// Two rows: moving through and changing rows, with the series; then the
// commands on the whole table.
void TfrmScheduler::BuildButtons(QVBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* tableRow = new QHBoxLayout;
    auto addButton = [this](QHBoxLayout* into, const Command& command) {
        auto* button = new QPushButton(QString::fromLatin1(command.caption), this);
        button->setObjectName(QString::fromLatin1(command.name));
        connect(button, &QPushButton::clicked, this, [this, run = command.run] { Run(run); });
        into->addWidget(button);
    };
    for (const Command& command : kNavigation) addButton(row, command);
    auto* series = new QGroupBox(QStringLiteral("Series"), this);
    auto* seriesRow = new QHBoxLayout(series);
    for (int kind : {1, 2}) {
        auto* button = new QPushButton(kind == 1 ? QStringLiteral("Order") : QStringLiteral("Payment"), series);
        button->setObjectName(kind == 1 ? QStringLiteral("btnOrder") : QStringLiteral("btnPayment"));
        connect(button, &QPushButton::clicked, this, [this, kind] {
            if (CommitField()) SupportOrderOnClick(kind);
        });
        seriesRow->addWidget(button);
    }
    row->addWidget(series);
    row->addStretch();
    for (const Command& command : kTableCommands) addButton(tableRow, command);
    auto* close = new QPushButton(QStringLiteral("Close Scheduler"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    tableRow->addWidget(close);
    tableRow->addStretch();
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("btnHelp"));
    help->setAccessibleName(QStringLiteral("Help on the support scheduler"));
    connect(help, &QPushButton::clicked, this, &TfrmScheduler::HelpOnClick);
    tableRow->addWidget(help);
    for (QPushButton* button : findChildren<QPushButton*>()) button->setAutoDefault(false);
    layout->addLayout(row);
    layout->addLayout(tableRow);
}

void TfrmScheduler::BuildTable(QVBoxLayout* layout) {
    grdSchedule_ = new QTableView(this);
    grdSchedule_->setObjectName(QStringLiteral("grdSchedule"));
    grdSchedule_->setAccessibleName(QStringLiteral("Support due and paid, with the balance and interest"));
    model_ = new ScheduleModel(table_, selected_, grdSchedule_);
    grdSchedule_->setModel(model_);
    grdSchedule_->setItemDelegate(new ScheduleDelegate(grdSchedule_));
    grdSchedule_->setSelectionMode(QAbstractItemView::NoSelection);
    grdSchedule_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSchedule_->verticalHeader()->hide();
    grdSchedule_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdSchedule_->verticalHeader()->setDefaultSectionSize(kScheduleRowHeight);
    grdSchedule_->installEventFilter(this);
    connect(grdSchedule_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid() && static_cast<size_t>(current.row()) != selected_)
                    SelectRow(static_cast<size_t>(current.row()));
            });
    layout->addWidget(grdSchedule_, 1);

    auto* title = new QLabel(QStringLiteral("Year-by-Year Summary"), this);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    layout->addWidget(title);
    grdSummary_ = new QTableWidget(0, kSchedulerColumnCount, this);
    grdSummary_->setObjectName(QStringLiteral("grdSummary"));
    grdSummary_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdSummary_->setSelectionMode(QAbstractItemView::NoSelection);
    // The keyboard reaches the summary too, and a screen reader hears its
    // name and a title over every column (those the years leave empty say so).
    grdSummary_->setAccessibleName(QStringLiteral("Year-by-year summary"));
    grdSummary_->verticalHeader()->hide();
    QStringList titles;
    for (const char* text : kSummaryColumnTitles) titles << QString::fromLatin1(text);
    grdSummary_->setHorizontalHeaderLabels(titles);
    for (int c = 0; c < kSchedulerColumnCount; ++c)
        if (titles[c].isEmpty())
            grdSummary_->horizontalHeaderItem(c)->setData(
                Qt::AccessibleTextRole,
                QString::fromLatin1(kSchedulerColumnTitles[static_cast<size_t>(c)]) + QStringLiteral(" (none by year)"));
    grdSummary_->setMaximumHeight(6 * grdSummary_->verticalHeader()->defaultSectionSize());
    layout->addWidget(grdSummary_);
}

void TfrmScheduler::BuildPopup() {
    popup_ = new QMenu(this);
    for (const PopupItem& item : kPopupItems) {
        auto* action = popup_->addAction(QString::fromLatin1(item.caption));
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, run = item.run] { Run(run); });
        addAction(action);  // the shortcuts work with the menu closed
    }
}

// The main window's width; its height less 50, at most 850.  The columns
// share the table's width in ninths: Date 3/4, Description 1 3/4, Rate %
// 1/2, so that all nine show without scrolling sideways.  The text is as
// large as the widest date, rate and amount let it be.
void TfrmScheduler::SizeToMainWindow() {
    resize(main_.width(), std::min(main_.height() - 50, kMostHeight));
    const QMargins margins = layout()->contentsMargins();
    const int table = width() - margins.left() - margins.right() - 2 * grdSchedule_->frameWidth() -
                      style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grdSchedule_);
    const int unit = table / kSchedulerColumnCount - 2;
    const double shares[kSchedulerColumnCount] = {0.75, 1.75, 1, 1, 1, 0.5, 1, 1, 1};
    std::array<int, kSchedulerColumnCount> widths{};
    for (size_t c = 0; c < widths.size(); ++c) widths[c] = static_cast<int>(unit * shares[c]);
    static constexpr std::array<const char*, kSchedulerColumnCount> kWidestCells = {
        "12/31/2019", "", "$99,999.99", "$99,999.99", "($99,999.99)", "10.00%", "$9,999.99", "$9,999.99",
        "($99,999.99)"};
    const int cellPoints = FittingPoints(kCellPoints, false, widths, kWidestCells);
    const int headerPoints = FittingPoints(kHeaderPoints, true, widths, kSchedulerColumnTitles);
    MakeRoom(widths, cellPoints, false, kWidestCells);
    MakeRoom(widths, headerPoints, true, kSchedulerColumnTitles);
    model_->SetPoints(cellPoints, headerPoints);
    for (int c = 0; c < kSchedulerColumnCount; ++c) {
        grdSchedule_->setColumnWidth(c, widths[static_cast<size_t>(c)]);
        grdSummary_->setColumnWidth(c, widths[static_cast<size_t>(c)]);
    }
}

// ---- The case's copy of the table --------------------------------------------

InterestSettings TfrmScheduler::Interest() const {
    const Settings& settings = main_.CurrentSettings();
    return InterestSettings{settings.defaultInterestRate, settings.interestThreshold};
}

void TfrmScheduler::LoadStringGrid() {
    try {
        table_ = main_.SchedulerTable();
        if (table_.rows.empty()) table_.rows.push_back(BlankRow(main_.CurrentSettings().defaultInterestRate));
    } catch (const std::exception& error) {
        ErrorMessage(kErrScheduleLoading, error.what());
    }
}

void TfrmScheduler::SaveStringGrid(const QString& step, int errorCode) {
    main_.RecordStep([&step] { return step; },
                     [&] {
                         try {
                             main_.SchedulerTable() = table_;
                         } catch (const std::exception& error) {
                             ErrorMessage(errorCode, error.what());
                         }
                         return true;
                     });
}

void TfrmScheduler::done(int result) {
    if (!CommitField()) return;  // the refused text stays for the user to put right
    DropUndatedRow();
    SaveStringGrid({}, kErrScheduleClosing);  // every edit was handed back as it was made
    QDialog::done(result);
}

// ---- Panel ---------------------------------------------------------------------

bool TfrmScheduler::IsPanelField(QObject* object) const {
    return object && (object == edtDate_ || object == edtDescription_ || object == edtAmountDue_ ||
                      object == edtAmountPaid_ || object == edtRate_);
}

bool TfrmScheduler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && (IsPanelField(watched) || watched == grdSchedule_)) {
        popup_->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (!IsPanelField(watched)) return QDialog::eventFilter(watched, event);
    auto* field = static_cast<QLineEdit*>(watched);
    if (event->type() == QEvent::FocusIn && field != refused_) {
        // The amount being typed over as a plain number; every other field
        // keeps the table's form.
        if (field == edtAmountPaid_) ShowAmountForEditing(edtAmountPaid_, kColPaid);
        else if (field == edtAmountDue_) ShowAmountForEditing(edtAmountDue_, kColDue);
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) SaveOnExit(field);
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmScheduler::ChangeModifiedFlag() {
    if (!filling_) main_.SetModified(true);
}

void TfrmScheduler::RowToPanel() {
    if (selected_ >= table_.rows.size()) return;
    const SchedulerRow& row = table_.rows[selected_];
    filling_ = true;
    edtDate_->setText(Q(row[kColDate]));
    edtDescription_->setText(Q(row[kColDescription]));
    edtAmountDue_->setText(Q(row[kColDue]));
    edtAmountPaid_->setText(Q(row[kColPaid]));
    edtRate_->setText(Q(row[kColRate]));
    filling_ = false;
    refused_ = nullptr;
}

void TfrmScheduler::ClearPanel() {
    filling_ = true;
    for (QLineEdit* field : {edtDate_, edtDescription_, edtAmountDue_, edtAmountPaid_}) field->clear();
    edtRate_->setText(Q(DefaultRateText(main_.CurrentSettings().defaultInterestRate)));
    filling_ = false;
    refused_ = nullptr;
}

// The amount of the selected row as a plain number, for typing over.
void TfrmScheduler::ShowAmountForEditing(QLineEdit* field, int column) {
    if (selected_ >= table_.rows.size()) return;
    const std::string& cell = table_.rows[selected_][static_cast<size_t>(column)];
    filling_ = true;
    field->setText(cell.empty() ? QString() : Q(PlainAmountText(CellCents(cell))));
    filling_ = false;
}

bool TfrmScheduler::SaveOnExit(QLineEdit* field) {
    if (refused_ && field != refused_) return false;  // the refused field is put right first
    refused_ = nullptr;
    if (selected_ >= table_.rows.size()) return true;
    const std::optional<SchedulerRow> entry = PanelRow();
    if (!entry) return false;
    if (field == edtAmountDue_ || field == edtAmountPaid_) {
        filling_ = true;
        if (!field->text().isEmpty()) field->setText(Q((*entry)[field == edtAmountDue_ ? kColDue : kColPaid]));
        filling_ = false;
    }
    SaveEntry(*entry);
    return true;
}

bool TfrmScheduler::CommitField() {
    if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget()); IsPanelField(field))
        return SaveOnExit(field);
    return refused_ == nullptr;
}

void TfrmScheduler::Run(void (TfrmScheduler::*command)()) {
    if (CommitField()) (this->*command)();
}

std::optional<SchedulerRow> TfrmScheduler::Refuse(QLineEdit* field, const std::string& message) {
    refused_ = field;
    main_.Prompts().Warn(Q(message));
    // After the focus has gone where the user sent it.
    QTimer::singleShot(0, field, [field] { field->setFocus(); });
    return std::nullopt;
}

std::optional<SchedulerRow> TfrmScheduler::PanelRow() {
    SchedulerRow row = table_.rows[selected_];
    std::string problem;
    const std::string dateText = Std(edtDate_->text().trimmed());
    const std::optional<Date> date = dateText.empty() ? std::nullopt : ReadScheduleDate(dateText, problem);
    if (!dateText.empty() && !date) return Refuse(edtDate_, "The date " + problem + ".");
    row[kColDate] = date ? ScheduleDateText(*date) : std::string();
    row[kColDescription] = Std(edtDescription_->text());
    const struct {
        QLineEdit* field;
        int column;
        const char* what;
    } amounts[] = {{edtAmountDue_, kColDue, "The amount due "}, {edtAmountPaid_, kColPaid, "The amount paid "}};
    for (const auto& amount : amounts) {
        const std::optional<Cents> cents = ReadAmount(Std(amount.field->text()), problem);
        if (!cents) return Refuse(amount.field, amount.what + problem + ".");
        row[static_cast<size_t>(amount.column)] = DollarText(*cents);
    }
    // A rate left as the row shows it stays as it is (a default rate stays
    // a plain number); a rate typed is kept with two decimals and "%".
    const std::string rate = Std(edtRate_->text().trimmed());
    if (rate.empty()) {
        row[kColRate] = DefaultRateText(main_.CurrentSettings().defaultInterestRate);
    } else if (rate != row[kColRate]) {
        const std::optional<Percent> percent = ReadRate(rate, problem);
        if (!percent) return Refuse(edtRate_, "The interest rate " + problem + ".");
        row[kColRate] = RateCellText(*percent);
    }
    return row;
}

void TfrmScheduler::SaveEntry(const SchedulerRow& entry) {
    const QString step = EntryStepName(table_.rows[selected_], entry);
    table_.rows[selected_] = entry;
    if (entry[kColDate].empty()) return;  // the row goes if the user leaves it without a date
    RowToPanel();
    Recompute();
    Redraw();
    SaveStringGrid(step);
}

// A row left without a date is removed, unless it is the only one; the
// rows below it move up.
bool TfrmScheduler::DropUndatedRow() {
    if (table_.rows.size() <= 1 || selected_ >= table_.rows.size() || !table_.rows[selected_][kColDate].empty())
        return false;
    table_.rows.erase(table_.rows.begin() + static_cast<long>(selected_));
    selected_ = std::min(selected_, table_.rows.size() - 1);
    Redraw();
    RowToPanel();
    SaveStringGrid(QStringLiteral("Remove Scheduler Row Without a Date"));
    return true;
}

// ---- Table ---------------------------------------------------------------------

void TfrmScheduler::Recompute() { selected_ = RecomputeSchedule(table_, selected_, Interest()); }

void TfrmScheduler::Redraw() {
    model_->Refresh();
    selected_ = std::min(selected_, table_.rows.size() - 1);
    const QModelIndex current = model_->index(static_cast<int>(selected_), 0);
    grdSchedule_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    grdSchedule_->scrollTo(current);
    RefreshSummary();
}

void TfrmScheduler::RefreshSummary() {
    const std::vector<YearSummary> years = YearlySummary(table_);
    grdSummary_->setRowCount(static_cast<int>(years.size()));
    for (size_t r = 0; r < years.size(); ++r) {
        const SchedulerRow row = SummaryRow(years[r]);
        for (int c = 0; c < kSchedulerColumnCount; ++c) {
            auto* item = new QTableWidgetItem(Q(DrawnCellText(c, row[static_cast<size_t>(c)])));
            item->setTextAlignment((c == kColDate ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            grdSummary_->setItem(static_cast<int>(r), c, item);
        }
    }
}

void TfrmScheduler::TableChanged(const QString& step) {
    Recompute();
    Redraw();
    main_.SetModified(true);
    SaveStringGrid(step);
}

void TfrmScheduler::SelectRow(size_t row) {
    if (row >= table_.rows.size()) return;
    if (refused_) {  // the refused text stays with its row
        grdSchedule_->selectionModel()->setCurrentIndex(model_->index(static_cast<int>(selected_), 0),
                                                        QItemSelectionModel::NoUpdate);
        return;
    }
    const size_t leaving = selected_;
    if (row != leaving && DropUndatedRow() && row > leaving) --row;
    selected_ = row;
    grdSchedule_->selectionModel()->setCurrentIndex(model_->index(static_cast<int>(row), 0),
                                                    QItemSelectionModel::NoUpdate);
    grdSchedule_->scrollTo(model_->index(static_cast<int>(row), 0));
    grdSchedule_->viewport()->update();
    RowToPanel();
}

// ---- Commands ------------------------------------------------------------------

void TfrmScheduler::FirstRow() { SelectRow(0); }
void TfrmScheduler::PriorRow() { SelectRow(selected_ > 0 ? selected_ - 1 : 0); }
void TfrmScheduler::NextRow() { SelectRow(std::min(selected_ + 1, table_.rows.size() - 1)); }
void TfrmScheduler::LastRow() { SelectRow(table_.rows.size() - 1); }

void TfrmScheduler::AddRow() {
    DropUndatedRow();
    // The empty schedule's blank row takes the first entry.
    if (!IsEmptySchedule(table_)) table_.rows.push_back(BlankRow(main_.CurrentSettings().defaultInterestRate));
    selected_ = table_.rows.size() - 1;
    Redraw();
    ClearPanel();
    edtDate_->setFocus();
}

void TfrmScheduler::DeleteRow() {
    if (!main_.Prompts().AskYesNo(QStringLiteral("Do you want to delete/clear the selected row?"))) return;
    const double defaultRate = main_.CurrentSettings().defaultInterestRate;
    if (table_.rows.size() > 1) table_.rows.erase(table_.rows.begin() + static_cast<long>(selected_));
    else table_.rows.front() = BlankRow(defaultRate);
    selected_ = std::min(selected_, table_.rows.size() - 1);
    TableChanged(QStringLiteral("Delete Scheduler Row"));
    RowToPanel();
}

void TfrmScheduler::ClearWorksheet() {
    if (!main_.Prompts().AskYesNo(QStringLiteral("Do you want to delete/clear the entire table?"))) return;
    table_.rows = {BlankRow(main_.CurrentSettings().defaultInterestRate)};
    selected_ = 0;
    TableChanged(QStringLiteral("Clear Scheduler Table"));
    ClearPanel();
}

void TfrmScheduler::SupportOrderOnClick(int kind) {
    DropUndatedRow();
    TfrmArrearsFiller filler(kind == 2 ? SeriesKind::Payments : SeriesKind::Dues, table_, main_, this);
    if (filler.exec() == QDialog::Rejected) return;
    Recompute();
    Redraw();
    SaveStringGrid(kind == 2 ? QStringLiteral("Series of Payments") : QStringLiteral("Series of Dues"));
    RowToPanel();
}

void TfrmScheduler::CopyRow() { copiedRow_ = table_.rows[selected_]; }

void TfrmScheduler::CutRow() {
    copiedRow_ = table_.rows[selected_];
    if (table_.rows.size() > 1) table_.rows.erase(table_.rows.begin() + static_cast<long>(selected_));
    else table_.rows.front() = BlankRow(main_.CurrentSettings().defaultInterestRate);
    selected_ = std::min(selected_, table_.rows.size() - 1);
    TableChanged(QStringLiteral("Cut Scheduler Row"));
    RowToPanel();
}

void TfrmScheduler::PasteInsertRow() {
    if (!copiedRow_) return;
    if (IsEmptySchedule(table_)) table_.rows.front() = *copiedRow_;
    else table_.rows.insert(table_.rows.begin() + static_cast<long>(selected_), *copiedRow_);
    TableChanged(QStringLiteral("Paste/Insert Scheduler Row"));
    RowToPanel();
}

void TfrmScheduler::PasteReplaceRow() {
    if (!copiedRow_) return;
    table_.rows[selected_] = *copiedRow_;
    TableChanged(QStringLiteral("Paste/Replace Scheduler Row"));
    RowToPanel();
}

// Fills page 32 from the table, writes "Support Scheduler.RTF" into the
// client-file folder and opens it in the word processor.
void TfrmScheduler::PrintSchedulerOnClick() {
    DropUndatedRow();
    SaveStringGrid({});
    main_.PrintSchedule(table_, MarginsForScreen(main_.CurrentPage()));
}

void TfrmScheduler::ImportCsvClick() {
    const QString path = main_.Prompts().ChooseFileToOpen(QStringLiteral("Import Payment History"),
                                                          Q(main_.CurrentSettings().folders.clientFiles), kCsvFilter);
    if (path.isEmpty()) return;
    std::string reason;
    const std::optional<std::string> bytes = ReadRegularFile(Std(path), kCsvLimit, reason);
    std::string problem = bytes ? std::string() : reason;
    std::optional<std::vector<SchedulerRow>> rows;
    if (bytes) rows = ReadScheduleCsv(*bytes, main_.CurrentSettings().defaultInterestRate, problem);
    if (rows) DropUndatedRow();
    if (!rows) {
        main_.Prompts().Warn(QStringLiteral("The payment history \"%1\" was not imported: %2\nThe table is unchanged.")
                                 .arg(QDir::toNativeSeparators(path), Q(problem)));
        return;
    }
    AppendRows(table_, std::move(*rows));
    TableChanged(QStringLiteral("Import Payment History"));
    RowToPanel();
}

void TfrmScheduler::ExportCsvClick() {
    const std::string caseName = StripExtension(FileNameOnly(Std(main_.CurrentFileName())));
    const QString proposed = QDir(Q(main_.CurrentSettings().folders.clientFiles))
                                 .filePath(Q((caseName.empty() ? std::string("Untitled") : caseName) + " schedule.csv"));
    const QString path = ChooseFileToWrite(main_.Prompts(), {QStringLiteral("Export Table to CSV"), proposed, kCsvFilter,
                                                             QStringLiteral("csv"), {main_.CurrentFileName()}, {}});
    if (path.isEmpty()) return;
    std::string error;
    if (!SaveFileAtomically(Std(path), ScheduleCsvText(table_), error))
        main_.Prompts().Warn(QStringLiteral("The table could not be exported: ") + Q(error));
}

void TfrmScheduler::HelpOnClick() { OpenHelpPage(kHelpPage); }

}  // namespace quill10::gui
