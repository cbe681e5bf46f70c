#include "screen/PageLayout.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <algorithm>
#include <cmath>
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

namespace {

bool IsDark(const QPalette& palette) { return palette.color(QPalette::Base).lightness() < 128; }

WorksheetColours LightColours() {
    WorksheetColours c;
    c.page = QColor::fromRgb(0xffffffu);
    c.text = QColor::fromRgb(0x000000u);
    c.headingText = QColor::fromRgb(0xffffffu);
    c.heading = QColor::fromRgb(0x1f3a5fu);
    c.computed = QColor::fromRgb(0xe6eaf0u);
    c.overrideable = QColor::fromRgb(0xf7f0d2u);
    // A deep red: #ff0000 on white is 4.0:1, short of what small text needs.
    c.overriddenText = QColor::fromRgb(0xc00000u);
    c.overridden = QColor::fromRgb(0xffffffu);
    c.fieldBorder = QColor::fromRgb(0x7a8796u);
    c.focus = QColor::fromRgb(0x1d5fc8u);
    c.calloutText = QColor::fromRgb(0x000000u);
    c.callout = QColor::fromRgb(0xfffbddu);
    c.calloutBorder = QColor::fromRgb(0x8a7420u);
    c.ribbonText = QColor::fromRgb(0x000000u);
    c.ribbon = QColor::fromRgb(0xdfe6eeu);
    c.noticeText = QColor::fromRgb(0x000000u);
    c.notice = QColor::fromRgb(0xfff1b8u);
    c.brand = QColor::fromRgb(0x1f3a5fu);
    c.maker = QColor::fromRgb(0x555555u);
    return c;
}

// Light text on black; the field states keep their shading in dark tints
// and an overridden figure turns yellow.
WorksheetColours DarkColours(const QPalette& palette) {
    WorksheetColours c;
    c.page = palette.color(QPalette::Base);
    c.text = palette.color(QPalette::Text);
    c.headingText = QColor::fromRgb(0xffffffu);
    c.heading = QColor::fromRgb(0x1f3a5fu);
    c.computed = QColor::fromRgb(0x2b2b3au);
    c.overrideable = QColor::fromRgb(0x3d3400u);
    c.overriddenText = QColor::fromRgb(0xffff00u);
    c.overridden = c.page;
    c.fieldBorder = QColor::fromRgb(0xb0b0b0u);
    c.focus = QColor::fromRgb(0x00ffffu);
    c.calloutText = c.text;
    c.callout = QColor::fromRgb(0x202020u);
    c.calloutBorder = QColor::fromRgb(0xffff00u);
    c.ribbonText = palette.color(QPalette::WindowText);
    c.ribbon = palette.color(QPalette::Window);
    c.noticeText = QColor::fromRgb(0x000000u);
    c.notice = QColor::fromRgb(0xffff00u);
    c.brand = QColor::fromRgb(0x9ecbffu);
    c.maker = QColor::fromRgb(0xd0d0d0u);
    return c;
}

double Luminance(const QColor& colour) {
    auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QString Hex(const QColor& colour) { return colour.name(QColor::HexRgb); }

}  // namespace

WorksheetColours WorksheetColoursFor(const QPalette& palette) {
    return IsDark(palette) ? DarkColours(palette) : LightColours();
}

std::vector<ColourPair> TextColourPairs(const WorksheetColours& c, const QPalette& palette) {
    return {
        {"label on the sheet", c.text, c.page},
        {"entered figure", c.text, c.page},
        {"computed figure", c.text, c.computed},
        {"figure that may be overridden", c.text, c.overrideable},
        {"overridden figure", c.overriddenText, c.overridden},
        {"part heading", c.headingText, c.heading},
        {"help bubble", c.calloutText, c.callout},
        {"ribbon command", c.ribbonText, c.ribbon},
        {"status bar notice", c.noticeText, c.notice},
        {"start screen name", c.brand, palette.color(QPalette::Window)},
        {"start screen maker", c.maker, palette.color(QPalette::Window)},
    };
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void OutlineBoxesOnDarkPalette() {
    const QPalette palette = QApplication::palette();
    if (!IsDark(palette)) return;
    QPalette boxes = palette;
    // The style outlines a box in the window colour darkened by 40 %.
    boxes.setColor(QPalette::Window, WorksheetColoursFor(palette).fieldBorder.lighter(140));
    for (const char* kind : {"QCheckBox", "QRadioButton"}) QApplication::setPalette(boxes, kind);
}

QString WorksheetStyleSheet() { return WorksheetStyleSheet(WorksheetColoursFor(QApplication::palette())); }

QString WorksheetStyleSheet(const WorksheetColours& c) {
    return QStringLiteral(
               "QWidget#pnlMainForm { background: %1; }"
               "QLabel, QCheckBox { color: %2; }"
               "QLabel[Heading=\"true\"] { font-weight: bold; background: %3; color: %4; padding-left: 6px; }"
               "QLabel[LineNumber=\"true\"] { font-weight: bold; }"
               "QLabel[ColumnHeader=\"true\"] { font-weight: bold; qproperty-alignment: AlignCenter; }"
               "QLineEdit { border: 1px solid %5; padding: 1px 4px; background: %1; color: %2; }"
               "QLineEdit:focus { border: 2px solid %6; }"
               "QLineEdit[StyleLookup=\"EDITREADONLY\"] { background: %7; }"
               "QLineEdit[StyleLookup=\"EDITOVERRIDEABLE\"] { background: %8; color: %2; }"
               "QLineEdit[StyleLookup=\"EDITOVERRIDDEN\"] { background: %9; color: %10; border: 1px solid %10; }"
               "QLineEdit[StyleLookup=\"EDITOVERRIDDEN\"]:focus { border: 2px solid %6; }"
               "QCheckBox[StyleLookup=\"CHECKBOXOVERRIDDEN\"] { color: %10; }"
               "QPlainTextEdit:focus { border: 2px solid %6; }"
               "QFrame[Callout=\"true\"] { background: %11; border: 1px solid %12; border-radius: 6px; }"
               "QFrame[Callout=\"true\"] QLabel { color: %13; background: transparent; }"
               "QPushButton[HelpButton=\"true\"] { font-weight: bold; }")
        .arg(Hex(c.page), Hex(c.text), Hex(c.heading), Hex(c.headingText), Hex(c.fieldBorder), Hex(c.focus),
             Hex(c.computed), Hex(c.overrideable), Hex(c.overridden))
        .arg(Hex(c.overriddenText), Hex(c.callout), Hex(c.calloutBorder), Hex(c.calloutText));
}

}  // namespace quill10::gui
