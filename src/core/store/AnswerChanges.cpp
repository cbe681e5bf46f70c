#include "store/AnswerChanges.h"

#include "store/Answers.h"

namespace quill10 {

AnswersSnapshot::AnswersSnapshot(const TAnswer& answers) {
    for (int page = 0; page < kPageCount; ++page)
        for (int slot = 0; slot < SlotCountOf(page); ++slot) {
            texts_.push_back(answers.Text(page, slot));
            flags_.push_back(answers.OvRide(page, slot));
        }
}

std::vector<SlotChange> AnswersSnapshot::ChangesTo(const TAnswer& now) const {
    std::vector<SlotChange> changes;
    size_t k = 0;
    for (int page = 0; page < kPageCount; ++page)
        for (int slot = 0; slot < SlotCountOf(page); ++slot, ++k) {
            const std::string& text = now.Text(page, slot);
            const bool flag = now.OvRide(page, slot);
            if (text == texts_[k] && flag == flags_[k]) continue;
            changes.push_back({static_cast<std::uint8_t>(page), static_cast<std::uint16_t>(slot), flags_[k], flag,
                               texts_[k], text});
        }
    return changes;
}

void ApplyChanges(TAnswer& answers, const std::vector<SlotChange>& changes, bool undo) {
    for (const SlotChange& change : changes) {
        answers.SetText(change.page, change.slot, undo ? change.before : change.after);
        answers.SetOvRide(change.page, change.slot, undo ? change.flagBefore : change.flagAfter);
    }
}

std::size_t BytesOf(const std::vector<SlotChange>& changes) {
    std::size_t bytes = changes.capacity() * sizeof(SlotChange);
    for (const SlotChange& change : changes) {
        // Short texts live inside the string itself; longer ones on the heap.
        for (const std::string* text : {&change.before, &change.after})
            if (text->capacity() > std::string().capacity()) bytes += text->capacity() + 1;
    }
    return bytes;
}

}  // namespace quill10
