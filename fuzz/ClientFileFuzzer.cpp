// Feeds arbitrary bytes to the client file reader.  Whatever it reads must
// write out and read back to the same bytes; whatever it refuses must come
// with a reason.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "calc/CalcEnvironment.h"
#include "files/ClientFile.h"

namespace {

// Program name, version, 60 page headers, two lines for each of the 7810
// slots, and the three lines that open the scheduler table.
constexpr std::size_t kLinesWithoutRows = 2 + 60 + 2 * 7810 + 3;

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill10;
    static const auto environment = std::make_shared<CalcEnvironment>();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string error;
    std::optional<ClientFileContents> contents = ParseClientFile(bytes, environment, error);
    if (!contents) {
        Require(!error.empty());
        return 0;
    }
    const std::string written = ClientFileText(*contents->answers, contents->grid);
    std::optional<ClientFileContents> again = ParseClientFile(written, environment, error);
    Require(again.has_value());
    // Every slot and cell took exactly one line: no line break got through.
    const std::size_t lines = static_cast<std::size_t>(std::count(written.begin(), written.end(), '\n'));
    Require(lines == kLinesWithoutRows + kSchedulerColumnCount * contents->grid.rows.size());
    Require(again->grid.rows.size() == contents->grid.rows.size());
    Require(ClientFileText(*again->answers, again->grid) == written);
    return 0;
}
