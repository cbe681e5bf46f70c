"""Checks the generated worksheet screens against the program's tables.

    python3 tools/layout/check.py

For each of data/VLP/page0, 7, 15 and 16.vlp:
- every Tag that a data source explanation is kept for is on the page;
- every screen slot of the page's transfer (src/core/calc/Conversions.cpp)
  and, for a short form, every slot its builder writes
  (src/core/calc/ShortForms.cpp) is bound to a control, and no read-only
  field shows a slot that nothing fills;
- the override flag of every overridable field reaches the calculation (a
  warning when it does not come back), and on a short form every field
  whose flag travels is overridable;
- on a long form, an answer that only goes to the calculation can be typed;
- the first field exists and takes the focus; some slots have fixed kinds;
- no two controls share a Tag, and no edit box shares its slot with another,
  except the slots listed as shown twice;
- buttons carry the dialog codes of their worksheet;
- every control a user can reach has an accessible name of its own on the
  page (a list too: the program names it by it, not by the choice shown).
Prints what it finds and exits with 1 when a check fails.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.join(HERE, "..", "..")
LAST_SLOT = 300

# The Tags for which an explanation of the figure's source is kept.
DATA_SOURCE_KEYS = {
    0: "104-105, 1125, 1127, 2018-2021, 2026-2029, 2039-2042, 2045-2046, 2051-2052, 2055-2070, 2073-2082, "
       "2085-2098, 2101-2102, 2106-2114, 2116, 2118, 2120",
    15: "1173, 1175-1176, 1187-1188, 1192-1193, 1195-1196, 1218-1219, 1223-1224, 1226-1227, 1229-1230, 1234-1235, "
        "1239-1240, 1242-1243, 2015-2018, 2023-2026, 2035-2040, 2045-2046, 2049-2062, 2065-2074, 2077-2090, "
        "2093-2102, 2127-2152, 2165-2166, 2169-2173, 2175-2176, 2181-2182, 2185-2186, 2192-2193, 2195-2196, "
        "2203-2204, 2215-2216, 2269-2276",
    7: "101-102, 1122, 1124, 2014-2017, 2022-2025, 2035-2038, 2041-2042, 2047-2048, 2051-2067, 2070-2076, "
       "2078-2079, 2081-2097, 2103-2111, 2113, 2115, 2117",
    16: "1127-1128, 1173-1176, 1187-1188, 1192-1193, 1195-1196, 2014-2017, 2022-2025, 2034-2039, 2044-2045, "
        "2048-2062, 2065-2072, 2075-2092, 2095-2098, 2100, 2102, 2141-2152, 2165-2166, 2169-2172, 2181-2182, "
        "2185-2186, 2203-2204, 2215-2216, 2273-2276",
}
FIRST_FIELD = {0: 1000, 7: 1000, 15: 1252, 16: 1250}
DIALOG_CODES = {0: set(range(0, 14)), 7: set(range(21, 33)), 15: {50, 51}, 16: {52, 53, 54}}
TRANSFER_TABLE = {0: "kSoleLongPairs", 7: "kSplitLongPairs", 15: "kSoleShortPairs", 16: "kSplitShortPairs"}
BUILDER_TABLE = {15: "kSoleSharedCopies", 16: "kSplitCopies"}
# What each short form's builder derives besides its copies.
BUILDER_DERIVED = {15: "0, 126-154, 173, 175-176, 191-196, 202-204, 215-216, 218-219, 223-224, 226-227, 229-230, "
                       "234-235, 239-240, 242-244, 269-276",
                   16: "0, 127-154, 173-176, 191-196, 202-204, 215-216, 269-276"}
# Slots shown twice on purpose: the data source explanations name 173-196
# in two field kinds and 99 and 101 as fields beside their boxes; 203 and
# 204 complete the summary of options that repeats 192-196.
SHOWN_TWICE = {15: {99, 101, 173, 175, 176, 192, 193, 195, 196, 203, 204}}
# Fixed kinds: (page, slot) -> the kind of its edit box, or "box".
KINDS = {(7, 218): 1, (7, 221): 1, (7, 280): 3, (7, 290): 5, (7, 291): 5, (0, 280): 3, (15, 101): "box",
         (15, 243): 1, (15, 167): 3, (15, 168): 3, (16, 167): 3, (16, 168): 3}


def numbers(text):
    out = set()
    for part in text.split(","):
        a, _, b = part.strip().partition("-")
        out.update(range(int(a), int(b or a) + 1))
    return out


def cpp_table(path, name):
    """(first, last, toCalc, toScreen) of each pair, or (first, last, flag) of each copy."""
    src = open(os.path.join(ROOT, path)).read()
    body = src.split(name + "[] = {")[1].split("\n};")[0]
    pairs = [(int(a), int(b), tc, ts) for a, b, tc, ts in
             re.findall(r"\{\{(\d+), (\d+)\}, \{\d+, \d+, \d+\}, (\w+), (\w+)", body)]
    copies = [(int(a), int(b), fl) for a, b, fl in re.findall(r"\{(\d+), (\d+), \{\d+, \d+, \d+\}, (\w+)\}", body)]
    return pairs or copies


class Control:
    def __init__(self, node):
        self.cls, self.name = node.get("class"), node.get("name")
        props = {p.get("name"): p for p in node.findall("property")}
        self.tag = int(props["Tag"].find("number").text) if "Tag" in props else None
        self.style = props["StyleLookup"].find("string").text if "StyleLookup" in props else ""
        self.hidden = "visible" in props and props["visible"].find("bool").text == "false"
        self.computed = "Computed" in props
        self.spoken = props["accessibleName"].find("string").text if "accessibleName" in props else ""

    @property
    def slot(self):
        if self.tag is None:
            return None
        if self.cls == "QLineEdit":
            return self.tag % 1000 if 1 <= self.tag // 1000 <= 5 else None
        if self.cls == "QLabel":
            return self.tag or None
        if self.cls in ("QCheckBox", "QComboBox", "QPlainTextEdit"):
            return self.tag % 1000 if self.cls == "QCheckBox" else self.tag
        return None

    @property
    def kind(self):
        return self.tag // 1000 if self.cls == "QLineEdit" else "box" if self.cls == "QCheckBox" else None

    def typed_in(self):
        return not self.hidden and (self.cls != "QLineEdit" or self.style in ("", "EDITOVERRIDEABLE"))


class Page:
    """One generated layout file with its controls by slot."""

    def __init__(self, number):
        self.number = number
        path = os.path.join(ROOT, "data", "VLP", "page%d.vlp" % number)
        self.controls = [Control(n) for n in ET.parse(path).iter("widget")]
        self.bound = [c for c in self.controls if c.slot is not None]
        self.by_slot = {}
        for c in self.bound:
            self.by_slot.setdefault(c.slot, []).append(c)
        self.tags = {c.tag for c in self.controls if c.tag is not None}

    def control_of(self, slot):
        """The control a user sees for the slot (a field before a label)."""
        controls = self.by_slot.get(slot, [])
        shown = [c for c in controls if c.cls != "QLabel" and not c.hidden]
        return shown[0] if shown else controls[0] if controls else None


class Flow:
    """Where a page's slots travel: to the calculation, back, with their flags."""

    def __init__(self, page):
        self.pairs = cpp_table("src/core/calc/Conversions.cpp", TRANSFER_TABLE[page])
        self.transferred = {s for a, b, _, _ in self.pairs for s in range(a, b + 1)}
        self.flag_to_calc = {s for a, b, tc, _ in self.pairs if tc == "TextFlag" for s in range(a, b + 1)}
        self.flag_to_screen = {s for a, b, _, ts in self.pairs if ts == "TextFlag" for s in range(a, b + 1)}
        self.built = set()
        if page in BUILDER_TABLE:
            self.built = numbers(BUILDER_DERIVED[page])
            for a, b, flag in cpp_table("src/core/calc/ShortForms.cpp", BUILDER_TABLE[page]):
                self.built.update(range(a, b + 1))
                if flag == "true":
                    self.flag_to_screen.update(range(a, b + 1))


def check_tags(page, problems, notes):
    missing = sorted(numbers(DATA_SOURCE_KEYS[page.number]) - page.tags)
    if missing:
        problems.append("data source Tags without a control: %s" % missing)
    for c in page.bound:
        if not 0 <= c.slot <= LAST_SLOT:
            problems.append("%s points off the page (slot %d)" % (c.name, c.slot))
    first = [c for c in page.controls if c.tag == FIRST_FIELD[page.number]]
    if not first or not first[0].typed_in():
        problems.append("the first field (Tag %d) is missing or does not take the focus" % FIRST_FIELD[page.number])
    for c in page.controls:
        if c.cls == "QPushButton" and "Help" not in c.name and c.tag not in DIALOG_CODES[page.number]:
            problems.append("%s carries the dialog code %s" % (c.name, c.tag))
    for (number, slot), kind in KINDS.items():
        c = page.control_of(slot) if number == page.number else None
        if number == page.number and (c is None or c.kind != kind):
            problems.append("slot %d:%d is not of kind %s" % (number, slot, kind))


def check_transfers(page, flow, problems, notes):
    short = page.number in BUILDER_TABLE
    for a, b, to_calc, to_screen in flow.pairs:
        for slot in range(a, b + 1):
            c = page.control_of(slot)
            if c is None:
                problems.append("transfer slot %d:%d has no control" % (page.number, slot))
            elif short and to_calc == "TextFlag" and c.cls == "QLineEdit" and c.style != "EDITOVERRIDEABLE":
                # On a short form only the overridable lines carry their flag to the calculation.
                problems.append("%s: its override flag goes to the calculation but it is not overridable" % c.name)
            elif not short and to_calc != "None" and to_screen == "None" and not c.typed_in():
                problems.append("%s: its answer only goes to the calculation, yet it cannot be typed in" % c.name)
    for c in page.bound:
        if c.style != "EDITOVERRIDEABLE":
            continue
        if c.slot not in flow.flag_to_calc:
            problems.append("%s is overridable but its override never reaches the calculation" % c.name)
        elif c.slot not in flow.flag_to_screen:
            notes.append("WARNING %s: an override made elsewhere does not come back to this field" % c.name)


def check_short_form(page, flow, problems, notes):
    if page.number not in BUILDER_TABLE:
        return
    unshown = sorted(flow.built - set(page.by_slot))
    if unshown:
        problems.append("short-form slots the builder writes but no control shows: %s" % unshown)
    unfilled = sorted(s for s in page.by_slot if not page.control_of(s).typed_in() and s not in flow.built)
    if unfilled:
        problems.append("read-only slots that nothing fills: %s" % unfilled)
    computed = [s for s in flow.transferred & flow.built if not page.control_of(s).typed_in()]
    notes.append("%d computed copies shown read-only although the transfer carries them back" % len(computed))


def check_sharing(page, problems, notes):
    tag_count = {}
    for c in page.controls:
        if c.tag is not None and c.cls != "QPushButton":
            tag_count[c.tag] = tag_count.get(c.tag, 0) + 1
    shared = sorted(t for t, n in tag_count.items() if n > 1)
    if shared:
        problems.append("controls sharing a Tag: %s" % shared)
    twice = sorted(s for s, cs in page.by_slot.items() if len([c for c in cs if c.cls != "QLabel"]) > 1)
    unexpected = sorted(set(twice) - SHOWN_TWICE.get(page.number, set()))
    if unexpected:
        problems.append("slots bound to more than one control: %s" % unexpected)
    if twice:
        notes.append("slots shown twice on purpose: %s" % twice)
    # The control stored last wins: a hidden field must come before the one shown.
    for cs in page.by_slot.values():
        if cs[-1].hidden:
            problems.append("%s is hidden but stored after the control it shares its slot with" % cs[-1].name)


FOCUSABLE = ("QLineEdit", "QCheckBox", "QComboBox", "QPlainTextEdit", "QPushButton")


def check_names(page, problems, notes):
    seen = {}
    for c in page.controls:
        if c.cls not in FOCUSABLE or c.hidden:
            continue
        if not c.spoken:
            problems.append("%s has no accessible name" % c.name)
        elif c.spoken in seen:
            problems.append("%s and %s are both named \"%s\"" % (seen[c.spoken], c.name, c.spoken))
        seen[c.spoken] = c.name


def check_page(number):
    problems, notes = [], []
    page, flow = Page(number), Flow(number)
    check_tags(page, problems, notes)
    check_transfers(page, flow, problems, notes)
    check_short_form(page, flow, problems, notes)
    check_sharing(page, problems, notes)
    check_names(page, problems, notes)
    counts = "%d controls, %d bound, %d Tags" % (len(page.controls), len(page.bound), len(page.tags))
    return problems, [counts] + notes


def main():
    failed = False
    for page in (0, 7, 15, 16):
        problems, notes = check_page(page)
        print("page%d.vlp: %s" % (page, "; ".join(notes)))
        for problem in problems:
            print("  FAIL " + problem)
        failed = failed or bool(problems)
    print("all checks passed" if not failed else "some checks failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
