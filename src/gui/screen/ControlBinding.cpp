#include "screen/ControlBinding.h"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyle>
#include <QVariant>

#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10::gui {

namespace {

constexpr int kEstimateBoxOffset = 1000;

std::string Std(const QString& text) { return text.toStdString(); }
QString Q(const std::string& text) { return QString::fromStdString(text); }

// Walks every widget under `container` depth first (a widget, then its
// children), stopping when `visit` returns false.
template <typename Visit>
bool Walk(QWidget* container, Visit&& visit) {
    for (QObject* child : container->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget) continue;
        if (!visit(widget)) return false;
        if (!Walk(widget, visit)) return false;
    }
    return true;
}

void FillEdit(QLineEdit* edit, const TAnswer& answers, int page) {
    const int tag = TagOf(edit);
    const FieldKind kind = KindOfTag(tag);
    const int slot = SlotOfEditTag(tag);
    if (kind == FieldKind::Unbound) return;
    const QVariant decimals = edit->property(kDecimalsProperty);
    const std::string shown = DisplayText(kind, answers.Text(page, slot), decimals.isValid() ? decimals.toInt() : 2);
    if (edit->text() != Q(shown)) edit->setText(Q(shown));
    const QString style = StyleOf(edit);
    if (IsOverridableEditStyle(style)) {
        const bool overridden = answers.OvRide(page, slot);
        SetStyle(edit, overridden ? kEditOverridden : kEditOverrideable);
        edit->setReadOnly(!overridden);
    }
}

void FillCheckBox(QCheckBox* box, const TAnswer& answers, int page) {
    const int tag = TagOf(box);
    const bool estimate = tag >= kEstimateBoxOffset;
    const int slot = estimate ? tag - kEstimateBoxOffset : tag;
    const bool ticked = answers.Text(page, slot) == "X";
    if (box->isChecked() != ticked) box->setChecked(ticked);
    if (estimate) box->setText(ticked ? QStringLiteral("EST") : QString());
    const QString style = StyleOf(box);
    if (style == kCheckBoxOverrideable || style == kCheckBoxOverridden)
        SetStyle(box, answers.OvRide(page, tag) ? kCheckBoxOverridden : kCheckBoxOverrideable);
}

}  // namespace

int TagOf(const QObject* object) {
    const QVariant tag = object->property(kTagProperty);
    return tag.isValid() ? tag.toInt() : 0;
}

int HelpContextOf(const QObject* object) {
    const QVariant help = object->property(kHelpProperty);
    return help.isValid() ? help.toInt() : 0;
}

QString StyleOf(const QWidget* widget) { return widget->property(kStyleProperty).toString().toUpper(); }

void SetStyle(QWidget* widget, const QString& style) {
    if (widget->property(kStyleProperty).toString() == style) return;
    widget->setProperty(kStyleProperty, style);
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

bool IsOverridableEditStyle(const QString& style) { return style == kEditOverrideable || style == kEditOverridden; }

bool IsComputedBox(const QWidget* widget) {
    return qobject_cast<const QCheckBox*>(widget) && widget->property("Computed").toBool();
}

QString PlaceOf(const QWidget* widget) {
    const QString place = widget->property(kPlaceProperty).toString();
    return place.isEmpty() ? widget->objectName() : place;
}

int BoundSlotOf(const QWidget* widget) {
    const bool hasTag = widget->property(kTagProperty).isValid();
    const int tag = TagOf(widget);
    if (qobject_cast<const QLineEdit*>(widget))
        return KindOfTag(tag) == FieldKind::Unbound ? -1 : SlotOfEditTag(tag);
    if (qobject_cast<const QCheckBox*>(widget))
        return !hasTag ? -1 : tag >= kEstimateBoxOffset ? tag - kEstimateBoxOffset : tag;
    if (qobject_cast<const QRadioButton*>(widget) || qobject_cast<const QLabel*>(widget)) return tag != 0 ? tag : -1;
    if (qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QComboBox*>(widget)) return hasTag ? tag : -1;
    return -1;
}

bool Answer2Components(QWidget* container, const TAnswer& answers, int page) {
    return Walk(container, [&](QWidget* widget) {
        const int slot = BoundSlotOf(widget);
        if (slot < 0) return true;
        if (!answers.HasSlot(page, slot)) {
            ErrorMessage(14010, "Answer2Components");
            return false;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            FillEdit(edit, answers, page);
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            FillCheckBox(box, answers, page);
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            radio->setChecked(answers.Text(page, slot) == "X");
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            QString text = Q(LineToMemo(answers.Text(page, slot)));
            text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            if (memo->toPlainText() != text) memo->setPlainText(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            // An empty slot shows the list's own choice for it ("Daily" for
            // the income estimator's pay period, as the estimator reads it),
            // or nothing chosen.
            const std::string& index = answers.Text(page, slot);
            const QVariant empty = combo->property("EmptyIndex");
            combo->setCurrentIndex(index.empty() ? (empty.isValid() ? empty.toInt() : -1) : Str2Int(index));
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(Q(answers.Text(page, slot)));
        }
        return true;
    });
}

bool Components2Answers(QWidget* container, TAnswer& answers, int page) {
    return Walk(container, [&](QWidget* widget) {
        const int slot = BoundSlotOf(widget);
        if (slot < 0 || qobject_cast<QLabel*>(widget)) return true;
        if (!answers.HasSlot(page, slot)) {
            ErrorMessage(14020, "Components2Answers");
            return false;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            answers.SetText(page, slot, StoredText(KindOfTag(TagOf(edit)), Std(edit->text())));
        } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
            answers.SetText(page, slot, box->isChecked() ? "X" : "");
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            answers.SetText(page, slot, radio->isChecked() ? "X" : "");
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
            answers.SetText(page, slot, MemoToLine(Std(memo->toPlainText())));
        } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            answers.SetText(page, slot, std::to_string(combo->currentIndex()));
        }
        return true;
    });
}

}  // namespace quill10::gui
