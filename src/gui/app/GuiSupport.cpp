#include "app/GuiSupport.h"

#include <QApplication>
#include <algorithm>
#include <QLocale>
#include <QMessageBox>

#include "store/Misc.h"
#include "store/Regional.h"

namespace quill10::gui {

namespace {
bool batchOpen = false;
}  // namespace

ErrorBatch::ErrorBatch() : outermost_(!batchOpen) {
    if (!outermost_) return;
    batchOpen = true;
    previous_ = SetErrorHandler([this](int code, const std::string& text, const std::string& extra) {
        const auto error = std::make_tuple(code, text, extra);
        if (std::find(errors_.begin(), errors_.end(), error) == errors_.end()) errors_.push_back(error);
    });
}

ErrorBatch::~ErrorBatch() {
    if (!outermost_) return;
    SetErrorHandler(previous_);
    batchOpen = false;
    // The same message from two places of the calculation is still one message.
    std::vector<std::pair<int, std::string>> shown;
    for (const auto& [code, text, extra] : errors_) {
        (void)extra;
        if (std::find(shown.begin(), shown.end(), std::make_pair(code, text)) != shown.end()) continue;
        shown.emplace_back(code, text);
        ErrorMessageSaying(code, text);  // as gathered: advice and named entries included
    }
}

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
    // The C locale (no regional settings at all) has no short date a user
    // would recognise: M/d/yyyy stays.
    if (locale.language() == QLocale::C) {
        SetRegional(regional);
        return;
    }
    QString pattern = locale.dateFormat(QLocale::ShortFormat);
    if (!pattern.contains(QLatin1String("yyyy"))) pattern.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    bool plain = true;  // only day, month, year and separators are understood
    for (QChar c : pattern) plain = plain && (c == QLatin1Char('d') || c == QLatin1Char('M') || c == QLatin1Char('y') || !c.isLetter());
    // Day, month and year must be told apart by a separator other than a blank.
    const bool separated = pattern.contains(QLatin1Char('/')) || pattern.contains(QLatin1Char('.')) ||
                           pattern.contains(QLatin1Char('-'));
    if (plain && separated && pattern.contains(QLatin1Char('d')) && pattern.contains(QLatin1Char('M')))
        regional.shortDateFormat = pattern.toStdString();
    SetRegional(regional);
}

}  // namespace quill10::gui
