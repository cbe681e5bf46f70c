// The support scheduler: recomputing a table of 10,000 rows (the sort by
// date, the balances and interest of every row), the year-by-year summary
// and the printout's pages of such a table.  Target: recomputation under
// 20 ms.
#include <benchmark/benchmark.h>

#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"
#include "print/SendSched.h"
#include "scheduler/YearlySummary.h"

namespace {

using namespace quill10;

constexpr size_t kRows = 10000;
const InterestSettings kSettings{3.0, 1.0};

// Weekly dues and payments from 2000 on, each week's payment entered
// before its due; `scrambled` puts the rows out of date order.
SchedulerGrid TenThousandRows(bool scrambled) {
    SchedulerGrid grid;
    grid.rows.clear();
    const long first = DayNumber(Date{2000, 1, 3});
    for (size_t i = 0; i < kRows; ++i) {
        const size_t week = scrambled ? (i * 7919) % kRows : i;
        SchedulerRow row = BlankRow(kSettings.defaultRate);
        row[kColDate] = ScheduleDateText(DateOfDayNumber(first + static_cast<long>(week / 2) * 7));
        row[kColDescription] = week % 2 ? "Payment Made" : "Payment Due";
        row[kColDue] = DollarText(week % 2 ? 0 : 15'000);
        row[kColPaid] = DollarText(week % 2 ? 12'000 : 0);
        row[kColRate] = week % 3 ? "5.00%" : "3";
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

void Recompute(benchmark::State& state, bool scrambled) {
    const SchedulerGrid table = TenThousandRows(scrambled);
    for (auto _ : state) {
        state.PauseTiming();
        SchedulerGrid grid = table;
        state.ResumeTiming();
        benchmark::DoNotOptimize(RecomputeSchedule(grid, 0, kSettings));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kRows));
}

void BM_RecomputeSchedule10000Sorted(benchmark::State& state) { Recompute(state, false); }
BENCHMARK(BM_RecomputeSchedule10000Sorted)->Unit(benchmark::kMillisecond);

void BM_RecomputeSchedule10000Scrambled(benchmark::State& state) { Recompute(state, true); }
BENCHMARK(BM_RecomputeSchedule10000Scrambled)->Unit(benchmark::kMillisecond);

void BM_YearlySummary10000(benchmark::State& state) {
    SchedulerGrid grid = TenThousandRows(false);
    RecomputeSchedule(grid, 0, kSettings);
    for (auto _ : state) benchmark::DoNotOptimize(YearlySummary(grid));
}
BENCHMARK(BM_YearlySummary10000)->Unit(benchmark::kMillisecond);

void BM_SchedulePrintPages10000(benchmark::State& state) {
    SchedulerGrid grid = TenThousandRows(false);
    RecomputeSchedule(grid, 0, kSettings);
    for (auto _ : state) benchmark::DoNotOptimize(SchedulePrintPages(grid));
}
BENCHMARK(BM_SchedulePrintPages10000)->Unit(benchmark::kMillisecond);

}  // namespace
