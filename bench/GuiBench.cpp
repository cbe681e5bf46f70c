// Benchmarks of the window: leaving a field on the long sole/shared screen
// (store, transfer, calculate, refill), displaying that screen, undoing one
// of 200 field edits (with the memory each undo step keeps), and the undo
// history of 20,000 edits: the memory it holds within its budget and a jump
// across all of it in Undo History.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <chrono>
#include <fstream>
#include <limits>
#include <unistd.h>

#include "app/CaseHistory.h"
#include "app/TfrmMain.h"
#include "app/UndoSteps.h"
#include "app/UserPrompts.h"

namespace {

using namespace quill10::gui;

class SilentPrompts : public UserPrompts {
public:
    SaveAnswer AskSaveChanges(const QString&) override { return SaveAnswer::No; }
    QString ChooseFileToOpen(const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFileToSave(const QString&, const QString&, const QString&, const QString&) override { return {}; }
    QString ChooseFolder(const QString&, const QString&) override { return {}; }
    void Warn(const QString&) override {}
    void Inform(const QString&) override {}
    bool AskYesNo(const QString&) override { return false; }
    bool AskOkCancel(const QString&) override { return false; }
    EntryAnswer AskUnreadableEntry(const QString&) override { return EntryAnswer::PutBack; }
    int AskChoice(const QString&, const QStringList&) override { return -1; }
    ReplaceAnswer AskReplaceCase(const QString&) override { return ReplaceAnswer::Cancel; }
    ChangedCaseAnswer AskOverwriteChangedCase(const QString&, bool) override { return ChangedCaseAnswer::Cancel; }
    QString AskText(const QString&, const QString&) override { return {}; }
    QStringList ChooseFilesToOpen(const QString&, const QString&, const QString&) override { return {}; }
    void PrintDocument(const QString&, QTextDocument&) override {}
};

// The window's start-up looks for no word processor: the benchmark measures the window.
struct NoWordProcessorSearch {
    NoWordProcessorSearch() { TfrmMain::SetStartUpWordPlaces({}); }
};

struct Window : NoWordProcessorSearch {
    Window() : window(QStringLiteral(QUILL10_PROGRAM_DIR), &prompts) {
        window.OpenFile(QStringLiteral(QUILL10_PROGRAM_DIR "/samples/sole-father-pays.q10"));
    }
    SilentPrompts prompts;
    TfrmMain window;
};

void BM_FieldEditCycle(benchmark::State& state) {
    Window w;
    auto* income = qobject_cast<QLineEdit*>(w.window.FindField(QStringLiteral("edt10")));
    int k = 0;
    for (auto _ : state) {
        income->setText(QString::number(50000 + (k++ % 100) * 100));
        w.window.CalcOnExit(income);
    }
}
BENCHMARK(BM_FieldEditCycle)->Unit(benchmark::kMillisecond);

void BM_DisplayPage(benchmark::State& state) {
    Window w;
    for (auto _ : state) w.window.DisplayPage(0);
}
BENCHMARK(BM_DisplayPage)->Unit(benchmark::kMillisecond);

// Types `count` incomes into the two income fields, one field left at a time.
void TypeIncomes(TfrmMain& window, int count) {
    for (int k = 0; k < count; ++k) {
        auto* field = qobject_cast<QLineEdit*>(window.FindField(k % 2 ? QStringLiteral("edt11") : QStringLiteral("edt10")));
        field->setText(QString::number(40000 + (k % 5000) * 10 + k % 2));
        window.CalcOnExit(field);
    }
}

// The program's resident memory in MB.
double ResidentMegabytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// 200 edits of the two incomes, then one undo and its redo per iteration:
// the time of an undo (put back, refill, highlight) and the bytes a step keeps.
void BM_UndoOneOf200Edits(benchmark::State& state) {
    Window w;
    TypeIncomes(w.window, 200);
    CaseHistory& history = w.window.History();
    for (auto _ : state) {
        w.window.MoveInHistory(history.Index() - 1);
        w.window.MoveInHistory(history.Index() + 1);
    }
    state.counters["steps"] = history.Count();
    state.counters["bytes_per_step"] = history.Count() ? static_cast<double>(history.Bytes()) / history.Count() : 0;
}
BENCHMARK(BM_UndoOneOf200Edits)->Unit(benchmark::kMillisecond);

// 20,000 edits with the history's budget (argument 1: 64 MB) or without one
// (argument 0, as the history was before it had a budget): the memory the
// program holds, the steps kept, and the bytes a step takes.  Each run in a
// process of its own (--benchmark_filter), as freed memory is not given back.
void BM_History20000Edits(benchmark::State& state) {
    constexpr int kEdits = 20000;
    for (auto _ : state) {
        Window w;
        CaseHistory& history = w.window.History();
        if (state.range(0) == 0) history.SetBudget(std::numeric_limits<std::size_t>::max());
        const double before = ResidentMegabytes();
        TypeIncomes(w.window, kEdits);
        const double after = ResidentMegabytes();
        state.counters["MB_before"] = before;
        state.counters["MB_after"] = after;
        state.counters["kB_per_edit"] = (after - before) * 1024.0 / kEdits;
        state.counters["steps_kept"] = history.Count();
        state.counters["steps_dropped"] = static_cast<double>(history.Dropped());
        state.counters["history_MB"] = static_cast<double>(history.Bytes()) / (1024.0 * 1024.0);
        state.counters["B_per_step"] = static_cast<double>(history.Bytes()) / std::max(1, history.Count());
    }
}
BENCHMARK(BM_History20000Edits)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond);

// A jump across the whole history of 20,000 edits and back, in Undo History:
// argument 1 puts every step's slots back and refreshes the page once;
// argument 0 goes one step at a time, each shown, as repeated Undo does (and
// as the history did before).
void BM_JumpAcross20000Steps(benchmark::State& state) {
    Window w;
    CaseHistory& history = w.window.History();
    history.SetBudget(std::numeric_limits<std::size_t>::max());
    TypeIncomes(w.window, 20000);
    const int last = history.Count();
    const bool atOnce = state.range(0) == 1;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (atOnce) {
            w.window.MoveInHistory(0);
            w.window.MoveInHistory(last);
        } else {
            for (int k = last - 1; k >= 0; --k) w.window.MoveInHistory(k);
            for (int k = 1; k <= last; ++k) w.window.MoveInHistory(k);
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 2);
    }
    state.counters["steps"] = last;
}
BENCHMARK(BM_JumpAcross20000Steps)->Arg(1)->Arg(0)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
