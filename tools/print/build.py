"""Writes the print templates data/RTF/PageN.rtf and their tab-position
files data/DAT/PAGEn.DAT from the worksheet descriptions.

    python3 tools/print/build.py

Pages 1-6 and 8-14 are the annotated office version of the long forms,
18-23 and 25-31 their statutory version, 15 and 16 the short forms. The
build checks that every answer of a page appears in its template: every
slot the screen's transfer carries to the page, every answer the
calculation writes that no screen field shows, and on the short forms every
slot of the screen.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "layout"))

import compose  # noqa: E402
import page32  # noqa: E402
import recorder  # noqa: E402
import slots  # noqa: E402
from sheets import SHEETS  # noqa: E402

ROOT = os.path.join(HERE, "..", "..")
RTF_FOLDER = os.path.join(ROOT, "data", "RTF")
DAT_FOLDER = os.path.join(ROOT, "data", "DAT")

# Slots of the calculation pages that nothing prints: the page to show on
# opening (1:100) and boxes that hold a default no calculation reads.
NOT_PRINTED = {(1, 100), (4, 10), (4, 25), (11, 37), (11, 40)}
DAT_KINDS = {"*": 1, "$": 2, "%": 3, "&": 5, "^": 6, "@": 7, "#": 1, "+": 1, "<": 1}


def last_slot(page):
    return 300 if page in (0, 7, 15, 16) else 575 if page in (32, 52) else 100


def placed(page):
    """slot -> (kind, row, right edge in twips) of every variable on a page."""
    out = {}
    for r, row in enumerate(page.rows):
        x = 0
        for cell in row.cells:
            x += cell.width
            for p in cell.printed:
                out.setdefault(p.slot, (DAT_KINDS[p.code], r, x))
    return out


def dat_text(page_number, page):
    where = placed(page)
    lines = []
    for slot in range(last_slot(page_number) + 1):
        kind, row, x = where.get(slot, (0, 0, 0))
        lines.append("%d %d %d 0.0 1.0 %.1f 0" % (slot, kind, row, x))
    return "\r\n".join(lines) + "\r\n"


def expected_slots(sheet, page_number, calc_page, recorded):
    """What the template of a page must print."""
    if not sheet.long:
        return {c.slot for row in recorded.rows for c in row.controls()}
    screen = int(sheet.screen.replace("page", ""))
    expected = {s for p, s in slots.calc_slots(screen) if p == calc_page}
    expected |= {98, 99} | ({0, sheet.date_line} if calc_page == sheet.pages[0] else {0, 1, 2, 3})
    for _, _, page, rows in sheet.extras:
        if page == calc_page:
            expected |= {c.slot for r in rows if r is not None for c in r.controls()}
    for (p, s), instead in sheet.instead.items():
        if p == calc_page:
            expected = (expected - {s}) | {instead}
    return {s for s in expected if (calc_page, s) not in NOT_PRINTED}


def pages_of(sheet, recorded):
    if not sheet.long:
        return [(sheet.pages[0], sheet.pages[0], compose.short_page(sheet, recorded.rows)[sheet.pages[0]])]
    screen = int(sheet.screen.replace("page", ""))
    targets = slots.screen_map(screen)
    out = []
    for version in (compose.ANNOTATED, compose.STATUTORY):
        offset = sheet.statutory - sheet.pages[0] if version == compose.STATUTORY else 0
        for number, page in compose.long_pages(sheet, recorded.rows, targets, version).items():
            out.append((number, number - offset, page))
    return out


def main():
    os.makedirs(RTF_FOLDER, exist_ok=True)
    os.makedirs(DAT_FOLDER, exist_ok=True)
    failed = False
    for sheet in SHEETS:
        recorded = recorder.record(sheet.screen)
        for number, calc_page, page in pages_of(sheet, recorded):
            text = page.rtf()
            assert all(ord(c) < 128 for c in text), "templates are 7-bit ASCII"
            with open(os.path.join(RTF_FOLDER, "Page%d.rtf" % number), "w", newline="") as f:
                f.write(text)
            with open(os.path.join(DAT_FOLDER, "PAGE%d.DAT" % number), "w", newline="") as f:
                f.write(dat_text(number, page))
            missing = sorted(expected_slots(sheet, number, calc_page, recorded) - set(placed(page)))
            if missing:
                failed = True
                print("Page%d.rtf: slots not printed: %s" % (number, missing))
            print("Page%d.rtf: %d answers" % (number, len(placed(page))))
    page32.write(RTF_FOLDER, DAT_FOLDER)  # the support scheduler's page, laid out on its own
    print("Page32.rtf: %d rows of %d cells" % (page32.ROWS, page32.COLUMNS))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
