#include "PrintCommand.h"

#include <filesystem>

#include "print/FiledPdf.h"
#include "print/PdfExport.h"
#include "print/PrvwSend.h"
#include "store/Misc.h"

namespace quill10 {

std::optional<PrintFormat> PrintFormatOf(const std::string& output) {
    const std::string extension = UpperCase(std::filesystem::path(output).extension().string());
    if (extension == ".RTF") return PrintFormat::Rtf;
    if (extension == ".PDF") return PrintFormat::Pdf;
    return std::nullopt;
}

std::optional<std::vector<int>> PrintPagesOf(const std::string& list, std::string& error) {
    std::optional<std::vector<int>> pages = ParsePageList(list, error);
    PrintSelection selection;
    if (!pages || !SelectTemplatePages(*pages, selection, error)) return std::nullopt;
    return AssemblyOrder(selection);
}

PrintDocument CaseDocument(TAnswer& answers, const std::string& programFolder, const std::vector<int>& pages) {
    const std::filesystem::path folder(programFolder);
    const TemplateFolders folders{(folder / "RTF").string(), (folder / "DAT").string()};
    return AssemblePrintDocument(answers, folders, ProgramFillState(), pages);
}

int PrintCase(TAnswer& answers, const std::string& programFolder, const std::vector<int>& pages,
              const std::string& output, const PrintedCase& printed, std::ostream& messages) {
    const PrintDocument document = CaseDocument(answers, programFolder, pages);
    const std::vector<PdfAttachment> attachments =
        PrintFormatOf(output) == PrintFormat::Pdf ? FilingAttachments(answers, pages, printed.name, printed.bytes)
                                                  : std::vector<PdfAttachment>();
    return WritePrintDocument(document, output, programFolder, attachments, messages);
}

bool NamesFolder(const std::string& output) {
    std::error_code ec;
    return output.ends_with('/') || std::filesystem::is_directory(output, ec);
}

std::optional<std::vector<std::string>> PdfTargetsIn(const std::string& folder, const std::vector<std::string>& inputs,
                                                     std::string& error) {
    std::vector<std::string> targets;
    for (size_t k = 0; k < inputs.size(); ++k) {
        const std::string name = std::filesystem::path(inputs[k]).stem().string() + ".pdf";
        targets.push_back((std::filesystem::path(folder) / name).string());
        for (size_t earlier = 0; earlier < k; ++earlier)
            if (UpperCase(targets[earlier]) == UpperCase(targets[k])) {
                error = inputs[earlier] + " and " + inputs[k] + " would both be printed to " + targets[k] +
                        "; print them into separate folders";
                return std::nullopt;
            }
    }
    return targets;
}

int WritePrintDocument(const PrintDocument& document, const std::string& output, const std::string& programFolder,
                       const std::vector<PdfAttachment>& attachments, std::ostream& messages) {
    for (const std::string& problem : document.problems) messages << "quill10-cli: " << problem << '\n';
    if (!document.problems.empty() || document.pages.empty()) {
        messages << "quill10-cli: the print document could not be made whole, so " << output << " was not written\n";
        return 1;
    }
    std::string error;
    if (PrintFormatOf(output) == PrintFormat::Pdf) {
        PdfConverter converter(programFolder);
        error = converter.Convert({{SendFileBytes(document.text), output, attachments}}).front();
    }
    const bool written = PrintFormatOf(output) == PrintFormat::Pdf ? error.empty()
                                                                   : WriteSendFile(output, document.text, error);
    if (!written) {
        messages << "quill10-cli: cannot write " << output << ": " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quill10
