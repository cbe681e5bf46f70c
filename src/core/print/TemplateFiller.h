#pragma once
// Filling the RTF page templates with the answers of the case.
//
// Every printed page is an RTF template whose text holds variables where
// answers belong: "/", a code character, the slot number (one to three
// digits, no leading zeros) and a closing "/".  The template of page N is
// filled from answer page N, so "/$7/" in Page3.rtf prints slot 3:7 as
// money.  Pages are joined into one print document: the first keeps its
// whole header, every later one drops everything up to its "\'b7" marker
// and is drawn with the first page's font and colour tables.
//
// Template rules the filler relies on: a Wingdings entry in the font table
// (the check boxes' font), the "\'b7" marker before the body, colour 1 for
// overridden answers, body font 0 (font 4 on the short forms 15 and 16),
// and the same font and colour numbering in every template.
#include <string>
#include <string_view>
#include <vector>

namespace quill10 {

class TAnswer;

inline constexpr int kErrTabFileLine = 21011;  // a tab-position line that is not seven numbers
inline constexpr int kLastTabEntry = 600;      // tab-position files hold slots 0 to 600
inline constexpr std::string_view kPageMarker = "\\'b7";

// The variable codes and what each prints.
inline constexpr std::string_view kVariableCodes = "*$%#+&@^<";

struct TemplateFolders {
    std::string templates;  // Page1.rtf ... Page32.rtf
    std::string tabs;       // PAGE1.DAT ... PAGE32.DAT
};

// What the filler carries from page to page and from one print job to the
// next: the font size (half-points) of the last "\fs" the scan passed, and
// the check boxes' font selector of the page being filled.
struct FillState {
    int fontSize = 0;
    std::string checkFont;
};

// The fill state of the running program.
FillState& ProgramFillState();

// The tab positions of one page: entry k belongs to slot N:k.
struct TabPositions {
    std::vector<double> positions;
    bool unreadable = false;  // a line was not seven numbers (error 21011 has been reported)
    std::string problem;      // the file could not be opened or read: which one and why
};

// Reads "PAGE" + N + ".DAT" from the tab folder: per line an integer, an
// integer kind, an integer, a real, a real scale, a real position and an
// integer; the tab position is the position, times the scale for kind 4.
TabPositions LoadTabPositions(const std::string& tabFolder, int page);

// The font selector of the template's Wingdings entry ("\f10 "), or "" when
// the font table has none.
std::string FindCheckFont(std::string_view text);

// What is wrong with a template's text, or "" when it can be filled: a
// template is an RTF document ("{\rtf" ...) whose groups all close (a
// truncated or damaged file leaves some open or closes one too many) and
// whose body follows the "\'b7" marker.
std::string TemplateDamage(std::string_view text);

// The text of a file in `folder` whose name matches `name` ignoring case;
// the file's lines joined with CR LF, each line ended by CR LF.  False with
// the reason (naming the file) when there is no such file, it cannot be
// read, or it is damaged (TemplateDamage).
bool LoadTemplateText(const std::string& folder, const std::string& name, std::string& text, std::string& problem);

// The check box glyphs: ballot boxes, which every platform's fonts draw, in
// place of the Wingdings characters 253 and 111 that print as identical
// empty squares where no Wingdings font is installed.
inline constexpr std::string_view kTickedBox = " \\uc1\\u9746?\\fs";    // U+2612
inline constexpr std::string_view kUntickedBox = " \\uc1\\u9744?\\fs";  // U+2610

// Fills templates from the answer store.  Files that cannot be found or
// read, damaged templates and pages that cannot be joined are described in
// Problems(); a print job with any problem is not made (PrvwSend).
class TemplateFiller {
public:
    TemplateFiller(const TAnswer& answers, TemplateFolders folders, FillState& state);

    // Fills the loaded template text of page N in place.
    void FillPage(int page, std::string& text);

    // Deletes the variable of slot N:s that begins at `position` and inserts
    // the text its code gives; returns the length inserted.
    size_t ExpandVariable(int page, char code, int slot, size_t position, double tabPosition, std::string& text);

    // Loads "Page" + N + ".rtf" and fills it as the first page of `document`.
    bool FirstPage(int page, std::string& document);

    // Loads "PAGE" + N + ".RTF", fills it and joins it to the end of
    // `document` after a page break.
    bool AppendPage(int page, std::string& document);

    const std::vector<std::string>& Problems() const { return problems_; }

private:
    std::string VariableText(int page, char code, int slot) const;
    std::string CheckBoxText(int page, int slot) const;
    bool LoadPage(int page, const std::string& name, std::string& text);

    const TAnswer& answers_;
    TemplateFolders folders_;
    FillState& state_;
    std::vector<std::string> problems_;
};

// Joins a filled page (with its header) to the end of a print document:
// the page loses everything up to its first marker and its closing braces,
// the document its closing brace; the page's body follows, starting a new
// page, and one "}" closes the whole.  A body that begins with a paragraph
// starts the new page by that paragraph's "\pagebb"; any other gets "\page "
// before it.  False, with the document unchanged, when the page has no marker.
bool JoinPage(std::string& document, std::string page);

}  // namespace quill10
