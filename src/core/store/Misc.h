#pragma once
// Conversions between answer texts and numbers, small text and path
// helpers, and the reporting of numbered errors.
//
// Every answer is kept as the text the screen shows, so each worksheet line
// parses its inputs and formats its result.  The parsers never fail: a text
// that is not a number is reported through ErrorMessage with the parser's
// code and reads as 0, so a calculation always runs to its end.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quill10 {

// ---- Numbered errors -------------------------------------------------------

// Receives the error code, the catalogue text of its message number and the
// caller's extra text.  The GUI shows a warning box, the command-line tool
// prints "error CODE: TEXT", tests record the codes.
using ErrorHandler = std::function<void(int code, const std::string& text, const std::string& extra)>;

// Reports a numbered error through the installed handler.  `extra` (the
// place it was met) is for the record and not shown.
void ErrorMessage(int code, const std::string& extra = {});

// Reports a numbered error whose catalogue text alone would leave the user
// without a way on: `advice` (what happened and what to do) is shown after it.
void ErrorMessageWithAdvice(int code, const std::string& advice);

// Reports a numbered error in words of its own (the catalogue text of the
// code names the kind): an entry named with its line, for example.
void ErrorMessageSaying(int code, const std::string& text);

// Installs a handler and returns the previous one.  An empty handler
// restores the default, which prints "error CODE: TEXT" on stderr.
ErrorHandler SetErrorHandler(ErrorHandler handler);

// ---- Parsers ---------------------------------------------------------------

// Error codes of the parsers.
inline constexpr int kErrRealFormat = 21202;     // money parser
inline constexpr int kErrWholeFormat = 21192;    // whole-number parser
inline constexpr int kErrRateFormat = 21182;     // rate parser
inline constexpr int kErrIntegerFormat = 21212;  // integer parser
inline constexpr int kErrMakeReal = 21122;       // MakeReal_2
// An amount entry of a worksheet line that cannot be read, named with its
// line, column and text.
inline constexpr int kErrUnreadableEntry = 18050;

// Deletes blanks, "$", "%", "(", ")", "-" and the thousands separator
// wherever they stand; a text that held "(" or "-" gets one leading "-".
std::string RemoveCommasAndSigns(std::string_view text);

// Reads a cleaned text as a number in the regional decimal form, without
// reporting anything.  Used where a failure is not an error (scheduler
// cells) and by the parsers below.
std::optional<double> TryParseNumber(std::string_view cleaned);

double Str2Float_2(std::string_view text);  // money: rounded to cents
double Str2Float_0(std::string_view text);  // whole number: rounded to units
double Str2Float_P(std::string_view text);  // rate: as typed, not divided
int Str2Int(std::string_view text);         // integer: must be whole

// Rounds to cents the way the money parser does.
double MakeReal_2(double value);

// Of a and b: a when b >= a, else b.
double Min(double a, double b);

// Rounds to the given number of decimals the way the worksheet shows it:
// nearest, halves away from zero, on the value's 15-significant-digit form.
double RoundDecimals(double value, int decimals);

// Rounds to the nearest integer, halves to the even neighbour (income
// shares, federal tax).
double RoundHalfEven(double value);

// ---- Formatters ------------------------------------------------------------

std::string MoneyText(double value);          // "%14.2n" trimmed: 1,234.50
std::string WholeMoneyText(double value);     // "%10.0n" trimmed: 1,235
std::string GroupedText(double value, int decimals);  // "%N.Dn" trimmed
std::string FixedText(double value, int decimals);    // "%N.Df" trimmed: 1234.50
std::string PercentText(double fraction);     // "%5.2f" of fraction x 100, then "%": 2.00%
std::string GeneralNumberText(double value);  // shortest form: 0.025, 2.5, 0
std::string Real23Text(double value);         // " 1.01400000000000E+0001"
std::optional<double> ParseReal(std::string_view text);  // any real number text, "." as point

// ---- Dates -----------------------------------------------------------------

// A short date becomes "March 7, 2019"; "" stays ""; a text that is no date
// comes back unchanged.
std::string ConvertDate(const std::string& shortDate);
std::string LongDateOfToday();
std::string ShortDateOfToday();

// ---- Text and path helpers -------------------------------------------------

std::string StripLeadingSpaces(std::string_view text);
std::string TrimStr(std::string_view text);
// `text` without the `blanks` at either end.
std::string_view Trimmed(std::string_view text, std::string_view blanks = " \t");
std::string MemoToLine(std::string_view memo);  // line breaks become " | "
std::string LineToMemo(std::string_view line);  // " | " becomes CR LF
std::string IncludeTrailingPathDelimiter(std::string_view path);
std::string RemoveTrailingBackslash(std::string_view path);
// Removes the extension of the file name: everything from the last "." of
// the last path component on.
std::string StripExtension(std::string_view path);
// The file name without its folder (either delimiter counts).
std::string FileNameOnly(std::string_view path);
std::string UpperCase(std::string_view text);

// Depth-first search of a folder and its subfolders for a file whose name
// equals `name` ignoring case; the first match's full path.
std::optional<std::string> FindFile(const std::string& folder, const std::string& name);

// ---- Template text helpers -------------------------------------------------

// Deletes the carriage returns and line feeds that stand at `position`.
void RemoveLineBreaksAt(std::string& text, size_t position);

// When the text at `position` reads "\fs" and a digit, the font size that
// follows; nullopt when it does not.  A position within the last three
// characters is refused with error 21070 (result -1); a character that does
// not extend the number shows error 21060 (result -1).
std::optional<int> FontSizeAt(std::string_view text, size_t position);

}  // namespace quill10
