#include "scheduler/ScheduleView.h"

#include <QApplication>
#include <QFont>
#include <QPainter>

#include "scheduler/Scheduler.h"

namespace quill10::gui {

namespace {

constexpr int kLeftIndent = 4;
constexpr int kRightIndent = 8;

QFont PointFont(int points, bool bold) {
    QFont font = QApplication::font();
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

bool LeftAligned(int column) { return column == kColDate || column == kColDescription; }

}  // namespace

ScheduleModel::ScheduleModel(const SchedulerGrid& table, const size_t& selected, QObject* parent)
    : QAbstractTableModel(parent), table_(table), selected_(selected) {}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kSchedulerColumnCount; }

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<size_t>(index.row()) >= table_.rows.size()) return {};
    const std::string& cell = table_.rows[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole: return QString::fromStdString(DrawnCellText(index.column(), cell));
        case Qt::EditRole: return QString::fromStdString(cell);
        case Qt::FontRole: return PointFont(cellPoints_, false);
        case Qt::TextAlignmentRole:
            return static_cast<int>((LeftAligned(index.column()) ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return static_cast<size_t>(index.row()) == selected_ ? QVariant(kSelectedRowColour) : QVariant();
        default: return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kSchedulerColumnCount) return {};
    switch (role) {
        case Qt::DisplayRole: return QString::fromLatin1(kSchedulerColumnTitles[static_cast<size_t>(section)]);
        case Qt::FontRole: return PointFont(headerPoints_, true);
        case Qt::TextAlignmentRole: return static_cast<int>(Qt::AlignCenter);
        default: return {};
    }
}

void ScheduleModel::Refresh() {
    beginResetModel();
    endResetModel();
}

void ScheduleModel::SetPoints(int cellPoints, int headerPoints) {
    cellPoints_ = cellPoints;
    headerPoints_ = headerPoints;
    Refresh();
}

int FittingPoints(int most, bool bold, const std::array<int, kSchedulerColumnCount>& widths,
                  const std::array<const char*, kSchedulerColumnCount>& samples) {
    constexpr int kLeast = 8;
    for (int points = most; points > kLeast; --points) {
        const QFontMetrics metrics(PointFont(points, bold));
        bool fits = true;
        for (size_t c = 0; c < samples.size() && fits; ++c)
            fits = metrics.horizontalAdvance(QString::fromLatin1(samples[c])) <= widths[c] - kLeftIndent - kRightIndent;
        if (fits) return points;
    }
    return kLeast;
}

void MakeRoom(std::array<int, kSchedulerColumnCount>& widths, int points, bool bold,
              const std::array<const char*, kSchedulerColumnCount>& samples) {
    const QFontMetrics metrics(PointFont(points, bold));
    for (size_t c = 0; c < samples.size(); ++c) {
        const int needed = metrics.horizontalAdvance(QString::fromLatin1(samples[c])) + kLeftIndent + kRightIndent;
        if (c == kColDescription || widths[c] >= needed) continue;
        widths[kColDescription] -= needed - widths[c];
        widths[c] = needed;
    }
}

void ScheduleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    painter->save();
    const QVariant background = index.data(Qt::BackgroundRole);
    painter->fillRect(option.rect, background.isValid() ? background.value<QColor>() : option.palette.base().color());
    painter->setPen(option.palette.text().color());
    painter->setFont(index.data(Qt::FontRole).value<QFont>());
    const auto alignment = static_cast<Qt::Alignment>(index.data(Qt::TextAlignmentRole).toInt());
    const QRect text = option.rect.adjusted(kLeftIndent, 0, -kRightIndent, 0);
    const QString shown = painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(), Qt::ElideRight,
                                                            std::max(0, text.width()));
    painter->drawText(text, static_cast<int>(alignment), shown);
    painter->restore();
}

}  // namespace quill10::gui
