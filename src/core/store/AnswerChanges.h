#pragma once
// What one change to a case did to its answers, kept small for undo: the
// slots it changed, each with its text and override flag before and after,
// never a copy of the whole case.  A snapshot of the answers is taken before
// the change (and dropped after it); comparing it with the answers after the
// change gives the slots that changed.
#include <cstdint>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quill10 {

class TAnswer;

// The slots one change wrote, each with its text and override flag before
// and after.  Kept packed, as an undo history holds thousands of them: each
// slot's place, flags and text lengths take 12 bytes and the texts stand one
// after the other in one buffer.
class SlotChanges {
public:
    void Add(int page, int slot, bool flagBefore, bool flagAfter, std::string_view before, std::string_view after);
    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    // Puts the slots back as they were before the change (`undo`) or as the
    // change left them.
    void Apply(TAnswer& answers, bool undo) const;
    // Gives back the room kept for more slots.
    void Pack();
    // The memory the changes keep on the heap, for the undo history's
    // account of itself.
    std::size_t HeapBytes() const;

private:
    struct Entry {
        std::uint32_t before = 0;  // the lengths of the two texts in texts_
        std::uint32_t after = 0;
        std::uint16_t slot = 0;
        std::uint8_t page = 0;
        std::uint8_t flags = 0;  // kFlagBefore | kFlagAfter: overridden before, after
    };
    static constexpr std::uint8_t kFlagBefore = 1;
    static constexpr std::uint8_t kFlagAfter = 2;
    std::vector<Entry> entries_;
    std::string texts_;  // each entry's text before, then after
};

class AnswersSnapshot {
public:
    explicit AnswersSnapshot(const TAnswer& answers);
    // The slots whose text or override flag differs in `now`.
    SlotChanges ChangesTo(const TAnswer& now) const;

private:
    std::vector<std::string> texts_;
    std::vector<bool> flags_;
};

}  // namespace quill10
