#pragma once
// Undo and redo of the changes to a case.  Each change the user makes (a
// field left with a new value, a tick, an override, a line dialog's Accept,
// the annualizer, every scheduler edit) is one step on the case's undo stack.  A step keeps only what it changed:
// the slots with their text and override flag before and after, and the run
// of scheduler rows that differs, never a copy of the case.
#include <QString>
#include <QStyledItemDelegate>
#include <QUndoCommand>
#include <functional>
#include <vector>

#include "scheduler/GridChanges.h"
#include "store/AnswerChanges.h"

class QUndoStack;

namespace quill10::gui {

class TfrmMain;

class CaseStep : public QUndoCommand {
public:
    // `also` puts back what the step changed beside the case (an interest
    // setting): called with true on undo, false on redo.
    CaseStep(TfrmMain& main, const QString& name, std::vector<SlotChange> changes, GridChange grid, int page,
             QString field, std::function<void(bool undo)> also = {});
    void undo() override;
    void redo() override;

    const std::vector<SlotChange>& Changes() const { return changes_; }
    const GridChange& Grid() const { return grid_; }
    int Page() const { return page_; }
    const QString& Field() const { return field_; }
    void Also(bool undo) const {
        if (also_) also_(undo);
    }
    // The memory the step keeps.
    std::size_t Bytes() const;

private:
    TfrmMain& main_;
    std::vector<SlotChange> changes_;
    GridChange grid_;
    int page_;        // the screen page the change was made on
    QString field_;   // the object name of the field that changed ("" for none)
    std::function<void(bool)> also_;
    bool done_ = true;  // pushed after the change was made
};

// The Undo History's look of a step: a step undone (by Undo, or by going
// back in the history) is shown in grey italics after "Undone: ", so it reads
// apart from the steps done; choosing it makes it again.
class HistoryDelegate : public QStyledItemDelegate {
public:
    HistoryDelegate(const QUndoStack& stack, QObject* parent);
    // How the row of `index` is drawn.
    QStyleOptionViewItem OptionFor(const QModelIndex& index) const;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    const QUndoStack& stack_;
};

}  // namespace quill10::gui
