#include "calc/CheckReport.h"

#include "platform/SafeSave.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {
const std::string kDashes(65, '-');
}

void CheckReport::Create(const std::string& path) {
    path_ = path;
    text_.clear();
    checking_ = true;
    comments_ = 0;
}

void CheckReport::WriteLine(const std::string& line) {
    text_ += line;
    text_ += "\r\n";
}

void CheckReport::Line(const std::string& text) {
    if (checking_) WriteLine(text);
}

void CheckReport::WriteHeader(const std::string& caption, const std::string& caseNumber,
                              const std::string& worksheetName) {
    if (!checking_) return;
    WriteLine(kDashes);
    WriteLine(caption + " - " + ShortDateOfToday());
    WriteLine("Case No.: " + caseNumber);
    WriteLine(kDashes);
    WriteLine(worksheetName);
    WriteLine(kDashes);
    WriteLine("");
}

void CheckReport::Comment(const std::string& text) {
    if (!checking_) return;
    ++comments_;
    WriteLine(std::to_string(comments_) + ". " + text);
    WriteLine("");
}

bool CheckReport::Save(std::string& error) {
    if (!checking_) return true;
    const bool saved = SaveFileAtomically(path_, EncodeTextFile(text_), error);
    Discard();
    return saved;
}

void CheckReport::Discard() {
    checking_ = false;
    text_.clear();
}

}  // namespace quill10
