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
#include "print/PdfExport.h"
#include "print/PrvwSend.h"
#include "store/Answers.h"

namespace {

using namespace quill10;

// The calculated sample case and its twelve-page print document.
struct TwelvePages {
    std::unique_ptr<TAnswer> answers;
    PrintDocument document;
    std::string problem;
};

TwelvePages SampleTwelvePages() {
    TwelvePages result;
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(QUILL10_PROGRAM_DIR);
    std::optional<ClientFileContents> contents =
        ReadClientFile(std::string(QUILL10_PROGRAM_DIR) + "/samples/shared-deviation.q10", environment, result.problem);
    if (!contents) return result;
    contents->answers->Calculate();
    const std::filesystem::path program(QUILL10_PROGRAM_DIR);
    const TemplateFolders folders{(program / "RTF").string(), (program / "DAT").string()};
    FillState fill;
    result.document = AssemblePrintDocument(*contents->answers, folders, fill, {1, 2, 3, 4, 5, 6, 18, 19, 20, 21, 22, 23});
    result.answers = std::move(contents->answers);
    return result;
}

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

// A twelve-page PDF as the first of a session: LibreOffice is started for it.
// Stopping it afterwards is not timed: the user does not wait for it (the
// window stops it when idle or at exit).
void FirstPdfOfASession(benchmark::State& state) {
    const TwelvePages pages = SampleTwelvePages();
    const std::string target = (std::filesystem::temp_directory_path() / "quill10-bench-first.pdf").string();
    for (auto _ : state) {
        auto converter = std::make_unique<PdfConverter>(QUILL10_PROGRAM_DIR);
        const std::string result = converter->Convert({{SendFileBytes(pages.document.text), target, {}}}).front();
        if (!result.empty()) state.SkipWithError(result.c_str());
        state.PauseTiming();
        converter.reset();
        state.ResumeTiming();
    }
    std::filesystem::remove(target);
}
BENCHMARK(FirstPdfOfASession)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly();

// Later twelve-page PDFs of a session, handed to the LibreOffice kept
// running (as Save as PDF does in the window).
void LaterPdfOfASession(benchmark::State& state) {
    const TwelvePages pages = SampleTwelvePages();
    const std::string target = (std::filesystem::temp_directory_path() / "quill10-bench-later.pdf").string();
    PdfConverter converter(QUILL10_PROGRAM_DIR);
    const std::string rtf = SendFileBytes(pages.document.text);
    if (const std::string first = converter.Convert({{rtf, target, {}}}).front(); !first.empty()) {
        state.SkipWithError(first.c_str());
        return;
    }
    for (auto _ : state) {
        const std::string result = converter.Convert({{rtf, target, {}}}).front();
        if (!result.empty()) state.SkipWithError(result.c_str());
    }
    state.counters["kept running"] = converter.Running() ? 1 : 0;
    std::filesystem::remove(target);
}
BENCHMARK(LaterPdfOfASession)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
