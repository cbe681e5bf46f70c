#pragma once
// How the scheduler table is shown: a model over the window's rows, and
// the drawing of its cells (18-point text, 16-point bold centred headers,
// the selected row in light blue, Date and Description left-aligned 4
// pixels in, the other columns right-aligned 8 pixels from the edge,
// negative dollar amounts in brackets).
#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>

#include "scheduler/SchedulerGrid.h"

namespace quill10::gui {

inline const QColor kSelectedRowColour{0xAD, 0xD8, 0xE6};  // light blue
inline constexpr int kCellPoints = 18;
inline constexpr int kHeaderPoints = 16;
inline constexpr int kScheduleRowHeight = 32;

// The rows of the table; `selected` is the row being edited.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT

public:
    ScheduleModel(const SchedulerGrid& table, const size_t& selected, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: the text as drawn; EditRole: the cell as kept.
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The rows changed: draw them again.
    void Refresh();

private:
    const SchedulerGrid& table_;
    const size_t& selected_;
};

class ScheduleDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace quill10::gui
