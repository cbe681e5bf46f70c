#include "dialogs/DialogSupport.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QAbstractButton>
#include <QShowEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/UserPrompts.h"
#include "calc/LineDialogs.h"
#include "screen/Accessibility.h"
#include "screen/ControlBinding.h"
#include "screen/PageLayout.h"
#include "store/FieldText.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

constexpr const char* kHelpSite = "https://www.velmora.com";

HelpOpener& CurrentHelpOpener() {
    static HelpOpener opener = [](const QString& path) { QDesktopServices::openUrl(QUrl(QString::fromLatin1(kHelpSite) + path)); };
    return opener;
}

// Runs `leave` when the field loses the focus (not when a menu or another
// window takes it for a moment).
class LeaveWatcher : public QObject {
public:
    LeaveWatcher(QLineEdit* edit, std::function<void()> leave) : QObject(edit), leave_(std::move(leave)) {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) leave_();
        }
        return false;
    }

private:
    std::function<void()> leave_;
};

// Reads a number field's entry each time it is left, as the worksheet
// does, and shows it through `format`.  The dialog's prompts ask about an
// entry that cannot be read; a dialog not introduced to them formats what
// it has.
class NumberEntry : public QObject {
public:
    using Format = std::function<std::string(const std::string&)>;
    NumberEntry(QLineEdit* edit, FieldKind kind, Format format)
        : QObject(edit), edit_(edit), kind_(kind), format_(std::move(format)) {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && !EntryRefused(edit_)) held_ = edit_->text();
        if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) Leave();
        }
        return false;
    }

private:
    void Leave() {
        if (edit_->isReadOnly()) return;
        const QString typed = edit_->text().trimmed();
        const auto* dialog = qobject_cast<const TLineDialog*>(edit_->window());
        UserPrompts* prompts = dialog ? dialog->Prompts() : nullptr;
        if (prompts && CheckNumberEntry(StdOf(typed)) == EntryCheck::Unreadable) {
            MarkRefusedEntry(edit_, UnreadableEntryWhy(typed));
            const QString place = edit_->accessibleName().isEmpty() ? edit_->objectName() : edit_->accessibleName();
            switch (prompts->AskUnreadableEntry(UnreadableEntryText(static_cast<int>(kind_), place, typed))) {
                case EntryAnswer::CorrectIt:
                    QTimer::singleShot(0, edit_, [edit = edit_] {
                        edit->setFocus(Qt::OtherFocusReason);
                        edit->selectAll();
                    });
                    return;
                case EntryAnswer::EnterZero: edit_->setText(QStringLiteral("0")); break;
                case EntryAnswer::PutBack: edit_->setText(held_); break;
            }
        }
        MarkRefusedEntry(edit_, {});
        const QString shown = QOf(format_(StdOf(edit_->text())));
        if (shown != edit_->text()) edit_->setText(shown);
    }

    QLineEdit* edit_;
    FieldKind kind_;
    Format format_;
    QString held_;  // what the field held when it was entered, put back by Cancel
};

// The name a screen reader has for a control (its label's text, for a
// field of a form), without a mnemonic marker or a trailing colon.
QString OwnName(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    QString name = face ? face->text(QAccessible::Name) : QString();
    name.remove(QLatin1Char('&'));
    while (name.endsWith(QLatin1Char(':')) || name.endsWith(QLatin1Char('*')) || name.endsWith(QLatin1Char(' ')))
        name.chop(1);
    return name.isEmpty() ? control->objectName() : name;
}

// The controls of a dialog the user enters something in.
bool IsEntry(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return !(edit->parentWidget() && edit->parentWidget()->focusProxy() == edit);  // a list's own
    return qobject_cast<QComboBox*>(control) || qobject_cast<QCheckBox*>(control) ||
           qobject_cast<QRadioButton*>(control) || qobject_cast<QPlainTextEdit*>(control);
}

// A click on a check box's text ticks or unticks the box.
class TextClick : public QObject {
public:
    TextClick(QLabel* label, QCheckBox* box) : QObject(label), box_(box) { label->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::MouseButtonRelease ||
            static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton || !box_->isEnabled())
            return false;
        box_->setFocus(Qt::MouseFocusReason);
        box_->toggle();
        return true;
    }

private:
    QCheckBox* box_;
};

}  // namespace


void OpenHelpPage(const char* path) { CurrentHelpOpener()(QString::fromLatin1(path)); }

HelpOpener SetHelpOpener(HelpOpener opener) {
    HelpOpener previous = CurrentHelpOpener();
    CurrentHelpOpener() = std::move(opener);
    return previous;
}

QString QOf(const std::string& text) { return QString::fromStdString(text); }
std::string StdOf(const QString& text) { return text.toStdString(); }

TLineDialog::TLineDialog(const QString& name, const QString& caption, HelpPage help, QWidget* parent)
    : QDialog(parent), help_(help) {
    setObjectName(name);
    setWindowTitle(caption);
    setModal(true);
    setStyleSheet(WorksheetStyleSheet());
    if (help.topic != 0) setProperty(kHelpProperty, help.topic);
    auto* outer = new QVBoxLayout(this);
    // The dialog is never narrower than its captions and fields need (a
    // window whose text wraps is otherwise sized to two thirds of the
    // screen, which at a large scaling squeezes the captions), nor than 460.
    outer->setSizeConstraint(QLayout::SetMinimumSize);
    outer->addStrut(460);
    body_ = new QVBoxLayout;
    outer->addLayout(body_);
    auto* row = new QHBoxLayout;
    row->addStretch();
    buttons_ = row;
    outer->addLayout(row);
    QPushButton* helpButton = NewButton(QStringLiteral("?"), QStringLiteral("btnHelp"));
    helpButton->setProperty("HelpButton", true);
    helpButton->setAccessibleName(QStringLiteral("Help on ") + QString::fromLatin1(help.about));
    helpButton->setFixedWidth(helpButton->sizeHint().height() + 8);
    connect(helpButton, &QPushButton::clicked, this, [this] { OpenHelpPage(help_.path); });
    row->addWidget(helpButton);
}

void TLineDialog::Introduce(const QString& subject, UserPrompts& prompts) {
    prompts_ = &prompts;
    if (subject.isEmpty()) return;
    setWindowTitle(windowTitle() + QStringLiteral(" for ") + subject);
    const QString prefix = subject.left(1).toUpper() + subject.mid(1) + QStringLiteral(": ");
    for (QWidget* control : findChildren<QWidget*>())
        if (IsEntry(control)) control->setAccessibleName(prefix + OwnName(control));
}

void TLineDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        QWidget* focused = focusWidget();
        if (auto* button = qobject_cast<QAbstractButton*>(focused); button && !qobject_cast<QCheckBox*>(button)) {
            button->click();
            return;
        }
        if (focused) {
            focusNextChild();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void TLineDialog::showEvent(QShowEvent* event) {
    FitWrappedTexts();
    QDialog::showEvent(event);
    QWidget* focused = focusWidget();
    if (focused && !qobject_cast<QAbstractButton*>(focused)) return;
    for (QWidget* next = nextInFocusChain(); next && next != this; next = next->nextInFocusChain()) {
        auto* edit = qobject_cast<QLineEdit*>(next);
        if (edit && edit->isEnabled() && !edit->isReadOnly() && edit->isVisibleTo(this)) {
            edit->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

// A window whose texts wrap is opened at most two thirds of the screen high,
// which on a small or scaled-up screen cuts the wrapped texts to a line:
// the dialog takes the height its texts need at its width, widened (up to
// the screen's width) while that height does not fit the screen.
void TLineDialog::FitWrappedTexts() {
    QLayout* outer = layout();
    const QScreen* screen = this->screen();
    if (!outer || !outer->hasHeightForWidth() || !screen) return;
    const QRect area = screen->availableGeometry();
    const int widest = std::max(width(), area.width() - kScreenMargin);
    const int tallest = area.height() - kScreenMargin;
    int wide = std::max(width(), minimumSizeHint().width());
    while (outer->totalHeightForWidth(wide) > tallest && wide < widest) wide = std::min(wide + kWidenStep, widest);
    resize(wide, std::max(height(), outer->totalHeightForWidth(wide)));
}

QPushButton* TLineDialog::AddButton(const QString& caption, const QString& name, std::function<void()> onClick) {
    QPushButton* button = NewButton(caption, name);
    connect(button, &QPushButton::clicked, this, std::move(onClick));
    buttons_->insertWidget(buttons_->count() - 1, button);
    return button;
}

void TLineDialog::AddAccept(std::function<void()> write, const QString& acceptCaption) {
    AddButton(acceptCaption, QStringLiteral("btnAccept"), [this, write = std::move(write)] {
        // An entry being corrected is not taken: the user goes back to it.
        for (QLineEdit* edit : findChildren<QLineEdit*>())
            if (EntryRefused(edit)) return edit->setFocus(Qt::OtherFocusReason);
        write();
        MarkCaseChanged();
        accept();
    });
}

void TLineDialog::AddCancel() { AddButton(QStringLiteral("Cancel"), QStringLiteral("btnCancel"), [this] { reject(); }); }

void TLineDialog::AddAcceptAndCancel(std::function<void()> write, const QString& acceptCaption) {
    AddAccept(std::move(write), acceptCaption);
    AddCancel();
}

QLabel* NewHeading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.15);
    label->setFont(font);
    label->setWordWrap(true);
    return label;
}

QGroupBox* NewGroup(const QString& title, QFormLayout*& form) {
    auto* group = new QGroupBox(title);
    form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return group;
}

QLineEdit* NewField(const QString& name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMinimumWidth(140);
    return edit;
}

// No button is the default: Enter in a field does not close the dialog
// with what was worked out before the entry.
QPushButton* NewButton(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QComboBox* NewFrequencyList() {
    auto* list = new QComboBox;
    list->setObjectName(QStringLiteral("cmbxFrequency"));
    for (const Frequency& frequency : kFrequencies) list->addItem(QString::fromLatin1(frequency.name));
    return list;
}

QWidget* NewWrappedCheckBox(const QString& name, const QString& text, QCheckBox*& box) {
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    box = new QCheckBox;
    box->setObjectName(name);
    box->setAccessibleName(text);
    auto* label = new QLabel(text);
    label->setObjectName(name + QStringLiteral("Text"));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    new TextClick(label, box);
    layout->addWidget(box, 0, Qt::AlignTop);
    layout->addWidget(label, 1);
    return line;
}

void FormatOnLeaving(QLineEdit* edit, std::function<std::string(const std::string&)> format) {
    new LeaveWatcher(edit, [edit, format = std::move(format)] {
        if (edit->isReadOnly()) return;
        const QString text = QOf(format(StdOf(edit->text())));
        if (text != edit->text()) edit->setText(text);
    });
}

std::string MoneyFieldText(const std::string& slotText) { return CurrencyText(Str2Float_2(slotText)); }

void MakeMoneyField(QLineEdit* edit) { new NumberEntry(edit, FieldKind::Money, MoneyFieldText); }

void MakePercentField(QLineEdit* edit) {
    new NumberEntry(edit, FieldKind::Percent, [](const std::string& text) { return PercentFieldText(Str2Float_P(text)); });
}

void ShowOverrideState(QLineEdit* edit, bool overridden) {
    SetStyle(edit, overridden ? kEditOverridden : kEditOverrideable);
    edit->setReadOnly(!overridden);
    DescribeField(edit);
}

bool IsOverriddenField(const QLineEdit* edit) { return !edit->isReadOnly(); }

void OfferOverride(QLineEdit* edit, std::function<void()> toggle) {
    edit->setContextMenuPolicy(Qt::ActionsContextMenu);
    for (const char* caption : {"Override", "Cancel Override"}) {
        auto* action = new QAction(QString::fromLatin1(caption), edit);
        QObject::connect(action, &QAction::triggered, edit, toggle);
        edit->addAction(action);
    }
}

}  // namespace quill10::gui
