// Benchmarks of the recovery copy of unsaved changes, on the largest sample
// case with its support scheduler grown to 300 rows:
//   - making the copy's bytes, which the window does on its own thread
//     (the goal: well under 10 ms, so typing never waits);
//   - handing them to the saver, which writes them on a thread of its own;
//   - the whole write through the disk (the temporary file flushed, the
//     rename), as the saver's thread does it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "BenchFolder.h"
#include "calc/CalcEnvironment.h"
#include "files/ClientFile.h"
#include "files/Recovery.h"
#include "platform/BackgroundSaver.h"
#include "platform/SafeSave.h"
#include "store/Answers.h"

namespace {

using namespace quill10;
using bench::BenchFolder;

constexpr size_t kSchedulerRows = 300;

// The largest sample, its scheduler rows repeated up to 300.
ClientFileContents LargestCase() {
    std::string error;
    auto contents = ReadClientFile(QUILL10_PROGRAM_DIR "/samples/sole-father-pays-arrears.q10",
                                   std::make_shared<CalcEnvironment>(), error);
    if (!contents) return ClientFileContents{std::make_unique<TAnswer>(), SchedulerGrid{}};
    const std::vector<SchedulerRow> rows = contents->grid.rows;
    while (!rows.empty() && contents->grid.rows.size() < kSchedulerRows)
        contents->grid.rows.push_back(rows[contents->grid.rows.size() % rows.size()]);
    return std::move(*contents);
}

std::string CopyBytes(const ClientFileContents& contents) {
    RecoveryInfo info;
    info.original = "/home/jdoe/Documents/Velmora/QUILL10/Files/sole-father-pays-arrears.q10";
    info.time = SecondsNow();
    info.steps = 20;
    info.process = CurrentProcess();
    return RecoveryCopyText(info, ClientFileText(*contents.answers, contents.grid));
}

// On the window's thread: the copy's bytes.
void BM_RecoveryCopyBytes(benchmark::State& state) {
    const ClientFileContents contents = LargestCase();
    for (auto _ : state) benchmark::DoNotOptimize(CopyBytes(contents));
    state.counters["rows"] = static_cast<double>(contents.grid.rows.size());
    state.counters["bytes"] = static_cast<double>(CopyBytes(contents).size());
}
BENCHMARK(BM_RecoveryCopyBytes)->Unit(benchmark::kMillisecond);

// On the window's thread: the bytes made and handed to the saver (the
// disk is the saver's thread's business).
void BM_RecoveryCopyHandedToSaver(benchmark::State& state) {
    BenchFolder folder{"quill10-recovery-bench-"};
    const ClientFileContents contents = LargestCase();
    BackgroundSaver saver;
    for (auto _ : state) {
        saver.Save(folder.File("copy.recovery"), CopyBytes(contents));
        state.PauseTiming();
        saver.Wait();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RecoveryCopyHandedToSaver)->Unit(benchmark::kMillisecond);

// The whole write: bytes, temporary file, flushed to the disk, renamed.
void BM_RecoveryCopyWrittenToDisk(benchmark::State& state) {
    BenchFolder folder{"quill10-recovery-bench-"};
    const ClientFileContents contents = LargestCase();
    std::string error;
    for (auto _ : state)
        if (!SaveFileAtomically(folder.File("copy.recovery"), CopyBytes(contents), error))
            state.SkipWithError(error.c_str());
}
BENCHMARK(BM_RecoveryCopyWrittenToDisk)->Unit(benchmark::kMillisecond);

}  // namespace
