// Scenarios from the window: a copy saved beside the case, the comparison
// window with its highlighted differences, Open, CSV and Print.
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include "GuiTestSupport.h"
#include "app/TfrmCompare.h"
#include "scenarios/ScenarioComparison.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

class ScenarioTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    QString WriteSample(const QString& name, const QString& sample) { return CopySample(*home, name, sample); }
    void TypeInto(int slot, const QString& text) { test::TypeInto(*window, slot, text); }

private slots:
    void init() {
        StartWindow(home, prompts, window);
    }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    void saveAsScenarioWritesACopyBesideTheCaseAndKeepsItOpen() {
        prompts->texts = {QStringLiteral("never")};
        QCOMPARE(window->SaveAsScenarioClick(), QString());  // an untitled case is saved first
        QCOMPARE(prompts->warnings.size(), 1);

        const QString path = WriteSample("Smith.q10", "sole-father-pays.q10");
        QVERIFY(window->OpenFile(path));
        TypeInto(10, QStringLiteral("70000"));
        prompts->texts = {QStringLiteral("imputed income")};
        const QString copy = window->SaveAsScenarioClick();
        QCOMPARE(copy, home->Path() + "/Smith - imputed income.q10");
        QCOMPARE(window->CurrentFileName(), path);
        QVERIFY(window->Modified());
        const ScenarioComparison c = CompareScenarios({path.toStdString(), copy.toStdString()}, ProgramFolder().toStdString(), {});
        const size_t income = 0;  // line 7a, father
        QCOMPARE(QString::fromStdString(c.columns[0].values[income]), QStringLiteral("60,000.00"));
        QCOMPARE(QString::fromStdString(c.columns[1].values[income]), QStringLiteral("70,000.00"));

        // The same name again asks before replacing; No keeps the copy.
        prompts->texts = {QStringLiteral("imputed income")};
        prompts->yesNoAnswers = {false};
        QCOMPARE(window->SaveAsScenarioClick(), QString());
        QCOMPARE(prompts->questions.size(), 1);
    }

    void compareShowsTheOpenCaseFirstAndHighlightsExactlyTheDifferences() {
        const QString first = WriteSample("first.q10", "sole-father-pays.q10");
        const QString second = WriteSample("second.q10", "shared-deviation.q10");
        QVERIFY(window->OpenFile(first));
        TypeInto(11, QStringLiteral("45000"));  // unsaved: the comparison shows it all the same
        prompts->fileLists = {{second}};
        bool shown = false;
        window->ShowCompare = [&](TfrmCompare& compare) {
            shown = true;
            const ScenarioComparison& c = compare.Comparison();
            QCOMPARE(QString::fromStdString(c.columns[0].file), first);
            QCOMPARE(c.columns[0].values[1], std::string("45,000.00"));  // line 7a, mother, as typed
            QTableWidget* table = compare.Table();
            int highlighted = 0;
            for (size_t row = 0; row < c.labels.size(); ++row)
                for (size_t column = 0; column < c.columns.size(); ++column) {
                    QTableWidgetItem* item = table->item(static_cast<int>(row) + 1, static_cast<int>(column));
                    const bool marked = item->background().style() != Qt::NoBrush;
                    QCOMPARE(marked, c.Differs(column, row));
                    highlighted += marked;
                    QVERIFY(item->text().startsWith(QString::fromStdString(c.columns[column].values[row])));
                }
            QVERIFY(highlighted > 5);
            const QString csv = home->Path() + "/comparison.csv";
            QVERIFY(compare.SaveCsv(csv));
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(file.readAll()), QString::fromStdString(ComparisonCsv(c)));
            compare.Print();
            QCOMPARE(prompts->printed.size(), 1);
            QVERIFY(prompts->printed.first().contains(QStringLiteral("Line 28: annual support, insurance provided")));
            table->setCurrentCell(1, 1);
            compare.OpenSelectedColumn();
        };
        prompts->saveAnswers = {SaveAnswer::No};
        window->CompareScenariosClick();
        QVERIFY(shown);
        QCOMPARE(prompts->proposals.last(), home->Path());  // beside the open case, where its scenarios are
        QCOMPARE(window->CurrentFileName(), second);  // Open made the second case the open one
        QCOMPARE(prompts->saveQuestions, 1);
    }
};

QTEST_MAIN(ScenarioTest)
#include "ScenarioTests.moc"
