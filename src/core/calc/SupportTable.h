#pragma once
// The support schedule table.txt: one row per $600 of combined annual
// income, each line the row's income and the annual basic obligation for
// 1 to 6 children, separated by tabs.  The file is read once and kept; it
// is read again when its size or modification time changes, so an office
// can install its schedule while the program runs.
//
// Every time it is read the whole table is checked: each line holds the
// row's income and six amounts, all whole, non-negative numbers of dollars;
// the incomes rise by exactly $600 from row to row up to the row that
// reaches $150,000, where the worksheet's own rule takes over; and in each
// row the amount does not fall as the number of children rises.  A table
// that fails is refused as a whole with one message naming the file, the
// line and what is wrong, and no amount is taken from it.
#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quill10 {

// What every page computed with the demonstration schedule says at its foot.
inline constexpr const char* kDemonstrationFooter =
    "Computed with the demonstration support schedule \u2014 not for filing.";

// table.txt is missing, unreadable or not in the table format; what()
// names the file and, for a damaged table, the line at fault.
class SupportTableError : public std::runtime_error {
public:
    // `schedule` names the schedule as the user knows it (an office's name,
    // or the file), `reason` says briefly what is wrong with it.
    SupportTableError(const std::string& message, std::string schedule = {}, std::string reason = {})
        : std::runtime_error(message), schedule_(std::move(schedule)), reason_(std::move(reason)) {}
    const std::string& Schedule() const { return schedule_; }
    const std::string& Reason() const { return reason_; }

private:
    std::string schedule_;
    std::string reason_;
};

class SupportTable {
public:
    static constexpr double kRowWidth = 600.0;
    // The schedule covers every income below this; above it the worksheet
    // extends the schedule itself.
    static constexpr double kScheduleTop = 150000.0;
    // The rows run from this income, the first row of every schedule, to
    // the row below kScheduleTop.
    static constexpr double kFirstRowIncome = 6600.0;
    static constexpr double kLastRowIncome = kScheduleTop - kRowWidth;
    // A schedule is a few hundred lines; a larger file is not one.
    static constexpr std::uintmax_t kFileLimit = 1024 * 1024;

    // One row: its combined annual income and the amounts for 1 to 6 children.
    struct Row {
        double income = 0;
        std::array<double, 6> amounts{};
    };

    void SetPath(std::string path);
    // A schedule held in memory, read from no file (rows that passed the
    // table check).
    void UseRows(std::vector<Row> rows);
    const std::string& Path() const { return path_; }
    // The name and effective date ("YYYY-MM-DD") an office gave its schedule
    // when it installed it, and the fingerprint ("ABCD-1234") its rows had;
    // empty for a schedule installed with the program.  A file whose rows
    // do not have the recorded fingerprint is refused.
    void SetIdentity(std::string name, std::string effective, std::string fingerprint = {});
    // The schedule as the user knows it: the office's name, or the file's.
    std::string DisplayName() const;
    // The name and effective date recorded when the office installed it
    // ("" for the schedule installed with the program).
    const std::string& Name() const { return name_; }
    const std::string& Effective() const { return effective_; }

    // The amount of the first row whose income plus 600 is above `income`,
    // for 1 to 6 children; 0 when no row qualifies or children is below 1.
    // Throws SupportTableError when the file cannot be read or is refused.
    double Amount(double income, int children);

    size_t RowCount();

    // Which schedule is in use, for the check report's first line and the
    // About box: the footer line (Footer) and the file with its date; the
    // demonstration schedule installed with the program is recognised by its
    // amounts.  Throws SupportTableError as Amount does.
    std::string Description();
    bool IsDemonstration();
    // The line every printed worksheet page carries at its foot, saying what
    // it was computed with: "Computed with the demonstration support
    // schedule — not for filing." or "Support schedule: NAME, effective
    // DATE (fingerprint ABCD-1234)".  Throws SupportTableError as Amount does.
    std::string Footer();


    // One line of a schedule file as its reader split it: the line's number
    // in the file (from 1), its text, and its fields.
    struct Line {
        size_t number = 0;
        std::string text;
        std::vector<std::string> fields;
    };
    // What is wrong with a schedule: the line at fault (0 when the fault is
    // the schedule's as a whole, such as rows ending too early), its text
    // and the problem.  No problem: the schedule is sound.
    struct Fault {
        size_t line = 0;
        std::string text;
        std::string problem;
        bool Sound() const { return problem.empty(); }
        // "line 5: the income ..." or the problem alone.
        std::string Message() const;
    };
    // The table check every schedule passes: each line holds the row's
    // income and six amounts (`separators` says how a line's fields are
    // separated, for the message), all whole, non-negative dollars; the
    // rows run from $6,600 in steps of exactly $600 to $149,400 (a missing
    // range is named); no row is all zeros; no amount falls as the number of
    // children rises, nor, in a column, as income rises.  Sound rows are
    // appended to `rows` only when the whole schedule is sound.
    static Fault CheckLines(const std::vector<Line>& lines, std::vector<Row>& rows, std::string_view separators);
    // A fingerprint of a table's rows (FNV-1a over its incomes and amounts),
    // the same whatever the line ends or separators of the file.
    static std::uint64_t Fingerprint(const std::vector<Row>& rows);
    // The fingerprint of the demonstration schedule installed with the program.
    static constexpr std::uint64_t kDemonstrationFingerprint = 0x80b886652ed18fa0ULL;
    // The fingerprint as people compare it: its first eight hex digits in
    // two groups ("80B8-8665").
    static std::string ShortFingerprint(std::uint64_t fingerprint);

    // The rows of the schedule in use.  Throws SupportTableError as Amount does.
    const std::vector<Row>& Rows();

    // Reads and checks the bytes of a table: "" when every row is sound,
    // which are then in `rows`; otherwise what is wrong and, where it is a
    // line, which ("line 5: ...").
    static std::string ParseRows(std::string_view bytes, std::vector<Row>& rows);
    // Splits the text of a table.txt into its lines of tab-separated fields;
    // a blank line may only close the file (the fault says where it is not).
    static Fault SplitTableLines(const std::string& text, std::vector<Line>& lines);

    // While a calculation runs, the file is looked at once, at its first
    // lookup, instead of at every lookup.
    class Calculation {
    public:
        explicit Calculation(SupportTable& table) : table_(table) { ++table_.calculations_; }
        ~Calculation() {
            if (--table_.calculations_ == 0) table_.checkedThisCalculation_ = false;
        }
        Calculation(const Calculation&) = delete;
        Calculation& operator=(const Calculation&) = delete;

    private:
        SupportTable& table_;
    };

private:
    void EnsureCurrent();
    std::string FileAndDate() const;
    std::string Advice() const;
    void Refresh();
    std::string Load();

    std::string path_;
    std::string name_;
    std::string effective_;
    std::string fingerprint_;
    std::vector<Row> rows_;
    // Why the file as it stands cannot be used; "" when it can.  The reason
    // alone, without the file's name or advice.
    std::string failure_;
    std::string failureReason_;
    bool loaded_ = false;
    bool inMemory_ = false;
    std::filesystem::file_time_type modified_{};
    std::uintmax_t size_ = 0;
    int calculations_ = 0;
    bool checkedThisCalculation_ = false;
};

}  // namespace quill10
