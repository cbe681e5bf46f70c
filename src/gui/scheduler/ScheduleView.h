#pragma once
// How the scheduler table is shown: a model over the window's rows, and
// the drawing of its cells (18-point text and 16-point bold centred headers,
// smaller where a date or an amount would not fit its column,
// the selected row in light blue, Date and Description left-aligned 4
// pixels in, the other columns right-aligned 8 pixels from the edge,
// negative dollar amounts in brackets).
#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <array>

#include "store/SchedulerGrid.h"

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
    // The point sizes of the cells and headers (at most 18 and 16).
    void SetPoints(int cellPoints, int headerPoints);

private:
    const SchedulerGrid& table_;
    const size_t& selected_;
    int cellPoints_ = kCellPoints;
    int headerPoints_ = kHeaderPoints;
};

// The largest size of at most `most` points (and at least 8) at which each
// sample text fits the width of its column, less the cell's indents.
int FittingPoints(int most, bool bold, const std::array<int, kSchedulerColumnCount>& widths,
                  const std::array<const char*, kSchedulerColumnCount>& samples);

// Widens a column whose sample does not fit at `points` even so, taking the
// room from Description, whose free text is cut short where it must be.
void MakeRoom(std::array<int, kSchedulerColumnCount>& widths, int points, bool bold,
              const std::array<const char*, kSchedulerColumnCount>& samples);

class ScheduleDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace quill10::gui
