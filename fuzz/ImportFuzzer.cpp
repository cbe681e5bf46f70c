// Feeds arbitrary bytes to the predecessor import as a WQ7 or a WQ8 file
// (both have the client file's layout and are read by its reader): the
// conversions and the short-form builders run on whatever it reads, and
// the converted case writes out and reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calc/CalcEnvironment.h"
#include "calc/Worksheets.h"
#include "files/ClientFile.h"
#include "files/NewCase.h"
#include "store/Misc.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill10;
    static const bool quiet = [] {
        SetErrorHandler([](int, const std::string&, const std::string&) {});
        return true;
    }();
    (void)quiet;
    static const auto environment = [] {
        auto made = std::make_shared<CalcEnvironment>();
        made->SetProgramFolder(QUILL10_PROGRAM_DIR);
        return made;
    }();
    if (size == 0) return 0;
    // The first byte names the old file, as the window's two commands would.
    environment->currentFileName = data[0] % 2 == 0 ? "/old/smith.WQ7" : "/old/smith.WQ8";
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string error;
    std::optional<ClientFileContents> contents = ParseClientFile(bytes, environment, error);
    if (!contents) {
        Require(!error.empty());
        return 0;
    }
    TAnswer& answers = *contents->answers;
    ConvertPriorVersionAnswers(answers);
    Calc15(answers);
    Calc16(answers);
    Require(!answers.CalcFlag);
    const std::string written = ClientFileText(answers, contents->grid);
    std::optional<ClientFileContents> again = ParseClientFile(written, environment, error);
    Require(again.has_value());
    Require(ClientFileText(*again->answers, again->grid) == written);
    return 0;
}
