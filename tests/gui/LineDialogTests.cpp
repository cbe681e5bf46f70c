// The line dialogs opened as a user opens them, through their worksheet
// buttons: typing into them, accepting or cancelling, and the answers they
// leave and the worksheet recalculated from them.  The annualizer is opened
// from the Options menu on the focused field.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <functional>

#include "GuiTestSupport.h"
#include "dialogs/DialogSupport.h"
#include "screen/ControlBinding.h"
#include "store/Answers.h"
#include "screen/Accessibility.h"
#include "store/Misc.h"
#include "store/Regional.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {

QString TextOf(QDialog& dialog, const QString& name) {
    if (auto* edit = dialog.findChild<QLineEdit*>(name)) return edit->text();
    return Find<QLabel>(dialog, name)->text();
}

// Types into a dialog's field and leaves it with Tab, as a user does.
void TypeIn(QDialog& dialog, const QString& name, const QString& text) {
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    TypeOver(Find<QLineEdit>(dialog, name), text);
}


void Choose(QDialog& dialog, const QString& name, const QString& item) {
    auto* list = Find<QComboBox>(dialog, name);
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
}

void Tick(QDialog& dialog, const QString& name) {
    auto* box = Find<QCheckBox>(dialog, name);
    const bool before = box->isChecked();
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(box->isChecked(), !before);
}

// "Override" / "Cancel Override" of a field's right-click menu.
void RightClickCommand(QDialog& dialog, const QString& field, const QString& command) {
    for (QAction* action : Find<QLineEdit>(dialog, field)->actions())
        if (action->text() == command) return action->trigger();
    QFAIL(qPrintable(field + " offers no " + command));
}

}  // namespace

class LineDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;
    QStringList helpOpened;
    HelpOpener previousOpener;

    QLineEdit* Edit(int slot) { return FieldOf(*window, slot); }
    void TypeInto(int slot, const QString& text) { test::TypeInto(*window, slot, text); }
    QString Slot(int page, int slot) { return SlotText(*window, page, slot); }
    // A slot's amount or rate, however the calculation last wrote it.
    double Money(int page, int slot) { return Str2Float_2(window->Answers().Text(page, slot)); }
    double Rate(int page, int slot) { return Str2Float_P(window->Answers().Text(page, slot)); }
    bool Overridden(int page, int slot) { return window->Answers().OvRide(page, slot); }
    // Clicks a worksheet button; `drive` works the dialog it opens.
    void Press(const QString& button, std::function<void(QDialog&)> drive) {
        prompts->dialogDrivers.push_back(std::move(drive));
        auto* b = qobject_cast<QPushButton*>(window->FindField(button));
        QVERIFY2(b, qPrintable(button));
        QTest::mouseClick(b, Qt::LeftButton);
        QVERIFY2(prompts->dialogDrivers.empty(), "the button opened no dialog");
        ReturnToWindow();
    }
    // The window is active again once a dialog has closed.
    void ReturnToWindow() {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    // A case with incomes in both columns and one child, on the long
    // sole/shared worksheet.
    void TypeIncomes() {
        TypeInto(3, QStringLiteral("1"));
        TypeInto(10, QStringLiteral("40000"));
        TypeInto(11, QStringLiteral("30000"));
    }

private slots:
    void init() {
        StartWindow(home, prompts, window);
        helpOpened.clear();
        previousOpener = SetHelpOpener([this](const QString& address) { helpOpened << address; });
    }
    void cleanup() {
        SetHelpOpener(previousOpener);
        SetClock({});
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    // Every worksheet button opens its dialog, whose "?" opens its page.
    void eachButtonOpensItsDialogAndHelpPage_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("help");
        const struct {
            int page;
            const char *button, *caption, *help;
        } rows[] = {
            {0, "btnIncomeFather", "Income Estimator for line 1a, father", "misc/income_estimator.htm"},
            {7, "btnIncomeMother", "Income Estimator for line 1a, mother", "misc/income_estimator.htm"},
            {0, "btnOtherChildrenMother", "Line 8. Other Resident Children for line 8, mother", "special_considerations/other_children.htm"},
            {7, "btnLocalTaxFather", "Calculate Local Tax for line 11, father", "special_considerations/local_tax.htm"},
            {0, "btnPovertyFather", "HHS Poverty Guidelines for line 14b, father", "special_considerations/cash_medical_support.htm"},
            {7, "btnPovertyMother", "HHS Poverty Guidelines for line 14b, mother", "special_considerations/cash_medical_support.htm"},
            {0, "btnLine17", "Table Lookup Calculation Options for line 17", "special_considerations/table_lookup.htm"},
            {7, "btnChildCareMother", "Child Care Expense for line 19, mother", "special_considerations/child_care_expenses.htm"},
            {0, "btnDeviationFather", "Shared Parenting Deviation Options for line 27b, father", "special_considerations/line27b.htm"},
            {7, "btnProcessingCharge", "Set Processing Fee for line 27", "special_considerations/line29.htm"},
            {15, "btnLookupLimit", "Table Lookup Calculation Options for line 17", "special_considerations/table_lookup.htm"},
            {16, "btnLookupMethodFather", "Table Lookup Calculation Options for line 17b", "special_considerations/table_lookup.htm"},
        };
        for (const auto& r : rows)
            QTest::newRow(r.button) << r.page << QString::fromLatin1(r.button) << QString::fromLatin1(r.caption)
                                    << QString::fromLatin1(r.help);
    }
    void eachButtonOpensItsDialogAndHelpPage() {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QString, help);
        window->DisplayAPage(page * 100);
        Press(button, [](QDialog& dialog) { Click(dialog, QStringLiteral("btnHelp")); });
        QCOMPARE(prompts->dialogsShown, QStringList{caption});
        QCOMPARE(helpOpened.size(), 1);
        QVERIFY2(helpOpened.first().endsWith(QStringLiteral("/help/quill10/") + help), qPrintable(helpOpened.first()));
        QVERIFY(!window->Modified());  // closed without accepting: nothing changed
    }

    // The keyboard alone works a line dialog: it opens with the focus in its
    // first entry (digits typed at once are kept), Enter in a field moves on,
    // and Enter on a focused button presses it.
    void keyboardWorksTheLineDialogs() {
        TypeIncomes();
        Press(QStringLiteral("btnChildCareMother"), [](QDialog& dialog) {
            QTRY_VERIFY(dialog.focusWidget());
            auto* first = qobject_cast<QLineEdit*>(dialog.focusWidget());
            QVERIFY2(first, qPrintable(dialog.focusWidget()->objectName()));
            QCOMPARE(first->objectName(), QStringLiteral("edtTotalExpenses"));
            QTest::keyClicks(first, QStringLiteral("4800"));
            QCOMPARE(first->text(), QStringLiteral("4800"));
            QTest::keyClick(first, Qt::Key_Return);  // moves on, does not close
            QVERIFY(dialog.isVisible());
            QVERIFY(dialog.focusWidget() != first);
            auto* cancel = Find<QPushButton>(dialog, QStringLiteral("btnCancel"));
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Return);
            QVERIFY(!dialog.isVisible());
            QCOMPARE(dialog.result(), int(QDialog::Rejected));
        });
        window->DisplayAPage(0);
        Press(QStringLiteral("btnProcessingCharge"), [](QDialog& dialog) {
            auto* percentage = Find<QLineEdit>(dialog, QStringLiteral("edtPercentage"));
            percentage->selectAll();
            QTest::keyClicks(percentage, QStringLiteral("3"));
            auto* accept = Find<QPushButton>(dialog, QStringLiteral("btnAccept"));
            accept->setFocus();
            QTest::keyClick(accept, Qt::Key_Enter);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        });
        QCOMPARE(Slot(6, 27), QStringLiteral("0.03"));
    }

    void estimatorWorksOutTheYearFromThePaySoFar() {
        SetClock([] { return Date{2019, 3, 31}; });
        Press(QStringLiteral("btnIncomeFather"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("edtDate")), QStringLiteral("3/31/2019"));  // today
            QCOMPARE(Find<QPushButton>(dialog, QStringLiteral("btnMinimumWage"))->text(),
                     QStringLiteral("Use Minimum Wage - $8.30 /hr; $16,952.00/yr"));
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("9000"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtAmount")), QStringLiteral("$9,000.00"));
            Choose(dialog, QStringLiteral("cmbxFrequency"), QStringLiteral("Monthly"));
            Click(dialog, QStringLiteral("btnEstimate"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblEstimatedIncome")),
                     QStringLiteral("Estimated Annual Income = $36,504.00"));
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("1"));  // not estimated: Accept keeps the estimate
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 200), QStringLiteral("36504"));
        QCOMPARE(Slot(0, 201), QStringLiteral("3/31/2019"));
        QCOMPARE(Slot(0, 203), QStringLiteral("4"));
        QCOMPARE(Slot(0, 10), QStringLiteral("36504"));
        QCOMPARE(Slot(0, 204), QString());  // the mother's estimate is hers
        QCOMPARE(Edit(10)->text(), QStringLiteral("36,504.00"));
        QCOMPARE(Edit(39)->text(), QStringLiteral("36,504.00"));  // line 7a recalculated
        QVERIFY(window->Modified());

        // The split worksheet's mother, from a stored date, weekly.
        window->DisplayAPage(700);
        TypeInto(205, QStringLiteral("1/1/2020"));
        Press(QStringLiteral("btnIncomeMother"), [](QDialog& dialog) {
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("500"));
            Choose(dialog, QStringLiteral("cmbxFrequency"), QStringLiteral("Weekly"));
            Click(dialog, QStringLiteral("btnEstimate"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblEstimatedIncome")),
                     QStringLiteral("Estimated Annual Income = $182,000.00"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(7, 204), QStringLiteral("182000"));
        QCOMPARE(Slot(7, 207), QStringLiteral("1"));
        QCOMPARE(Edit(7)->text(), QStringLiteral("182,000.00"));
        QCOMPARE(Slot(7, 200), QString());
    }

    void estimatorMinimumWageIsKeptAndCancelWritesNothing() {
        Press(QStringLiteral("btnIncomeMother"), [](QDialog& dialog) {
            Click(dialog, QStringLiteral("btnMinimumWage"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblEstimatedIncome")),
                     QStringLiteral("Estimated Annual Income = $16,952.00"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtDate")), QString());
            QCOMPARE(Find<QComboBox>(dialog, QStringLiteral("cmbxFrequency"))->currentIndex(), -1);
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 11), QStringLiteral("16952"));
        QCOMPARE(Slot(0, 207), QStringLiteral("-1"));
        QCOMPARE(Slot(1, 8), QStringLiteral("X"));  // the mother's "Use this amount..." box
        // Reopened, the minimum wage stands (no new estimate); Cancel keeps it.
        Press(QStringLiteral("btnIncomeMother"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("lblEstimatedIncome")),
                     QStringLiteral("Estimated Annual Income = $16,952.00"));
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("5000"));
            Choose(dialog, QStringLiteral("cmbxFrequency"), QStringLiteral("Daily"));
            Click(dialog, QStringLiteral("btnEstimate"));
            Click(dialog, QStringLiteral("btnCancel"));
        });
        QCOMPARE(Edit(11)->text(), QStringLiteral("16,952.00"));
        QCOMPARE(Slot(0, 204), QStringLiteral("16952"));
        QCOMPARE(Slot(0, 207), QStringLiteral("-1"));
    }

    void estimatorRefusesADateThatIsNoDate() {
        Press(QStringLiteral("btnIncomeFather"), [](QDialog& dialog) {
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("1000"));
            Choose(dialog, QStringLiteral("cmbxFrequency"), QStringLiteral("Monthly"));
            TypeIn(dialog, QStringLiteral("edtDate"), QStringLiteral("12/31/2019"));
            Click(dialog, QStringLiteral("btnEstimate"));
            TypeIn(dialog, QStringLiteral("edtDate"), QStringLiteral("13/45/2019"));
            Click(dialog, QStringLiteral("btnEstimate"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblEstimatedIncome")),
                     QStringLiteral("Estimated Annual Income = $1,000.11"));  // 12 / (365 / 30.42) x 1,000
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(prompts->warnings, QStringList{QStringLiteral("'13/45/2019' is not a valid date")});
        QCOMPARE(Slot(0, 200).left(10), QStringLiteral("1000.10958"));  // in full precision
        QCOMPARE(Edit(10)->text(), QStringLiteral("1,000.11"));
    }

    // An amount the estimator cannot read is refused as on the worksheet,
    // naming the field and quoting the entry, never made $0.00 in silence:
    // Correct It goes back to it (Accept takes nothing meanwhile), Enter 0
    // enters $0.00, Cancel puts back what the field held.
    void estimatorRefusesAnAmountItCannotRead() {
        ErrorLog errors;
        prompts->entryAnswers = {EntryAnswer::CorrectIt, EntryAnswer::CorrectIt, EntryAnswer::PutBack,
                                 EntryAnswer::EnterZero};
        Press(QStringLiteral("btnIncomeMother"), [this](QDialog& dialog) {
            auto* amount = Find<QLineEdit>(dialog, QStringLiteral("edtAmount"));
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("1000"));
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("12x4"));
            QCOMPARE(prompts->questions.size(), 1);
            QVERIFY2(prompts->questions.last().contains(
                         QStringLiteral("Line 1a, mother: Amount: \"12x4\" cannot be read as a number.")),
                     qPrintable(prompts->questions.last()));
            QTRY_VERIFY(amount->hasFocus());
            QCOMPARE(amount->text(), QStringLiteral("12x4"));
            Click(dialog, QStringLiteral("btnAccept"));  // asked again; the dialog stays open
            QVERIFY(dialog.isVisible());
            QTRY_VERIFY(amount->hasFocus());
            QTest::keyClick(amount, Qt::Key_Tab);  // Cancel
            QCOMPARE(amount->text(), QStringLiteral("$1,000.00"));
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("abc"));  // Enter 0
            QCOMPARE(amount->text(), QStringLiteral("$0.00"));
            QVERIFY(!EntryRefused(amount));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(prompts->questions.size(), 4);
        QCOMPARE(Slot(0, 206), QStringLiteral("$0.00"));
        QVERIFY(errors.codes.empty());  // no parser's error on top of the question
    }

    void annualizerFillsTheFocusedField() {
        QVERIFY(window->FieldPopup()->actions().contains(window->AnnualizerAction()));
        Edit(10)->setFocus();
        QTRY_VERIFY(Edit(10)->hasFocus());
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Annualizer Calculator for line 1a, Column I"));
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("250.5"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtAmount")), QStringLiteral("$250.50"));  // line 1a has cents
            Choose(dialog, QStringLiteral("cmbxFrequency"), QStringLiteral("Biweekly"));
            Click(dialog, QStringLiteral("btnEstimate"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblEstimatedIncome")), QStringLiteral("Calculated Amount = $6,513.00"));
            // Accepting works the amount out from what is shown.
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("250"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        window->AnnualizerAction()->trigger();
        QVERIFY(prompts->dialogDrivers.empty());
        ReturnToWindow();
        QCOMPARE(Slot(0, 10), QStringLiteral("6500"));
        QCOMPARE(Edit(10)->text(), QStringLiteral("6,500.00"));
        QCOMPARE(Slot(1, 19), QStringLiteral("6500"));
        QCOMPARE(Edit(39)->text(), QStringLiteral("6,500.00"));
        QVERIFY(window->Modified());

        // Cancel leaves the field as it was.
        window->SetModified(false);
        Edit(11)->setFocus();
        QTRY_VERIFY(Edit(11)->hasFocus());
        prompts->dialogDrivers.push_back([](QDialog& dialog) {
            TypeIn(dialog, QStringLiteral("edtAmount"), QStringLiteral("100"));
            Click(dialog, QStringLiteral("btnCancel"));
        });
        window->AnnualizerAction()->trigger();
        ReturnToWindow();
        QCOMPARE(Slot(0, 11), QStringLiteral("0.00"));
        QVERIFY(!window->Modified());

        // A computed field takes nothing: no dialog.
        Edit(39)->setFocus();
        QTRY_VERIFY(Edit(39)->hasFocus());
        window->AnnualizerAction()->trigger();
        QCOMPARE(prompts->dialogsShown.size(), 2);
    }

    // The father's fields are slots 222-238 and the mother's 239-255.
    void childCareFieldsAreSeventeenApart_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("otherBase");
        QTest::addColumn<int>("line1a");
        QTest::newRow("sole/shared, mother") << 0 << QStringLiteral("btnChildCareMother") << 239 << 222 << 11;
        QTest::newRow("split, father") << 7 << QStringLiteral("btnChildCareFather") << 222 << 239 << 6;
    }
    void childCareFieldsAreSeventeenApart() {
        QFETCH(int, page);
        QFETCH(QString, button);
        QFETCH(int, base);
        QFETCH(int, otherBase);
        QFETCH(int, line1a);
        window->DisplayAPage(page * 100);
        TypeInto(line1a, QStringLiteral("25000"));
        Press(button, [](QDialog& dialog) {
            QCOMPARE(Find<QComboBox>(dialog, QStringLiteral("cmbxFilingStatus"))->currentText(), QStringLiteral("Single"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtAMT")), QStringLiteral("Repealed"));
            QVERIFY(Find<QLineEdit>(dialog, QStringLiteral("edtAMT"))->isReadOnly());
            QVERIFY(Find<QLineEdit>(dialog, QStringLiteral("edtEarnedIncome"))->isReadOnly());
            TypeIn(dialog, QStringLiteral("edtTotalExpenses"), QStringLiteral("5000"));
            TypeIn(dialog, QStringLiteral("edtSpouseEI"), QStringLiteral("20000"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtSpouseEI")), QStringLiteral("$20,000.00"));
            Choose(dialog, QStringLiteral("cmbxFilingStatus"), QStringLiteral("Married Joint"));
            Tick(dialog, QStringLiteral("CheckBox3"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(page, base + 0), QStringLiteral("$5,000.00"));
        QCOMPARE(Slot(page, base + 3), QStringLiteral("$20,000.00"));
        QCOMPARE(Slot(page, base + 6), QStringLiteral("1"));
        QVERIFY(Slot(page, base + 9) != QStringLiteral("Repealed"));  // the alternate minimum tax is never stored
        QCOMPARE(Slot(page, base + 15), QStringLiteral("X"));
        QCOMPARE(Money(page, base + 2), 25000.0);  // earned income, worked out by the calculation
        QVERIFY(!Overridden(page, base + 2));
        for (int offset : {0, 3}) QCOMPARE(Money(page, otherBase + offset), 0.0);
        QCOMPARE(Slot(page, otherBase + 15), QString());
        QVERIFY(window->Modified());
    }

    void childCareOverridesFlipAtOnceAndAreKept() {
        TypeIncomes();
        // Override flips the slot's flag at once, and Cancel keeps the flip.
        Press(QStringLiteral("btnChildCareMother"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("edtEarnedIncome")), QStringLiteral("$30,000.00"));
            RightClickCommand(dialog, QStringLiteral("edtDeductions"), QStringLiteral("Override"));
            RightClickCommand(dialog, QStringLiteral("edtExemption"), QStringLiteral("Override"));
            auto* deductions = Find<QLineEdit>(dialog, QStringLiteral("edtDeductions"));
            QVERIFY(!deductions->isReadOnly());
            QCOMPARE(StyleOf(deductions), kEditOverridden);
            Click(dialog, QStringLiteral("btnCancel"));
        });
        QVERIFY(Overridden(0, 246));
        QVERIFY(Overridden(0, 247));
        QVERIFY(!Overridden(0, 229));  // the father's deductions
        QVERIFY(window->Modified());

        // Reopened overridden; the typed figure is stored and kept by the calculation.
        Press(QStringLiteral("btnChildCareMother"), [](QDialog& dialog) {
            QVERIFY(!Find<QLineEdit>(dialog, QStringLiteral("edtDeductions"))->isReadOnly());
            TypeIn(dialog, QStringLiteral("edtDeductions"), QStringLiteral("15000"));
            RightClickCommand(dialog, QStringLiteral("edtExemption"), QStringLiteral("Cancel Override"));
            RightClickCommand(dialog, QStringLiteral("edtAGI"), QStringLiteral("Override"));
            TypeIn(dialog, QStringLiteral("edtAGI"), QStringLiteral("28000"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 246), QStringLiteral("$15,000.00"));
        QCOMPARE(Slot(3, 35), QStringLiteral("$15,000.00"));
        QVERIFY(Overridden(3, 35));
        QVERIFY(!Overridden(0, 247));
        QVERIFY(Overridden(0, 243));
        QCOMPARE(Slot(3, 22), QStringLiteral("$28,000.00"));  // the mother's AGI in the credit

        // "Refresh" stores the fields and shows the dialog again with the
        // values the case now holds.
        Press(QStringLiteral("btnChildCareMother"), [this](QDialog& dialog) {
            RightClickCommand(dialog, QStringLiteral("edtAGI"), QStringLiteral("Cancel Override"));
            TypeIn(dialog, QStringLiteral("edtTotalExpenses"), QStringLiteral("3000"));
            prompts->dialogDrivers.push_back([](QDialog& again) {
                QCOMPARE(TextOf(again, QStringLiteral("edtTotalExpenses")), QStringLiteral("$3,000.00"));
                QCOMPARE(TextOf(again, QStringLiteral("edtAGI")), QStringLiteral("$30,000.00"));  // worked out again
                QVERIFY(Find<QLineEdit>(again, QStringLiteral("edtAGI"))->isReadOnly());
                Click(again, QStringLiteral("btnCancel"));
            });
            Click(dialog, QStringLiteral("btnRefresh"));
        });
        QCOMPARE(prompts->dialogsShown.size(), 4);
        QCOMPARE(Slot(0, 239), QStringLiteral("$3,000.00"));
        QVERIFY(!Overridden(0, 243));
    }

    void localTaxWithAndWithoutAnOverriddenTaxableIncome() {
        TypeInto(10, QStringLiteral("40000"));
        for (int year : {12, 14, 16}) TypeInto(year, QStringLiteral("5000"));  // line 1b: 5,000
        Press(QStringLiteral("btnLocalTaxFather"), [](QDialog& dialog) {
            auto* taxable = Find<QLineEdit>(dialog, QStringLiteral("edtTaxableIncome"));
            QCOMPARE(taxable->text(), QStringLiteral("$45,000.00"));
            QVERIFY(taxable->isReadOnly());
            QCOMPARE(StyleOf(taxable), kEditOverrideable);
            TypeIn(dialog, QStringLiteral("edtTaxRate"), QStringLiteral("2"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtTaxRate")), QStringLiteral("2.00%"));
            Click(dialog, QStringLiteral("btnCalculate"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblLocalTaxes")), QStringLiteral("Local Taxes = $900.00"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 216), QStringLiteral("900"));
        QCOMPARE(Slot(0, 217), QStringLiteral("45,000.00"));  // as the worksheet shows it after the calculation
        QVERIFY(!Overridden(0, 217));
        QVERIFY(!Overridden(0, 51));
        QCOMPARE(Edit(51)->text(), QStringLiteral("900.00"));  // line 11 worked out from the income and rate
        QCOMPARE(StyleOf(Edit(51)), kEditOverrideable);

        // With the taxable income overridden, the dialog's tax stands on line 11.
        Press(QStringLiteral("btnLocalTaxFather"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("edtTaxRate")), QStringLiteral("2.00%"));
            RightClickCommand(dialog, QStringLiteral("edtTaxableIncome"), QStringLiteral("Override"));
            TypeIn(dialog, QStringLiteral("edtTaxableIncome"), QStringLiteral("30000"));
            Click(dialog, QStringLiteral("btnCalculate"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblLocalTaxes")), QStringLiteral("Local Taxes = $600.00"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QVERIFY(Overridden(0, 217));
        QVERIFY(Overridden(0, 51));
        QCOMPARE(Edit(51)->text(), QStringLiteral("600.00"));
        QCOMPARE(StyleOf(Edit(51)), kEditOverridden);
        QCOMPARE(Edit(217)->text(), QStringLiteral("30,000.00"));
        // Reopened, the overridden income is shown as stored and editable.
        Press(QStringLiteral("btnLocalTaxFather"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("edtTaxableIncome")), QStringLiteral("$30,000.00"));
            QVERIFY(!Find<QLineEdit>(dialog, QStringLiteral("edtTaxableIncome"))->isReadOnly());
            Click(dialog, QStringLiteral("btnCancel"));
        });
    }

    void otherChildrenRecalculateWhileTyping() {
        ErrorLog errors;
        window->DisplayAPage(700);
        Press(QStringLiteral("btnOtherChildrenMother"), [](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            auto* children = Find<QLineEdit>(dialog, QStringLiteral("edtNoOfChildren"));
            auto* exemption = Find<QLineEdit>(dialog, QStringLiteral("edtExemption"));
            auto* support = Find<QLineEdit>(dialog, QStringLiteral("edtSupportReceived"));
            children->setFocus();
            QTRY_VERIFY(children->hasFocus());
            QTest::keyClicks(children, QStringLiteral("2"));
            exemption->setFocus();
            QTRY_VERIFY(exemption->hasFocus());
            exemption->selectAll();
            QTest::keyClicks(exemption, QStringLiteral("$4,05"));  // not left yet
            QCOMPARE(TextOf(dialog, QStringLiteral("lblPotentialAdjustment")), QStringLiteral("$810.00"));
            QTest::keyClicks(exemption, QStringLiteral("0"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblPotentialAdjustment")), QStringLiteral("$8,100.00"));
            support->setFocus();
            QTRY_VERIFY(support->hasFocus());
            QCOMPARE(exemption->text(), QStringLiteral("$4,050.00"));  // rewritten once left
            support->selectAll();
            QTest::keyClicks(support, QStringLiteral("10000"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblAdjustment")), QStringLiteral("Adjustment = $0.00"));
            QTest::keyClick(support, Qt::Key_Backspace);
            QCOMPARE(TextOf(dialog, QStringLiteral("lblAdjustment")), QStringLiteral("Adjustment = $7,100.00"));
            TypeIn(dialog, QStringLiteral("edtSupportReceived"), QStringLiteral("1000"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        const auto parserErrors = [&errors] {
            return std::count(errors.codes.begin(), errors.codes.end(), kErrRealFormat) +
                   std::count(errors.codes.begin(), errors.codes.end(), kErrIntegerFormat);
        };
        QVERIFY2(parserErrors() == 0, "a partial entry was reported while typing");
        QCOMPARE(Slot(7, 212), QStringLiteral("7100"));
        QCOMPARE(Slot(7, 213), QStringLiteral("2"));
        QCOMPARE(Money(7, 214), 4050.0);
        QCOMPARE(Money(7, 215), 1000.0);
        QCOMPARE(Slot(7, 208), QString());
        QCOMPARE(Edit(42)->text(), QStringLiteral("7,100.00"));  // line 8 recalculated

        // An entry that is no number is asked about once, when its field is
        // left, naming the field; Enter 0 enters 0.
        prompts->entryAnswers = {EntryAnswer::EnterZero};
        Press(QStringLiteral("btnOtherChildrenMother"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("lblAdjustment")), QStringLiteral("Adjustment = $7,100.00"));
            TypeIn(dialog, QStringLiteral("edtExemption"), QStringLiteral("abc"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtExemption")), QStringLiteral("$0.00"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lblAdjustment")), QStringLiteral("Adjustment = $0.00"));
            Click(dialog, QStringLiteral("btnCancel"));
        });
        QCOMPARE(prompts->questions.size(), 1);
        QVERIFY2(prompts->questions.first().contains(QStringLiteral("Line 8, mother: Federal Tax Exemption: \"abc\"")),
                 qPrintable(prompts->questions.first()));
        QCOMPARE(parserErrors(), 0);
        QCOMPARE(Money(7, 214), 4050.0);
    }

    void processingFeePercentageIsStoredAsAFraction() {
        Press(QStringLiteral("btnProcessingCharge"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("edtPercentage")), QStringLiteral("2.00%"));
            TypeIn(dialog, QStringLiteral("edtPercentage"), QStringLiteral("1.5"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtPercentage")), QStringLiteral("1.50%"));
            TypeIn(dialog, QStringLiteral("edtFlatFee"), QStringLiteral("5"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtFlatFee")), QStringLiteral("$5.00"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 280), QStringLiteral("0.015"));
        QCOMPARE(Slot(6, 27), QStringLiteral("0.015"));
        QCOMPARE(Edit(280)->text(), QStringLiteral("1.50%"));
        QCOMPARE(Edit(281)->text(), QStringLiteral("5.00"));

        window->DisplayAPage(700);
        Press(QStringLiteral("btnProcessingCharge"), [](QDialog& dialog) {
            TypeIn(dialog, QStringLiteral("edtPercentage"), QStringLiteral("2.25"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(7, 280), QStringLiteral("0.0225"));
        QCOMPARE(Slot(0, 280), QStringLiteral("0.015"));
    }

    void deviationPercentagesAreRoundedAndColumnsKeptApart() {
        TypeInto(265, QStringLiteral("12.40%"));  // the father's stored percentage
        Press(QStringLiteral("btnDeviationFather"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("edtCombined")), QStringLiteral("12.40%"));
            TypeIn(dialog, QStringLiteral("edtManual"), QStringLiteral("-1200"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtManual")), QStringLiteral("-$1,200.00"));
            Tick(dialog, QStringLiteral("cbxManual"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 260), QStringLiteral("X"));
        QCOMPARE(Money(0, 261), -1200.0);
        QCOMPARE(Rate(0, 265), 12.4);

        Press(QStringLiteral("btnDeviationMother"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("edtManual")), QStringLiteral("$0.00"));
            QVERIFY(!Find<QCheckBox>(dialog, QStringLiteral("cbxManual"))->isChecked());
            Tick(dialog, QStringLiteral("cbxOptional"));
            // A click on a box's text ticks it too.
            QTest::mouseClick(Find<QLabel>(dialog, QStringLiteral("cbxPossessionVsCombinedText")), Qt::LeftButton);
            QVERIFY(Find<QCheckBox>(dialog, QStringLiteral("cbxPossessionVsCombined"))->isChecked());
            TypeIn(dialog, QStringLiteral("edtCombined"), QStringLiteral("33.5"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtCombined")), QStringLiteral("34.00%"));
            TypeIn(dialog, QStringLiteral("edtObligor"), QStringLiteral("12.4"));
            QCOMPARE(TextOf(dialog, QStringLiteral("edtObligor")), QStringLiteral("12.00%"));
            Tick(dialog, QStringLiteral("cbxEraseCMS"));
            TypeIn(dialog, QStringLiteral("edtManual"), QStringLiteral("250"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        const struct {
            int slot;
            const char* text;
        } mother[] = {{270, ""}, {271, "$250.00"}, {272, "X"}, {274, "X"}, {283, "X"}};
        for (const auto& m : mother) QCOMPARE(Slot(0, m.slot), QString::fromLatin1(m.text));
        QCOMPARE(Rate(0, 275), 34.0);  // a percentage, however the calculation writes it back
        QCOMPARE(Rate(0, 277), 12.0);
        QCOMPARE(Money(0, 261), -1200.0);  // the father's column stays his
        QCOMPARE(Slot(0, 262), QString());
        QCOMPARE(Slot(0, 282), QString());
    }

    void line17MethodAndLimitOnTheLongForm() {
        TypeIncomes();
        const QString interpolated = Edit(66)->text();
        Press(QStringLiteral("btnLine17"), [](QDialog& dialog) {
            QCOMPARE(Find<QComboBox>(dialog, QStringLiteral("ComboBox1"))->currentText(), QStringLiteral("Interpolate"));
            QVERIFY(!Find<QCheckBox>(dialog, QStringLiteral("CheckBox1"))->isChecked());
            Choose(dialog, QStringLiteral("ComboBox1"), QStringLiteral("High"));
            Tick(dialog, QStringLiteral("CheckBox1"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 64), QStringLiteral("High"));
        QCOMPARE(Slot(0, 65), QStringLiteral("Limit to $150,000"));
        QCOMPARE(Slot(3, 51), QStringLiteral("X"));
        QCOMPARE(Slot(3, 13), QStringLiteral("X"));  // the High box of the calculation
        QCOMPARE(Edit(64)->text(), QStringLiteral("High"));
        QVERIFY(Edit(66)->text() != interpolated);

        window->DisplayAPage(700);
        Press(QStringLiteral("btnLine17"), [](QDialog& dialog) {
            Choose(dialog, QStringLiteral("ComboBox1"), QStringLiteral("High"));
            Tick(dialog, QStringLiteral("CheckBox1"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(7, 60), QStringLiteral("High"));
        QCOMPARE(Slot(7, 61), QStringLiteral("Limit to $150,000"));
        QCOMPARE(Slot(10, 51), QStringLiteral("X"));
        QCOMPARE(Edit(61)->text(), QStringLiteral("Limit to $150,000"));
    }

    void line17OnTheShortForms() {
        TypeIncomes();
        window->DisplayAPage(1500);
        auto line17 = [this] { return Edit(58)->text(); };
        Press(QStringLiteral("btnLookupMethod"), [](QDialog& dialog) {
            Choose(dialog, QStringLiteral("ComboBox1"), QStringLiteral("Low"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(0, 64), QStringLiteral("Low"));
        QCOMPARE(Slot(3, 11), QStringLiteral("X"));
        const QString low = line17();
        Press(QStringLiteral("btnLookupLimit"), [](QDialog& dialog) {
            QCOMPARE(Find<QComboBox>(dialog, QStringLiteral("ComboBox1"))->currentText(), QStringLiteral("Low"));
            Choose(dialog, QStringLiteral("ComboBox1"), QStringLiteral("High"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(3, 13), QStringLiteral("X"));
        QVERIFY2(line17() != low, qPrintable(low));  // the short form rebuilt with the high figure
        QCOMPARE(window->CurrentPage(), 15);

        // Every split short-form button, the $150,000 one too, reaches the calculation.
        window->DisplayAPage(1600);
        Press(QStringLiteral("btnLookupLimit"), [](QDialog& dialog) {
            Choose(dialog, QStringLiteral("ComboBox1"), QStringLiteral("Low"));
            Tick(dialog, QStringLiteral("CheckBox1"));
            Click(dialog, QStringLiteral("btnAccept"));
        });
        QCOMPARE(Slot(7, 60), QStringLiteral("Low"));
        QCOMPARE(Slot(10, 11), QStringLiteral("X"));
        QCOMPARE(Slot(10, 51), QStringLiteral("X"));
        QCOMPARE(window->CurrentPage(), 16);
    }

    void povertyBoxShowsTheLevelAndWritesNothing() {
        Press(QStringLiteral("btnPovertyMother"), [](QDialog& dialog) {
            QCOMPARE(TextOf(dialog, QStringLiteral("lblFederalPovertyLevel")), QStringLiteral("$   12,060.00"));
            QCOMPARE(TextOf(dialog, QStringLiteral("lbl150FederalPovertyLevel")), QStringLiteral("$   18,090.00"));
            Click(dialog, QStringLiteral("btnOk"));
        });
        QVERIFY(!window->Modified());
    }
};

QTEST_MAIN(LineDialogTest)
#include "LineDialogTests.moc"
