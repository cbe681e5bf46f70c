// Benchmark of printing: assembling the twelve-page print document of the
// sole/shared worksheet (annotated and statutory versions) from the
// installed templates and a calculated sample case (the goal: under 50 ms;
// the word processor or LibreOffice is not included).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "calc/CalcEnvironment.h"
#include "files/ClientFile.h"
#include "print/PrvwSend.h"
#include "store/Answers.h"

namespace {

using namespace quill10;

void AssembleTwelvePages(benchmark::State& state) {
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(QUILL10_PROGRAM_DIR);
    std::string error;
    std::optional<ClientFileContents> contents =
        ReadClientFile(std::string(QUILL10_PROGRAM_DIR) + "/samples/shared-deviation.q10", environment, error);
    if (!contents) {
        state.SkipWithError(error.c_str());
        return;
    }
    contents->answers->Calculate();
    const std::filesystem::path program(QUILL10_PROGRAM_DIR);
    const TemplateFolders folders{(program / "RTF").string(), (program / "DAT").string()};
    const std::vector<int> pages = {1, 2, 3, 4, 5, 6, 18, 19, 20, 21, 22, 23};
    FillState fill;
    size_t bytes = 0;
    for (auto _ : state) {
        PrintDocument document = AssemblePrintDocument(*contents->answers, folders, fill, pages);
        if (document.pages.size() != pages.size()) state.SkipWithError("a template is missing");
        bytes = document.text.size();
        benchmark::DoNotOptimize(document.text.data());
    }
    state.counters["document bytes"] = static_cast<double>(bytes);
}
BENCHMARK(AssembleTwelvePages)->Unit(benchmark::kMillisecond);

}  // namespace
