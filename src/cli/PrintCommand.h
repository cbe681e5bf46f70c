#pragma once
// quill10-cli print: the print document of a case's template pages,
// written as RTF or converted to PDF.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quill10 {

class TAnswer;
struct PrintDocument;
struct PdfAttachment;

enum class PrintFormat { Rtf, Pdf };

// The format a file name asks for by its extension (.rtf or .pdf, any case).
std::optional<PrintFormat> PrintFormatOf(const std::string& output);

// The template pages of a page list ("1-6,18-23") in the order they are
// assembled.  Nothing, with the reason, for a list that cannot be read or
// names a page that is no worksheet template.
std::optional<std::vector<int>> PrintPagesOf(const std::string& list, std::string& error);

// What a printed PDF carries: the client file it was printed from, as it
// stood, under its name.
struct PrintedCase {
    std::string name;
    std::string bytes;
};

// Fills the pages from the calculated answers with the templates of the
// program folder and writes the document to `output`; a PDF carries the
// case and the manifest of what it was computed with.  Templates that are
// missing or damaged are reported on `messages` and nothing is written.
// The exit status: 0, or 1 when a template or the output could not be read
// or written.
int PrintCase(TAnswer& answers, const std::string& programFolder, const std::vector<int>& pages,
              const std::string& output, const PrintedCase& printed, std::ostream& messages);

// The print document of a calculated case's template pages, filled with the
// templates of the program folder.
PrintDocument CaseDocument(TAnswer& answers, const std::string& programFolder, const std::vector<int>& pages);

// A folder named as the output of print: it ends with "/" or is a folder.
bool NamesFolder(const std::string& output);

// The PDF each case of `inputs` is printed to in `folder`: the case's name
// with ".pdf".  Nothing, with the reason, when two cases would be printed
// to one file.
std::optional<std::vector<std::string>> PdfTargetsIn(const std::string& folder, const std::vector<std::string>& inputs,
                                                     std::string& error);

// Writes an assembled print document to `output` as PrintCase does (a PDF
// with `attachments` embedded), with its problems reported on `messages`;
// the same exit status.
int WritePrintDocument(const PrintDocument& document, const std::string& output, const std::string& programFolder,
                       const std::vector<PdfAttachment>& attachments, std::ostream& messages);

}  // namespace quill10
