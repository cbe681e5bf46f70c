// Benchmarks of the window: leaving a field on the long sole/shared screen
// (store, transfer, calculate, refill), displaying that screen, and undoing
// one of 200 field edits (with the memory each undo step keeps).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUndoStack>

#include "app/TfrmMain.h"
#include "app/UndoSteps.h"
#include "app/UserPrompts.h"

namespace {

using namespace quill10::gui;

class SilentPrompts : public UserPrompts {
public:
    SaveAnswer AskSaveChanges() override { return SaveAnswer::No; }
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
    ChangedCaseAnswer AskOverwriteChangedCase(const QString&) override { return ChangedCaseAnswer::Cancel; }
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

// 200 edits of the two incomes, then one undo and its redo per iteration:
// the time of an undo (put back, refill, highlight) and the bytes a step keeps.
void BM_UndoOneOf200Edits(benchmark::State& state) {
    Window w;
    constexpr int kEdits = 200;
    for (int k = 0; k < kEdits; ++k) {
        auto* field = qobject_cast<QLineEdit*>(w.window.FindField(k % 2 ? QStringLiteral("edt11") : QStringLiteral("edt10")));
        field->setText(QString::number(40000 + k * 100));
        w.window.CalcOnExit(field);
    }
    QUndoStack& stack = w.window.UndoStack();
    std::size_t bytes = 0;
    for (int i = 0; i < stack.count(); ++i) bytes += static_cast<const CaseStep*>(stack.command(i))->Bytes();
    for (auto _ : state) {
        stack.undo();
        stack.redo();
    }
    state.counters["steps"] = stack.count();
    state.counters["bytes_per_step"] = stack.count() ? static_cast<double>(bytes) / stack.count() : 0;

}
BENCHMARK(BM_UndoOneOf200Edits)->Unit(benchmark::kMillisecond);

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
