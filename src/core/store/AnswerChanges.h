#pragma once
// What one change to a case did to its answers, kept small for undo: the
// slots it changed, each with its text and override flag before and after,
// never a copy of the whole case.  A snapshot of the answers is taken before
// the change (and dropped after it); comparing it with the answers after the
// change gives the slots that changed.
#include <cstdint>
#include <string>
#include <vector>

namespace quill10 {

class TAnswer;

struct SlotChange {
    std::uint8_t page = 0;
    std::uint16_t slot = 0;
    bool flagBefore = false;
    bool flagAfter = false;
    std::string before;
    std::string after;
};

class AnswersSnapshot {
public:
    explicit AnswersSnapshot(const TAnswer& answers);
    // The slots whose text or override flag differs in `now`.
    std::vector<SlotChange> ChangesTo(const TAnswer& now) const;

private:
    std::vector<std::string> texts_;
    std::vector<bool> flags_;
};

// Puts the slots back as they were before the changes (`undo`) or as the
// changes left them.
void ApplyChanges(TAnswer& answers, const std::vector<SlotChange>& changes, bool undo);

// The memory the changes take, for the undo history's account of itself.
std::size_t BytesOf(const std::vector<SlotChange>& changes);

}  // namespace quill10
