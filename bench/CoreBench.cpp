// Benchmarks of the calculation core: the money parser and formatter, the
// line 17 lookup, and a full recalculation of both worksheets.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "calc/CalcEnvironment.h"
#include "calc/CheckReport.h"
#include "platform/FileAccess.h"
#include "files/Settings.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace {

using namespace quill10;

std::unique_ptr<TAnswer> NewStore() {
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(QUILL10_PROGRAM_DIR);
    environment->currentFileName = "bench.q10";
    return std::make_unique<TAnswer>(environment);
}

void BM_MoneyParser(benchmark::State& state) {
    const char* texts[] = {"1,234.50", "$ 60,000.00", "(500.00)", "2.675", "0.00", "12,345,678.91"};
    for (auto _ : state)
        for (const char* text : texts) benchmark::DoNotOptimize(Str2Float_2(text));
    state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_MoneyParser);

void BM_MoneyFormatter(benchmark::State& state) {
    const double values[] = {1234.5, 60000, -500, 2.675, 0, 12345678.91};
    for (auto _ : state)
        for (double value : values) benchmark::DoNotOptimize(MoneyText(value));
    state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_MoneyFormatter);

void BM_SupportLookUp(benchmark::State& state) {
    auto store = NewStore();
    CheckReport report;
    double income = 6000;
    for (auto _ : state) {
        for (int method = 0; method <= 2; ++method)
            benchmark::DoNotOptimize(store->SupportLookUp(2, method, false, false, true, report, income));
        income = income > 160000 ? 6000 : income + 777;
    }
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_SupportLookUp);

// Both worksheets filled as a practitioner would: incomes, adjustments,
// child care, a shared parenting deviation; the split worksheet with two
// children, one with each parent.
void FillCase(TAnswer& a) {
    const struct {
        int page, slot;
        const char* text;
    } inputs[] = {
        {1, 50, "John Doe"}, {1, 51, "Mary Doe"}, {1, 1, "DR-2019-0042"}, {1, 2, "2"}, {1, 6, "X"}, {1, 40, "X"},
        {1, 19, "62,400.00"}, {1, 20, "38,250.00"}, {1, 21, "1,200.00"}, {1, 23, "2,400.00"}, {1, 25, "1,800.00"},
        {1, 32, "12,000.00"}, {1, 34, "3,500.00"}, {2, 4, "350.00"}, {2, 31, "0.025"}, {2, 32, "0.02"},
        {2, 17, "1"}, {2, 19, "4,500.00"}, {2, 41, "1,800.00"}, {3, 17, "6,500.00"}, {3, 49, "6,000.00"},
        {3, 31, "X"}, {3, 32, "3"}, {3, 44, "X"}, {4, 4, "1,800.00"}, {6, 7, "X"}, {6, 9, "X"}, {6, 10, "0.1"},
        {8, 50, "John Roe"}, {8, 51, "Mary Roe"}, {8, 18, "55,000.00"}, {8, 19, "41,000.00"},
        {11, 5, "3,000.00"}, {11, 49, "3,000.00"}, {11, 6, "2,000.00"}, {11, 49, "2,000.00"}, {11, 51, "X"},
    };
    for (const auto& input : inputs) a.SetText(input.page, input.slot, input.text);
}

void BM_CalculateBothWorksheets(benchmark::State& state) {
    auto store = NewStore();
    FillCase(*store);
    store->Calculate();
    for (auto _ : state) store->Calculate();
}
BENCHMARK(BM_CalculateBothWorksheets)->Unit(benchmark::kMicrosecond);

// What a window adds to each calculation to follow the settings file that
// other windows and quill10-cli share, when nothing changed: one stat.
void BM_SettingsUnchangedCheck(benchmark::State& state) {
    const std::string path = (std::filesystem::temp_directory_path() / "quill10-bench.ini").string();
    Settings settings;
    std::string error;
    if (!WriteINI(settings, path, error)) state.SkipWithError(error.c_str());
    const FileIdentity read = IdentityOf(path);
    for (auto _ : state) benchmark::DoNotOptimize(IdentityOf(path) == read);
    std::filesystem::remove(path);
}
BENCHMARK(BM_SettingsUnchangedCheck)->Unit(benchmark::kMicrosecond);

}  // namespace
