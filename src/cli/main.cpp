// quill10-cli: the worksheet calculation without a screen.
//
//   quill10-cli calc IN.q10 -o OUT.q10 [--screen P] [--check REPORT.txt] [--today YYYY-MM-DD]
//   quill10-cli print IN.q10 --pages LIST -o OUT.rtf|OUT.pdf [--today YYYY-MM-DD]
//   quill10-cli print A.q10 B.q10 ... --pages LIST -o OUTDIR/ [--today YYYY-MM-DD]
//   quill10-cli import OLD.WQ7|OLD.WQ8 [-o OUT.q10] [--force] [--today YYYY-MM-DD]
//   quill10-cli summary IN.q10 [--today YYYY-MM-DD]
//   quill10-cli schedule IN.q10 [--csv OUT.csv]
//   quill10-cli compare A.q10 B.q10 ... [--csv]
//   quill10-cli verify FILED.pdf
//   quill10-cli table show [--all] | check FILE [--program-table] | install FILE --name TEXT
//               --effective YYYY-MM-DD | reset
//   quill10-cli recover list | show N | save N OUT.q10 [--ignore-lock] | discard N
//
// A client file written over an existing case (calc -o, import, recover
// save) is refused while a window holds that case open (its lock file
// beside it), unless --ignore-lock is given.
//
// Every command computes with the support schedule the user's settings name
// (an office's own, installed with "table install" or in the window), else
// the table.txt installed with the program.  --program-dir DIR names the
// folder of the program's data and its table.txt, used in place of both
// (by default the executable's own folder, or ../share/quill10 relative to
// it when installed).  Numbered errors go to stderr as
// "error CODE: TEXT" and the command carries on; the exit status is 1 only
// when a file cannot be read or written, 2 for a command line it does not
// understand or an output that would be written over an input file.
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "PrintCommand.h"
#include "RecoverCommand.h"
#include "ScheduleCommand.h"
#include "TableCommand.h"
#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "calc/Headlines.h"
#include "calc/SupportTable.h"
#include "files/CaseLock.h"
#include "files/ClientFile.h"
#include "platform/FileAccess.h"
#include "files/NewCase.h"
#include "files/ProgramFolder.h"
#include "files/Recovery.h"
#include "platform/SafeSave.h"
#include "files/ScheduleInstall.h"
#include "scheduler/ScheduleCsv.h"
#include "scenarios/ScenarioComparison.h"
#include "files/Settings.h"
#include "print/FiledPdf.h"
#include "print/PdfExport.h"
#include "print/PrvwSend.h"
#include "print/VerifyPdf.h"
#include "store/Answers.h"
#include "store/Misc.h"
#include "store/Regional.h"

namespace {

using namespace quill10;

constexpr const char* kUsage =
    "usage:\n"
    "  quill10-cli calc IN.q10 -o OUT.q10 [--screen P] [--check REPORT.txt] [--today YYYY-MM-DD] [--ignore-lock]\n"
    "  quill10-cli print IN.q10 --pages LIST -o OUT.rtf|OUT.pdf [--today YYYY-MM-DD]\n"
    "  quill10-cli print A.q10 B.q10 ... --pages LIST -o OUTDIR/ [--today YYYY-MM-DD]\n"
    "  quill10-cli import OLD.WQ7|OLD.WQ8 [-o OUT.q10] [--force] [--today YYYY-MM-DD] [--ignore-lock]\n"
    "  quill10-cli summary IN.q10 [--today YYYY-MM-DD]\n"
    "  quill10-cli schedule IN.q10 [--csv OUT.csv]\n"
    "  quill10-cli compare A.q10 B.q10 ... [--csv] [--today YYYY-MM-DD]\n"
    "  quill10-cli verify FILED.pdf\n"
    "  quill10-cli table show [--all] | check FILE [--program-table] |\n"
    "                    install FILE --name TEXT --effective YYYY-MM-DD | reset\n"
    "  quill10-cli recover list | show N | save N OUT.q10 [--ignore-lock] | discard N\n"
    "  quill10-cli --version\n"
    "options for every command: --program-dir DIR (the folder holding table.txt, used in place of\n"
    "  the support schedule the settings name)\n";

struct Arguments {
    std::string command;
    std::vector<std::string> files;
    std::map<std::string, std::string> options;
    std::set<std::string> flags;
};

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A failure to read or write a file: exit status 1 with the reason.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Arguments ParseArguments(int argc, char** argv) {
    static const std::set<std::string> kValued = {"-o",          "--screen", "--check", "--today", "--program-dir",
                                                  "--pages",     "--name",   "--effective"};
    static const std::set<std::string> kFlags = {"--force", "--csv", "--all", "--program-table", "--ignore-lock"};
    Arguments args;
    if (argc < 2) throw UsageError("no command given");
    args.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        std::string word = argv[i];
        // schedule --csv names the file to write; compare --csv is a switch.
        if (kValued.count(word) || (word == "--csv" && args.command == "schedule")) {
            if (i + 1 >= argc) throw UsageError(word + " needs a value");
            args.options[word] = argv[++i];
        } else if (kFlags.count(word)) {
            args.flags.insert(word);
        } else if (word.size() > 1 && word[0] == '-') {
            throw UsageError("unknown option " + word);
        } else {
            args.files.push_back(word);
        }
    }
    return args;
}

std::optional<std::string> Option(const Arguments& args, const std::string& name) {
    auto it = args.options.find(name);
    if (it == args.options.end()) return std::nullopt;
    return it->second;
}

// Where the program's data and the support schedule come from: --program-dir
// names the folder and its table.txt outright; otherwise the installed data
// and the schedule the user's settings name (the window's schedule).
struct Installation {
    std::string programFolder;
    std::string settingsFile;  // where the user's settings are read (and written by "table")
    Settings defaults;         // what a line missing from the settings file means
    Settings settings;         // the user's settings
    OfficeSchedule schedule;  // the schedule to compute with
};

Installation InstallationOf(const Arguments& args, const char* argv0) {
    const std::optional<std::string> dir = Option(args, "--program-dir");
    Installation installation;
    installation.programFolder = dir ? *dir : FindProgramFolder(ExecutableFolder(argv0));
    // The user's settings (the window's), or the defaults when there are none.
    installation.defaults.folders = DefaultFolders(installation.programFolder, UserFoldersFromEnvironment());
    installation.settingsFile = SettingsFilePath(installation.defaults);
    std::vector<std::string> problems;
    installation.settings = ReadSettingsNow(installation.settingsFile, installation.defaults, &problems);
    for (const std::string& problem : problems) std::cerr << "quill10-cli: " << problem << '\n';
    if (!dir) installation.schedule = installation.settings.schedule;
    return installation;
}

void ApplyToday(const Arguments& args) {
    auto today = Option(args, "--today");
    if (!today) return;
    std::optional<Date> date = ParseIsoDate(*today);
    if (!date) throw UsageError("--today wants a date as YYYY-MM-DD, not \"" + *today + "\"");
    SetClock([d = *date] { return d; });
}

// An output written over one of the command's input files would destroy
// it: refused before anything is read or written, whatever the output is
// called (another spelling, a link to the input).
void RefuseOutputOverInput(const Arguments& args, const std::string& option, const std::string& output,
                           const std::string& what = "the output") {
    for (const std::string& input : args.files)
        if (SameFile(output, input))
            throw UsageError(option + " names the input file " + input + "; " + what + " needs a file of its own");
}

std::string TheOnlyInput(const Arguments& args) {
    if (args.files.size() != 1) throw UsageError(args.command + " takes exactly one input file");
    return args.files.front();
}

// A case a window holds open (its lock file beside it says so) is not
// written over unless --ignore-lock is given: the window would save its own
// version over it, or the user there would lose this one.
void RefuseLockedCase(const Arguments& args, const std::string& output) {
    if (args.flags.count("--ignore-lock")) return;
    const LockFinding found = ExamineLock(output);
    if (found.state == LockState::kHeld || found.state == LockState::kDoubtful)
        throw FileError(LockMessage(output, found) + "; it was not written (--ignore-lock writes it all the same)");
}

// The scheduler's interest settings of the user's settings (the window's),
// so the command line works the table out as the window does.
InterestSettings InterestOf(const Settings& settings) {
    return InterestSettings{settings.defaultInterestRate, settings.interestThreshold};
}

// Reads a client file into a new store whose calculation knows the file's
// path and the schedule in use.
// The file's bytes, as read, go to `printed` when given (a PDF carries them).
ClientFileContents ReadCase(const std::string& path, const Installation& installation,
                            PrintedCase* printed = nullptr) {
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(installation.programFolder);
    environment->UseSchedule(installation.schedule);
    environment->currentFileName = path;
    environment->clientFolder = std::filesystem::path(path).parent_path().string();
    std::string error;
    const std::optional<std::string> bytes = ReadRegularFile(path, kClientFileLimit, error);
    std::optional<ClientFileContents> contents =
        bytes ? ParseClientFile(*bytes, environment, error) : std::optional<ClientFileContents>();
    if (!contents) throw FileError("cannot read " + path + ": " + error);
    if (printed) *printed = {FileNameOnly(path), *bytes};
    return std::move(*contents);
}

void CalculateOrFail(TAnswer& answers) {
    try {
        answers.Calculate();
    } catch (const SupportTableError& error) {
        throw FileError(error.what());
    }
}

int RunCalc(const Arguments& args, const Installation& installation) {
    const std::string input = TheOnlyInput(args);
    auto output = Option(args, "-o");
    if (!output) throw UsageError("calc needs -o OUT.q10");
    std::optional<int> screen;
    if (auto text = Option(args, "--screen")) {
        if (*text != "0" && *text != "7" && *text != "15" && *text != "16")
            throw UsageError("--screen wants one of the screen pages 0, 7, 15 or 16");
        screen = std::stoi(*text);
    }
    RefuseOutputOverInput(args, "-o", *output);
    const std::optional<std::string> report = Option(args, "--check");
    if (report) RefuseOutputOverInput(args, "--check", *report, "the check report");
    if (report && SameFile(*report, *output))
        throw UsageError("--check names the output case " + *report + "; the check report needs a file of its own");
    RefuseLockedCase(args, *output);
    ClientFileContents contents = ReadCase(input, installation);
    TAnswer& answers = *contents.answers;
    if (screen) TransferScreenToCalc(answers, *screen);
    if (report) {
        answers.Environment().reportPath = *report;
        answers.Environment().checking = true;
    }
    CalculateOrFail(answers);
    answers.Environment().checking = false;
    // A case calculated without the report asked for is not written either.
    if (!answers.Environment().checkReportError.empty()) throw FileError(answers.Environment().checkReportError);
    if (screen) {
        TransferCalcToScreen(answers, *screen);
        answers.SetText(1, 100, std::to_string(*screen));
    }
    std::string error;
    if (!WriteClientFile(*output, answers, contents.grid, error)) throw FileError("cannot write " + *output + ": " + error);
    return 0;
}

// An existing case is replaced only when -o names it or --force is given.
int RunImport(const Arguments& args, const Installation& installation) {
    const std::string input = TheOnlyInput(args);
    std::string output;
    const std::optional<std::string> chosen = Option(args, "-o");
    if (chosen) {
        RefuseOutputOverInput(args, "-o", *chosen);
        output = *chosen;
    } else {
        // The client-file folder of the user's settings.
        const std::string folder = installation.settings.folders.clientFiles;
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        output = ImportedFileName(folder, input);
    }
    const bool replace = chosen.has_value() || args.flags.count("--force") > 0;
    if (!replace && PathIsTaken(output))
        throw FileError("cannot import " + input + ": the case " + output +
                        " already exists; name it with -o or give --force to replace it");
    RefuseLockedCase(args, output);
    auto environment = std::make_shared<CalcEnvironment>();
    environment->SetProgramFolder(installation.programFolder);
    environment->UseSchedule(installation.schedule);
    std::string error;
    if (!ImportPriorVersionFile(input, output, -1, environment, error,
                                replace ? ExistingCase::kReplace : ExistingCase::kKeep))
        throw FileError("cannot import " + input + ": " + error);
    std::cout << output << '\n';
    return 0;
}

// Prints each case into the folder as CASE.pdf, converting all of them with
// one LibreOffice; a case that cannot be printed is named and the others
// are written (exit status 1).  On a terminal each case gets a progress line.
int RunPrintToFolder(const Arguments& args, const Installation& installation, const std::string& folder,
                     const std::vector<int>& pages) {
    std::string error;
    const std::optional<std::vector<std::string>> targets = PdfTargetsIn(folder, args.files, error);
    if (!targets) throw UsageError(error);
    for (const std::string& target : *targets) RefuseOutputOverInput(args, "-o", target);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) throw FileError("cannot create the folder " + folder + ": " + ec.message());
    int status = 0;
    std::vector<PdfJob> jobs;
    std::vector<size_t> caseOfJob;
    for (size_t k = 0; k < args.files.size(); ++k) {
        try {
            PrintedCase printed;
            ClientFileContents contents = ReadCase(args.files[k], installation, &printed);
            CalculateOrFail(*contents.answers);
            const PrintDocument document = CaseDocument(*contents.answers, installation.programFolder, pages);
            for (const std::string& problem : document.problems) std::cerr << "quill10-cli: " << problem << '\n';
            if (!document.problems.empty() || document.pages.empty())
                throw FileError("the print document of " + args.files[k] + " could not be made whole, so " +
                                (*targets)[k] + " was not written");
            jobs.push_back({SendFileBytes(document.text), (*targets)[k],
                            FilingAttachments(*contents.answers, pages, printed.name, printed.bytes)});
            caseOfJob.push_back(k);
        } catch (const FileError& failure) {
            std::cerr << "quill10-cli: " << failure.what() << '\n';
            status = 1;
        }
    }
    const bool terminal = ::isatty(STDERR_FILENO);
    PdfConverter converter(installation.programFolder);
    converter.Convert(jobs, [&](size_t job, const std::string& result) {
        const std::string& target = jobs[job].target;
        if (!result.empty()) {
            std::cerr << "quill10-cli: cannot write " << target << " (" << args.files[caseOfJob[job]] << "): " << result
                      << '\n';
            status = 1;
        } else if (terminal) {
            std::cerr << "[" << job + 1 << "/" << jobs.size() << "] " << args.files[caseOfJob[job]] << " -> " << target
                      << '\n';
        }
    });
    return status;
}

// The print document of the listed template pages ("1-6,18-23"), in the
// fixed order of assembly, as RTF or (through LibreOffice) as PDF; several
// cases, or an output folder, print each case to FOLDER/CASE.pdf.
int RunPrint(const Arguments& args, const Installation& installation) {
    if (args.files.empty()) throw UsageError("print takes the client files to print");
    const std::optional<std::string> output = Option(args, "-o");
    const std::optional<std::string> list = Option(args, "--pages");
    if (!output || !list) throw UsageError("print needs --pages LIST and -o OUT.rtf, OUT.pdf or a folder");
    const bool toFolder = args.files.size() > 1 || NamesFolder(*output);
    if (!toFolder && !PrintFormatOf(*output)) throw UsageError("print writes OUT.rtf or OUT.pdf, not " + *output);
    if (!toFolder) RefuseOutputOverInput(args, "-o", *output);
    if (NamesSchedulerPage(*list)) {
        if (*list != "32") throw UsageError("page 32, the support scheduler, is printed on its own: --pages 32");
        if (toFolder) throw UsageError("the support scheduler is printed one case at a time, to OUT.rtf or OUT.pdf");
        PrintedCase printed;
        ClientFileContents contents = ReadCase(args.files.front(), installation, &printed);
        return PrintSchedule(*contents.answers, contents.grid, InterestOf(installation.settings),
                             installation.programFolder, args.files.front(), *output, printed, std::cerr);
    }
    std::string error;
    const std::optional<std::vector<int>> pages = PrintPagesOf(*list, error);
    if (!pages) throw UsageError(error);
    if (toFolder) return RunPrintToFolder(args, installation, *output, *pages);
    PrintedCase printed;
    ClientFileContents contents = ReadCase(args.files.front(), installation, &printed);
    CalculateOrFail(*contents.answers);
    return PrintCase(*contents.answers, installation.programFolder, *pages, *output, printed, std::cerr);
}

// The support scheduler table of a case with its totals and year-by-year
// summary; with --csv the table is also written as CSV.
int RunSchedule(const Arguments& args, const Installation& installation) {
    const std::string input = TheOnlyInput(args);
    const std::optional<std::string> csv = Option(args, "--csv");
    if (csv) RefuseOutputOverInput(args, "--csv", *csv, "the CSV");
    ClientFileContents contents = ReadCase(input, installation);
    RefreshSchedule(contents.grid, InterestOf(installation.settings));
    std::cout << ScheduleReport(contents.grid);
    std::string error;
    if (csv && !SaveFileAtomically(*csv, ScheduleCsvText(contents.grid), error))
        throw FileError("cannot write " + *csv + ": " + error);
    // A row whose date or amount cannot be read was named on stderr and is
    // not counted: the balance shown is not the case's whole balance.
    return EveryRowCounted(contents.grid) ? 0 : 1;
}

// Two to six cases side by side, as a text table or CSV on stdout.  A file
// that cannot be read keeps its column with the reason and makes the exit
// status 1.
int RunCompare(const Arguments& args, const Installation& installation) {
    if (args.files.size() < kMinScenarios || args.files.size() > kMaxScenarios)
        throw UsageError("compare takes two to six client files");
    const ScenarioComparison comparison = CompareScenarios(args.files, installation.programFolder, installation.schedule);
    std::cout << (args.flags.count("--csv") ? ComparisonCsv(comparison) : ComparisonText(comparison));
    int status = 0;
    for (const ScenarioColumn& column : comparison.columns) {
        if (column.error.empty()) continue;
        std::cerr << "quill10-cli: " << column.error << '\n';
        status = 1;
    }
    return status;
}

// The support schedule: the one in use, the check of a file, installing an
// office's schedule and going back to the installed one.
int RunTable(const Arguments& args, const Installation& installation) {
    const std::string what = args.files.empty() ? std::string() : args.files.front();
    const size_t files = what == "check" || what == "install" ? 2 : 1;
    if (args.files.size() != files || (what != "show" && what != "check" && what != "install" && what != "reset"))
        throw UsageError("table takes show [--all], check FILE [--program-table], install FILE --name TEXT "
                         "--effective YYYY-MM-DD or reset");
    if (what == "show") {
        const int status = ShowSchedule(installation.programFolder, installation.schedule, std::cout);
        if (args.flags.count("--all"))
            ShowKeptSchedules(installation.settingsFile, installation.settings.schedule, std::cout);
        return status;
    }
    if (what == "check") {
        // A program folder's table.txt is read as it stands, by the stricter rules.
        const std::string programTable = IncludeTrailingPathDelimiter(installation.programFolder) + kSupportTableName;
        const bool asProgramTable = args.flags.count("--program-table") || SameFile(args.files[1], programTable);
        return CheckSchedule(args.files[1], asProgramTable ? ScheduleRules::kProgramTable : ScheduleRules::kInstall,
                             std::cout);
    }
    if (what == "reset") return ResetSchedule(installation.settingsFile, installation.defaults, std::cout);
    const std::optional<std::string> name = Option(args, "--name");
    const std::optional<std::string> effective = Option(args, "--effective");
    if (!name || !effective) throw UsageError("table install needs --name TEXT and --effective YYYY-MM-DD");
    for (const std::string& problem : {ScheduleNameProblem(*name), EffectiveDateProblem(*effective)})
        if (!problem.empty()) throw UsageError(problem);
    return InstallScheduleFile(installation.settingsFile, installation.defaults, args.files[1], *name, *effective,
                               std::cout);
}

// Checks a filed PDF against the case it carries: exit 0 verified, 1 not
// (a figure differs, the case was replaced, no case attached), 3 when the
// schedule it was computed with is not on this machine.
int RunVerify(const Arguments& args, const Installation& installation) {
    const std::string pdf = TheOnlyInput(args);
    const Verification verification =
        VerifyFiledPdf(pdf, VerifyPlaces{installation.programFolder, installation.settingsFile, installation.settings});
    (verification.status == kVerified ? std::cout : std::cerr) << verification.report
                                                                 << (verification.report.ends_with('\n') ? "" : "\n");
    return verification.status;
}

// The recovery copies of windows that have gone (see RecoverCommand.h).
int RunRecover(const Arguments& args, const Installation& installation) {
    const std::string what = args.files.empty() ? std::string() : args.files.front();
    const size_t files = what == "list" ? 1 : what == "save" ? 3 : 2;
    if (args.files.size() != files || (what != "list" && what != "show" && what != "save" && what != "discard"))
        throw UsageError("recover takes list, show N, save N OUT.q10 or discard N");
    const std::string folder = RecoveryFolder(installation.settingsFile);
    const std::vector<RecoveryEntry> copies = AbandonedRecoveryCopies(folder);
    if (what == "list") return ListRecoveryCopies(copies, folder, std::cout);
    int number = 0;
    try {
        size_t used = 0;
        number = std::stoi(args.files[1], &used);
        if (used != args.files[1].size()) throw std::invalid_argument("trailing text");
    } catch (const std::exception&) {
        throw UsageError("recover " + what + " wants the number of a copy as recover list shows it, not \"" +
                         args.files[1] + "\"");
    }
    std::string error;
    const RecoveryEntry* copy = NumberedCopy(copies, number, error);
    if (!copy) throw FileError(error);
    if (what == "show") return ShowRecoveryCopy(*copy, std::cout, std::cerr);
    if (what == "discard") return DiscardRecoveryCopy(*copy, std::cout, std::cerr);
    const std::string& output = args.files[2];
    if (SameFile(output, copy->path))
        throw UsageError("the output " + output + " is the recovery copy itself; the case needs a file of its own");
    RefuseLockedCase(args, output);
    return SaveRecoveryCopy(*copy, output, std::cout, std::cerr);
}

int RunSummary(const Arguments& args, const Installation& installation) {
    ClientFileContents contents = ReadCase(TheOnlyInput(args), installation);
    CalculateOrFail(*contents.answers);
    std::cout << HeadlinesText(*contents.answers);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Arguments args = ParseArguments(argc, argv);
        if (args.command == "--version") {
            std::cout << "quill10-cli " << kVersionText << '\n';
            return 0;
        }
        if (args.command == "--help" || args.command == "-h" || args.command == "help") {
            std::cout << kUsage;
            return 0;
        }
        ApplyToday(args);
        const Installation installation = InstallationOf(args, argv[0]);
        if (args.command == "calc") return RunCalc(args, installation);
        if (args.command == "summary") return RunSummary(args, installation);
        if (args.command == "compare") return RunCompare(args, installation);
        if (args.command == "print") return RunPrint(args, installation);
        if (args.command == "schedule") return RunSchedule(args, installation);
        if (args.command == "import") return RunImport(args, installation);
        if (args.command == "table") return RunTable(args, installation);
        if (args.command == "verify") return RunVerify(args, installation);
        if (args.command == "recover") return RunRecover(args, installation);
        throw UsageError("unknown command \"" + args.command + "\"");
    } catch (const UsageError& error) {
        std::cerr << "quill10-cli: " << error.what() << "\n" << kUsage;
        return 2;
    } catch (const FileError& error) {
        std::cerr << "quill10-cli: " << error.what() << '\n';
        return 1;
    } catch (const std::exception& error) {
        std::cerr << "quill10-cli: " << error.what() << '\n';
        return 1;
    }
}
