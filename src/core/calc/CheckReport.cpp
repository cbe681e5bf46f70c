#include "calc/CheckReport.h"

#include "store/Misc.h"
#include "store/TextEncoding.h"

namespace quill10 {

namespace {
const std::string kDashes(65, '-');
}

CheckReport::~CheckReport() { Close(); }

bool CheckReport::Create(const std::string& path) {
    Close();
    file_ = std::fopen(path.c_str(), "wb");
    comments_ = 0;
    return file_ != nullptr;
}

void CheckReport::WriteLine(const std::string& line) {
    if (!file_) return;
    std::string encoded = Utf8ToCp1252(line);
    encoded += "\r\n";
    std::fwrite(encoded.data(), 1, encoded.size(), file_);
}

void CheckReport::WriteHeader(const std::string& caption, const std::string& caseNumber,
                              const std::string& worksheetName) {
    if (!file_) return;
    WriteLine(kDashes);
    WriteLine(caption + " - " + ShortDateOfToday());
    WriteLine("Case No.: " + caseNumber);
    WriteLine(kDashes);
    WriteLine(worksheetName);
    WriteLine(kDashes);
    WriteLine("");
}

void CheckReport::Comment(const std::string& text) {
    if (!file_) return;
    ++comments_;
    WriteLine(std::to_string(comments_) + ". " + text);
    WriteLine("");
}

void CheckReport::Close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

}  // namespace quill10
