// Help from the window: F1 on a line, the pop-up menus' "Help", "Help On
// Specific Lines", Data Source, the help window's contents, index and
// search, the videos and documents that are not installed, an office's
// own help site.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "GuiTestSupport.h"
#include "help/HelpTopics.h"
#include "screen/HelpWindow.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;

    QString ShownPage() const {
        return window->HelpWindow() ? QDir(ProgramFolder() + "/help").relativeFilePath(window->HelpWindow()->CurrentFile())
                                    : QString();
    }
    void Focus(QWidget* field) {
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
    }
    QAction* MenuItem(QMenu* menu, const QString& text) {
        for (QAction* action : menu->actions())
            if (action->text() == text) return action;
        qFatal("no menu item %s", qPrintable(text));
    }

private slots:
    void init() {
        StartWindow(home, prompts, window);
        QVERIFY(window->OpenFile(CopySample(*home, QStringLiteral("case.q10"), QStringLiteral("sole-father-pays.q10"))));
    }
    void cleanup() {
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    void f1OnALineOpensItsTopicWithTheLinesFigure() {
        Focus(FieldOf(*window, 10));  // line 1a, Column I: the income estimator's topic
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(ShownPage(), QStringLiteral("quill10/special_considerations/income_estimator.htm"));
        QVERIFY(window->HelpWindow()->isVisible());
        const QString note = window->HelpWindow()->CaseNote()->text();
        QVERIFY2(note.contains("Line 1a, Column I") && note.contains("60,000.00"), qPrintable(note));
        QVERIFY(!window->HelpWindow()->Browser()->toPlainText().isEmpty());
    }

    // Every field of a line with a topic opens it: the three years of line 1b
    // as its "amount used", on every worksheet.
    void everyFieldOfALineOpensItsTopic() {
        for (const auto& [page, shift] : {std::pair{0, 0}, std::pair{7, 4}}) {  // the split page's slots are 4 lower
            window->DisplayAPage(page * 100);
            QString first;
            for (int slot : {12, 13, 14, 16, 17, 20}) {
                Focus(FieldOf(*window, slot - shift));
                prompts->warnings.clear();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
                QCOMPARE(prompts->warnings, QStringList());
                if (first.isEmpty()) first = ShownPage();
                QCOMPARE(ShownPage(), first);
            }
        }
    }

    void fieldsWithoutATopicSaySo() {
        QLineEdit* field = FieldOf(*window, 10);
        for (int number : {1001, 0}) {
            field->setProperty("HelpContext", number);
            Focus(field);
            prompts->warnings.clear();
            window->SpecialHelp(nullptr);
            QCOMPARE(prompts->warnings, QStringList{QStringLiteral("There is no help topic for this control.")});
        }
        QVERIFY(!window->HelpWindow());
    }

    void helpOnSpecificLinesOpensItsTopicWhateverHasTheFocus() {
        Focus(FieldOf(*window, 10));
        auto* lines = window->findChild<QMenu*>(QStringLiteral("mnuHelpOnSpecificLines"));
        QVERIFY(lines);
        QCOMPARE(lines->actions().size(), 17);
        MenuItem(lines, QStringLiteral("17. &Table Lookup Method"))->trigger();
        QCOMPARE(ShownPage(), QStringLiteral("quill10/special_considerations/table_lookup.htm"));
        QVERIFY(window->HelpWindow()->CaseNote()->isHidden());  // no line of the case was asked about
    }

    void ribbonButtonsPopUpHelp() {
        auto* save = window->findChild<QToolButton*>(QStringLiteral("btnSave"));
        QTimer::singleShot(0, this, [this] {
            window->ButtonPopup()->actions().first()->trigger();
            window->ButtonPopup()->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), save->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(save, &event);
        QCOMPARE(ShownPage(), QStringLiteral("quill10/file_menu/save.htm"));
    }

    void fieldPopUpHelpUsesTheFieldItOpenedOn() {
        QLineEdit* field = FieldOf(*window, 10);
        QTimer::singleShot(0, this, [this] {
            QCOMPARE(window->FieldHelpAction()->isVisible(), true);  // help number 1000 or more
            window->FieldHelpAction()->trigger();
            window->FieldPopup()->close();
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), field->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(field, &event);
        QCOMPARE(ShownPage(), QStringLiteral("quill10/special_considerations/income_estimator.htm"));
        QVERIFY(window->HelpWindow()->CaseNote()->text().contains("Line 1a, Column I"));
    }

    void dataSourceExplainsTheFieldOfTheWorksheetOnScreen() {
        for (const auto& [tag, start] : {std::pair{0, "7b, Column I."}, {700, "8, Column I."}}) {
            window->DisplayAPage(tag);
            Focus(FieldOf(*window, 41));  // Tag 2041 on both long forms
            window->UpdateMenuItems();
            QVERIFY(window->DataSourceAction()->isVisible());  // a computed field
            prompts->warnings.clear();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier | Qt::AltModifier);
            QCOMPARE(prompts->warnings.size(), 1);
            QVERIFY2(prompts->warnings.first().startsWith(QString::fromLatin1(start)), qPrintable(prompts->warnings.first()));
        }
        // Not offered on a field the user types in.
        Focus(FieldOf(*window, 10));
        window->UpdateMenuItems();
        QVERIFY(!window->DataSourceAction()->isVisible());
    }

    void helpWindowHasContentsIndexSearchAndHistory() {
        window->ShowHelpPage(kHelpContentsPage);
        THelpWindow* help = window->HelpWindow();
        QVERIFY(help->Contents()->topLevelItemCount() > 1);
        // The index selects the first keyword typed and opens it on Enter.
        QTest::keyClicks(help->IndexFilter(), QStringLiteral("over"));
        QVERIFY(help->Index()->currentItem());
        QVERIFY(help->Index()->currentItem()->text().startsWith(QStringLiteral("over"), Qt::CaseInsensitive));
        QTest::keyClick(help->IndexFilter(), Qt::Key_Return);
        const QString fromIndex = help->CurrentFile();
        QVERIFY(!fromIndex.endsWith(QStringLiteral("default.htm")));
        help->Browser()->backward();
        QVERIFY(help->CurrentFile().endsWith(QStringLiteral("quill10/default.htm")));
        help->Browser()->forward();
        QCOMPARE(help->CurrentFile(), fromIndex);
        // Search lists the pages holding every word.
        help->Search(QStringLiteral("arrears interest"));
        QVERIFY(help->SearchResults()->count() >= 1);
        QListWidgetItem* first = help->SearchResults()->item(0);
        emit help->SearchResults()->itemActivated(first);
        QVERIFY(help->Browser()->toPlainText().contains(QStringLiteral("interest"), Qt::CaseInsensitive));
        help->Search(QStringLiteral("zzzqqq"));
        QCOMPARE(help->SearchResults()->item(0)->text(), QStringLiteral("No page holds all of these words."));
        const QString before = help->Browser()->toPlainText();
        emit help->SearchResults()->itemActivated(help->SearchResults()->item(0));
        QCOMPARE(help->Browser()->toPlainText(), before);  // the "no page" line opens nothing
    }

    void videosAndDocumentsThatAreNotInstalledSaySo() {
        window->PlayVideo(5);
        QCOMPARE(prompts->warnings.size(), 1);
        QVERIFY(prompts->warnings.first().startsWith(QStringLiteral("The instructional video \"With Insurance\" is not installed")));
        window->ShowHelpPage(kHealthExpenditureTable);
        QCOMPARE(prompts->warnings.size(), 2);
        QVERIFY(prompts->warnings.last().contains(QStringLiteral("2017_Ohio_Cash_Medical_Support_Schedule.pdf")));
        QVERIFY(LauncherOf(*window).urls.isEmpty());  // no dead address opened
    }

    // Only a web address is taken: anything else is refused in the dialog,
    // which stays open with the reason, and the setting is unchanged.
    void theHelpSiteDialogTakesOnlyAWebAddress() {
        QStringList problemsShown;
        auto typeAndOk = [&problemsShown](const QString& address, bool thenCancel) {
            return [&problemsShown, address, thenCancel](QDialog& dialog) {
                auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("edtAddress"));
                QVERIFY(field);
                field->selectAll();
                QTest::keyClicks(field, address);
                dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
                auto* problem = dialog.findChild<QLabel*>(QStringLiteral("lblProblem"));
                problemsShown << (problem->isVisible() ? problem->text() : QString());
                if (thenCancel) {
                    QVERIFY(dialog.isVisible());  // still open, for the address to be put right
                    dialog.reject();
                }
            };
        };
        window->show();
        for (const char* refused : {"javascript:alert(1)//", "file:///etc/passwd"}) {
            prompts->dialogDrivers.push_back(typeAndOk(QString::fromLatin1(refused), true));
            window->findChild<QAction*>(QStringLiteral("mnuHelpSite"))->trigger();
            QVERIFY2(problemsShown.last().contains(QStringLiteral("not a web address")), qPrintable(problemsShown.last()));
            QCOMPARE(window->CurrentSettings().helpSite, std::string());
        }
        prompts->dialogDrivers.push_back(typeAndOk(QStringLiteral("https://help.example.org"), false));
        window->findChild<QAction*>(QStringLiteral("mnuHelpSite"))->trigger();
        QCOMPARE(problemsShown.last(), QString());
        QCOMPARE(window->CurrentSettings().helpSite, std::string("https://help.example.org"));
    }

    // An office gives the videos and the cash medical support table web
    // addresses under Options > Default Locations; they open there.
    void videosAndTheTableOpenAtTheAddressesGiven() {
        auto answer = [](const QString& address) {
            return [address](QDialog& dialog) {
                auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("edtAddress"));
                field->setText(address);
                dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
            };
        };
        prompts->dialogDrivers.push_back(answer(QStringLiteral("https://media.example.org/first.mp4")));
        window->findChild<QAction*>(QStringLiteral("mnuVideoAddress0"))->trigger();
        prompts->dialogDrivers.push_back(answer(QStringLiteral("javascript:alert(1)")));  // refused: stays open, cancelled
        window->findChild<QAction*>(QStringLiteral("mnuTableAddress"))->trigger();
        QCOMPARE(window->CurrentSettings().expenditureTableAddress, std::string());
        prompts->dialogDrivers.push_back(answer(QStringLiteral("https://jfs.example.org/table.pdf")));
        window->findChild<QAction*>(QStringLiteral("mnuTableAddress"))->trigger();

        window->PlayVideo(InstructionalVideos().front().tag);
        window->ShowHelpPage(kHealthExpenditureTable);
        QCOMPARE(LauncherOf(*window).urls, (QList<QUrl>{QUrl(QStringLiteral("https://media.example.org/first.mp4")),
                                                       QUrl(QStringLiteral("https://jfs.example.org/table.pdf"))}));
        QVERIFY(prompts->warnings.isEmpty());
    }

    void anOfficesHelpSiteOpensInTheBrowser() {
        window->CurrentSettings().helpSite = "https://help.example.org/";
        window->ShowHelpPage(kZoomHelpPage);
        QCOMPARE(LauncherOf(*window).urls, QList<QUrl>{QUrl(QStringLiteral("https://help.example.org/help/quill10/options_menu/zoom.htm"))});
        QVERIFY(!window->HelpWindow());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "HelpWindowTests.moc"
