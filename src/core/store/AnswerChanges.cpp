#include "store/AnswerChanges.h"

#include "store/Answers.h"

namespace quill10 {

void SlotChanges::Add(int page, int slot, bool flagBefore, bool flagAfter, std::string_view before,
                      std::string_view after) {
    Entry entry;
    entry.before = static_cast<std::uint32_t>(before.size());
    entry.after = static_cast<std::uint32_t>(after.size());
    entry.slot = static_cast<std::uint16_t>(slot);
    entry.page = static_cast<std::uint8_t>(page);
    entry.flags = static_cast<std::uint8_t>((flagBefore ? kFlagBefore : 0) | (flagAfter ? kFlagAfter : 0));
    entries_.push_back(entry);
    texts_.append(before);
    texts_.append(after);
}

void SlotChanges::Apply(TAnswer& answers, bool undo) const {
    std::string_view texts = texts_;
    for (const Entry& entry : entries_) {
        const std::string_view before = texts.substr(0, entry.before);
        const std::string_view after = texts.substr(entry.before, entry.after);
        texts.remove_prefix(entry.before + entry.after);
        answers.SetText(entry.page, entry.slot, std::string(undo ? before : after));
        answers.SetOvRide(entry.page, entry.slot, (entry.flags & (undo ? kFlagBefore : kFlagAfter)) != 0);
    }
}

void SlotChanges::Pack() {
    entries_.shrink_to_fit();
    texts_.shrink_to_fit();
}

std::size_t SlotChanges::HeapBytes() const {
    // A short buffer lives inside the string itself; a longer one on the heap.
    const std::size_t texts = texts_.capacity() > std::string().capacity() ? texts_.capacity() + 1 : 0;
    return entries_.capacity() * sizeof(Entry) + texts;
}

AnswersSnapshot::AnswersSnapshot(const TAnswer& answers) {
    for (int page = 0; page < kPageCount; ++page)
        for (int slot = 0; slot < SlotCountOf(page); ++slot) {
            texts_.push_back(answers.Text(page, slot));
            flags_.push_back(answers.OvRide(page, slot));
        }
}

SlotChanges AnswersSnapshot::ChangesTo(const TAnswer& now) const {
    SlotChanges changes;
    size_t k = 0;
    for (int page = 0; page < kPageCount; ++page)
        for (int slot = 0; slot < SlotCountOf(page); ++slot, ++k) {
            const std::string& text = now.Text(page, slot);
            const bool flag = now.OvRide(page, slot);
            if (text == texts_[k] && flag == flags_[k]) continue;
            changes.Add(page, slot, flags_[k], flag, texts_[k], text);
        }
    changes.Pack();
    return changes;
}

}  // namespace quill10
