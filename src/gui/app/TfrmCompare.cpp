#include "app/TfrmCompare.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/UserPrompts.h"
#include "platform/SafeSave.h"

namespace quill10::gui {

namespace {

const QColor kDifferent(255, 236, 153);  // a value that differs from the first case

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfrmCompare::TfrmCompare(ScenarioComparison comparison, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), comparison_(std::move(comparison)), prompts_(prompts) {
    setObjectName(QStringLiteral("frmCompare"));
    setWindowTitle(QStringLiteral("Compare Scenarios"));
    resize(1000, 720);
    auto* layout = new QVBoxLayout(this);
    table_ = new QTableWidget;
    table_->setObjectName(QStringLiteral("tblCompare"));
    table_->setAccessibleName(QStringLiteral("Scenarios side by side"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectColumns);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(table_, 1);
    auto* buttons = new QDialogButtonBox;
    auto* open = buttons->addButton(QStringLiteral("&Open"), QDialogButtonBox::ActionRole);
    open->setObjectName(QStringLiteral("btnOpen"));
    open->setToolTip(QStringLiteral("Make the selected column the open case"));
    open->setAutoDefault(false);  // Enter never swaps the open case
    auto* csv = buttons->addButton(QStringLiteral("Save as &CSV..."), QDialogButtonBox::ActionRole);
    auto* print = buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(open, &QPushButton::clicked, this, &TfrmCompare::OpenSelectedColumn);
    connect(csv, &QPushButton::clicked, this, [this] {
        QStringList cases;  // the cases compared are never written over
        for (const ScenarioColumn& column : comparison_.columns) cases << Q(column.file);
        const QString path = ChooseFileToWrite(prompts_, {QStringLiteral("Save Comparison As CSV"), QString(),
                                                          QStringLiteral("CSV Files (*.csv)"), QStringLiteral("csv"),
                                                          cases, {}});
        if (!path.isEmpty()) SaveCsv(path);
    });
    connect(print, &QPushButton::clicked, this, &TfrmCompare::Print);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    Fill();
}

void TfrmCompare::Fill() {
    const auto& columns = comparison_.columns;
    table_->setColumnCount(static_cast<int>(columns.size()));
    table_->setRowCount(static_cast<int>(comparison_.labels.size()) + 1);
    QStringList headers;
    for (const ScenarioColumn& column : columns) headers << QFileInfo(Q(column.file)).fileName();
    table_->setHorizontalHeaderLabels(headers);
    QStringList rows{QStringLiteral("Worksheet")};
    for (const std::string& label : comparison_.labels) rows << Q(label);
    table_->setVerticalHeaderLabels(rows);
    for (size_t c = 0; c < columns.size(); ++c) {
        const bool failed = !columns[c].error.empty();
        auto* head = new QTableWidgetItem(Q(failed ? columns[c].error : columns[c].worksheet));
        if (failed) head->setForeground(Qt::red);
        head->setToolTip(Q(columns[c].file));
        table_->setItem(0, static_cast<int>(c), head);
        for (size_t r = 0; r < comparison_.labels.size(); ++r) {
            QString text = Q(columns[c].values[r]);
            const QString difference = Q(comparison_.Difference(c, r));
            if (!difference.isEmpty()) text += QStringLiteral("  (%1)").arg(difference);
            auto* item = new QTableWidgetItem(text);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (comparison_.Differs(c, r)) item->setBackground(kDifferent);
            table_->setItem(static_cast<int>(r) + 1, static_cast<int>(c), item);
        }
    }
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void TfrmCompare::OpenSelectedColumn() {
    const int column = table_->currentColumn();
    if (column < 0) {
        prompts_.Inform(QStringLiteral("Select a column (a case) to open."));
        return;
    }
    if (column == 0) {
        accept();  // the first column is the open case
        return;
    }
    fileToOpen_ = Q(comparison_.columns[static_cast<size_t>(column)].file);
    accept();
}

bool TfrmCompare::SaveCsv(const QString& path) {
    std::string error;
    if (SaveFileAtomically(path.toStdString(), ComparisonCsv(comparison_), error)) return true;
    prompts_.Warn(QStringLiteral("The comparison could not be saved: %1").arg(Q(error)));
    return false;
}

void TfrmCompare::Print() {
    // The comparison as a page of monospaced text, the same table as the
    // command line prints.
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("monospace"), 8));
    document.setPlainText(Q(ComparisonText(comparison_)));
    prompts_.PrintDocument(QStringLiteral("Compare Scenarios"), document);
}

}  // namespace quill10::gui
