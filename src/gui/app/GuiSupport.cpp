#include "app/GuiSupport.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>

#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10::gui {

void InstallErrorBoxes() {
    SetErrorHandler([](int, const std::string& text, const std::string&) {
        QApplication::beep();
        QMessageBox box(QMessageBox::Warning, QStringLiteral("QUILL10"), QString::fromStdString(text),
                        QMessageBox::Ok | QMessageBox::Cancel, QApplication::activeWindow());
        box.exec();
    });
}

void UseSystemRegionalSettings() {
    const QLocale locale = QLocale::system();
    Regional regional;
    const QString point = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    if (point.size() == 1 && point.at(0).unicode() < 128) regional.decimalSeparator = point.at(0).toLatin1();
    if (group.size() == 1 && group.at(0).unicode() < 128) regional.thousandSeparator = group.at(0).toLatin1();
    if (regional.thousandSeparator == regional.decimalSeparator)
        regional.thousandSeparator = regional.decimalSeparator == ',' ? '.' : ',';
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QLatin1String("yyyy"))) pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    bool plain = true;  // only day, month, year and separators are understood
    for (QChar c : pattern) plain = plain && (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y') || !c.isLetter());
    if (plain && pattern.contains(QLatin1Char('d')) && pattern.contains(QLatin1Char('M')))
        regional.shortDateFormat = pattern.toStdString();
    SetRegional(regional);
}

}  // namespace quill10::gui
