// Choosing the word processor: Writer found at its usual places (on the
// PATH, LibreOffice's install folders, the path a search found before) is
// taken at once; otherwise Find Word searches the system's program folders
// on a worker thread while the window is used, its progress on the status
// bar, and what it finds is kept in the settings file at once, so the next
// start finds Writer without searching.
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <atomic>
#include <thread>

#include "app/TfrmMain.h"

namespace quill10::gui {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::optional<WordProcessorPlaces>& StartUpWordPlaces() {
    static std::optional<WordProcessorPlaces> places;
    return places;
}

TfrmMain::WordSearchFunction& SearchFunction() {
    static TfrmMain::WordSearchFunction search;
    return search;
}

constexpr int kSearchPollMilliseconds = 100;
constexpr int kFoundMessageMilliseconds = 10000;

}  // namespace

// What the worker thread and the window share: the thread only writes here,
// so a window closed during the search leaves it nothing to reach.
struct WordSearchState {
    std::atomic<bool> cancelled{false};
    std::atomic<bool> done{false};
    std::atomic<int> percent{0};
    std::string found;  // written before `done`
};

void TfrmMain::SetStartUpWordPlaces(const WordProcessorPlaces& places) { StartUpWordPlaces() = places; }

void TfrmMain::SetWordSearch(WordSearchFunction search) { SearchFunction() = std::move(search); }

void TfrmMain::ChooseWordProcessorAtStartUp() {
    if (!StartUpWordPlaces()) StartUpWordPlaces() = UsualWordProcessorPlaces();
    ChooseWordProcessor(*StartUpWordPlaces());
}

void TfrmMain::ChooseWordProcessor(const WordProcessorPlaces& places) {
    wordPlaces_ = places;
    const bool present = WordPresent(places) || (!settings_.wordPath.empty() && WordPresent({{settings_.wordPath}, {}}));
    if (NeedsWordSearch(settings_, present) && !places.searchRoots.empty()) {
        wordProcessor_ = WordProcessor::WordPad;  // the desktop's program until Writer is found
        StartWordSearch(true);
        return;
    }
    Settings choice = settings_;
    wordProcessor_ = StartUpChoice(choice, present, [] { return std::string(); });
}

void TfrmMain::FindWordClick() { StartWordSearch(false); }

bool TfrmMain::WordSearchRunning() const { return wordSearch_ != nullptr; }

void TfrmMain::StartWordSearch(bool atStartUp) {
    if (wordSearch_) return;  // one search at a time
    auto state = std::make_shared<WordSearchState>();
    wordSearch_ = state;
    wordSearchAtStartUp_ = atStartUp;
    const std::vector<std::string> roots = wordPlaces_.searchRoots;
    const WordSearchFunction search = SearchFunction();
    std::thread([state, roots, search] {
        const SearchProgress progress = [state](int percent) {
            if (percent >= 0) state->percent = percent;
            return !state->cancelled;
        };
        state->found = search ? search(roots, progress) : FindWordProgram(roots, progress);
        state->done = true;
    }).detach();
    lblWordSearch_->setText(QStringLiteral("Looking for LibreOffice Writer..."));
    lblWordSearch_->show();
    wordSearchTimer_->start(kSearchPollMilliseconds);
}

void TfrmMain::PollWordSearch() {
    if (!wordSearch_) return;
    if (!wordSearch_->done) {
        lblWordSearch_->setText(QStringLiteral("Looking for LibreOffice Writer... %1 %").arg(wordSearch_->percent.load()));
        return;
    }
    wordSearchTimer_->stop();
    const std::string found = wordSearch_->found;
    wordSearch_.reset();
    lblWordSearch_->hide();
    WordSearchEnded(found);
}

// What was found goes into the settings file at once; a search at start-up
// that finds Writer makes it the word processor from then on.
void TfrmMain::WordSearchEnded(const std::string& found) {
    if (wordSearchAtStartUp_) {
        Settings choice = settings_;
        wordProcessor_ = StartUpChoice(choice, false, [&found] { return found; });
        if (!found.empty())
            ChangeSettings(
                [&choice](Settings& s) {
                    s.wordPath = choice.wordPath;
                    s.forceWord = choice.forceWord;
                },
                QStringLiteral("word processor"));
    } else {
        ChangeSettings([&found](Settings& s) { s.wordPath = found; }, QStringLiteral("word processor"));
    }
    statusBar()->showMessage(found.empty() ? QStringLiteral("No LibreOffice Writer with a window was found; print "
                                                            "documents open in the desktop's program for RTF files.")
                                           : QStringLiteral("LibreOffice Writer found: %1").arg(Q(found)),
                             kFoundMessageMilliseconds);
    UpdateMenuItems();
}

void TfrmMain::CancelWordSearch() {
    if (wordSearch_) wordSearch_->cancelled = true;
    wordSearch_.reset();
    if (wordSearchTimer_) wordSearchTimer_->stop();
}

}  // namespace quill10::gui
