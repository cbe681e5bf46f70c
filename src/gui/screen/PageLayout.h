#pragma once
// Loading a worksheet screen from its page layout file ("page" + number +
// ".vlp" in the VLP folder, Qt Designer's UI format) into the page panel,
// and the style sheet that gives the field states their look.
#include <QColor>
#include <QString>
#include <QStringList>
#include <vector>

class QPalette;
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

// The colours of the worksheet screens and the window around them.  A dark
// (high-contrast) palette gets a dark sheet of its own, so no text stands
// in the colour of its background.
struct WorksheetColours {
    QColor page, text;                          // the sheet, its labels and entered figures
    QColor headingText, heading;                // the part headings ("I. GROSS INCOME")
    QColor computed;                            // background of a computed figure (text: `text`)
    QColor overrideable;                        // background of a figure that may be overridden
    QColor overriddenText, overridden;          // an overridden figure, also its border
    QColor fieldBorder, focus;                  // a field's border; the border of the focused control
    QColor calloutText, callout, calloutBorder; // a help bubble
    QColor ribbonText, ribbon;                  // the band of headline figures and commands
    QColor noticeText, notice;                  // the status bar's problems and schedule notices
    QColor brand, maker;                        // the start screen's names (on the window's colour)
};
WorksheetColours WorksheetColoursFor(const QPalette& palette);

// A text colour on its background, named for a test's message.
struct ColourPair {
    const char* what;
    QColor text, background;
};
// Every text colour the screens draw on the background it stands on.
std::vector<ColourPair> TextColourPairs(const WorksheetColours& colours, const QPalette& palette);
// The contrast ratio of two colours (1 to 21) by their relative luminance.
double ContrastRatio(const QColor& a, const QColor& b);

// Check boxes and radio buttons are outlined in a shade of the window
// colour, which on a dark palette is as dark as the page: there they get a
// light outline, so an unticked box shows.
void OutlineBoxesOnDarkPalette();

// The style sheet of the worksheet screens in the application palette's
// colours: the computed, overrideable and overridden field states, the
// focused control, headings and help bubbles.
QString WorksheetStyleSheet();
QString WorksheetStyleSheet(const WorksheetColours& colours);

}  // namespace quill10::gui
