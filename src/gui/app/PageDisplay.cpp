// The worksheet screens: displaying a page, binding its controls, the
// field-edit cycle, override mode, dialog and callout buttons, zoom.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/GuiSupport.h"
#include "app/TfrmMain.h"
#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "calc/LineDialogs.h"
#include "calc/SupportTable.h"
#include "calc/Worksheets.h"
#include "dialogs/CalculatorDlg.h"
#include "dialogs/ChildCareDlg.h"
#include "dialogs/LineDialogFactory.h"
#include "help/HelpTopics.h"
#include "screen/Accessibility.h"
#include "screen/ControlBinding.h"
#include "screen/PageLayout.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {


// The field that receives the focus when a page is shown.
int FirstFieldTag(int page) {
    switch (page) {
        case 0: case 7: return 1000;
        case 15: return 1252;
        case 16: return 1250;
        default: return -1;
    }
}

template <typename Visit>
void WalkWidgets(QWidget* container, Visit&& visit) {
    for (QObject* child : container->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            WalkWidgets(widget, visit);
            visit(widget);
        }
    }
}

QWidget* FindByTag(QWidget* container, int tag) {
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget) continue;
        const bool focusable = qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractButton*>(widget) ||
                               qobject_cast<QPlainTextEdit*>(widget);
        if (focusable && widget->property(kTagProperty).isValid() && TagOf(widget) == tag) return widget;
        if (QWidget* found = FindByTag(widget, tag)) return found;
    }
    return nullptr;
}

}  // namespace

// ---- Display ----

void TfrmMain::DisplayAPage(int tag) {
    if (tag < 0) return;
    // The field being edited is left first, so what was typed reaches the
    // calculation pages before the next page is calculated and shown.
    if (!Commit()) return;
    // Showing another worksheet is no step of its own: the figures the
    // switch moves between the screens go with the next change, as those a
    // field only passed through do.  The first page a case shows starts its
    // history.
    const int before = currentPage_;
    StorePage();
    ShowStartScreen(false);
    DisplayPage(tag);
    if (before == -1) ResetBaseline();
    if (currentPage_ != before) Announce(pnlMainForm_, QStringLiteral("Showing the ") + WorksheetName(currentPage_));
    UpdateMenuItems();
}

void TfrmMain::DisplayPage(int tag) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    caseShown_ = true;
    currentPage_ = tag / 100;
    currentSubPage_ = tag % 100;
    const bool wasModified = modified_;
    ClearPage();
    VertScrollBox1_->verticalScrollBar()->setValue(0);

    QString error;
    if (!LoadPageLayout(QString::fromStdString(settings_.folders.vlp), currentPage_, pnlMainForm_, error)) {
        ErrorMessage(16200, "DisplayPage");
        prompts_->Warn(error);
    } else {
        SetPageProperties(pnlMainForm_);
        ScalePage(settings_.zoomFactor);
        // The calculation mirrors both long screens and rebuilds both short
        // ones, so the page shows the case as the calculation pages hold it.
        RunCalculate();
        FillPage();
        if (QWidget* first = FindByTag(pnlMainForm_, FirstFieldTag(currentPage_))) first->setFocus(Qt::OtherFocusReason);
    }
    SelectTreeItemOfPage(currentPage_);
    pnlMainForm_->setAccessibleName(WorksheetName(currentPage_));
    SetModified(wasModified);
    VertScrollBox1_->verticalScrollBar()->setValue(0);
    QApplication::restoreOverrideCursor();
    UpdateMenuItems();
}

void TfrmMain::ClearPage() {
    clearing_ = true;
    lastField_.clear();
    pnlMainForm_->setAccessibleName(QString());
    for (QWidget* child : pnlMainForm_->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) delete child;
    clearing_ = false;
}

void TfrmMain::SelectTreeItemOfPage(int page) {
    TreeView1_->clearSelection();
    for (QTreeWidgetItemIterator it(TreeView1_); *it; ++it) {
        const QVariant tag = (*it)->data(0, Qt::UserRole);
        if (tag.isValid() && tag.toInt() / 100 == page) (*it)->setSelected(true);
    }
}

void TfrmMain::ShowStartScreen(bool show) { pageStack_->setCurrentWidget(show ? layClose_ : VertScrollBox1_); }

void TfrmMain::SetPageProperties(QWidget* container) {
    WalkWidgets(container, [this](QWidget* widget) {
        const QString style = StyleOf(widget);
        if (!style.isEmpty()) widget->setProperty(kStyleProperty, style);  // style names are matched in upper case
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            button->setFocusPolicy(Qt::StrongFocus);
            if (button->objectName().contains(QLatin1String("HELP"), Qt::CaseInsensitive)) {
                // The help bubbles live inside their button in the layout; they are shown
                // on the page itself so that they are not clipped by the button.
                QVariantList callouts;
                for (QFrame* callout : button->findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly)) {
                    if (!callout->property(kCalloutProperty).toBool()) continue;
                    const QPoint at = button->mapTo(pnlMainForm_, QPoint(button->width(), button->height()));
                    callout->setParent(pnlMainForm_->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
                    callout->move(callout->parentWidget()->mapFrom(pnlMainForm_, at));
                    callout->hide();
                    callouts.append(QVariant::fromValue<QObject*>(callout));
                }
                button->setProperty("Callouts", callouts);
                connect(button, &QPushButton::clicked, this, [this, button] { CalloutDispatch(button); });
            } else {
                connect(button, &QPushButton::clicked, this, [this, button] { DialogDispatch(TagOf(button), button); });
            }
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            box->setFocusPolicy(Qt::StrongFocus);
            // A box the calculation ticks (the obligor of line 28): shown, never ticked by hand.
            if (IsComputedBox(box)) box->setAttribute(Qt::WA_TransparentForMouseEvents);
            connect(box, &QCheckBox::stateChanged, this, [this] {
                if (!filling_) SetModified(true);
            });
            // A tick counts at once: the figures follow the click, not the
            // moment the focus leaves the box.
            connect(box, &QCheckBox::clicked, this, [this, box] {
                if (!filling_) CalcOnExit(box);
            });
            // Ticking one of a contradictory pair (sole residential / shared
            // parenting order, father / mother pays) unticks the other.
            const QString partner = box->property("ExclusiveWith").toString();
            if (!partner.isEmpty())
                connect(box, &QCheckBox::toggled, this, [this, partner](bool ticked) {
                    if (filling_ || !ticked) return;
                    if (auto* other = pnlMainForm_->findChild<QCheckBox*>(partner)) other->setChecked(false);
                });
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textEdited, this, [this] { SetModified(true); });
            if (style == kEditOverrideable) {
                edit->setProperty("OverrideOnDoubleClick", true);
                edit->setReadOnly(true);
            }
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (settings_.shrinkAmount > 0) {
                QFont font = label->font();
                font.setPointSizeF(std::max(4.0, font.pointSizeF() - settings_.shrinkAmount));
                label->setFont(font);
            }
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            memo->setTabChangesFocus(true);
            connect(memo, &QPlainTextEdit::textChanged, this, [this] {
                if (!filling_) SetModified(true);
            });
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
                if (!filling_) SetModified(true);
            });
        }
    });
    ReachComputedFigures();
}

bool TfrmMain::KeyboardReachesComputed() const { return settings_.keyboardReachesComputed.value_or(assistiveTechnology_); }

// A click reaches a computed figure either way; Tab and Enter stop at it,
// and at a box the calculation ticks, only with the option on.  The page
// holds its controls in paper order, which is the order Tab takes.
void TfrmMain::ReachComputedFigures() {
    const bool reach = KeyboardReachesComputed();
    mnuReachComputed_->setChecked(reach);
    WalkWidgets(pnlMainForm_, [reach](QWidget* widget) {
        if (qobject_cast<QLineEdit*>(widget) && StyleOf(widget) == kEditReadOnly)
            widget->setFocusPolicy(reach ? Qt::StrongFocus : Qt::ClickFocus);
        else if (IsComputedBox(widget))
            widget->setFocusPolicy(reach ? Qt::StrongFocus : Qt::NoFocus);
    });
}

// Until the user chooses, the option follows whether an assistive
// technology is running, also one started after the program.
void TfrmMain::accessibilityActiveChanged(bool active) {
    assistiveTechnology_ = active;
    ReachComputedFigures();
}

void TfrmMain::ScalePage(double factor) {
    if (factor <= 0 || std::abs(factor - 1.0) < 1e-9) return;
    WalkWidgets(pnlMainForm_, [factor](QWidget* widget) {
        const QRect g = widget->geometry();
        widget->setGeometry(static_cast<int>(g.x() * factor), static_cast<int>(g.y() * factor),
                            static_cast<int>(g.width() * factor), static_cast<int>(g.height() * factor));
        QFont font = widget->font();
        if (font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * factor);
        widget->setFont(font);
    });
    pnlMainForm_->setFixedSize(static_cast<int>(pnlMainForm_->width() * factor),
                               static_cast<int>(pnlMainForm_->height() * factor));
}

void TfrmMain::FillPage() {
    if (!answers_ || currentPage_ == -1) return;
    const bool wasModified = modified_;
    filling_ = true;
    Answer2Components(pnlMainForm_, *answers_, currentPage_);
    DescribeFields(pnlMainForm_, currentPage_);
    filling_ = false;
    SetModified(wasModified);
}

void TfrmMain::StorePage() {
    if (answers_ && IsScreenPage(currentPage_)) Components2Answers(pnlMainForm_, *answers_, currentPage_);
}

namespace {

// What the headlines and the status bar say while the schedule cannot be read.
QString NotComputedText(const SupportTableError& error) {
    return QStringLiteral("Not computed: the support schedule %1 cannot be read (%2). Options > Support Schedule, or "
                          "`quill10-cli table reset`.")
        .arg(QString::fromStdString(error.Schedule()), QString::fromStdString(error.Reason()));
}

}  // namespace

// Every caller fills the page itself after the calculation (and after the
// transfer back), so the calculation's own refresh of the screen is skipped.
// A schedule that cannot be read leaves the case not computed: its figures
// are cleared, the headlines and the status bar say why, and the message box
// is shown once for each new reason, not at every field.
void TfrmMain::RunCalculate() {
    FollowSettings();
    const ErrorBatch onceEach;
    fillAfterCalculation_ = true;
    const QString failedBefore = scheduleFailure_;
    scheduleFailure_.clear();
    try {
        answers_->Calculate();
    } catch (const SupportTableError& error) {
        scheduleFailure_ = NotComputedText(error);
        if (scheduleFailure_ != scheduleWarned_) {
            scheduleWarned_ = scheduleFailure_;
            prompts_->Warn(QString::fromStdString(error.what()));
        }
    }
    if (scheduleFailure_.isEmpty()) scheduleWarned_.clear();
    if (scheduleFailure_ != failedBefore) ShowScheduleNotice();
    fillAfterCalculation_ = false;
}

// Screen page to calculation pages, calculation, back, refill.
void TfrmMain::RecalculatePage() {
    RefillShowingChanges([this] {
        TransferScreenToCalc(*answers_, currentPage_);
        RunCalculate();
        TransferCalcToScreen(*answers_, currentPage_);
    });
}

// ---- The field-edit cycle ----

bool TfrmMain::CalcOnExit(QWidget* sender) {
    // Leaving the field the focus passed through on its way back to a field
    // being corrected takes nothing: the page holds an entry not yet read.
    if (correcting_) return false;
    // An undo or redo moving the focus back to its field leaves the field
    // that had it: the case is being put back, nothing there is an entry.
    if (replaying_) return true;
    const QString before = StoredTextOf(sender);
    return RecordStep(
        [this, sender, before] {
            const QString after = StoredTextOf(sender);
            return after == before ? QString() : StepName(sender, before, after);
        },
                      [this, sender] { return LeaveField(sender); }, sender ? sender->objectName() : QString());
}

// The text a control's slot holds on the page shown, as the control shows it
// (a list's item, not its position).
QString TfrmMain::StoredTextOf(QWidget* control) const {
    const int slot = control && answers_ && IsScreenPage(currentPage_) ? BoundSlotOf(control) : -1;
    if (slot < 0) return {};
    const QString text = QString::fromStdString(answers_->Text(currentPage_, slot));
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        bool number = false;
        const int index = text.toInt(&number);
        return number && index >= 0 && index < list->count() ? list->itemText(index) : QString();
    }
    return text;
}

bool TfrmMain::LeaveField(QWidget* sender) {
    if (auto* edit = qobject_cast<QLineEdit*>(sender)) {
        const FieldKind kind = KindOfTag(TagOf(edit));
        // An empty field only passed through keeps nothing typed: no "0" is
        // written into it.
        const bool passedThrough = edit->text().isEmpty() && !edit->isModified();
        if (kind != FieldKind::Unbound && !edit->isReadOnly() && !passedThrough) {
            const EntryOutcome outcome = AcceptEntry(edit);
            if (outcome == EntryOutcome::Correcting) {
                ReturnToField(edit);
                return false;
            }
            MarkRefusedEntry(edit, {});  // taken, zero entered or put back: no refusal stands
            if (outcome == EntryOutcome::Taken) {
                const QString normalised = QString::fromStdString(NormalisedText(kind, edit->text().toStdString()));
                if (normalised != edit->text()) edit->setText(normalised);
            }
        }
    }
    if (!answers_ || !IsScreenPage(currentPage_)) return true;
    const ErrorBatch onceEach;
    StorePage();
    RecalculatePage();
    UpdateMenuItems();
    return true;
}

// A number field's entry is read before it is stored: spaces and a line
// break pasted with it are trimmed; an entry that cannot be read is shown
// once, naming the field and quoting the entry: "Correct It" (the default)
// sends the focus back with the entry selected, "Enter 0" enters 0, Cancel
// or Escape puts back the previous value; an amount too large for exact
// cents is refused and the previous value stays.  A short form's number of
// children that its decree table divides by must be at least 1.
TfrmMain::EntryOutcome TfrmMain::AcceptEntry(QLineEdit* edit) {
    const FieldKind kind = KindOfTag(TagOf(edit));
    if (kind == FieldKind::Text) return EntryOutcome::Taken;
    const QString typed = edit->text().trimmed();
    if (typed != edit->text()) edit->setText(typed);
    const EntryCheck check = CheckNumberEntry(typed.toStdString());
    const QString place = PlaceOf(edit);
    MarkRefusedEntry(edit, {});
    if (check == EntryCheck::Unreadable) {
        RefuseEntry(edit, UnreadableEntryWhy(typed));
        switch (prompts_->AskUnreadableEntry(UnreadableEntryText(static_cast<int>(kind), place, typed))) {
            case EntryAnswer::CorrectIt: return EntryOutcome::Correcting;
            case EntryAnswer::EnterZero:
                edit->setText(QStringLiteral("0"));
                break;
            case EntryAnswer::PutBack:
                RestoreField(edit);
                return EntryOutcome::PutBack;
        }
    }
    if (check == EntryCheck::TooLarge) {
        RefuseEntry(edit, QStringLiteral("\"%1\" is too large; the field keeps what it held before.").arg(typed));
        prompts_->Warn(QStringLiteral("%1: \"%2\" is too large. Amounts must be below 1,000,000,000,000; "
                                      "the field keeps what it held before.")
                           .arg(place, typed));
        RestoreField(edit);
        return EntryOutcome::PutBack;
    }
    if (IsDecreeChildrenSlot(currentPage_, SlotOfEditTag(TagOf(edit))) && Str2Float_0(edit->text().toStdString()) < 1) {
        const QString text = QStringLiteral("%1: there must be at least one child subject to the order, and the "
                                            "decree table divides by the number of children.\n"
                                            "OK enters 1; Cancel puts back what the field held before.")
                                 .arg(place);
        RefuseEntry(edit, QStringLiteral("there must be at least one child subject to the order."));
        if (!prompts_->AskOkCancel(text)) {
            RestoreField(edit);
            return EntryOutcome::PutBack;
        }
        edit->setText(QStringLiteral("1"));
    }
    return EntryOutcome::Taken;
}

// A refused entry is said on the status bar and, for a screen reader, in the
// field's description, before the user is asked what to do with it.
void TfrmMain::RefuseEntry(QLineEdit* edit, const QString& why) {
    statusBar()->showMessage(QStringLiteral("%1: %2").arg(PlaceOf(edit), why));
    MarkRefusedEntry(edit, why);
}

void TfrmMain::ReturnToField(QLineEdit* edit) {
    if (edit->hasFocus()) {  // a command asked for the entry; the field was not left
        edit->selectAll();
        return;
    }
    correcting_ = edit;
    QTimer::singleShot(0, this, [this] {
        if (auto* field = qobject_cast<QLineEdit*>(correcting_.data())) {
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
        }
        correcting_ = nullptr;
    });
}

// Puts back the value the field shows for its slot in the store.
void TfrmMain::RestoreField(QLineEdit* edit) {
    const int tag = TagOf(edit);
    const std::string stored = answers_->Text(currentPage_, SlotOfEditTag(tag));
    const int decimals = edit->property(kDecimalsProperty).isValid() ? edit->property(kDecimalsProperty).toInt() : 2;
    const bool wasFilling = filling_;
    filling_ = true;
    edit->setText(QString::fromStdString(DisplayText(KindOfTag(tag), stored, decimals)));
    filling_ = wasFilling;
}

void TfrmMain::ScrollOnEnter(QWidget* sender) {
    SetOverrideButtons(sender);
    if (qobject_cast<QLineEdit*>(sender) || qobject_cast<QCheckBox*>(sender) || qobject_cast<QPlainTextEdit*>(sender))
        lastField_ = sender;
    QScrollBar* bar = VertScrollBox1_->verticalScrollBar();
    const int y = sender->mapTo(pnlMainForm_, QPoint(0, 0)).y();
    const int visible = VertScrollBox1_->viewport()->height();
    if (y + sender->height() > bar->value() + visible || y < bar->value()) bar->setValue(y - visible / 2);
    UpdateMenuItems();
}

void TfrmMain::SetOverrideButtons(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const bool overridable = IsOverridableEditStyle(StyleOf(edit));
        SetOverrideCommands(overridable && edit->isReadOnly(), overridable && !edit->isReadOnly());
    } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
        SetOverrideCommands(StyleOf(box) == kCheckBoxOverrideable, StyleOf(box) == kCheckBoxOverridden);
    }
}

void TfrmMain::OverrideClick() {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!edit || !pnlMainForm_->isAncestorOf(edit) || !IsOverridableEditStyle(StyleOf(edit))) return;
    const int slot = SlotOfEditTag(TagOf(edit));
    const bool overridden = !answers_->OvRide(currentPage_, slot);
    RecordStep(
        [edit, overridden] {
            return QStringLiteral("%1 of %2").arg(overridden ? QStringLiteral("Override") : QStringLiteral("Cancel Override"),
                                                 PlaceOf(edit));
        },
        [&] {
            answers_->SetOvRide(currentPage_, slot, overridden);
            SetModified(true);
            SetOverrideCommands(!overridden, overridden);
            StorePage();
            RecalculatePage();
            return true;
        },
        edit->objectName());
    UpdateMenuItems();
}

void TfrmMain::CalloutDispatch(QPushButton* button) {
    const bool wasOpen = openCallout_ && openCallout_->property("Button").value<QObject*>() == button;
    CloseCallouts();
    if (wasOpen) return;
    for (const QVariant& entry : button->property("Callouts").toList()) {
        auto* callout = qobject_cast<QWidget*>(entry.value<QObject*>());
        if (!callout) continue;
        callout->setProperty("Button", QVariant::fromValue<QObject*>(button));
        callout->show();
        callout->raise();
        openCallout_ = callout;
    }
}

QWidget* TfrmMain::CalloutButton() const {
    return openCallout_ ? qobject_cast<QWidget*>(openCallout_->property("Button").value<QObject*>()) : nullptr;
}

// Closes the help bubble on show (Escape, a click elsewhere, leaving its line).
void TfrmMain::CloseCallouts() {
    if (openCallout_) openCallout_->hide();
    openCallout_.clear();
}

// A worksheet button opens the line dialog of its code on the answers of
// the screen page (a short form's are first moved to the long form's page);
// when the dialog closes, by any button, the case is recalculated.  The
// child care dialog's "Refresh" stores its fields and is shown again with
// the values the recalculation leaves.
void TfrmMain::DialogDispatch(int code, const QWidget* button) {
    if (!answers_) return;
    StorePage();
    QString caption;
    bool changed = false;
    // Everything the dialog writes, as often as it is shown again, is one step.
    // The step is named for what the button opens ("Child care expenses for
    // line 19, mother"), else for the dialog's caption.
    const QString opened = button ? button->accessibleName() : QString();
    RecordStep([&caption, &changed, &opened] { return !changed ? QString() : opened.isEmpty() ? caption : opened; },
               [&] {
                   PrepareLineDialog(*answers_, code);
                   const DialogContext context{*answers_, code, *prompts_};
                   for (bool again = true; again;) {
                       const std::unique_ptr<TLineDialog> dialog = CreateLineDialog(context, this);
                       if (!dialog) break;
                       dialog->Introduce(QString::fromStdString(LineDialogSubject(code)), *prompts_);
                       caption = dialog->windowTitle();
                       again = prompts_->RunDialog(*dialog) == TfrmChildCareDlg::Refresh;
                       changed = changed || dialog->CaseChanged();
                       if (again) RecalculateAfterLineDialog(code);
                   }
                   if (changed) SetModified(true);
                   RecalculateAfterLineDialog(code);
                   return changed;
               },
               button ? button->objectName() : QString());
    UpdateMenuItems();
}

void TfrmMain::RecalculateAfterLineDialog(int code) {
    RefillShowingChanges([this, code] {
        TransferBeforeRecalculation(*answers_, code);
        RunCalculate();
        TransferAfterRecalculation(*answers_, code);
    });
}

// The annualizer fills the focused field of the worksheet: an editable
// field bound to a slot (with the focus in a menu, the field last entered).
// Accepting works the amount out from what the dialog shows.
void TfrmMain::AnnualizerClick() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !pnlMainForm_->isAncestorOf(focus)) focus = lastField_.data();
    auto* edit = qobject_cast<QLineEdit*>(focus);
    if (!answers_ || !IsScreenPage(currentPage_) || !edit || !pnlMainForm_->isAncestorOf(edit) || edit->isReadOnly())
        return;
    const int tag = TagOf(edit);
    const int kind = static_cast<int>(KindOfTag(tag));
    if (kind == static_cast<int>(FieldKind::Unbound)) return;
    StorePage();
    bool accepted = false;
    RecordStep([edit, &accepted] { return accepted ? QStringLiteral("Annualizer: %1").arg(PlaceOf(edit)) : QString(); },
               [&] {
                   TfrmCalculatorDlg dialog(kind, this);
                   const QString place = PlaceOf(edit);
                   dialog.Introduce(place.left(1).toLower() + place.mid(1), *prompts_);
                   accepted = prompts_->RunDialog(dialog) == QDialog::Accepted;
                   if (accepted) {
                       answers_->SetText(currentPage_, SlotOfEditTag(tag), AnnualizedSlotText(kind, dialog.Annual()));
                       SetModified(true);
                   }
                   RecalculatePage();
                   return accepted;
               },
               edit->objectName());
    UpdateMenuItems();
}

QWidget* TfrmMain::FindField(const QString& name) const { return pnlMainForm_->findChild<QWidget*>(name); }

QImage TfrmMain::RenderPage() {
    QImage image(pnlMainForm_->size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    pnlMainForm_->render(&painter);
    return image;
}

void TfrmMain::InsertToday() {
    auto* edit = qobject_cast<QLineEdit*>(lastField_.data());
    if (!edit || edit->isReadOnly()) return;
    edit->setText(QString::fromStdString(LongDateOfToday()));
    edit->setFocus();
    SetModified(true);
}

// ---- Zoom and Shrink Font ----

void TfrmMain::ShowZoomDialog() {
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Zoom"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, 200);
    slider->setValue(static_cast<int>(RoundHalfEven(settings_.zoomFactor * 100)));
    auto* value = new QLabel;
    auto show = [value](int percent) { value->setText(QString::number(percent) + QStringLiteral("%")); };
    show(slider->value());
    connect(slider, &QSlider::valueChanged, value, show);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(QStringLiteral("?"), QDialogButtonBox::HelpRole)->setAccessibleName(QStringLiteral("Help on zoom"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { ShowHelpPage(kZoomHelpPage); });
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(value);
    layout->addWidget(slider);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || slider->value() == 0) return;
    const double factor = slider->value() / 100.0;
    ChangeSettings([factor](Settings& s) { s.zoomFactor = factor; }, QStringLiteral("zoom"));
    ApplyZoom(factor);
}

// Scales the page to `factor`, keeping the focused field and the place on the
// page, and sizes the window to the page: page width + tree + 36, centred.
void TfrmMain::ApplyZoom(double factor) {
    settings_.zoomFactor = factor;
    if (currentPage_ == -1 || !caseShown_) return;
    QWidget* focus = QApplication::focusWidget();
    const QString focusName = focus && pnlMainForm_->isAncestorOf(focus) ? focus->objectName() : QString();
    QScrollBar* bar = VertScrollBox1_->verticalScrollBar();
    const double place = pnlMainForm_->height() > 0 ? static_cast<double>(bar->value()) / pnlMainForm_->height() : 0;

    DisplayAPage(currentPage_ * 100 + std::max(0, currentSubPage_));
    if (QWidget* field = focusName.isEmpty() ? nullptr : FindField(focusName)) field->setFocus(Qt::OtherFocusReason);
    bar->setValue(static_cast<int>(place * pnlMainForm_->height()));

    const QRect screenArea = screen()->availableGeometry();
    const int tree = TreeView1_->isVisible() ? TreeView1_->width() : 0;
    const int wanted = std::min(pnlMainForm_->width() + tree + 36, screenArea.width());
    resize(std::max(wanted, minimumSizeHint().width()), height());
    move(screenArea.x() + std::max(0, (screenArea.width() - width()) / 2), y());
}

void TfrmMain::ShowShrinkFontDialog() {
    QDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("Shrink Font"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget;
    for (int k = 0; k <= 6; ++k) list->addItem(QString::number(k * 0.5, 'f', 1));
    list->setCurrentRow(std::clamp(static_cast<int>(settings_.shrinkAmount / 0.5), 0, 6));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->addButton(QStringLiteral("?"), QDialogButtonBox::HelpRole)
        ->setAccessibleName(QStringLiteral("Help on shrinking the fonts"));
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { ShowHelpPage(kShrinkFontsHelpPage); });
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(list);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return;
    const double shrink = list->currentRow() * 0.5;
    ChangeSettings([shrink](Settings& s) { s.shrinkAmount = shrink; }, QStringLiteral("font shrink"));
    settings_.shrinkAmount = shrink;
    DisplayAPage(0);
}

}  // namespace quill10::gui
