#include "scheduler/ScheduleCsv.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "scheduler/ScheduleDates.h"
#include "scheduler/Scheduler.h"
#include "store/DelimitedText.h"
#include "store/Misc.h"
#include "platform/TextEncoding.h"

namespace quill10 {

namespace {

// ---- Writing ---------------------------------------------------------------

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos && (text.empty() || (text.front() != ' ' && text.back() != ' ')))
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

template <typename Cells>
void AppendRecord(std::string& out, const Cells& cells) {
    bool first = true;
    for (const auto& cell : cells) {
        if (!first) out += ',';
        out += CsvField(cell);
        first = false;
    }
    out += "\r\n";
}

// ---- Reading records ------------------------------------------------------

using Record = DelimitedRecord;

bool IsBlank(const Record& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return TrimStr(StripLeadingSpaces(field)).empty(); });
}

std::string Lower(std::string_view text) {
    std::string out(TrimStr(StripLeadingSpaces(text)));
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// ---- Columns ---------------------------------------------------------------

enum ImportColumn { kImportDate, kImportDescription, kImportDue, kImportPaid, kImportRate, kImportColumnCount };

struct ColumnName {
    ImportColumn column;
    const char* name;
};
constexpr ColumnName kColumnNames[] = {
    {kImportDate, "date"},          {kImportDescription, "description"}, {kImportDue, "amount due"},
    {kImportDue, "support due"},    {kImportDue, "due"},                 {kImportPaid, "amount paid"},
    {kImportPaid, "support paid"},  {kImportPaid, "paid"},               {kImportRate, "rate %"},
    {kImportRate, "rate"},          {kImportRate, "interest rate"},
};

constexpr int kNoColumn = -1;
using ColumnPlaces = std::array<int, kImportColumnCount>;

std::string ReadHeader(const Record& header, ColumnPlaces& places) {
    places.fill(kNoColumn);
    for (size_t f = 0; f < header.fields.size(); ++f) {
        const std::string name = Lower(header.fields[f]);
        for (const ColumnName& known : kColumnNames)
            if (name == known.name && places[known.column] == kNoColumn) places[known.column] = static_cast<int>(f);
    }
    if (places[kImportDate] == kNoColumn || (places[kImportDue] == kNoColumn && places[kImportPaid] == kNoColumn))
        return "line " + std::to_string(header.line) +
               ": the first line names the columns; it needs \"Date\" and \"Amount Due\" or \"Amount Paid\"";
    return {};
}

std::string Field(const Record& record, const ColumnPlaces& places, ImportColumn column) {
    const int place = places[column];
    return place == kNoColumn ? std::string() : TrimStr(StripLeadingSpaces(record.fields[static_cast<size_t>(place)]));
}

// One data record as a table row; "" or what is wrong with it.
std::string ReadRow(const Record& record, const ColumnPlaces& places, size_t headerFields, double defaultRate,
                    SchedulerRow& row) {
    const std::string where = "line " + std::to_string(record.line) + ": ";
    if (record.fields.size() != headerFields)
        return where + "the line has " + std::to_string(record.fields.size()) + " fields and the header " +
               std::to_string(headerFields);
    std::string problem;
    const std::optional<Date> date = ReadScheduleDate(Field(record, places, kImportDate), problem);
    if (!date) return where + "the date " + problem;
    row = BlankRow(defaultRate);
    row[kColDate] = ScheduleDateText(*date);
    row[kColDescription] = Field(record, places, kImportDescription);
    const struct {
        ImportColumn column;
        int cell;
        const char* what;
    } amounts[] = {{kImportDue, kColDue, "amount due"}, {kImportPaid, kColPaid, "amount paid"}};
    for (const auto& amount : amounts) {
        const std::optional<Cents> value = ReadAmount(Field(record, places, amount.column), problem);
        if (!value) return where + "the " + amount.what + " " + problem;
        row[amount.cell] = DollarText(*value);
    }
    if (const std::string rate = Field(record, places, kImportRate); !rate.empty()) {
        if (!ReadRate(rate, problem)) return where + "the rate " + problem;
        row[kColRate] = rate;
    }
    for (int column : {kColBalance, kColInterest, kColTotalInterest, kColBalanceWithInterest}) row[column] = DollarText(0);
    return {};
}

bool IsUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > bytes.size()) return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string TextOf(std::string_view bytes) {
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) bytes.remove_prefix(kUtf8Mark.size());
    return IsUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

}  // namespace

std::string ScheduleCsvText(const SchedulerGrid& grid) {
    std::string out;
    AppendRecord(out, kSchedulerColumnTitles);
    for (const SchedulerRow& row : grid.rows) AppendRecord(out, row);
    const bool ascii = std::all_of(out.begin(), out.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? out : std::string(kUtf8Mark) + out;
}

std::optional<std::vector<SchedulerRow>> ReadScheduleCsv(std::string_view bytes, double defaultRate,
                                                         std::string& problem) {
    std::vector<Record> records;
    problem = SplitDelimited(TextOf(bytes), ',', records);
    if (!problem.empty()) return std::nullopt;
    std::erase_if(records, IsBlank);
    if (records.empty()) {
        problem = "line 1: the file holds no header line naming the columns";
        return std::nullopt;
    }
    ColumnPlaces places{};
    problem = ReadHeader(records.front(), places);
    if (!problem.empty()) return std::nullopt;
    std::vector<SchedulerRow> rows(records.size() - 1);
    for (size_t r = 1; r < records.size(); ++r) {
        problem = ReadRow(records[r], places, records.front().fields.size(), defaultRate, rows[r - 1]);
        if (!problem.empty()) return std::nullopt;
    }
    return rows;
}

void AppendRows(SchedulerGrid& grid, std::vector<SchedulerRow> rows) {
    if (rows.empty()) return;
    if (IsEmptySchedule(grid)) grid.rows.clear();
    grid.rows.insert(grid.rows.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
}

}  // namespace quill10
