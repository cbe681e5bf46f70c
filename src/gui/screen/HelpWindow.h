#pragma once
// The help window: the help pages installed with the program, with their
// contents, a keyword index, a full-text search and back/forward, shown in
// a text browser.  A page opened for a worksheet line can carry a note with
// that line's figures in the open case above it.
#include <QMainWindow>
#include <QMap>
#include <QUrl>

class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;

namespace quill10::gui {

class THelpWindow : public QMainWindow {
    Q_OBJECT

public:
    // `helpFolder` mirrors the help site's "/help/" folder and holds
    // contents.txt and index.txt.
    explicit THelpWindow(const QString& helpFolder, QWidget* parent = nullptr);

    // Shows the page of a path of the help site ("/help/quill10/..."), with
    // `caseNote` (rich text) above it, or no note when empty.  False when
    // the page is not installed; the window then says so.
    bool ShowPage(const QString& sitePath, const QString& caseNote = {});
    // Lists the pages whose text holds every word of `words`.
    void Search(const QString& words);

    QTextBrowser* Browser() const { return browser_; }
    QTreeWidget* Contents() const { return contents_; }
    QListWidget* Index() const { return index_; }
    QLineEdit* IndexFilter() const { return indexFilter_; }
    QListWidget* SearchResults() const { return results_; }
    QLabel* CaseNote() const { return caseNote_; }
    // The file of the page on show.
    QString CurrentFile() const;

private:
    QWidget* BuildContentsTab();
    QWidget* BuildIndexTab();
    QWidget* BuildSearchTab();
    QListWidget* NewPageList(const QString& name);
    void LoadContents();
    void LoadIndex();
    void FilterIndex(const QString& start);
    void OpenRelative(const QString& relativePath);
    const QMap<QString, QString>& PageTexts();  // relative path -> plain text, read once

    QString folder_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    QLineEdit* indexFilter_ = nullptr;
    QListWidget* index_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    QListWidget* results_ = nullptr;
    QLabel* caseNote_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QMap<QString, QString> pageTexts_;
};

}  // namespace quill10::gui
