#pragma once
// Loading a worksheet screen from its page layout file ("page" + number +
// ".vlp" in the VLP folder, Qt Designer's UI format) into the page panel,
// and the style sheet that gives the field states their look.
#include <QString>
#include <QStringList>

class QWidget;

namespace quill10::gui {

// Reads the layout file into `panel`: the file's root widget becomes the
// panel's only child and the panel takes its size.  False with a reason when
// the file is missing or not a layout.
bool LoadPageLayout(const QString& vlpFolder, int page, QWidget* panel, QString& error);

QString LayoutFileName(int page);

// The layout files of the four worksheet screens that `vlpFolder` lacks
// (empty when it holds them all).
QStringList MissingPageLayouts(const QString& vlpFolder);

// The style sheet of the worksheet screens: the computed, overrideable and
// overridden field states, headings and help bubbles.
QString WorksheetStyleSheet();

}  // namespace quill10::gui
