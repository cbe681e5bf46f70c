"""Writes the support scheduler's print template data/RTF/Page32.rtf and its
tab-position file data/DAT/PAGE32.DAT.

    python3 tools/print/page32.py      (tools/print/build.py writes it too)

One printed page of the scheduler table: the page's title (slot 560), the
case's file name (559) and the date printed (558), the nine column headings
(561-569) and 62 rows of nine cells (row r, column c in slot r x 9 + c).
The program fills one page after another from the same template: the table
with its totals row, then the year-by-year summary. Every row has a fixed
height, so the 62 rows always fit one sheet of letter paper.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import rtf  # noqa: E402

ROOT = os.path.join(HERE, "..", "..")
PAGE = 32
ROWS, COLUMNS = 62, 9
SLOT_DATE, SLOT_FILE, SLOT_TITLE, SLOT_HEADINGS = 558, 559, 560, 561
LAST_SLOT = 575

# Date, Description, Support Due, Support Paid, Balance, Rate %, Interest,
# Total Interest, Balance w/Int: width in twips, variable code, alignment.
COLUMN_CELLS = [(1000, "*", "l"), (2450, "*", "l"), (1150, "$", "r"), (1150, "$", "r"), (1150, "$", "r"),
                (650, "%", "r"), (1050, "$", "r"), (1100, "$", "r"), (1100, "$", "r")]
assert sum(w for w, _, _ in COLUMN_CELLS) == rtf.LINE_W

FONT, SIZE, HEADING_SIZE, TITLE_SIZE = 0, 14, 14, 24
ROW_HEIGHT = -200  # exactly 10 points: 62 rows and the headings fit one page
DAT_KINDS = {"*": 1, "$": 2, "%": 3}


def title_rows():
    return (rtf.paragraph(rtf.variable("*", SLOT_TITLE), FONT, TITLE_SIZE, align="c", bold=True, space_after=60) +
            rtf.row([rtf.Cell("Case: " + rtf.variable("*", SLOT_FILE), 6000),
                     rtf.Cell("Printed: " + rtf.variable("*", SLOT_DATE), None, align="r")], FONT, 16) +
            rtf.paragraph("", FONT, 8))


def heading_row():
    cells = [rtf.Cell(rtf.variable("*", SLOT_HEADINGS + c), width, align="c", bold=True, shade=True,
                      border="heading") for c, (width, _, _) in enumerate(COLUMN_CELLS)]
    return rtf.row(cells, FONT, HEADING_SIZE, height=420)


def table_row(r):
    cells = [rtf.Cell(rtf.variable(code, r * COLUMNS + c), width, align=align, border="under")
             for c, (width, code, align) in enumerate(COLUMN_CELLS)]
    return rtf.row(cells, FONT, SIZE, height=ROW_HEIGHT)


def template():
    # The paragraph after the last row gives the next printed page's "\page"
    # a paragraph to break after (a break between two table rows is lost).
    body = title_rows() + heading_row() + "".join(table_row(r) for r in range(ROWS)) + rtf.paragraph("", FONT, 2)
    return rtf.document("Support Scheduler", body)


def dat_text():
    """One line per slot 0-575: slot, kind, row, 0.0, 1.0, right edge, 0."""
    where = {}
    for r in range(ROWS):
        x = 0
        for c, (width, code, _) in enumerate(COLUMN_CELLS):
            x += width
            where[r * COLUMNS + c] = (DAT_KINDS[code], r + 1, x)
    where[SLOT_FILE] = (1, 0, 6000)
    where[SLOT_DATE] = (1, 0, rtf.LINE_W)
    where[SLOT_TITLE] = (1, 0, rtf.LINE_W)
    x = 0
    for c, (width, _, _) in enumerate(COLUMN_CELLS):
        x += width
        where[SLOT_HEADINGS + c] = (1, 0, x)
    lines = []
    for slot in range(LAST_SLOT + 1):
        kind, row, x = where.get(slot, (0, 0, 0))
        lines.append("%d %d %d 0.0 1.0 %.1f 0" % (slot, kind, row, x))
    return "\r\n".join(lines) + "\r\n"


def write(rtf_folder, dat_folder):
    text = template()
    assert all(ord(c) < 128 for c in text), "templates are 7-bit ASCII"
    with open(os.path.join(rtf_folder, "Page%d.rtf" % PAGE), "w", newline="") as f:
        f.write(text)
    with open(os.path.join(dat_folder, "PAGE%d.DAT" % PAGE), "w", newline="") as f:
        f.write(dat_text())


def main():
    rtf_folder, dat_folder = os.path.join(ROOT, "data", "RTF"), os.path.join(ROOT, "data", "DAT")
    os.makedirs(rtf_folder, exist_ok=True)
    os.makedirs(dat_folder, exist_ok=True)
    write(rtf_folder, dat_folder)
    print("Page%d.rtf: %d rows of %d cells" % (PAGE, ROWS, COLUMNS))
    return 0


if __name__ == "__main__":
    sys.exit(main())
