// Puts arbitrary answers into a case and calculates both worksheets with
// their short forms, from any of the four screens, with and without the
// check report.  The calculation must end, and no figure it writes may be
// "nan" or "inf" unless an answer typed in held those letters.
//
// Input: one byte of switches (bits 0-1 the screen page, bit 2 checking),
// then records of page (one byte, taken modulo the pages 0 to 16), slot
// (two bytes, modulo the page's slot count), override flag (one byte, odd
// for set) and text (one length byte and that many bytes).
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace {

using namespace quill10;

constexpr int kScreenPages[] = {0, 7, 15, 16};
constexpr int kLastFilledPage = 16;  // the screens and the calculation pages

void Require(bool condition) {
    if (!condition) std::abort();
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// True when the text holds the lower-case word in any case.
bool Holds(std::string_view text, std::string_view word) {
    return std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) == b;
           }) != text.end();
}

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    unsigned Byte() { return at_ < size_ ? data_[at_++] : 0u; }
    std::string Text() {
        const std::size_t length = std::min<std::size_t>(Byte(), size_ - std::min(at_, size_));
        std::string text(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::shared_ptr<CalcEnvironment> Environment() {
    static const std::shared_ptr<CalcEnvironment> environment = [] {
        SetErrorHandler([](int, const std::string&, const std::string&) {});
        auto made = std::make_shared<CalcEnvironment>();
        made->SetProgramFolder(QUILL10_PROGRAM_DIR);
        // A folder in memory where there is one: the report is saved, flushed
        // and renamed on every checking run.
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
        const std::filesystem::path folder = base / "quill10-fuzz-calculate";
        std::filesystem::create_directories(folder);
        made->reportPath = (folder / "CheckWorksheet.txt").string();
        return made;
    }();
    return environment;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    const unsigned switches = input.Byte();
    const int screen = kScreenPages[switches % 4];
    auto environment = Environment();
    // Under the default case's name both worksheets are always calculated.
    environment->currentFileName = "default.q10";
    environment->checking = (switches & 4) != 0;
    TAnswer answers(environment);
    std::string typed;
    while (!input.Done()) {
        const int page = static_cast<int>(input.Byte()) % (kLastFilledPage + 1);
        const unsigned high = input.Byte();
        const int slot = static_cast<int>((high << 8 | input.Byte()) % static_cast<unsigned>(SlotCountOf(page)));
        const bool overridden = input.Byte() % 2 == 1;
        const std::string text = input.Text();
        answers.SetText(page, slot, text);
        answers.SetOvRide(page, slot, overridden);
        typed += Lower(text) + '\n';
    }
    TransferScreenToCalc(answers, screen);
    answers.Calculate();
    TransferCalcToScreen(answers, screen);
    Require(!answers.CalcFlag);
    Require(environment->checkReportError.empty());
    for (const char* word : {"nan", "inf"}) {
        if (typed.find(word) != std::string::npos) continue;
        for (int page = 0; page < kPageCount; ++page)
            for (int slot = 0; slot <= LastSlot(page); ++slot)
                Require(!Holds(answers.Text(page, slot), word));
    }
    return 0;
}
