// Writes the sample cases installed under data/samples/: each is typed into
// its screen page as a user would, calculated, and saved as a client file.
//   make_samples OUTPUT_FOLDER PROGRAM_FOLDER
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "files/ClientFile.h"
#include "scheduler/ArrearsFiller.h"
#include "scheduler/Scheduler.h"
#include "store/Answers.h"
#include "store/Regional.h"

namespace {

using namespace quill10;

struct Entry {
    int slot;
    const char* text;
};

struct Sample {
    const char* fileName;
    int screenPage;
    std::vector<Entry> entries;
    // Also saved under this name with five years of arrears in the scheduler.
    const char* withArrears = nullptr;
};

const Sample kSamples[] = {
    {"sole-father-pays.q10", 0,
     {{0, "John Doe"}, {1, "Mary Doe"}, {2, "DR-2019-0101"}, {3, "2"}, {4, "X"}, {5, "X"}, {7, ""},
      {10, "60,000.00"}, {11, "40,000.00"}, {43, "1,200.00"}, {71, "1,800.00"}},
     "sole-father-pays-arrears.q10"},
    {"sole-mother-pays.q10", 0,
     {{0, "Robert Smith"}, {1, "Linda Smith"}, {2, "DR-2019-0102"}, {3, "1"}, {4, "X"}, {6, "X"}, {7, ""},
      {10, "32,500.00"}, {11, "71,250.00"}, {30, "420.00"}, {49, "6,000.00"}}},
    {"shared-deviation.q10", 0,
     {{0, "Paul Jones"}, {1, "Anna Jones"}, {2, "DR-2019-0103"}, {3, "1"}, {7, "X"}, {8, "X"},
      {10, "30,000.00"}, {11, "50,000.00"},
      // Deviation by time of possession against the combined obligation, 10 %.
      {272, "X"}, {274, "X"}, {275, "10"}}},
    {"above-150000.q10", 0,
     {{0, "Mark Green"}, {1, "Susan Green"}, {2, "DR-2019-0104"}, {3, "1"}, {4, "X"}, {5, "X"}, {7, ""},
      {10, "150,000.00"}, {11, "50,000.00"}}},
    {"split.q10", 7,
     {{0, "David Brown"}, {1, "Karen Brown"}, {2, "DR-2019-0105"}, {3, "3"}, {4, "2"}, {5, "1"},
      {6, "58,000.00"}, {7, "36,000.00"}}},
    {"sole-short-form.q10", 15,
     {{252, "Tom White"}, {253, "Jane White"}, {1, "DR-2019-0106"}, {2, "2"}, {244, "X"}, {4, "X"}, {6, ""},
      {7, "48,000.00"}, {8, "24,000.00"}}},
};

// 130 rows (amounts in cents): $500 due on the 1st of every month of 2015 to 2019 and $450
// paid on the 15th of every month from January 2015 to October 2020, at the
// statutory rate of each year.
SchedulerGrid ArrearsSchedule(const std::string& programFolder) {
    std::string problem;
    const InterestRateTable rates = LoadInterestRates(programFolder, problem);
    if (!problem.empty()) std::cerr << problem << '\n';
    SchedulerGrid grid;
    const InterestSettings settings;
    AppendSeries(grid, {SeriesKind::Dues, "Support order", 500'00, {2015, 1, 1}, {2019, 12, 1}, Frequency::Monthly, {}},
                 rates, settings.defaultRate);
    AppendSeries(grid, {SeriesKind::Payments, "Payment received", 450'00, {2015, 1, 15}, {2020, 10, 15},
                        Frequency::Monthly, {}},
                 rates, settings.defaultRate);
    RecomputeSchedule(grid, 0, settings);
    return grid;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_samples OUTPUT_FOLDER PROGRAM_FOLDER\n";
        return 2;
    }
    SetClock([] { return Date{2019, 3, 7}; });
    for (const Sample& sample : kSamples) {
        const std::string path = (std::filesystem::path(argv[1]) / sample.fileName).string();
        auto environment = std::make_shared<CalcEnvironment>();
        environment->SetProgramFolder(argv[2]);
        environment->currentFileName = path;
        TAnswer answers(environment);
        answers.Calculate();  // the screen pages start as a mirror of the new case
        for (const Entry& entry : sample.entries) answers.SetText(sample.screenPage, entry.slot, entry.text);
        // Twice, as a user leaves fields one after another: the deviation
        // options move only once the shared parenting obligor is known.
        for (int pass = 0; pass < 2; ++pass) {
            TransferScreenToCalc(answers, sample.screenPage);
            answers.Calculate();
            TransferCalcToScreen(answers, sample.screenPage);
            for (const Entry& entry : sample.entries) answers.SetText(sample.screenPage, entry.slot, entry.text);
        }
        TransferScreenToCalc(answers, sample.screenPage);
        answers.Calculate();
        TransferCalcToScreen(answers, sample.screenPage);
        answers.SetText(1, 100, std::to_string(sample.screenPage));
        std::string error;
        if (!WriteClientFile(path, answers, SchedulerGrid{}, error)) {
            std::cerr << error << '\n';
            return 1;
        }
        std::cout << path << '\n';
        if (!sample.withArrears) continue;
        const std::string arrears = (std::filesystem::path(argv[1]) / sample.withArrears).string();
        if (!WriteClientFile(arrears, answers, ArrearsSchedule(argv[2]), error)) {
            std::cerr << error << '\n';
            return 1;
        }
        std::cout << arrears << '\n';
    }
    return 0;
}
