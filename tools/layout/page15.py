"""Screen page 15: the sole residential parent / shared parenting worksheet,
short form. Rebuilt from the calculation after every calculation; what the
user types here goes back to the calculation pages before the next one."""
from vlp import *
from longform import sole_shared_caption
from shortform import (case_caption, gross_income, adjustments, income_shares, lookup_summary, limit_row,
                       child_care, lines_20_21, decree_table, footer)

ro, ov = READONLY, OVERRIDEABLE

# The line 27b deviation options of the father (Column I) and the mother
# (Column II): each a box with its Yes/No text, some with an amount or a rate.
DEVIATION_X = {"I": (560, 588, 636), "II": (744, 772, 820)}  # box, Yes/No, amount or rate
DEVIATION_OPTIONS = [
    # caption, indent, (box, Yes/No, value) father, the same for the mother
    ("1. Manual deviation (amount)", 0, (217, 218, money(220, width=92, spoken="amount")), (245, 219, money(221, width=92, spoken="amount"))),
    ("2. Calculation options:", 0, (222, 223, None), (246, 224, None)),
    ("Offset the parties' obligations", 20, (225, 226, None), (247, 227, None)),
    ("Time of possession against the combined obligation", 20, (228, 229, percent(231, width=70, spoken="percentage")),
     (248, 230, percent(232, width=70, spoken="percentage"))),
    ("Time of possession against the obligor's obligation", 20, (233, 234, percent(236, width=70, spoken="percentage")),
     (249, 235, percent(237, width=70, spoken="percentage"))),
    ("Include the line 21 through 26 adjustments", 20, (238, 239, None), (99, 240, None)),
    ("3. Deviate to erase the obligation", 0, (241, 242, None), (101, 243, None)),
]
# The data source explanations still name money fields in slots 99 and 101,
# which hold the mother's option boxes: each keeps a hidden field, placed
# before its box so that the box's own answer is the one stored.
HIDDEN_BEFORE_BOX = {99, 101}


def deviation_options(p):
    p.headers([(DEVIATION_X["I"][0], 168, "Father as obligor\n(Column I)"),
               (DEVIATION_X["II"][0], 168, "Mother as obligor\n(Column II)")])
    for caption, indent, father, mother in DEVIATION_OPTIONS:
        cells = []
        for col, (box, yes_no, value) in (("I", father), ("II", mother)):
            box_x, yes_no_x, value_x = DEVIATION_X[col]
            if box in HIDDEN_BEFORE_BOX:
                cells.append((box_x, money(box, hidden=True, width=24)))
            cells += [(box_x, Box(box), 24), (yes_no_x, text(yes_no, ro, width=44, spoken="yes or no"))]
            if value:
                cells.append((value_x, value))
        p.row("", caption, cells, indent=20 + indent)


def ohio_credit(p):
    p.line("", Box(126, "Ohio child care credit subtracted (option 4 on the long form)", computed=True),
           I=money(127, ro), II=money(128, ro), indent=20)


def options_summary(p):
    """The line 17 and line 19 choices of this calculation at a glance."""
    p.heading("OPTIONS OF THIS CALCULATION")
    p.column_headers(III="")
    p.subject = "options summary"
    p.line("17.", "Schedule amounts: low / interpolated / high",
           I=money(173, ro, width=COLUMN_W * 2 + 12, name="edtSummary173", align="left"))
    p.line("", "Combined incomes above $150,000", I=money(175, ro, name="edtSummary175", align="left"),
           II=money(176, ro, name="edtSummary176", align="left"), indent=20)
    p.line("19.", "1. The low/low-mid income limits do not apply", I=money(192, ro, name="edtSummary192", align="left"),
           II=money(193, ro, name="edtSummary193", align="left"))
    p.line("", "2. Use the tax liabilities entered", I=money(195, ro, name="edtSummary195", align="left"),
           II=money(196, ro, name="edtSummary196", align="left"), indent=20)
    p.line("", "3. Perform the tax calculation", I=text(203, ro, name="edtSummary203"),
           II=text(204, ro, name="edtSummary204"), indent=20)
    p.subject = ""


def build():
    p = Page(15, "Sole Residential Parent or Shared Parenting Child Support Worksheet (Short Form)")

    # ---- Caption ----
    sole_shared_caption(p, (252, 253), 1, 2, 244, 4, 5, 6, 155, 156)
    case_caption(p)

    gross_income(p, 7)
    adjustments(p, 7)
    income_shares(p, 7)
    p.line("17.", "Basic combined child support obligation", III=money(58, ro, help=1005),
           help=Help("Line 17. Incomes between two rows of the schedule are looked up by the method chosen: Low, "
                     "Interpolate or High. Above $150,000 the obligation is either limited or a share of income.",
                     1059))
    lookup_summary(p, 173, Button("Low/Interp/High...", 50, "btnLookupMethod", "Table lookup method",
                                  width=120))
    limit_row(p, Button("$150,000...", 51, "btnLookupLimit", "Combined incomes above $150,000", width=120))
    p.line("18.", "Annual child support obligation per parent (line 17 x line 16)", I=money(59, ro), II=money(60, ro))
    child_care(p, ohio_credit)
    lines_20_21(p)

    p.heading("IV. HEALTH INSURANCE PROVIDED")
    p.line("22.", "Actual annual obligation (line 18 plus line 21a or 21b, minus line 21c or 21d)",
           I=money(71, ro), II=money(72, ro))
    p.line("23a.", "Actual annual obligation payable (line 22 of the obligor)", I=money(73, ro), II=money(74, ro))
    p.line("23b.", "Non-means-tested benefits paid for the children", I=money(75, help=1013), II=money(76, help=1013),
           help=Help("Line 23b. Benefits received for the children on the obligor's account, in the obligor's "
                     "column only.", 1013))
    p.line("23c.", "Actual annual obligation (line 23a minus line 23b)", I=money(77, ro), II=money(78, ro))

    p.heading("V. HEALTH INSURANCE NOT PROVIDED")
    p.line("24a.", "Additions to the father's obligation (line 16 I x lines 19 + 20b II)", I=money(79, ro))
    p.line("24b.", "Additions to the mother's obligation (line 16 II x lines 19 + 20b I)", II=money(80, ro))
    p.line("24c.", "Subtractions from the father's obligation (line 16 II x lines 19 + 20b I)", I=money(81, ro))
    p.line("24d.", "Subtractions from the mother's obligation (line 16 I x lines 19 + 20b II)", II=money(82, ro))
    p.line("25.", "Actual annual obligation (line 18 plus line 24a or 24b, minus line 24c or 24d)",
           I=money(83, ro), II=money(84, ro))
    p.line("26a.", "Actual annual obligation payable (line 25 of the obligor)", I=money(85, ro), II=money(86, ro))
    p.line("26b.", "Non-means-tested benefits (from line 23b)", I=money(87, ro), II=money(88, ro))
    p.line("26c.", "Actual annual obligation (line 26a minus line 26b)", I=money(89, ro), II=money(90, ro))

    p.heading("DEVIATIONS")
    p.line("27a.", "Deviation from the sole residential parent amount (line 23c or 26c)", I=money(91), II=money(92))
    p.line("27b.", "Deviation from a shared parenting order", I=money(93, ov, help=1008), II=money(94, ov, help=1008),
           help=Help("Line 27b. A shared parenting deviation: entered directly, worked out by offsetting or by time "
                     "of possession, or set to erase the obligation.", 1008))
    deviation_options(p)

    p.heading("VI. FINAL CHILD SUPPORT FIGURES")
    p.column_headers(I="Column I\nWith insurance", II="Column II\nNo insurance", III="")
    p.line("28.", "Final annual child support figure", I=money(95, ro, help=1014), II=money(96, ro, help=1014),
           help=Help("Line 28. The obligor's final annual support. A figure below $600 is reported in the check "
                     "report; a negative figure is set to zero.", 1014))
    p.line("29.", "Child support per month plus the processing charge", I=money(97, ro), II=money(98, ro))
    p.line("30.", "Final annual cash medical support figure", II=money(100, ro, help=1015),
           help=Help("Line 30. The obligor's cash medical support, paid when health insurance is not provided.", 1015))
    p.line("31.", "Cash medical support per month plus the processing charge", II=money(102, ro))

    options_summary(p)
    decree_table(p)
    footer(p)
    return p
