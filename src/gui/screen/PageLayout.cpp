#include "screen/PageLayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUiLoader>
#include <QWidget>

namespace quill10::gui {

QString LayoutFileName(int page) { return QStringLiteral("page%1.vlp").arg(page); }

QStringList MissingPageLayouts(const QString& vlpFolder) {
    QStringList missing;
    for (int page : {0, 7, 15, 16})
        if (!QFileInfo(QDir(vlpFolder).filePath(LayoutFileName(page))).isFile()) missing << LayoutFileName(page);
    return missing;
}

bool LoadPageLayout(const QString& vlpFolder, int page, QWidget* panel, QString& error) {
    const QString path = QDir(vlpFolder).filePath(LayoutFileName(page));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("The page layout file \"%1\" cannot be opened: %2").arg(path, file.errorString());
        return false;
    }
    QUiLoader loader;
    QWidget* root = loader.load(&file, panel);
    if (!root) {
        error = QStringLiteral("The page layout file \"%1\" is not a page layout: %2").arg(path, loader.errorString());
        return false;
    }
    root->move(0, 0);
    panel->setFixedSize(root->size());
    root->show();
    return true;
}

QString WorksheetStyleSheet() {
    return QStringLiteral(
        "QWidget#pnlMainForm { background: #ffffff; }"
        "QLabel[Heading=\"true\"] { font-weight: bold; background: #1f3a5f; color: white; padding-left: 6px; }"
        "QLabel[LineNumber=\"true\"] { font-weight: bold; }"
        "QLabel[ColumnHeader=\"true\"] { font-weight: bold; qproperty-alignment: AlignCenter; }"
        "QLineEdit { border: 1px solid #9aa7b5; padding: 1px 4px; background: #ffffff; color: #000000; }"
        "QLineEdit:focus { border: 2px solid #2a6fdb; }"
        "QLineEdit[StyleLookup=\"EDITREADONLY\"] { background: #eef1f5; border: 1px solid #c8d0da; }"
        "QLineEdit[StyleLookup=\"EDITOVERRIDEABLE\"] { background: #f7f3e3; color: #000000; }"
        "QLineEdit[StyleLookup=\"EDITOVERRIDDEN\"] { background: #ffffff; color: #ff0000; border: 1px solid #ff0000; }"
        "QCheckBox[StyleLookup=\"CHECKBOXOVERRIDDEN\"] { color: #ff0000; }"
        "QFrame[Callout=\"true\"] { background: #fffbdd; border: 1px solid #b59b2a; border-radius: 6px; }"
        "QPushButton[HelpButton=\"true\"] { font-weight: bold; color: #1f3a5f; }");
}

}  // namespace quill10::gui
