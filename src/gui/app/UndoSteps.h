#pragma once
// Undo and redo of the changes to a case.  Each change the user makes (a
// field left with a new value, a tick, an override, a line dialog's Accept,
// the annualizer, every scheduler edit) is one step of the case's history
// (CaseHistory).  A step keeps only what it changed: the slots with their
// text and override flag before and after, and the run of scheduler rows
// that differs, never a copy of the case.
#include <QString>
#include <functional>
#include <vector>

#include "scheduler/GridChanges.h"
#include "store/AnswerChanges.h"

namespace quill10::gui {

class CaseStep {
public:
    // `also` puts back what the step changed beside the case (an interest
    // setting): called with true on undo, false on redo.
    CaseStep(const QString& name, SlotChanges changes, GridChange grid, int page, QString field,
             std::function<void(bool undo)> also = {});

    const QString& text() const { return name_; }
    // Puts the case back as it was before the step (`undo`) or as the step
    // left it: its slots, its scheduler rows and what it changed beside.
    void Apply(TAnswer& answers, SchedulerGrid& grid, bool undo) const;
    const GridChange& Grid() const { return grid_; }
    // Whether the step changed only the scheduler's table (no worksheet slot).
    bool TableOnly() const { return changes_.Empty() && !grid_.Empty(); }
    int Page() const { return page_; }
    const QString& Field() const { return field_; }
    // The memory the step keeps.
    std::size_t Bytes() const;

private:
    QString name_;
    SlotChanges changes_;
    GridChange grid_;
    int page_;        // the screen page the change was made on
    QString field_;   // the object name of the field that changed ("" for none)
    std::function<void(bool)> also_;
};

}  // namespace quill10::gui
