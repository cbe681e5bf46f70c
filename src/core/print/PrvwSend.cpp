#include "print/PrvwSend.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <random>
#include <system_error>

#include "calc/CalcEnvironment.h"
#include "platform/SafeSave.h"
#include "print/RtfText.h"
#include "store/Answers.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

// The group and page box of a template page, or nothing.
struct BoxOfPage {
    size_t group;
    size_t page;
};

std::optional<BoxOfPage> BoxOf(int templatePage) {
    for (size_t g = 0; g < kPrintGroupCount; ++g) {
        const int k = templatePage - kPrintGroups[g].firstTemplate;
        if (k >= 0 && k < kPrintGroups[g].pageCount) return BoxOfPage{g, static_cast<size_t>(k)};
    }
    return std::nullopt;
}

std::optional<size_t> AuditBoxOf(int page) {
    for (size_t a = 0; a < kAuditBoxCount; ++a)
        if (kAuditBoxes[a].page == page) return a;
    return std::nullopt;
}

// Builds an audit appendix page and starts the document with it or joins it
// after the pages before it.
bool TakeAuditPage(const TAnswer& answers, int page, bool first, std::string& document) {
    std::string appendix = AuditAppendixRtf(answers, page);
    if (appendix.empty()) return false;
    if (!first) return JoinPage(document, std::move(appendix));
    document = std::move(appendix);
    return true;
}

std::optional<int> PageNumber(std::string_view text) {
    int value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

int DefaultRandomNumber() {
    static std::mt19937 generator{std::random_device{}()};
    return std::uniform_int_distribution<int>(0, kSendFileNumbers - 1)(generator);
}

}  // namespace

std::vector<int> AssemblyOrder(const PrintSelection& selection) {
    std::vector<int> pages;
    for (size_t g = 0; g < kPrintGroupCount; ++g) {
        const GroupChoice& choice = selection.groups[g];
        for (int k = 0; k < kPrintGroups[g].pageCount; ++k) {
            if (choice.allPages || choice.pages[static_cast<size_t>(k)])
                pages.push_back(kPrintGroups[g].firstTemplate + k);
        }
        for (size_t a = 0; a < kAuditBoxCount; ++a)
            if (kAuditBoxes[a].afterGroup == g && selection.audit[a]) pages.push_back(kAuditBoxes[a].page);
    }
    return pages;
}

bool SelectTemplatePages(const std::vector<int>& pages, PrintSelection& selection, std::string& error) {
    for (int page : pages) {
        if (std::optional<size_t> audit = AuditBoxOf(page)) {
            selection.audit[*audit] = true;
            continue;
        }
        std::optional<BoxOfPage> box = BoxOf(page);
        if (!box) {
            error = page == kSchedulerTemplate
                        ? "page 32 prints the support scheduler, which is printed from the scheduler window"
                        : "there is no worksheet page " + std::to_string(page) +
                              " (the pages are 1-6, 8-16, 18-23 and 25-31, and the audit appendices 33 and 34)";
            return false;
        }
        selection.groups[box->group].pages[box->page] = true;
    }
    return true;
}

std::optional<std::vector<int>> ParsePageList(std::string_view whole, std::string& error) {
    std::vector<int> pages;
    std::string_view list = whole;
    while (true) {
        const size_t comma = std::min(list.find(','), list.size());
        const std::string_view item = list.substr(0, comma);
        const size_t dash = item.find('-');
        std::optional<int> first = PageNumber(item.substr(0, dash));
        std::optional<int> last = dash == std::string_view::npos ? first : PageNumber(item.substr(dash + 1));
        if (!first || !last || *first > *last) {
            error = "cannot read the page list \"" + std::string(whole) + "\" (write it as 1-6,18-23 or 15)";
            return std::nullopt;
        }
        // Checked before the range is walked, so no number can run the loop
        // past the pages that exist.
        for (int page : {*first, *last}) {
            if (page < 1 || page > kHighestPrintPage) {
                error = "there is no page " + std::to_string(page) + " in the page list \"" + std::string(whole) +
                        "\" (the printed pages are 1 to " + std::to_string(kHighestPrintPage) + ")";
                return std::nullopt;
            }
        }
        for (int page = *first; page <= *last; ++page) pages.push_back(page);
        if (comma == list.size()) return pages;
        list.remove_prefix(comma + 1);
    }
}

PrintDocument AssemblePrintDocument(TAnswer& answers, const TemplateFolders& folders, FillState& state,
                                    const std::vector<int>& pages) {
    PrintDocument document;
    std::string footer;
    try {
        footer = answers.Environment().Table().Footer();
    } catch (const SupportTableError& error) {
        document.problems.push_back(std::string("the support schedule cannot be used, so the pages could not say what "
                                                "they were computed with: ") +
                                    error.what());
    }
    TemplateFiller filler(answers, folders, state);
    for (int page : pages) {
        const bool first = document.pages.empty();
        const bool taken = IsAuditPage(page) ? TakeAuditPage(answers, page, first, document.text)
                           : first           ? filler.FirstPage(page, document.text)
                                             : filler.AppendPage(page, document.text);
        if (taken) document.pages.push_back(page);
        else if (IsAuditPage(page)) document.problems.push_back("the audit appendix page " + std::to_string(page) +
                                                                " could not be made");
    }
    document.problems.insert(document.problems.end(), filler.Problems().begin(), filler.Problems().end());
    if (!document.pages.empty() && !footer.empty() && !AddPageFooter(document.text, footer))
        document.problems.push_back("the print document has no page marker to put its footer before");
    DiscardIfIncomplete(document);
    return document;
}

bool AddPageFooter(std::string& document, std::string_view footer) {
    const size_t marker = document.find(kPageMarker);
    if (marker == std::string::npos) return false;
    // Before the marker's line (the body's first line), unless that line is
    // the document's first: then right before the marker, inside the document.
    const size_t lineStart = document.rfind('\n', marker);
    const size_t at = lineStart == std::string::npos ? marker : lineStart + 1;
    document.insert(at, "{\\footer\\pard\\plain\\qc\\f0\\fs16 " + RtfEscape(footer) + "\\par}\r\n");
    return true;
}

void DiscardIfIncomplete(PrintDocument& document) {
    if (document.problems.empty()) return;
    document.text.clear();
    document.pages.clear();
}

std::vector<std::string> SendFileNames(const RandomNumber& random) {
    const RandomNumber& next = random ? random : RandomNumber(DefaultRandomNumber);
    auto numbered = [](int n) { return "send_temp" + std::to_string(n) + ".rtf"; };
    std::vector<std::string> names = {kSendFileName};
    // Random numbers first, so two jobs seldom try the same name; then
    // every number in turn.
    for (int attempt = 0; attempt < 16; ++attempt) names.push_back(numbered(next()));
    for (int n = 0; n < kSendFileNumbers; ++n) names.push_back(numbered(n));
    return names;
}

std::optional<std::string> WriteNewDocument(const std::string& folder, const std::vector<std::string>& names,
                                            std::string_view document, std::string& error) {
    const std::string bytes = SendFileBytes(document);
    for (const std::string& name : names) {
        const std::string path = (std::filesystem::path(folder) / name).string();
        switch (WriteNewFile(path, bytes, error)) {
            case NewFileResult::kWritten: return path;
            case NewFileResult::kFailed: return std::nullopt;
            case NewFileResult::kNameTaken: break;
        }
    }
    error = "no free name is left for the print document in \"" + folder + "\"";
    if (!names.empty())
        error += ": \"" + names.front() + "\" to \"" + names.back() + "\" are all in use";
    error += "; delete the old print documents there or choose another folder";
    return std::nullopt;
}

std::string SendFileBytes(std::string_view document) {
    std::string bytes;
    bytes.reserve(document.size() + document.size() / 32);
    ForEachLine(document, [&](std::string_view line) {
        for (char c : line) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) bytes += c;
            else if ((byte & 0xC0) != 0x80) bytes += '?';  // one "?" per character, not per byte
        }
        bytes += "\r\n";
    });
    return bytes;
}

bool WriteSendFile(const std::string& path, std::string_view document, std::string& error) {
    return SaveFileAtomically(path, SendFileBytes(document), error);
}

}  // namespace quill10
