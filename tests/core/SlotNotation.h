#pragma once
// Reads slot ranges written the way the worksheet tables write them:
// "0:12" (one slot), "0:12 - 0:29" (a range, slot by slot) and
// "3:25 and 3:55" (two separate slots).  Tests keep their expected slot
// tables in this notation, so each row reads like the table it checks.
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

namespace quill10::test {

struct SlotRef {
    int page;
    int slot;
    bool operator<(const SlotRef& o) const { return page != o.page ? page < o.page : slot < o.slot; }
    bool operator==(const SlotRef& o) const = default;
};

// The slots a cell names, in order.
inline std::vector<SlotRef> SlotsOf(const std::string& cell) {
    int page1 = 0, slot1 = 0, page2 = 0, slot2 = 0;
    char tail = 0;
    if (std::sscanf(cell.c_str(), "%d:%d - %d:%d%c", &page1, &slot1, &page2, &slot2, &tail) == 4) {
        if (page1 != page2 || slot2 < slot1) throw std::invalid_argument("bad range " + cell);
        std::vector<SlotRef> slots;
        for (int s = slot1; s <= slot2; ++s) slots.push_back({page1, s});
        return slots;
    }
    if (std::sscanf(cell.c_str(), "%d:%d and %d:%d%c", &page1, &slot1, &page2, &slot2, &tail) == 4)
        return {{page1, slot1}, {page2, slot2}};
    if (std::sscanf(cell.c_str(), "%d:%d%c", &page1, &slot1, &tail) == 2) return {{page1, slot1}};
    throw std::invalid_argument("bad slot " + cell);
}

inline std::string NameOf(SlotRef s) { return std::to_string(s.page) + ":" + std::to_string(s.slot); }

}  // namespace quill10::test
