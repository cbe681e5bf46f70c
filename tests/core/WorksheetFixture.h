#pragma once
// A fixture for worksheet tests: a fresh store calculated under a fixed
// date, with the check report written to a scratch folder when asked.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "calc/CalcEnvironment.h"
#include "platform/TextEncoding.h"

namespace quill10::test {

struct SlotText {
    int page;
    int slot;
    std::string text;
};

class WorksheetTest : public ::testing::Test {
protected:
    WorksheetTest() : store(NewStore("case.q10")) { store->Environment().clientFolder = folder.Path().string(); }

    void Set(int page, int slot, const std::string& text) { store->SetText(page, slot, text); }
    void Set(const std::vector<SlotText>& slots) {
        for (const SlotText& s : slots) Set(s.page, s.slot, s.text);
    }
    void Override(int page, int slot, const std::string& text) {
        store->SetOvRide(page, slot, true);
        store->SetText(page, slot, text);
    }
    const std::string& Get(int page, int slot) const { return store->Text(page, slot); }
    void Calculate() { store->Calculate(); }
    // Calculates in checking mode and returns the check report.
    // The report's first lines: the support schedule in use and a blank line.
    std::string ScheduleLines() { return Utf8ToCp1252(store->Environment().Table().Description()) + "\r\n\r\n"; }

    std::string CalculateChecked() {
        struct CheckingOff {
            CalcEnvironment& environment;
            ~CheckingOff() { environment.checking = false; }
        } off{store->Environment()};
        store->Environment().checking = true;
        store->Calculate();
        return ReadWholeFile(folder.File("CheckWorksheet.txt"));
    }
    // The numbered comment lines of a report, without their numbers.
    static std::vector<std::string> Comments(const std::string& report) {
        std::vector<std::string> comments;
        size_t start = 0;
        while (start < report.size()) {
            size_t end = report.find("\r\n", start);
            if (end == std::string::npos) end = report.size();
            std::string line = report.substr(start, end - start);
            size_t dot = line.find(". ");
            if (dot != std::string::npos && dot > 0 && line.find_first_not_of("0123456789") == dot)
                comments.push_back(line.substr(dot + 2));
            start = end + 2;
        }
        return comments;
    }
    bool HasComment(const std::string& report, const std::string& text) const {
        for (const std::string& c : Comments(report))
            if (c == text) return true;
        return false;
    }
    void ExpectSlots(const std::vector<SlotText>& expected) const {
        for (const SlotText& s : expected) EXPECT_EQ(Get(s.page, s.slot), s.text) << "slot " << s.page << ":" << s.slot;
    }

    FixedToday today{Date{2019, 3, 7}};
    ScratchFolder folder;
    std::unique_ptr<TAnswer> store;
};

}  // namespace quill10::test
