#include "screen/Accessibility.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTabWidget>
#include <QVariant>
#include <string_view>
#include <utility>

#include "help/DataSource.h"
#include "screen/ControlBinding.h"

namespace quill10::gui {

namespace {

void SendAlert(QWidget* control, const QString&) {
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

Announcer& CurrentAnnouncer() {
    static Announcer announcer = SendAlert;
    return announcer;
}

constexpr const char* kRefusedProperty = "RefusedEntry";
constexpr const char* kLayoutTipProperty = "LayoutToolTip";
// Answers for a list as the toolkit's own interface of it does, except for
// its name: on Linux the toolkit names a list by the choice shown, which is
// its value, so two lists showing "Daily" sound alike and an unset one is
// named by its label.  The accessible name the list was given is its name,
// else the label it is the buddy of.
class NamedListInterface final : public QAccessibleInterface {
public:
    explicit NamedListInterface(QAccessibleInterface* own) : own_(own), ownId_(QAccessible::uniqueId(own)) {}
    ~NamedListInterface() override { QAccessible::deleteAccessibleInterface(ownId_); }

    bool isValid() const override { return own_->isValid(); }
    QObject* object() const override { return own_->object(); }
    QWindow* window() const override { return own_->window(); }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        return own_->relations(match);
    }
    QAccessibleInterface* focusChild() const override { return own_->focusChild(); }
    QAccessibleInterface* childAt(int x, int y) const override { return own_->childAt(x, y); }
    QAccessibleInterface* parent() const override { return own_->parent(); }
    QAccessibleInterface* child(int index) const override { return own_->child(index); }
    int childCount() const override { return own_->childCount(); }
    int indexOfChild(const QAccessibleInterface* child) const override { return own_->indexOfChild(child); }
    void setText(QAccessible::Text t, const QString& text) override { own_->setText(t, text); }
    QRect rect() const override { return own_->rect(); }
    QAccessible::Role role() const override { return own_->role(); }
    QAccessible::State state() const override { return own_->state(); }
    QColor foregroundColor() const override { return own_->foregroundColor(); }
    QColor backgroundColor() const override { return own_->backgroundColor(); }
    void* interface_cast(QAccessible::InterfaceType type) override { return own_->interface_cast(type); }
    void virtual_hook(int id, void* data) override { own_->virtual_hook(id, data); }

    QString text(QAccessible::Text t) const override {
        const auto* list = qobject_cast<const QComboBox*>(object());
        if (t != QAccessible::Name || !list) return own_->text(t);
        if (!list->accessibleName().isEmpty()) return list->accessibleName();
        for (const auto& [label, relation] : own_->relations(QAccessible::Label))
            if (label && !label->text(QAccessible::Name).isEmpty()) return label->text(QAccessible::Name);
        return own_->text(t);
    }

private:
    QAccessibleInterface* own_;
    QAccessible::Id ownId_;  // the toolkit keeps its own interface; this one gives it back
};

// The toolkit makes its own interface of a list first (this factory stands
// aside for the list meanwhile); the named one answers for it from then on.
QAccessibleInterface* NamedLists(const QString& className, QObject* object) {
    static QObject* making = nullptr;
    if (object == making || className != QLatin1String("QComboBox")) return nullptr;
    making = object;
    QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
    making = nullptr;
    return own ? new NamedListInterface(own) : nullptr;
}

QString StateWords(const QString& style, bool readOnly) {
    if (style == kEditOverridden || style == kCheckBoxOverridden) return kOverriddenWords;
    if (style == kEditOverrideable || style == kCheckBoxOverrideable) return readOnly ? kOverrideableWords : kOverriddenWords;
    if (style == kEditReadOnly) return kComputedWords;
    return readOnly ? kComputedWords : kEnteredWords;
}

bool IsOverriddenStyle(const QString& style) { return style == kEditOverridden || style == kCheckBoxOverridden; }

// An overridden control's tool tip says so before what the layout's tip says.
void ShowOverrideInToolTip(QWidget* control, bool overridden) {
    if (!control->property(kLayoutTipProperty).isValid()) control->setProperty(kLayoutTipProperty, control->toolTip());
    const QString layoutTip = control->property(kLayoutTipProperty).toString();
    const QString tip = overridden ? kOverriddenWords + QStringLiteral(".") +
                                         (layoutTip.isEmpty() ? QString() : QStringLiteral("\n") + layoutTip)
                                   : layoutTip;
    if (control->toolTip() != tip) control->setToolTip(tip);
}

void SetDescription(QWidget* control, const QString& description) {
    if (control->accessibleDescription() == description) return;
    control->setAccessibleDescription(description);
    QAccessibleEvent changed(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

bool IsReadOnly(const QWidget* control) {
    if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->isReadOnly();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(control)) return memo->isReadOnly();
    return IsComputedBox(control);
}

// The fields, boxes, lists and memos of a page or dialog, whose entries or
// figures have a state.
template <typename Visit>
void ForEachField(QWidget* container, Visit&& visit) {
    for (QWidget* control : container->findChildren<QWidget*>()) {
        auto* edit = qobject_cast<QLineEdit*>(control);
        if (edit && edit->parentWidget() && edit->parentWidget()->focusProxy() == edit) continue;  // a list's own
        if (edit || qobject_cast<QCheckBox*>(control) || qobject_cast<QComboBox*>(control) ||
            qobject_cast<QPlainTextEdit*>(control))
            visit(control);
    }
}

}  // namespace

QString FieldDescription(const QString& style, bool readOnly, const QString& dataSource) {
    QString description = StateWords(style, readOnly) + QStringLiteral(".");
    if (!dataSource.isEmpty() && (readOnly || !style.isEmpty())) description += QStringLiteral(" ") + dataSource;
    return description;
}

void DescribeField(QWidget* control, const QString& dataSource) {
    const QString style = StyleOf(control);
    QString description = FieldDescription(style, IsReadOnly(control), dataSource);
    if (qobject_cast<QPlainTextEdit*>(control)) description += QStringLiteral(" ") + kMemoWords;
    const QString refused = control->property(kRefusedProperty).toString();
    if (!refused.isEmpty()) description = refused + QStringLiteral(" ") + description;
    SetDescription(control, description);
    ShowOverrideInToolTip(control, IsOverriddenStyle(style) || (style == kEditOverrideable && !IsReadOnly(control)));
}

void DescribeFields(QWidget* page, int screenPage) {
    ForEachField(page, [screenPage](QWidget* control) {
        if (!control->property(kTagProperty).isValid()) return;
        const std::string_view source = DataSourceText(screenPage, TagOf(control));
        DescribeField(control, QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size())));
    });
}

void NameListsByTheirAccessibleNames() {
    static const bool installed = [] {
        QAccessible::installFactory(NamedLists);
        return true;
    }();
    Q_UNUSED(installed);
}

void MarkRefusedEntry(QLineEdit* edit, const QString& why) {
    const QString was = edit->property(kRefusedProperty).toString();
    const QString refused = why.isEmpty() ? QString() : QStringLiteral("Entry refused: ") + why;
    if (was == refused) return;
    edit->setProperty(kRefusedProperty, refused);
    QString description = edit->accessibleDescription();
    if (!was.isEmpty() && description.startsWith(was)) description = description.mid(was.size()).trimmed();
    SetDescription(edit, refused.isEmpty() ? description : refused + QStringLiteral(" ") + description);
    if (!refused.isEmpty()) Announce(edit, refused);
}

bool EntryRefused(const QWidget* control) { return !control->property(kRefusedProperty).toString().isEmpty(); }

Announcer SetAnnouncer(Announcer announcer) { return std::exchange(CurrentAnnouncer(), std::move(announcer)); }

void Announce(QWidget* control, const QString& text) { CurrentAnnouncer()(control, text); }

void GiveMnemonics(QMenu* menu) {
    QString taken;
    const QList<QAction*> actions = menu->actions();
    for (QAction* action : actions) {
        const QString text = action->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size()) taken += text.at(at + 1).toLower();
    }
    for (QAction* action : actions) {
        QString text = action->text();
        if (action->isSeparator() || text.isEmpty() || text.contains(QLatin1Char('&'))) continue;
        qsizetype pick = -1;
        for (int pass = 0; pass < 2 && pick < 0; ++pass)
            for (qsizetype k = 0; k < text.size() && pick < 0; ++k) {
                const bool wordStart = k == 0 || !text.at(k - 1).isLetterOrNumber();
                if (text.at(k).isLetterOrNumber() && (pass == 1 || wordStart) && !taken.contains(text.at(k).toLower()))
                    pick = k;
            }
        if (pick < 0) continue;
        taken += text.at(pick).toLower();
        action->setText(text.insert(pick, QLatin1Char('&')));
    }
}

void PageTabsByKeyboard(QTabWidget* tabs) {
    for (const auto& [keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto* shortcut = new QShortcut(keys, tabs);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, step = step] {
            const int count = tabs->count();
            if (count == 0) return;
            tabs->setCurrentIndex((tabs->currentIndex() + step + count) % count);
            QWidget* page = tabs->currentWidget();
            Announce(page, page->accessibleName().isEmpty() ? tabs->tabText(tabs->currentIndex()) : page->accessibleName());
        });
    }
}

}  // namespace quill10::gui
