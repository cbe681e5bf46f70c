#pragma once
// The working context of one calculation: the answer store, the check
// report and the small helpers every worksheet line uses to read its
// inputs, write its results, honour overrides and record comments.
#include <string>

#include "calc/CheckReport.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace quill10 {

class CalcRun {
public:
    CalcRun(TAnswer& answers, CheckReport& report, std::string fileName)
        : a(answers), report(report), fileName_(std::move(fileName)) {}

    TAnswer& a;
    CheckReport& report;

    // An inconsistency: sets the error flag and, when checking, writes the comment.
    void Error(const std::string& text) {
        a.ErrFlag = true;
        ++errors;
        report.Comment(text);
    }
    // The inconsistencies met so far, checking or not.
    int errors = 0;
    // The unreadable amount entries named with their lines so far.
    int unreadableNamed = 0;
    // A notice (an overridden value, a warning that changes nothing).
    void Notice(const std::string& text) { report.Comment(text); }
    void NoticeIfOverridden(int page, int slot, const std::string& text) {
        if (a.OvRide(page, slot)) Notice(text);
    }

    const std::string& Text(int page, int slot) const { return a.Text(page, slot); }
    double Money(int page, int slot) const { return Str2Float_2(a.Text(page, slot)); }
    double Rate(int page, int slot) const { return Str2Float_P(a.Text(page, slot)); }
    int Integer(int page, int slot) const { return Str2Int(a.Text(page, slot)); }
    bool Ticked(int page, int slot) const { return a.Ticked(page, slot); }
    bool Empty(int page, int slot) const { return a.Text(page, slot).empty(); }
    bool Overridden(int page, int slot) const { return a.OvRide(page, slot); }

    void SetText(int page, int slot, std::string text) { a.SetText(page, slot, std::move(text)); }
    void SetMoney(int page, int slot, double value) { a.SetText(page, slot, MoneyText(value)); }
    void SetTextUnlessOverridden(int page, int slot, std::string text) {
        if (!a.OvRide(page, slot)) a.SetText(page, slot, std::move(text));
    }
    void SetMoneyUnlessOverridden(int page, int slot, double value) {
        if (!a.OvRide(page, slot)) SetMoney(page, slot, value);
    }
    void CopyText(int fromPage, int fromSlot, int toPage, int toSlot) {
        a.SetText(toPage, toSlot, a.Text(fromPage, fromSlot));
    }

    // Slots 98 and 99 of every calculation page: the version and the file name.
    void StampPage(int page) {
        a.SetText(page, 99, fileName_);
        a.SetText(page, 98, kVersionText);
    }
    const std::string& FileName() const { return fileName_; }

private:
    std::string fileName_;
};

}  // namespace quill10
