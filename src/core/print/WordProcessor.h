#pragma once
// The word processor the print documents are handed to.  "Word" is
// LibreOffice Writer (the program soffice); "WordPad" is the desktop's
// default program for RTF files.  This keeps the choice between them, the
// search for Writer and the page margins written into the document when
// the default program is used (it has no margin setting of its own that
// the program could set beforehand).
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/PrvwSend.h"

namespace quill10 {

struct Settings;

enum class WordProcessor { Word, WordPad };

// Where Writer is looked for: the fixed places tested at start-up and the
// folders Find Word searches.
struct WordProcessorPlaces {
    std::vector<std::string> fixedPaths;
    std::vector<std::string> searchRoots;
};
// soffice on the PATH and in LibreOffice's usual install folders; Find Word
// searches /usr and /opt.
WordProcessorPlaces UsualWordProcessorPlaces();

// True when one of the fixed places holds Writer: an executable soffice
// beside a window plugin (the headless-only LibreOffice cannot show the
// print document, so it does not count).
bool WordPresent(const WordProcessorPlaces& places);

// Find Word: searches each root and every folder below it, depth first,
// for Writer, a file named "soffice" (without regard to case) that
// WordPresent would accept; the first one found ends the search.
// `progress` is told 5 at the start, 50 before the second root, 100 at the
// end, and -1 every few hundred entries; when it answers false the search
// stops there.  "" when nothing was found.
inline constexpr std::string_view kWordProgramName = "soffice";
using SearchProgress = std::function<bool(int percent)>;
std::string FindWordProgram(const std::vector<std::string>& roots, const SearchProgress& progress = {});

// The choice at start-up: Force WordPad overrides everything; Word when it
// is present or forced; otherwise Find Word (`findWord`) decides, and a
// find forces Word from then on.  Sets the Word path after a search.
WordProcessor StartUpChoice(Settings& settings, bool wordPresent, const std::function<std::string()>& findWord);
// True when only Find Word can make the start-up choice (the window then
// searches in the background and calls StartUpChoice with what it found).
bool NeedsWordSearch(const Settings& settings, bool wordPresent);

// The two force commands flip their flag and return the program in use.
WordProcessor ForceWordClick(Settings& settings, WordProcessor current);
WordProcessor ForceWordPadClick(Settings& settings, WordProcessor current);

// The page margins for the default program, in twips.
struct PageMargins {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const PageMargins&) const = default;
};
inline constexpr PageMargins kNarrowMargins{720, 576, 720, 360};
inline constexpr PageMargins kWideMargins{1080, 576, 1080, 360};

// Narrow for a short form or the support scheduler chosen in the selection
// dialog, wide otherwise.
PageMargins MarginsForSelection(const PrintSelection& selection);
// Without the dialog: wide for a long form on screen, narrow for a short
// form; wide for anything else (the scheduler window prints a wide table).
PageMargins MarginsForScreen(int screenPage);

// The document with its page margins set: the \margl, \margt, \margr and
// \margb of its header are replaced, or added before the body when missing.
std::string WithPageMargins(std::string_view rtf, const PageMargins& margins);

// Quick print: the box the worksheet on screen ticks (annotated "All Pages"
// of a long form, "Single Page" of a short form); nothing for another page.
std::optional<PrintSelection> QuickPrintSelection(int screenPage);

}  // namespace quill10
