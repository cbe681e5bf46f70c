// Benchmarks of the client file: building a full case's file text, reading
// it back, and saving and opening it on disk (the goal: under 10 ms each).
//
// The case is fuller than any real one: every slot of every page holds a
// money text and every tenth one is overridden, and the scheduler holds 62
// rows, so the file is as long as a client file gets.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "BenchFolder.h"
#include "calc/CalcEnvironment.h"
#include "files/ClientFile.h"
#include "store/Answers.h"

namespace {

using namespace quill10;
using bench::BenchFolder;

std::unique_ptr<TAnswer> FullCase() {
    auto answers = std::make_unique<TAnswer>();
    for (int page = 0; page < kPageCount; ++page) {
        for (int slot = 0; slot <= LastSlot(page); ++slot) {
            answers->SetText(page, slot, "12,345." + std::to_string(10 + slot % 90));
            answers->SetOvRide(page, slot, slot % 10 == 0);
        }
    }
    answers->SetText(0, 0, "Zoë Ørsted");
    return answers;
}

SchedulerGrid FullGrid() {
    SchedulerGrid grid;
    grid.rows.assign(62, {"3/1/2019", "Support order", "$500.00", "$250.00", "$1,250.00", "3.00%", "$3.19",
                          "$24.66", "$1,274.66"});
    return grid;
}

void BM_ClientFileText(benchmark::State& state) {
    auto answers = FullCase();
    const SchedulerGrid grid = FullGrid();
    for (auto _ : state) benchmark::DoNotOptimize(ClientFileText(*answers, grid));
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(ClientFileText(*answers, grid).size()));
}
BENCHMARK(BM_ClientFileText)->Unit(benchmark::kMillisecond);

void BM_ParseClientFile(benchmark::State& state) {
    const std::string bytes = ClientFileText(*FullCase(), FullGrid());
    auto environment = std::make_shared<CalcEnvironment>();
    std::string error;
    for (auto _ : state) {
        auto contents = ParseClientFile(bytes, environment, error);
        if (!contents) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(contents);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_ParseClientFile)->Unit(benchmark::kMillisecond);

// Save: the file text, a temporary file flushed to the disk, the rename.
void BM_SaveClientFile(benchmark::State& state) {
    BenchFolder folder;
    auto answers = FullCase();
    const SchedulerGrid grid = FullGrid();
    std::string error;
    for (auto _ : state)
        if (!WriteClientFile(folder.File("case.q10"), *answers, grid, error))
            state.SkipWithError(error.c_str());
}
BENCHMARK(BM_SaveClientFile)->Unit(benchmark::kMillisecond);

// Open: reading the file and building a fresh store from it.
void BM_OpenClientFile(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = folder.File("case.q10");
    std::string error;
    if (!WriteClientFile(path, *FullCase(), FullGrid(), error)) state.SkipWithError(error.c_str());
    auto environment = std::make_shared<CalcEnvironment>();
    for (auto _ : state) {
        auto contents = ReadClientFile(path, environment, error);
        if (!contents) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(contents);
    }
}
BENCHMARK(BM_OpenClientFile)->Unit(benchmark::kMillisecond);

// Save followed by open, as a full round trip through the disk.
void BM_SaveAndOpenClientFile(benchmark::State& state) {
    BenchFolder folder;
    const std::string path = folder.File("case.q10");
    auto answers = FullCase();
    const SchedulerGrid grid = FullGrid();
    auto environment = std::make_shared<CalcEnvironment>();
    std::string error;
    for (auto _ : state) {
        if (!WriteClientFile(path, *answers, grid, error)) state.SkipWithError(error.c_str());
        auto contents = ReadClientFile(path, environment, error);
        if (!contents) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(contents);
    }
}
BENCHMARK(BM_SaveAndOpenClientFile)->Unit(benchmark::kMillisecond);

}  // namespace
