"""Where a screen field's answer stands on the printed pages.

The long screens number their slots in screen order; the printed pages are
the calculation pages, laid out like the paper worksheet. The transfer
tables of src/core/calc/Conversions.cpp pair the two, so the printed page
and slot of every screen field are read from them.
"""
import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..", "..")
TRANSFER_TABLE = {0: "kSoleLongPairs", 7: "kSplitLongPairs"}

PAIR = re.compile(r"\{\{(\d+), (\d+)\}, \{(\d+), (\d+), (\d+)\}, (\w+), (\w+)")


class Target:
    """A printed slot: its page, its slot and how the screen shows it
    (conversion C: a percentage; D: the three line 17 method boxes; E: the
    $150,000 limit box; A: the minimum-wage mark of line 1a)."""

    def __init__(self, page, slot, conversion=None, slots=None):
        self.page, self.slot, self.conversion = page, slot, conversion
        self.slots = slots or [slot]

    def __repr__(self):
        return "%d:%s" % (self.page, ",".join(map(str, self.slots)))


def transfer_pairs(screen):
    src = open(os.path.join(ROOT, "src", "core", "calc", "Conversions.cpp")).read()
    body = src.split(TRANSFER_TABLE[screen] + "[] = {")[1].split("\n};")[0]
    return [(int(a), int(b), int(page), int(first), int(last), to_calc, to_screen)
            for a, b, page, first, last, to_calc, to_screen in PAIR.findall(body)]


def screen_map(screen):
    """Screen slot -> list of Targets (the text's own first, conversion A
    after it)."""
    out = {}
    for a, b, page, first, last, to_calc, to_screen in transfer_pairs(screen):
        move = to_calc if to_calc != "None" else to_screen
        for k, s in enumerate(range(a, b + 1)):
            if move == "ConvD":
                target = Target(page, first, "D", list(range(first, last + 1)))
            elif move == "ConvA":
                target = Target(page, first + k, "A")
            else:
                target = Target(page, first + k, {"ConvC": "C", "ConvE": "E", "ConvB": "B"}.get(move))
            targets = out.setdefault(s, [])
            if all(t.slots != target.slots for t in targets):
                targets.append(target)
    for targets in out.values():
        targets.sort(key=lambda t: t.conversion == "A")
    return out


def calc_slots(screen):
    """Every calculation slot a long screen's transfer reaches: (page, slot)."""
    return {(page, s) for _, _, page, first, last, _, _ in transfer_pairs(screen) for s in range(first, last + 1)}
