#pragma once
// The print job: which template pages are printed, in what order, into
// one print document, and the temporary file handed to the word processor.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "print/AuditAppendix.h"
#include "print/TemplateFiller.h"

namespace quill10 {

class TAnswer;

// A group of the selection dialog: its template pages are first .. first + count - 1.
struct PrintGroup {
    const char* name;
    int firstTemplate;
    int pageCount;
};

// The groups in the fixed order of assembly.
inline constexpr PrintGroup kPrintGroups[] = {
    {"Sole/Shared, Annotated Office Version", 1, 6},
    {"Sole/Shared, Statutory Version (for filing)", 18, 6},
    {"Sole/Shared, Short Form", 15, 1},
    {"Split, Annotated Office Version", 8, 7},
    {"Split, Statutory Version (for filing)", 25, 7},
    {"Split, Short Form", 16, 1},
};
inline constexpr size_t kPrintGroupCount = std::size(kPrintGroups);
// The groups by position in kPrintGroups.
enum PrintGroupIndex : size_t {
    kSoleAnnotated,
    kSoleStatutory,
    kSoleShort,
    kSplitAnnotated,
    kSplitStatutory,
    kSplitShort,
};
inline constexpr int kMostPagesInGroup = 7;
inline constexpr int kSchedulerTemplate = 32;
inline constexpr int kHighestPrintPage = kSplitAuditPage;

// The audit appendix boxes, one per worksheet: each appendix page is
// printed right after the last group of its worksheet.
struct AuditBox {
    int page;
    size_t afterGroup;
};
inline constexpr AuditBox kAuditBoxes[] = {
    {kSoleSharedAuditPage, kSoleShort},
    {kSplitAuditPage, kSplitShort},
};
inline constexpr size_t kAuditBoxCount = std::size(kAuditBoxes);
enum AuditBoxIndex : size_t { kSoleSharedAudit, kSplitAudit };

// The boxes of one group: "All Pages" and Page 1 .. Page 7 (a short form
// has its "Single Page" box as its only page).
struct GroupChoice {
    bool allPages = false;
    std::array<bool, kMostPagesInGroup> pages{};
};

// The ticked boxes of the selection dialog, group by group as in
// kPrintGroups, and the audit appendix boxes as in kAuditBoxes.
struct PrintSelection {
    std::array<GroupChoice, kPrintGroupCount> groups{};
    std::array<bool, kAuditBoxCount> audit{};
    bool scheduler = false;
};

// The pages of a selection in the order they are assembled: the groups in
// their fixed order, each group's pages ascending; a group whose "All
// Pages" box is ticked gives all of its pages whatever its page boxes say.
// A worksheet's audit appendix follows the last group of that worksheet.
// The scheduler box is printed on its own and gives no pages here.
std::vector<int> AssemblyOrder(const PrintSelection& selection);

// The selection that ticks the given pages (worksheet templates and the
// audit appendices).  False with the reason when a page is neither.
bool SelectTemplatePages(const std::vector<int>& pages, PrintSelection& selection, std::string& error);

// Reads a page list such as "1-6,18-23", "15" or "1-6,33": numbers and
// ranges separated by commas.  Nothing, with the reason, when it cannot be
// read or names a page outside 1 to kHighestPrintPage.
std::optional<std::vector<int>> ParsePageList(std::string_view list, std::string& error);

// The print document of some template pages, filled from the answers.  A
// document is complete or not made: when any page cannot be made (its
// template or tab file is missing or damaged, or it cannot be joined) the
// problems say which and why and the text and pages are empty, so an
// incomplete set of pages is never printed or filed.
struct PrintDocument {
    std::string text;                   // "" when the document was not made
    std::vector<int> pages;             // the pages that went in, in order
    std::vector<std::string> problems;  // files that were missing or damaged, pages that could not be joined
};

// Empties a document that has problems (see PrintDocument).
void DiscardIfIncomplete(PrintDocument& document);

// Fills the pages in the given order: the first page starts the document
// with its whole header, every later one is appended.  Every page is tried,
// so the problems name every file at fault.  The audit appendix pages are
// built from the answers, without a template.  Every page carries at its
// foot what the case was computed with (the support schedule in use:
// SupportTable::Footer); a schedule that cannot be used is a problem, so a
// document that cannot say it is not made.
PrintDocument AssemblePrintDocument(TAnswer& answers, const TemplateFolders& folders, FillState& state,
                                    const std::vector<int>& pages);

// Puts `footer` (plain text) at the foot of every page of a print document:
// an RTF footer group before the body of its first page.  False when the
// document has no page marker to put it before.
bool AddPageFooter(std::string& document, std::string_view footer);

// ---- The temporary file ------------------------------------------------------

inline constexpr const char* kSendFileName = "send_temp.RTF";
inline constexpr const char* kSendFilePattern = "send_temp*.rtf";
inline constexpr int kSendFileNumbers = 999;  // send_temp0.rtf .. send_temp998.rtf

// Yields a number from 0 to kSendFileNumbers - 1.
using RandomNumber = std::function<int()>;

// The names a print document may take in the send folder, in the order
// they are tried: "send_temp.RTF", then "send_temp" + a random number from
// 0 to 998 + ".rtf" a few times, then every numbered name in turn.
std::vector<std::string> SendFileNames(const RandomNumber& random = {});

// Writes the print document (as SendFileBytes gives it) into `folder` as a
// new file under the first of `names` that is free: a name already in use,
// whether by a file, a folder or a link, is passed over, so nothing is
// written over an existing file or through a link.  The path written, or
// nothing with `error` saying why; when every name is taken the error says
// so and nothing is written.
std::optional<std::string> WriteNewDocument(const std::string& folder, const std::vector<std::string>& names,
                                            std::string_view document, std::string& error);

// The bytes written for a print document: 7-bit ASCII (a character beyond
// ASCII becomes "?"), every line of the document ended by CR LF.
std::string SendFileBytes(std::string_view document);

// Writes the print document to `path`, a file the user named (safely: a
// failed write leaves no half-written file).  False with the reason.
bool WriteSendFile(const std::string& path, std::string_view document, std::string& error);

}  // namespace quill10
