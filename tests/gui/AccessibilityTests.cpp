// The window as a screen reader and a keyboard meet it, at 200 % scaling:
// every control a user can reach is named, once on its page or dialog; a
// field says whether its figure is entered, computed or overridden; a
// refused entry is announced; the headline figures carry their titles; Tab
// follows the paper; every window's commands and tabs have keys; the
// colours hold their contrast, also in a high-contrast palette; and the
// worksheets and dialogs render without cut text (PNGs kept for a look).
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <map>
#include <optional>
#include <set>

#include "GuiTestSupport.h"
#include "app/TfrmCompare.h"
#include "help/DataSource.h"
#include "print/TfrmSelectedForms.h"
#include "scheduler/TfrmArrearsFiller.h"
#include "scheduler/TfrmInterestSetting.h"
#include "scheduler/TfrmScheduler.h"
#include "screen/Accessibility.h"
#include "screen/ControlBinding.h"
#include "screen/HelpWindow.h"
#include "screen/PageLayout.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {

// The four worksheets in the tree's order: display Tag, screen page and the
// Tag of the field the focus goes to when the worksheet is shown.
struct Worksheet {
    const char* label;
    int tag;
    int page;
    int firstField;
};
constexpr Worksheet kWorksheets[] = {{"sole/shared long", 0, 0, 1000},
                                     {"sole/shared short", 1500, 15, 1252},
                                     {"split long", 700, 7, 1000},
                                     {"split short", 1600, 16, 1250}};

// The name a screen reader says.
QString NameOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString DescriptionOf(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Description) : QString();
}

// The controls a keyboard reaches in `root`: shown, enabled, taking the
// focus (a control whose focus goes to an inner one counts once).
QList<QWidget*> FocusableControls(QWidget* root) {
    QList<QWidget*> controls;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root) || !widget->isEnabled() || widget->focusPolicy() == Qt::NoFocus) continue;
        if (widget->parentWidget() && widget->parentWidget()->focusProxy() == widget) continue;
        if (widget->focusProxy()) continue;
        if (qobject_cast<QAbstractScrollArea*>(widget->parentWidget()) &&
            static_cast<QAbstractScrollArea*>(widget->parentWidget())->viewport() == widget)
            continue;
        controls << widget;
    }
    return controls;
}

// The controls a keyboard reaches in `root` on any of its tabs.
QList<QWidget*> ControlsOnEveryTab(QWidget* root) {
    QList<QWidget*> controls = FocusableControls(root);
    for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
        const int shown = tabs->currentIndex();
        for (int k = 0; k < tabs->count(); ++k) {
            tabs->setCurrentIndex(k);
            for (QWidget* control : FocusableControls(root))
                if (!controls.contains(control)) controls << control;
        }
        tabs->setCurrentIndex(shown);
    }
    return controls;
}

// Every control of `root` a keyboard reaches, on any of its tabs, has a
// name, and no two have the same one; `where` says which window failed.
void CheckNamesOf(QWidget* root, const QString& where) {
    std::map<QString, QString> seen;  // name -> object name
    for (QWidget* control : ControlsOnEveryTab(root)) {
        const QString name = NameOf(control).trimmed();
        const QString id = QStringLiteral("%1 %2 (%3)").arg(where, control->objectName(),
                                                             QString::fromLatin1(control->metaObject()->className()));
        QVERIFY2(!name.isEmpty(), qPrintable(id + " has no accessible name"));
        QVERIFY2(name != QLatin1String("?"), qPrintable(id + " is named \"?\", not what it helps on"));
        const auto [at, fresh] = seen.emplace(name, id);
        QVERIFY2(fresh, qPrintable(id + " is named \"" + name + "\" like " + at->second));
    }
    QVERIFY2(!seen.empty(), qPrintable(where + " has no control to reach"));
}

// The worksheet lines in the order the page shows their numbers.
std::vector<QString> LineNumbersDownThePage(QWidget* page) {
    std::vector<std::pair<int, QString>> numbers;
    for (QLabel* label : page->findChildren<QLabel*>())
        if (label->property("LineNumber").toBool())
            numbers.emplace_back(label->mapTo(page, QPoint(0, 0)).y(), label->text().remove(QLatin1Char('.')));
    std::sort(numbers.begin(), numbers.end());
    std::vector<QString> lines;
    for (const auto& number : numbers) lines.push_back(number.second);
    return lines;
}

QString LineOfName(const QString& name) {
    static const QRegularExpression line(QStringLiteral("^Line (\\w+)|for line (\\w+)|on line (\\w+)"));
    const QRegularExpressionMatch match = line.match(name);
    for (int k = 1; k <= 3; ++k)
        if (!match.captured(k).isEmpty()) return match.captured(k);
    return {};
}

QString OutputFolder() {
    const QString folder = QDir::current().filePath(QStringLiteral("accessibility-renders"));
    QDir().mkpath(folder);
    return folder;
}

// A high-contrast palette: white text on black, yellow highlight.
QPalette HighContrastPalette() {
    QPalette palette;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        palette.setColor(role, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    palette.setColor(QPalette::ToolTipBase, Qt::black);
    palette.setColor(QPalette::ToolTipText, Qt::white);
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(0xb0b0b0));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0xb0b0b0));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0xb0b0b0));
    return palette;
}

// Labels whose text does not fit their box: wrapped texts taller than the
// label, single lines wider than it.
QStringList CutLabels(QWidget* root) {
    QStringList cut;
    for (QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->text().isEmpty() || label->pixmap().cacheKey() != 0) continue;
        const QSize hint = label->sizeHint();
        const int needed = label->wordWrap() ? label->heightForWidth(label->width()) : hint.height();
        const bool tooWide = !label->wordWrap() && hint.width() > label->width() + 1;
        if (needed > label->height() + 1 || tooWide)
            cut << QStringLiteral("%1 \"%2\" (%3x%4, needs %5x%6)")
                       .arg(label->objectName(), label->text().left(40))
                       .arg(label->width())
                       .arg(label->height())
                       .arg(hint.width())
                       .arg(needed);
    }
    return cut;
}

void SaveRender(QWidget* widget, const QString& name) {
    const QPixmap image = widget->grab();
    QVERIFY2(image.save(QDir(OutputFolder()).filePath(name + QStringLiteral(".png"))), qPrintable(name));
}


}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    QWidget* Page() { return window->PagePanel(); }

    // Opens each line dialog of the page on display with its button, as
    // the keyboard does (focus and Space), and hands the dialog to `check`.
    void ForEachLineDialog(const std::function<void(QDialog&, const QString&)>& check) {
        QStringList buttons;
        for (QPushButton* button : Page()->findChildren<QPushButton*>())
            if (!button->property("HelpButton").toBool()) buttons << button->objectName();
        QVERIFY(!buttons.isEmpty());
        for (const QString& name : buttons) {
            auto* button = Page()->findChild<QPushButton*>(name);
            QVERIFY2(button->focusPolicy() & Qt::TabFocus, qPrintable(name + " is not reached by Tab"));
            button->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(button->hasFocus());
            bool shown = false;
            prompts->dialogDrivers.push_back([&](QDialog& dialog) {
                shown = true;
                check(dialog, name);
            });
            QTest::keyClick(button, Qt::Key_Space);
            QVERIFY2(shown, qPrintable(name + " opened no dialog on Space"));
            prompts->dialogDrivers.clear();
        }
    }

private slots:
    void init() { StartWindow(home, prompts, window); }

    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
        QApplication::setPalette(QPalette());
        QAccessible::setActive(false);
    }

    // The names the layouts carry reach the screen reader, one of each a page.
    void worksheetControlsAreNamedOnce_data() {
        QTest::addColumn<int>("tag");
        for (const Worksheet& sheet : kWorksheets) QTest::newRow(sheet.label) << sheet.tag;
    }
    void worksheetControlsAreNamedOnce() {
        QFETCH(int, tag);
        window->DisplayAPage(tag);
        CheckNamesOf(Page(), QStringLiteral("page %1").arg(tag / 100));
        if (tag == 0) {
            QCOMPARE(NameOf(window->FindField(QStringLiteral("edt10"))),
                     QStringLiteral("Line 1a, Column I (father): Annual gross income from employment"));
            QCOMPARE(NameOf(window->FindField(QStringLiteral("btnIncomeMother"))),
                     QStringLiteral("Income estimator for line 1a, mother"));
            // A list is named by its line, parent and meaning; the choice is its value.
            QWidget* period = window->FindField(QStringLiteral("cmbx203"));
            QCOMPARE(NameOf(period), QStringLiteral("Line 1a, Estimator, father: pay period"));
            QCOMPARE(QAccessible::queryAccessibleInterface(period)->text(QAccessible::Value), QStringLiteral("Daily"));
        }
    }

    // Each field says how its figure comes about; every computed one also
    // says where from, in the words of the Data Source command.
    void fieldsDescribeTheirState_data() { worksheetControlsAreNamedOnce_data(); }
    void fieldsDescribeTheirState() {
        QFETCH(int, tag);
        window->DisplayAPage(tag);
        const int page = tag / 100;
        int computed = 0;
        for (QLineEdit* edit : Page()->findChildren<QLineEdit*>()) {
            if (!edit->isVisibleTo(Page()) || KindOfTag(TagOf(edit)) == FieldKind::Unbound) continue;
            const QString description = DescriptionOf(edit);
            const QString style = StyleOf(edit);
            const QString words = style == kEditReadOnly      ? kComputedWords
                                  : style == kEditOverrideable ? kOverrideableWords
                                  : style == kEditOverridden   ? kOverriddenWords
                                                               : kEnteredWords;
            QVERIFY2(description.startsWith(words + QStringLiteral(".")),
                     qPrintable(edit->objectName() + ": " + description));
            const std::string_view source = DataSourceText(page, TagOf(edit));
            QVERIFY2(style.isEmpty() || !source.empty(), qPrintable(edit->objectName() + " explains no figure"));
            if (!style.isEmpty()) {
                QVERIFY2(description.endsWith(QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size()))),
                         qPrintable(edit->objectName() + ": " + description));
                ++computed;
            }
        }
        QVERIFY(computed > 10);
        for (QCheckBox* box : Page()->findChildren<QCheckBox*>())
            QVERIFY2(!IsComputedBox(box) || !DataSourceText(page, TagOf(box)).empty(), qPrintable(box->objectName()));
        // Memos (the facts of a deviation) and lists say what they take too.
        for (QPlainTextEdit* memo : Page()->findChildren<QPlainTextEdit*>())
            QCOMPARE(DescriptionOf(memo), kEnteredWords + QStringLiteral(". ") + kMemoWords);
        for (QComboBox* list : Page()->findChildren<QComboBox*>())
            QCOMPARE(DescriptionOf(list), kEnteredWords + QStringLiteral("."));
    }

    // An overridden figure is not only red: its description and tool tip say
    // so, and stop saying so when the override is cancelled.
    void overriddenFigureSaysSo() {
        QLineEdit* field = FieldOf(*window, 20);  // line 1b, amount used, father
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        QCOMPARE(DescriptionOf(field).section(QLatin1Char('.'), 0, 0), kOverrideableWords);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(StyleOf(field), kEditOverridden);
        QVERIFY2(DescriptionOf(field).startsWith(kOverriddenWords), qPrintable(DescriptionOf(field)));
        QVERIFY2(field->toolTip().startsWith(kOverriddenWords), qPrintable(field->toolTip()));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(StyleOf(field), kEditOverrideable);
        QVERIFY(DescriptionOf(field).startsWith(kOverrideableWords));
        QVERIFY(!field->toolTip().contains(kOverriddenWords));
    }

    // A refused entry is said on the status bar and in the field's
    // description, with an alert and the invalid-entry state, while the user
    // corrects it; putting the figure back, entering 0 or a good entry ends
    // both.
    void refusedEntryStandsUntilPutRight_data() {
        QTest::addColumn<int>("answer");      // what the second leaving answers
        QTest::addColumn<QString>("retyped");  // typed before it ("" for none)
        QTest::addColumn<QString>("shown");
        QTest::newRow("Cancel") << int(EntryAnswer::PutBack) << QString() << QStringLiteral("1,200.00");
        QTest::newRow("Enter 0") << int(EntryAnswer::EnterZero) << QString() << QStringLiteral("0.00");
        QTest::newRow("good entry") << int(EntryAnswer::CorrectIt) << QStringLiteral("1500") << QStringLiteral("1,500.00");
    }
    void refusedEntryStandsUntilPutRight() {
        QFETCH(int, answer);
        QFETCH(QString, retyped);
        QFETCH(QString, shown);
        TypeInto(*window, 10, QStringLiteral("1200"));
        std::vector<std::pair<QWidget*, QString>> said;
        const Announcer previous =
            SetAnnouncer([&said](QWidget* control, const QString& text) { said.emplace_back(control, text); });
        QLineEdit* field = FieldOf(*window, 10);
        auto invalid = [field] { return EntryRefused(field); };
        prompts->entryAnswers = {EntryAnswer::CorrectIt};
        TypeInto(*window, 10, QStringLiteral("12x4"));
        QTRY_VERIFY(field->hasFocus());
        QVERIFY2(DescriptionOf(field).startsWith(QStringLiteral("Entry refused: \"12x4\" cannot be read")),
                 qPrintable(DescriptionOf(field)));
        QVERIFY(invalid());
        QVERIFY(window->statusBar()->currentMessage().contains(QStringLiteral("\"12x4\" cannot be read")));
        QCOMPARE(said.size(), size_t{1});
        QCOMPARE(said.front().first, static_cast<QWidget*>(field));
        QVERIFY(said.front().second.contains(QStringLiteral("\"12x4\" cannot be read")));

        prompts->entryAnswers = {static_cast<EntryAnswer>(answer)};
        if (!retyped.isEmpty()) {
            field->selectAll();
            QTest::keyClicks(field, retyped);
        }
        QTest::keyClick(field, Qt::Key_Tab);
        SetAnnouncer(previous);
        QCOMPARE(field->text(), shown);
        QCOMPARE(DescriptionOf(field), kEnteredWords + QStringLiteral("."));
        QVERIFY(!invalid());
        QCOMPARE(said.size(), retyped.isEmpty() ? size_t{2} : size_t{1});  // the same entry left again is refused again
    }

    // The headline figures carry their titles and follow every recalculation.
    void headlinesCarryTheirTitles() {
        QVERIFY(window->OpenFile(SampleCase(QStringLiteral("sole-father-pays.q10"))));
        auto* support = window->findChild<QLabel*>(QStringLiteral("lblSupport"));
        auto* cash = window->findChild<QLabel*>(QStringLiteral("lblCashMedicalSupport"));
        QCOMPARE(NameOf(support), QStringLiteral("Annual support, insurance provided: ") + window->HeadlineSupport());
        QCOMPARE(NameOf(window->findChild<QLabel*>(QStringLiteral("lblSupportNo"))),
                 QStringLiteral("Annual support, insurance not provided: ") + window->HeadlineSupportNoIns());
        QCOMPARE(NameOf(cash), QStringLiteral("Cash medical support: ") + window->HeadlineCashMedical());
        const QString before = window->HeadlineSupport();
        TypeInto(*window, 11, QStringLiteral("250000"));
        QVERIFY(window->HeadlineSupport() != before);
        QCOMPARE(NameOf(support), QStringLiteral("Annual support, insurance provided: ") + window->HeadlineSupport());
    }

    // Tab walks page 0 as the paper reads: down the lines; within a row
    // Column I before Column II, a line's fields (those of its sub-lines too)
    // before its dialog buttons and its "?".
    void tabFollowsThePaper() {
        const std::vector<QString> lines = LineNumbersDownThePage(Page());
        auto rank = [&](const QString& line) {
            return static_cast<int>(std::find(lines.begin(), lines.end(), line) - lines.begin());
        };
        static const QRegularExpression columnOf(QStringLiteral("Column (III|II|I)\\b"));
        QWidget* at = QApplication::focusWidget();
        QVERIFY(at && Page()->isAncestorOf(at));
        int lastRank = -1;
        QString lastName;
        bool buttonPassed = false;       // a dialog button of the line was passed
        std::set<QString> secondColumns;  // rows whose Column II was passed
        std::set<QWidget*> visited;
        for (; at && Page()->isAncestorOf(at) && visited.insert(at).second; at = QApplication::focusWidget()) {
            const QString name = NameOf(at);
            const QString line = LineOfName(name);
            QTest::keyClick(at, Qt::Key_Tab);
            if (line.isEmpty()) continue;
            const int r = rank(line);
            QVERIFY2(r < static_cast<int>(lines.size()), qPrintable("no line " + line + " on the page: " + name));
            QVERIFY2(r >= lastRank, qPrintable(name + " comes after " + lastName));
            if (r != lastRank) buttonPassed = false;
            const QString column = columnOf.match(name).captured(1);
            const QString row = line + QLatin1Char('|') + name.section(QStringLiteral(": "), 1);
            QVERIFY2(column != QLatin1String("I") || !secondColumns.count(row), qPrintable(name + " after Column II"));
            QVERIFY2(column.isEmpty() || !buttonPassed, qPrintable(name + " comes after its line's button"));
            if (column == QLatin1String("II")) secondColumns.insert(row);
            if (qobject_cast<QPushButton*>(at)) buttonPassed = true;  // a dialog button or the line's "?"
            lastRank = r;
            lastName = name;
        }
        QVERIFY2(lastRank == static_cast<int>(lines.size()) - 1, qPrintable("Tab went no further than " + lastName));
    }

    // The controls Tab stops at on page 0, from its first field on.
    QStringList TabStops() {
        window->DisplayAPage(0);
        QStringList stops;
        for (QWidget* at = QApplication::focusWidget(); at && Page()->isAncestorOf(at) && !stops.contains(at->objectName());
             at = QApplication::focusWidget()) {
            stops << at->objectName();
            QTest::keyClick(at, Qt::Key_Tab);
        }
        return stops;
    }

    // With "Keyboard reaches computed figures" on, Tab stops at every
    // read-only computed figure and at the boxes the calculation ticks, in
    // paper order, and F1, Ctrl+Alt+D and the menu key work there.  Until
    // the user chooses, the option is on while an assistive technology runs.
    void computedFiguresReachableWithTheOption() {
        QAction* option = window->ReachComputedAction();
        QStringList computed;  // in the page's (paper) order
        for (QWidget* widget : Page()->findChildren<QWidget*>())
            if ((StyleOf(widget) == kEditReadOnly && widget->isVisibleTo(Page())) || IsComputedBox(widget))
                computed << widget->objectName();
        QVERIFY(computed.size() > 40);
        QVERIFY(!option->isChecked());  // no assistive technology runs here
        for (const QString& stop : TabStops()) QVERIFY2(!computed.contains(stop), qPrintable(stop));

        QAccessible::setActive(true);  // a screen reader starts
        QVERIFY(option->isChecked());
        const QStringList stops = TabStops();
        qsizetype last = -1;
        for (const QString& figure : computed) {
            const qsizetype at = stops.indexOf(figure);
            QVERIFY2(at > last, qPrintable(figure + " is not reached in paper order"));
            last = at;
        }
        QVERIFY(!window->CurrentSettings().keyboardReachesComputed.has_value());  // not the user's choice
        option->trigger();  // the user turns it off, and it stays off
        QCOMPARE(window->CurrentSettings().keyboardReachesComputed, std::optional<bool>(false));
        QAccessible::setActive(false);
        QAccessible::setActive(true);
        QVERIFY(!option->isChecked());
        QAccessible::setActive(false);
        option->trigger();
        QCOMPARE(window->CurrentSettings().keyboardReachesComputed, std::optional<bool>(true));

        QWidget* line17 = window->FindField(QStringLiteral("edt66"));
        line17->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(line17->hasFocus());
        QTest::keyClick(line17, Qt::Key_F1);
        QTRY_VERIFY(window->HelpWindow());
        QVERIFY(window->HelpWindow()->CurrentFile().endsWith(QStringLiteral("table_lookup.htm")));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        line17->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(line17->hasFocus());
        prompts->warnings.clear();
        QTest::keyClick(line17, Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(prompts->warnings, QStringList{QString::fromUtf8(DataSourceText(0, 2066).data())});

        auto* obligor = qobject_cast<QCheckBox*>(window->FindField(QStringLiteral("cbx104")));
        obligor->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(obligor->hasFocus());
        const bool ticked = obligor->isChecked();
        QTest::keyClick(obligor, Qt::Key_Space);
        QCOMPARE(obligor->isChecked(), ticked);  // reached, never ticked by hand
        QTimer::singleShot(0, this, [this] {
            window->DataSourceAction()->trigger();
            window->FieldPopup()->close();
        });
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), obligor->mapToGlobal(QPoint()));
        QApplication::sendEvent(obligor, &menuKey);
        QCOMPARE(prompts->warnings.last(), QString::fromUtf8(DataSourceText(0, 104).data()));
    }

    // Line dialogs open from their buttons by Space, name each control once
    // and show every caption whole.
    void lineDialogControlsAreNamedOnce_data() { worksheetControlsAreNamedOnce_data(); }
    void lineDialogControlsAreNamedOnce() {
        QFETCH(int, tag);
        window->DisplayAPage(tag);
        ForEachLineDialog([this](QDialog& dialog, const QString& button) {
            CheckNamesOf(&dialog, button);
            // The title and every entry say the line and parent the dialog is
            // for, as the worksheet's button does; the "?" what it helps on.
            const QString subject = window->FindField(button)->accessibleName().section(QStringLiteral(" for "), -1);
            QVERIFY2(dialog.windowTitle().endsWith(QStringLiteral(" for ") + subject), qPrintable(dialog.windowTitle()));
            const QString prefix = subject.left(1).toUpper() + subject.mid(1) + QStringLiteral(": ");
            for (QWidget* entry : FocusableControls(&dialog))
                if (!qobject_cast<QPushButton*>(entry))
                    QVERIFY2(NameOf(entry).startsWith(prefix), qPrintable(button + ": " + NameOf(entry)));
            QVERIFY2(NameOf(dialog.findChild<QPushButton*>(QStringLiteral("btnHelp"))).startsWith(QStringLiteral("Help on ")),
                     qPrintable(button));
            const QStringList cut = CutLabels(&dialog);
            QVERIFY2(cut.isEmpty(), qPrintable(button + ": " + cut.join(QStringLiteral("; "))));
            SaveRender(&dialog, QStringLiteral("dialog-") + button);
        });
    }

    // The other windows: the scheduler, the print selection, the help
    // window, the comparison and the main window around the worksheet.
    void otherWindowsNameTheirControlsOnce() {
        {
            TfrmScheduler scheduler(*window);
            scheduler.show();
            CheckNamesOf(&scheduler, QStringLiteral("scheduler"));
            // The year-by-year summary is reached too, with a title over every column.
            auto* summary = scheduler.findChild<QTableWidget*>(QStringLiteral("grdSummary"));
            QVERIFY(FocusableControls(&scheduler).contains(summary));
            for (int c = 0; c < summary->columnCount(); ++c) {
                QString title = summary->model()->headerData(c, Qt::Horizontal, Qt::AccessibleTextRole).toString();
                if (title.isEmpty()) title = summary->model()->headerData(c, Qt::Horizontal).toString();
                QVERIFY2(!title.isEmpty(), qPrintable(QStringLiteral("summary column %1").arg(c)));
            }
            SaveRender(&scheduler, QStringLiteral("scheduler"));
            SchedulerGrid table = window->SchedulerTable();
            TfrmArrearsFiller filler(SeriesKind::Payments, table, *window, &scheduler);
            filler.show();
            CheckNamesOf(&filler, QStringLiteral("series"));
            QCOMPARE(NameOf(filler.findChild<QComboBox*>(QStringLiteral("cmbxFrequency"))), QStringLiteral("Frequency"));
            double threshold = 1;
            TfrmInterestThreshold setting(threshold, &scheduler);
            setting.show();
            CheckNamesOf(&setting, QStringLiteral("interest threshold"));
        }
        {
            TfrmSelectedForms forms(window.get());
            forms.show();
            CheckNamesOf(&forms, QStringLiteral("print"));  // both worksheets' boxes at once
            QCOMPARE(NameOf(forms.findChild<QCheckBox*>(QStringLiteral("cbxSplit_S_3"))),
                     QStringLiteral("Split Worksheet, Statutory Version (for filing): page 3"));
            SaveRender(&forms, QStringLiteral("print"));
        }
        window->ShowHelpPage("/help/quill10/special_considerations/income_estimator.htm");
        QVERIFY(window->HelpWindow());
        CheckNamesOf(window->HelpWindow(), QStringLiteral("help"));
        prompts->dialogDrivers.push_back([](QDialog& dialog) { CheckNamesOf(&dialog, QStringLiteral("undo history")); });
        window->UndoHistoryClick();
        QVERIFY(prompts->dialogDrivers.empty());
        prompts->fileLists = {{SampleCase(QStringLiteral("split.q10"))}};
        bool compared = false;
        window->ShowCompare = [&](TfrmCompare& compare) {
            compare.show();
            CheckNamesOf(&compare, QStringLiteral("compare"));
            compared = true;
        };
        window->CompareScenariosClick();
        QVERIFY(compared);
        // The main window: the tree, the ribbon and the headline figures, which
        // a screen reader finds by the window's objects.
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (Page()->isAncestorOf(widget) || !widget->isVisibleTo(window.get())) continue;
            if (qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                qobject_cast<QTreeWidget*>(widget) || widget->objectName().startsWith(QLatin1String("lblSupport")))
                QVERIFY2(!NameOf(widget).isEmpty(), qPrintable(widget->objectName() + " has no accessible name"));
        }
    }

    // Every menu command has a mnemonic of its own within its menu.
    void everyMenuCommandHasAMnemonic() {
        std::function<void(QMenu*)> check = [&](QMenu* menu) {
            std::set<QChar> keys;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator() || !action->isVisible()) continue;
                const QString text = action->text();
                const qsizetype at = text.indexOf(QLatin1Char('&'));
                QVERIFY2(at >= 0 && at + 1 < text.size(), qPrintable(menu->title() + " > " + text));
                QVERIFY2(keys.insert(text.at(at + 1).toLower()).second,
                         qPrintable(menu->title() + " > " + text + " shares its mnemonic"));
                if (action->menu()) check(action->menu());
            }
        };
        for (QAction* top : window->menuBar()->actions()) {
            QVERIFY2(top->text().contains(QLatin1Char('&')), qPrintable(top->text()));
            check(top->menu());
        }
    }

    // Ctrl+PageDown and Ctrl+PageUp go through the worksheets in the tree's
    // order; F6 goes to the tree, Enter there shows a worksheet, F6 goes back.
    void keysGoThroughWorksheetsAndTree() {
        const std::vector<int> order = {0, 15, 7, 16};
        for (size_t k = 1; k <= order.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
            QCOMPARE(window->CurrentPage(), order[k % order.size()]);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(window->CurrentPage(), 16);
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_VERIFY(tree->hasFocus());
        QTest::keyClick(tree, Qt::Key_Up);
        QTest::keyClick(tree, Qt::Key_Return);
        QCOMPARE(window->CurrentPage(), 7);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QTRY_VERIFY(tree->hasFocus());
        QTest::keyClick(tree, Qt::Key_F6);
        QTRY_VERIFY(Page()->isAncestorOf(QApplication::focusWidget()));
    }

    // Enter on a tree item and Ctrl+PageDown show a worksheet with the focus
    // on its first field, name it in the window title and the page's name
    // and say so; the tree, left, has no item that claims the focus.
    void switchingSaysWhichWorksheet_data() {
        QTest::addColumn<int>("at");
        QTest::addColumn<bool>("byTree");
        for (int k = 0; k < 4; ++k)
            for (bool byTree : {true, false})
                QTest::newRow(qPrintable(QStringLiteral("%1 by %2")
                                             .arg(QLatin1String(kWorksheets[k].label),
                                                  byTree ? QStringLiteral("tree Enter") : QStringLiteral("Ctrl+PageDown"))))
                    << k << byTree;
    }
    void switchingSaysWhichWorksheet() {
        QFETCH(int, at);
        QFETCH(bool, byTree);
        const Worksheet& sheet = kWorksheets[at];
        window->DisplayAPage(kWorksheets[(at + 3) % 4].tag);  // the one before it
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        std::vector<std::pair<QWidget*, QString>> said;
        const Announcer previous =
            SetAnnouncer([&said](QWidget* control, const QString& text) { said.emplace_back(control, text); });
        if (byTree) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
            QTRY_VERIFY(tree->hasFocus());
            for (QTreeWidgetItemIterator it(tree); *it; ++it)  // where the arrow keys take the user
                if ((*it)->data(0, Qt::UserRole) == QVariant(sheet.tag)) tree->setCurrentItem(*it);
            QTest::keyClick(tree, Qt::Key_Return);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        }
        SetAnnouncer(previous);
        QCOMPARE(window->CurrentPage(), sheet.page);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus && Page()->isAncestorOf(focus));
        QCOMPARE(TagOf(focus), sheet.firstField);
        const QString name = WorksheetName(sheet.page);
        QVERIFY2(window->windowTitle().contains(QStringLiteral(" - ") + name + QStringLiteral(" - QUILL10")),
                 qPrintable(window->windowTitle()));
        QCOMPARE(NameOf(Page()), name);
        QCOMPARE(said.size(), size_t{1});
        QCOMPARE(said.front().first, Page());
        QCOMPARE(said.front().second, QStringLiteral("Showing the ") + name);
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(tree);
        for (int k = 0; k < items->childCount(); ++k)
            QVERIFY2(!items->child(k)->state().focused, qPrintable(items->child(k)->text(QAccessible::Name)));
    }

    // Each tree item is named with what it stands under and says what Enter
    // on it does.
    void treeItemsSayWhereTheyStand() {
        auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(tree);
        QStringList names;
        for (int k = 0; k < items->childCount(); ++k) {
            if (items->child(k)->role() != QAccessible::TreeItem) continue;  // the hidden header
            const QString name = items->child(k)->text(QAccessible::Name);
            QVERIFY2(!names.contains(name), qPrintable(name + " twice"));
            QVERIFY2(!items->child(k)->text(QAccessible::Description).isEmpty(), qPrintable(name));
            names << name;
        }
        for (const Worksheet& sheet : kWorksheets) QVERIFY(names.contains(WorksheetName(sheet.page)));
    }

    // Ctrl+PageDown and Ctrl+PageUp turn the tabs of the print selection and
    // say which is shown.
    void keysTurnTheTabsOfDialogs() {
        TfrmSelectedForms forms(window.get());
        forms.show();
        forms.activateWindow();
        QTRY_VERIFY(forms.isActiveWindow());
        auto* tabs = forms.findChild<QTabWidget*>();
        QCOMPARE(tabs->currentIndex(), 0);
        QStringList said;
        const Announcer previous = SetAnnouncer([&said](QWidget*, const QString& text) { said << text; });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        SetAnnouncer(previous);
        QCOMPARE(tabs->currentIndex(), 1);
        QCOMPARE(said, QStringList{QStringLiteral("Split Worksheet")});  // the tab shown is said
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), tabs->count() - 1);
    }

    // Every text colour the screens use reaches 4.5:1 on its background, in
    // the usual and in a high-contrast palette, and the three states of a
    // figure stay apart from each other and from an entered one.
    void coloursKeepTheirContrast_data() {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("usual") << QApplication::palette();
        QTest::newRow("high contrast") << HighContrastPalette();
    }
    void coloursKeepTheirContrast() {
        QFETCH(QPalette, palette);
        const WorksheetColours colours = WorksheetColoursFor(palette);
        for (const ColourPair& pair : TextColourPairs(colours, palette)) {
            const double ratio = ContrastRatio(pair.text, pair.background);
            qInfo("%-32s %s on %s  %.2f:1", pair.what, qPrintable(pair.text.name()), qPrintable(pair.background.name()),
                  ratio);
            QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(QLatin1String(pair.what)).arg(ratio)));
        }
        // Shading that tells the states apart, and a focus border that shows (3:1).
        for (const QColor& state : {colours.computed, colours.overrideable})
            QVERIFY2(ContrastRatio(state, colours.page) >= 1.1, qPrintable(state.name()));
        QVERIFY(colours.computed != colours.overrideable);
        QVERIFY(colours.overriddenText != colours.text && colours.overriddenText != colours.fieldBorder);
        QVERIFY(ContrastRatio(colours.focus, colours.page) >= 3.0);
    }

    // The worksheets at 200 % in the usual and a high-contrast palette: no
    // label is cut short; the renders are kept for a look.
    void worksheetsRenderWhole_data() {
        QTest::addColumn<bool>("highContrast");
        QTest::newRow("usual") << false;
        QTest::newRow("high contrast") << true;
    }
    void worksheetsRenderWhole() {
        QFETCH(bool, highContrast);
        QCOMPARE(window->devicePixelRatio(), 2.0);
        if (highContrast) {
            window.reset();
            QApplication::setPalette(HighContrastPalette());
            StartWindow(home, prompts, window);
        }
        QVERIFY(window->OpenFile(SampleCase(QStringLiteral("sole-father-pays.q10"))));
        QLineEdit* overridden = FieldOf(*window, 20);
        overridden->setFocus();
        QTRY_VERIFY(overridden->hasFocus());
        window->OverrideClick();
        for (const Worksheet& sheet : kWorksheets) {
            window->DisplayAPage(sheet.tag);
            if (highContrast) {  // an unticked box shows: the outline the style draws stands out from the page
                const auto* box = Page()->findChild<QCheckBox*>();
                QVERIFY(box);
                const QColor outline = box->palette().color(QPalette::Window).darker(140);
                QVERIFY2(ContrastRatio(outline, WorksheetColoursFor(QApplication::palette()).page) >= 3.0,
                         qPrintable(outline.name()));
            }
            const QStringList cut = CutLabels(Page());
            QVERIFY2(cut.isEmpty(), qPrintable(QLatin1String(sheet.label) + ": " + cut.join(QStringLiteral("; "))));
            const QString name = QStringLiteral("page%1%2").arg(sheet.page).arg(highContrast ? "-high-contrast" : "");
            SaveRender(Page(), name);
        }
        SaveRender(window.get(), highContrast ? QStringLiteral("window-high-contrast") : QStringLiteral("window"));
    }
};

int main(int argc, char** argv) {
    // As a user with 200 % scaling sees the window.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    AccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AccessibilityTests.moc"
