#include "screen/HelpWindow.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "help/HelpTopics.h"
#include "screen/Accessibility.h"

namespace quill10::gui {

namespace {

constexpr int kPathRole = Qt::UserRole;
constexpr const char* kSitePrefix = "/help/";
constexpr const char* kContentsPage = "quill10/default.htm";

QStringList LinesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

THelpWindow::THelpWindow(const QString& helpFolder, QWidget* parent) : QMainWindow(parent), folder_(helpFolder) {
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("QUILL10 Help"));
    resize(980, 700);
    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenExternalLinks(true);
    caseNote_ = new QLabel;
    caseNote_->setObjectName(QStringLiteral("lblCaseNote"));
    caseNote_->setWordWrap(true);
    caseNote_->setTextFormat(Qt::RichText);
    caseNote_->setStyleSheet(QStringLiteral("QLabel { background: #fff8dc; border: 1px solid #d8c98f; padding: 6px; }"));
    caseNote_->hide();
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(caseNote_);
    pageLayout->addWidget(browser_, 1);

    tabs_ = new QTabWidget;
    PageTabsByKeyboard(tabs_);
    tabs_->addTab(BuildContentsTab(), QStringLiteral("Contents"));
    tabs_->addTab(BuildIndexTab(), QStringLiteral("Index"));
    tabs_->addTab(BuildSearchTab(), QStringLiteral("Search"));
    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 700});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("Back"), browser_, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(QStringLiteral("Forward"), browser_, &QTextBrowser::forward);
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(QStringLiteral("Contents"), this, [this] { OpenRelative(QString::fromLatin1(kContentsPage)); });
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    // Leaving the page the note was written for removes the note.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        if (caseNote_->property("Page").toUrl() != browser_->source()) caseNote_->hide();
    });
    LoadContents();
    LoadIndex();
}

QWidget* THelpWindow::BuildContentsTab() {
    contents_ = new QTreeWidget;
    contents_->setObjectName(QStringLiteral("HelpContents"));
    contents_->setAccessibleName(QStringLiteral("Help contents"));
    contents_->setHeaderHidden(true);
    connect(contents_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const QString path = item->data(0, kPathRole).toString(); !path.isEmpty()) OpenRelative(path);
    });
    connect(contents_, &QTreeWidget::itemClicked, contents_, &QTreeWidget::itemActivated);
    return contents_;
}

// A list whose items open their page when clicked or activated; an item
// without a page (the search's "no page" line) opens nothing.
QListWidget* THelpWindow::NewPageList(const QString& name) {
    auto* list = new QListWidget;
    list->setObjectName(name);
    connect(list, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        if (const QString path = item->data(kPathRole).toString(); !path.isEmpty()) OpenRelative(path);
    });
    connect(list, &QListWidget::itemClicked, list, &QListWidget::itemActivated);
    return list;
}

QWidget* THelpWindow::BuildIndexTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    indexFilter_ = new QLineEdit;
    indexFilter_->setObjectName(QStringLiteral("HelpIndexFilter"));
    indexFilter_->setAccessibleName(QStringLiteral("Index keyword"));
    indexFilter_->setPlaceholderText(QStringLiteral("Type a keyword"));
    index_ = NewPageList(QStringLiteral("HelpIndex"));
    index_->setAccessibleName(QStringLiteral("Help index"));
    connect(indexFilter_, &QLineEdit::textChanged, this, &THelpWindow::FilterIndex);
    connect(indexFilter_, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem* item = index_->currentItem()) emit index_->itemActivated(item);
    });
    layout->addWidget(indexFilter_);
    layout->addWidget(index_);
    return tab;
}

QWidget* THelpWindow::BuildSearchTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    searchBox_ = new QLineEdit;
    searchBox_->setObjectName(QStringLiteral("HelpSearch"));
    searchBox_->setAccessibleName(QStringLiteral("Words to look for"));
    searchBox_->setPlaceholderText(QStringLiteral("Words to look for"));
    auto* go = new QPushButton(QStringLiteral("Search"));
    results_ = NewPageList(QStringLiteral("HelpSearchResults"));
    results_->setAccessibleName(QStringLiteral("Search results"));
    connect(searchBox_, &QLineEdit::returnPressed, this, [this] { Search(searchBox_->text()); });
    connect(go, &QPushButton::clicked, this, [this] { Search(searchBox_->text()); });
    layout->addWidget(searchBox_);
    layout->addWidget(go);
    layout->addWidget(results_);
    return tab;
}

// contents.txt: two spaces of indentation per level, the title, a tab and
// the page (a heading may have none).
void THelpWindow::LoadContents() {
    QList<QTreeWidgetItem*> parents;
    for (const QString& line : LinesOf(QDir(folder_).filePath(QStringLiteral("contents.txt")))) {
        const int indent = static_cast<int>(line.size() - QString(line).remove(QRegularExpression(QStringLiteral("^ +"))).size());
        const int level = indent / 2;
        const QStringList parts = line.trimmed().split(QLatin1Char('\t'));
        while (parents.size() > level) parents.removeLast();
        auto* item = parents.isEmpty() ? new QTreeWidgetItem(contents_) : new QTreeWidgetItem(parents.last());
        item->setText(0, parts.value(0).trimmed());
        item->setData(0, kPathRole, parts.value(1).trimmed());
        parents.append(item);
    }
    contents_->expandAll();
}

void THelpWindow::LoadIndex() {
    for (const QString& line : LinesOf(QDir(folder_).filePath(QStringLiteral("index.txt")))) {
        const QStringList parts = line.split(QLatin1Char('\t'));
        if (parts.size() < 2) continue;
        auto* item = new QListWidgetItem(parts[0].trimmed(), index_);
        item->setData(kPathRole, parts[1].trimmed());
    }
}

// Shows the keywords starting with the typed text and selects the first.
void THelpWindow::FilterIndex(const QString& start) {
    QListWidgetItem* first = nullptr;
    for (int row = 0; row < index_->count(); ++row) {
        QListWidgetItem* item = index_->item(row);
        const bool shown = item->text().startsWith(start.trimmed(), Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first) first = item;
    }
    index_->setCurrentItem(first);
}

const QMap<QString, QString>& THelpWindow::PageTexts() {
    if (!pageTexts_.isEmpty()) return pageTexts_;
    QDirIterator pages(folder_, {QStringLiteral("*.htm")}, QDir::Files, QDirIterator::Subdirectories);
    while (pages.hasNext()) {
        const QString file = pages.next();
        QFile page(file);
        if (!page.open(QIODevice::ReadOnly)) continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(page.readAll()));
        pageTexts_.insert(QDir(folder_).relativeFilePath(file),
                          document.metaInformation(QTextDocument::DocumentTitle) + QLatin1Char('\n') + document.toPlainText());
    }
    return pageTexts_;
}

void THelpWindow::Search(const QString& words) {
    results_->clear();
    const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (wanted.isEmpty()) return;
    for (auto page = PageTexts().cbegin(); page != PageTexts().cend(); ++page) {
        const bool all = std::all_of(wanted.begin(), wanted.end(),
                                     [&](const QString& word) { return page.value().contains(word, Qt::CaseInsensitive); });
        if (!all) continue;
        auto* item = new QListWidgetItem(page.value().section(QLatin1Char('\n'), 0, 0), results_);
        item->setData(kPathRole, page.key());
    }
    if (results_->count() == 0) new QListWidgetItem(QStringLiteral("No page holds all of these words."), results_);
    tabs_->setCurrentIndex(2);
}

void THelpWindow::OpenRelative(const QString& relativePath) {
    ShowPage(QString::fromLatin1(kSitePrefix) + relativePath);
}

bool THelpWindow::ShowPage(const QString& sitePath, const QString& caseNote) {
    const QString file = QString::fromStdString(InstalledHelpFile(folder_.toStdString(), sitePath.toStdString()));
    if (file.isEmpty() || !QFile::exists(file)) {
        caseNote_->hide();
        browser_->setHtml(QStringLiteral("<h2>This help page is not installed</h2><p>%1 is not in %2. "
                                         "Reinstall QUILL10 to restore its help pages.</p>")
                              .arg(sitePath.toHtmlEscaped(), QDir::toNativeSeparators(folder_).toHtmlEscaped()));
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(file);
    caseNote_->setProperty("Page", url);
    browser_->setSource(url);
    caseNote_->setText(caseNote);
    caseNote_->setVisible(!caseNote.isEmpty());
    return true;
}

QString THelpWindow::CurrentFile() const { return browser_->source().toLocalFile(); }

}  // namespace quill10::gui
