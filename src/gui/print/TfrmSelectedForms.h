#pragma once
// "Select A Form": which pages a print job prints.  Two worksheet tabs,
// each with the annotated office version, the statutory version for filing,
// the short form and the audit appendix, and the support scheduler tab.
// The boxes follow click rules that keep a choice consistent: pages and the
// short form of a tab exclude each other, the audit appendix goes with
// either, and the scheduler is printed on its own.
#include <QDialog>
#include <functional>
#include <vector>

#include "print/PrvwSend.h"

class QCheckBox;
class QGroupBox;
class QTabWidget;

namespace quill10::gui {

class TfrmSelectedForms : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSelectedForms(QWidget* parent = nullptr);

    // Shows the tab of the worksheet on screen (the first tab for none).
    void ShowTabOf(int screenPage);
    // The boxes ticked, group by group in the order of assembly.
    PrintSelection Selection() const;
    // "Check All - Testing Only": every box but the scheduler's, without the click rules.
    void CheckAllForTesting();
    QTabWidget* Tabs() const { return tabs_; }
    // The "?" button's command.
    std::function<void()> helpRequested;

private:
    // The boxes of one group: "All Pages" and its page boxes; a short form
    // has no "All Pages" box and its "Single Page" box as its only page.
    struct GroupBoxes {
        QCheckBox* all = nullptr;
        std::vector<QCheckBox*> pages;
    };
    struct WorksheetTab {
        GroupBoxes annotated;
        GroupBoxes statutory;
        QCheckBox* single = nullptr;
        QCheckBox* audit = nullptr;
    };
    // `worksheet` begins the name of every box of the tab, so a screen
    // reader says which worksheet each prints.
    QWidget* BuildWorksheetTab(WorksheetTab& tab, const QString& worksheet, const QString& prefix, int pageCount);
    QGroupBox* BuildSingleBoxGroup(QCheckBox*& box, const QString& title, const QString& name, const QString& caption,
                                   const QString& spoken);
    QGroupBox* BuildPageGroup(GroupBoxes& group, WorksheetTab& tab, const QString& title, const QString& spoken,
                              const QString& prefix, int pageCount);
    QCheckBox* NewBox(const QString& name, const QString& caption);
    void PageClicked(WorksheetTab& tab);
    void AllClicked(WorksheetTab& tab, GroupBoxes& group, bool ticked);
    void SingleClicked(WorksheetTab& tab);
    void AuditClicked();
    void SchedulerClicked();
    std::vector<QCheckBox*> WorksheetBoxes() const;
    static std::vector<QCheckBox*> BoxesOf(const WorksheetTab& tab);

    QTabWidget* tabs_ = nullptr;
    WorksheetTab sole_;
    WorksheetTab split_;
    QCheckBox* scheduler_ = nullptr;
};

}  // namespace quill10::gui
