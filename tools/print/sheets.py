"""The printed worksheets, one description each.

Each worksheet is printed from its screen description (tools/layout), so
the paper says the same line texts as the screen. What the paper adds is
described here: the calculation pages the lines print on, the answers no
screen field shows (page headers, the poverty levels, the filing status
names), and the notes of the annotated office version that say where each
figure comes from.
"""
from layout import At

SIGNATURES = {"Prepared by", "Father's signature", "Mother's signature", "Magistrate / Judge"}


class Sheet:
    def __init__(self, **kw):
        self.name = kw["name"]            # how the footer names the worksheet
        self.screen = kw["screen"]        # the screen description module
        self.pages = kw["pages"]          # answer pages of the annotated version (or the short form)
        self.statutory = kw.get("statutory")  # answer page of the statutory version of pages[0]
        self.title = kw["title"]
        self.long = kw.get("long", True)
        self.extras = kw.get("extras", [])    # (where, screen slot, page, [rows]) added to the screen's rows
        self.instead = kw.get("instead", {})  # (page, slot) -> the slot printed in its place
        self.notes = kw.get("notes", {})      # line number -> note of the annotated version
        self.date_line = kw.get("date_line")  # the caption's written-out date on the first page


def line(number, caption, I=None, II=None, III=None, indent=20):
    """A printed line of answers that no screen field shows (the recorder's line rows)."""
    from recorder import Row
    return Row("line", number=number, caption=caption, cells={"I": I, "II": II, "III": III}, indent=indent)


def household_lines(page, persons, poverty, poverty150, number=""):
    return [
        line(number, "Number of persons in the parent's family/household", I=At(persons[0], "*", "r"),
             II=At(persons[1], "*", "r")) if persons else None,
        line("", "Federal poverty level for the household", I=At(poverty[0]), II=At(poverty[1])),
        line("", "150% of the federal poverty level", I=At(poverty150[0]), II=At(poverty150[1])),
    ]


SOLE_NOTES = {
    "1a.": "Typed in, or worked out by the income estimator from year-to-date pay or the full-time minimum wage.",
    "1b.": "The lesser of the year 1 amount and the average of the three years; may be overridden.",
    "2c.": "Line 2a minus line 2b, times 0.056; may be overridden.",
    "2d.": "Line 2a minus lines 2b and 2c.",
    "7a.": "Lines 1a + 1b + 2d + 3 + 4 + 5 + 6; a total below zero counts as zero.",
    "7b.": "Line 7a times 5%. The contributing cost is typed in.",
    "8.": "Other children times the exemption, less the support received for them (line 8 dialog); "
          "not below zero; may be overridden.",
    "11.": "Wages subject to local tax (lines 1a + 1b + 2d) times the local rate; may be overridden.",
    "13.": "Lines 8 + 9 + 10 + 11 + 12.",
    "14a.": "Line 7a minus line 13; not below zero.",
    "14": "Persons from the poverty level dialog; the poverty level from the federal table; may be overridden.",
    "14b.": "Line 14a times 5%, or nothing when line 7a is under 150% of the poverty level; may be overridden.",
    "15.": "Line 14a, Column I plus Column II.",
    "16.": "Line 14a divided by line 15, rounded to four decimals.",
    "17.": "The basic child support schedule (table.txt) for line 15 and the number of children, by the lookup "
           "method ticked; above $150,000 as chosen in Support Table/Calculation Options.",
    "18.": "Line 17 times line 16.",
    "19.": "Child care expenses less the federal and (when ticked) Ohio child care credit worked out from the "
           "details below; may be overridden.",
    "20b.": "The lower of line 14b and the annual health care expenditures for the combined income and the "
            "children; the obligor's only; may be overridden.",
    "21a.": "Line 16 of one parent times the other parent's lines 19 + 20a; filled for the obligor.",
    "22.": "Line 18 plus line 21a or 21b, minus line 21c or 21d.",
    "23a.": "Line 22 of the obligor.",
    "23b.": "Typed in, in the obligor's column only.",
    "23c.": "Line 23a minus line 23b.",
    "24a.": "As line 21, with line 20b in place of line 20a.",
    "25.": "Line 18 plus line 24a or 24b, minus line 24c or 24d.",
    "26a.": "Line 25 of the obligor.",
    "26b.": "Copied from line 23b.",
    "26c.": "Line 26a minus line 26b.",
    "27a.": "Typed in; sole residential orders only, in the obligor's column.",
    "27b.": "Typed in or worked out from the options below (offset, time of possession, erase); shared "
            "parenting orders only; may be overridden.",
    "28.": "Column I: line 23c; Column II: line 26c; each plus or minus line 27a or 27b; not below zero.",
    "29.": "Line 28 divided by 12, and the processing charge at the rate or the flat fee below.",
    "30.": "The obligor's line 20b (zero when the deviation erases cash medical support).",
    "31.": "Line 30 divided by 12, and the processing charge at the rate.",
}

SPLIT_NOTES = {number: SOLE_NOTES[number] for number in
               ("1a.", "1b.", "2c.", "2d.", "7a.", "7b.", "8.", "11.", "13.", "14a.", "14b.", "15.", "16.", "19.")}
SPLIT_NOTES.update({
    "14": "Persons typed on the worksheet; the poverty level from the federal table; may be overridden.",
    "17.": "The basic child support schedule (table.txt) for line 15, once for the children living with each "
           "parent, by the lookup method ticked; above $150,000 as chosen in Support Table/Calculation Options.",
    "17a.": "For the number of children living with the mother.",
    "17b.": "For the number of children living with the father.",
    "18.": "Column I: line 17a times line 16, Column I; Column II: line 17b times line 16, Column II.",
    "20b.": "The lower of line 14b and the parent's share of the health care expenditures for the children "
            "living with the other parent; may be overridden.",
    "21a.": "Line 16 of one parent times the other parent's lines 19 + 20a.",
    "22a.": "Line 18 plus line 21a, less line 21c when line 21a is greater; otherwise line 18.",
    "22b.": "Typed in.",
    "22c.": "Line 22a minus line 22b.",
    "22g.": "The larger of lines 22c and 22f less the smaller, in the column of the parent who pays.",
    "23a.": "As line 21, with line 20b in place of line 20a.",
    "24a.": "Line 18 plus line 23a, less line 23c when line 23a is greater; otherwise line 18.",
    "24g.": "The larger of lines 24c and 24f less the smaller, in the column of the parent who pays.",
    "24h.": "Line 24g plus the obligor's line 20b.",
    "25.": "Typed in, in the obligor's column only.",
    "26.": "Column I: the obligor's line 22g; Column II: line 24g; each plus or minus line 25; not below zero.",
    "27.": "Line 26 divided by 12, and the processing charge at the rate or the flat fee below.",
    "28.": "The obligor's line 20b.",
    "29.": "Line 28 divided by 12, and the processing charge at the rate.",
})

SOLE = Sheet(
    name="Sole/Shared Worksheet", screen="page0", pages=[1, 2, 3, 4, 5, 6], statutory=18,
    title="Sole Residential Parent or Shared Parenting Child Support Computation Worksheet",
    date_line=52,
    extras=[("before", 59, 3, household_lines(3, (6, 47), (7, 48), (52, 53), "14"))],
    instead={(3, 32): 90, (3, 33): 91},
    notes=SOLE_NOTES,
)

SPLIT = Sheet(
    name="Split Worksheet", screen="page7", pages=[8, 9, 10, 11, 12, 13, 14], statutory=25,
    title="Split Parental Child Support Computation Worksheet",
    date_line=52,
    extras=[("after", 290, 10, household_lines(10, None, (7, 19), (52, 53)))],
    instead={(11, 22): 90, (11, 23): 91},
    notes=SPLIT_NOTES,
)

SOLE_SHORT = Sheet(
    name="Sole/Shared Worksheet, Short Form", screen="page15", pages=[15], long=False,
    title="Sole Residential Parent or Shared Parenting Child Support Worksheet (Short Form)",
)

SPLIT_SHORT = Sheet(
    name="Split Worksheet, Short Form", screen="page16", pages=[16], long=False,
    title="Split Parental Child Support Computation Worksheet (Short Form)",
)

SHEETS = [SOLE, SPLIT, SOLE_SHORT, SPLIT_SHORT]
