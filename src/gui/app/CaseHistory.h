#pragma once
// The undo history of the open case: the steps made since it was opened, how
// many of them are done, and which state of the case is the saved one.  It
// keeps within a memory budget: when a new step takes it over, the oldest
// steps are let go and the history says so in its first line.  As a list it
// is what Edit > Undo History shows: the case as opened (or as the oldest
// step kept found it), then each step.
//
// The history only keeps account; the main window puts the case back when it
// moves the history's marker (TfrmMain::MoveInHistory).
#include <QAbstractListModel>
#include <QString>
#include <cstddef>
#include <deque>
#include <memory>

#include "app/UndoSteps.h"

namespace quill10::gui {

class CaseHistory : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr std::size_t kDefaultBudget = 64 * 1024 * 1024;

    explicit CaseHistory(QObject* parent = nullptr);
    ~CaseHistory() override;

    // The memory the steps may take (tests give a small one).
    void SetBudget(std::size_t bytes);
    std::size_t Budget() const { return budget_; }

    // A step just made: the steps undone before it go, and the oldest ones
    // while the history is over its budget.
    void Push(std::unique_ptr<CaseStep> step);
    // A new case: no steps, and the case as it stands is the saved one.
    void Clear();

    int Count() const { return static_cast<int>(steps_.size()); }
    // How many steps are done: the case stands after step Index() - 1.
    int Index() const { return index_; }
    const CaseStep& Step(int k) const { return *steps_[static_cast<std::size_t>(k)]; }
    // Moves the marker only.
    void SetIndex(int index);

    // The case as it stands now is the one saved.
    void SetClean();
    // No state in the history is the one saved (a recovered case).
    void ForgetClean();
    bool IsClean() const { return clean_ == index_; }

    // Steps let go to keep within the budget since the history began.
    long long Dropped() const { return dropped_; }
    std::size_t Bytes() const { return bytes_; }
    QString UndoText() const;  // the name of the step Undo takes back ("" for none)
    QString RedoText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

signals:
    // The steps, the marker or the saved state changed.
    void changed();
    void cleanChanged(bool clean);

private:
    void Announce(bool wasClean);

    std::deque<std::unique_ptr<CaseStep>> steps_;
    std::deque<std::size_t> sizes_;  // the bytes each step was counted with
    int index_ = 0;
    int clean_ = 0;  // -1: the saved state is not in the history
    long long dropped_ = 0;
    std::size_t bytes_ = 0;
    std::size_t budget_ = kDefaultBudget;
};

}  // namespace quill10::gui
