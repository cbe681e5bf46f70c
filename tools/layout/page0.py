"""Screen page 0: the sole residential parent / shared parenting worksheet, long form."""
from vlp import *
from longform import (FREQUENCIES, cash_medical_line, cross_adjustment_lines, gross_income_and_adjustments,
                      monthly_cash_medical_lines, monthly_support_lines, sole_shared_caption)

FILING = ["Single", "Married Joint", "Married Separate", "Head of Household", "Qualifying Widower"]


def child_care_block(p, who, base, father, amt=False):
    """The line 19 details of one parent (slots base .. base + 16); `amt`
    offers the alternate minimum tax (base + 9), which the split worksheet
    still reads."""
    ov = OVERRIDEABLE
    p.subject = who
    p.entries([("%s: total child care expenses" % who, money(base)), ("qualifying expenses", money(base + 1))])
    p.entries([("Earned income*", money(base + 2, ov)), ("spouse's earned income (joint filers only)", money(base + 3))])
    p.entries([("Adjusted gross income*", money(base + 4, ov)), ("number of children*", count(base + 5, ov, width=60))])
    p.entries([("Filing status", Combo(base + 6, FILING, width=150)),
               ("standard/itemized deductions*", money(base + 7, ov))])
    if amt:
        p.entries([("Exemption amount*", money(base + 8, ov, width=110)),
                   ("alternate minimum tax", money(base + 9, width=100)), ("foreign tax credit", money(base + 10, width=100))])
    else:
        p.entries([("Exemption amount*", money(base + 8, ov)), ("foreign tax credit", money(base + 10))])
    p.boxes([Box(base + 11, "The low/low-mid income limits do not apply"),
             Box(base + 15, "Perform tax calculation")], indent=40)
    p.entries([("", Box(base + 12, "Use these tax liabilities instead of calculating taxes:")),
               ("federal", money(base + 13, width=100, spoken="federal tax liability")),
               ("state", money(base + 14, width=100, spoken="state tax liability"))])
    p.boxes([Box(base + 16, "Subtract the Ohio child care credit from the total child care expenses")], indent=40)
    p.subject = ""


def deviation_block(p, who, boxes):
    """The line 27b options of one parent: (manual box, amount, options box,
    offset, combined, combined %, obligor, obligor %, adjustments, erase, erase cash medical)."""
    manual, amount, options, offset, combined, crate, obligor, orate, adjust, erase, cms = boxes
    p.subject = "%s as obligor" % who
    p.entries([("%s as obligor:" % who, Box(manual, "1. Manual deviation")), ("amount", money(amount, width=110))],
              indent=20)
    p.entries([("", Box(options, "2. Calculation options:")), ("", Box(offset, "offset the parties' obligations"))],
              indent=20)
    p.entries([("", Box(combined, "time of possession against the combined obligation, %")),
               ("", text(crate, width=60, spoken="percentage of time against the combined obligation"))], indent=60)
    p.entries([("", Box(obligor, "time of possession against the obligor's obligation, %")),
               ("", text(orate, width=60, spoken="percentage of time against the obligor's obligation"))], indent=60)
    p.boxes([Box(adjust, "include the line 21 through 26 adjustments")], indent=60)
    p.boxes([Box(erase, "3. Deviate to erase the obligation"), Box(cms, "also erase cash medical support")], indent=20)
    p.subject = ""


def build():
    ro, ov = READONLY, OVERRIDEABLE
    p = Page(0, "Sole Residential Parent or Shared Parenting Child Support Computation Worksheet")

    # ---- Caption ----
    sole_shared_caption(p, (0, 1), 2, 3, 4, 5, 6, 7, 8, 9)

    # ---- Gross income ----
    gross_income_and_adjustments(p, 0, 0)

    # ---- Income shares ----
    p.heading("III. INCOME SHARES")
    p.line("15.", "Combined annual income that is the basis for the child support order (add line 14a, "
                  "Column I and Column II)", III=money(61, ro))
    p.line("16.", "Percentage of each parent's income to total income (divide line 14a by line 15)",
           I=money(62, ro, decimals=4), II=money(63, ro, decimals=4))
    p.line("17.", "Basic combined child support obligation (from the basic child support schedule; for combined "
                  "incomes above $150,000 as chosen under Support Table/Calculation Options)",
           III=money(66, ro, help=1005),
           buttons=[Button("Options...", 8, "btnLine17", "Support table and calculation options")],
           help=Help("Line 17. Incomes between two rows of the schedule are looked up by the method chosen: Low, "
                     "Interpolate or High. Above $150,000 the obligation is either limited or a share of income.",
                     1059))
    p.entries([("Table lookup method", money(64, ro, width=120)), ("above $150,000", money(65, ro, width=190))])
    p.line("18.", "Annual child support obligation per parent (multiply line 17 by line 16)",
           I=money(67, ro), II=money(68, ro))
    p.line("19.", "Annual child care expenses for the children of this order that are work-, employment training- "
                  "or education-related, less the child care tax credit (whether or not claimed)",
           I=money(69, ov, help=1006), II=money(70, ov, help=1006),
           buttons=[Button("Father...", 9, "btnChildCareFather", "Child care expenses"),
                    Button("Mother...", 10, "btnChildCareMother", "Child care expenses")],
           help=Help("Line 19. Child care expenses less the federal and, when chosen, the Ohio child care credit. "
                     "Pick one calculation option for each parent with expenses.", 1006))
    child_care_block(p, "Father", 222, True)
    child_care_block(p, "Mother", 239, False)
    p.line("20a.", "Marginal, out-of-pocket costs necessary to provide health insurance for the children of this "
                   "order", I=money(71), II=money(72))
    p.line("20b.", "Cash medical support obligation (line 14b or the annual health care expenditures for the "
                   "children, whichever is lower)", I=money(73, ov, help=1004), II=money(74, ov, help=1004),
           help=Help("Line 20b. The lower of line 14b and the health care expenditures for the combined income "
                     "and number of children.", 1004))

    # ---- Health insurance provided ----
    p.heading("IV. ADJUSTMENTS TO CHILD SUPPORT WHEN HEALTH INSURANCE IS PROVIDED")
    cross_adjustment_lines(p, 21, "20a", 75)
    p.line("22.", "Actual annual obligation (line 18 plus line 21a or 21b, minus line 21c or 21d)",
           I=money(79, ro), II=money(80, ro))
    p.line("23a.", "Actual annual obligation payable (line 22 of the obligor)", I=money(81, ro), II=money(82, ro))
    p.line("23b.", "Non-means-tested benefits (social security, veterans' benefits) paid to or for the children "
                   "because of the obligor's death, disability or retirement", I=money(83, help=1013),
           II=money(84, help=1013),
           help=Help("Line 23b. Enter benefits received for the children on the obligor's account, in the "
                     "obligor's column only.", 1013))
    p.line("23c.", "Actual annual obligation (subtract line 23b from line 23a)", I=money(85, ro), II=money(86, ro))

    # ---- Health insurance not provided ----
    p.heading("V. ADJUSTMENTS TO CHILD SUPPORT WHEN HEALTH INSURANCE IS NOT PROVIDED")
    cross_adjustment_lines(p, 24, "20b", 87)
    p.line("25.", "Actual annual obligation (line 18 plus line 24a or 24b, minus line 24c or 24d)",
           I=money(91, ro), II=money(92, ro))
    p.line("26a.", "Actual annual obligation payable (line 25 of the obligor)", I=money(93, ro), II=money(94, ro))
    p.line("26b.", "Non-means-tested benefits (from line 23b)", I=money(95, ro), II=money(96, ro))
    p.line("26c.", "Actual annual obligation (subtract line 26b from line 26a)", I=money(97, ro), II=money(98, ro))

    # ---- Deviations ----
    p.heading("DEVIATIONS")
    p.line("27a.", "Deviation from the sole residential parent support amount on line 23c or 26c if that amount "
                   "would be unjust or inappropriate (state the specific facts and the monetary value)",
           I=money(99), II=money(100))
    p.memo_row("Facts supporting the line 27a deviation", Memo(129))
    p.line("27b.", "Deviation from a shared parenting order (state the specific facts, including the time the "
                   "children spend with each parent, each parent's ability to house them and each parent's "
                   "expenses for them)", I=money(101, ov, help=1008), II=money(102, ov, help=1008),
           buttons=[Button("Father...", 11, "btnDeviationFather", "Shared parenting deviation options"),
                    Button("Mother...", 12, "btnDeviationMother", "Shared parenting deviation options")],
           help=Help("Line 27b. A shared parenting deviation: entered directly, worked out by offsetting or by time "
                     "of possession, or set to erase the obligation.", 1008))
    deviation_block(p, "Father", (260, 261, 262, 263, 264, 265, 266, 267, 268, 269, 282))
    deviation_block(p, "Mother", (270, 271, 272, 273, 274, 275, 276, 277, 278, 279, 283))
    p.memo_row("Facts supporting the line 27b deviation", Memo(103))

    # ---- Final figures ----
    p.heading("VI. FINAL CHILD SUPPORT FIGURES")
    p.column_headers(I="Column I\nWith insurance", II="Column II\nNo insurance", III="")
    p.line("28.", "Final annual child support figure (line 23c or 26c plus or minus line 27a or 27b)",
           I=money(106, ro, help=1014), II=money(107, ro, help=1014),
           help=Help("Line 28. The obligor's final annual support. A figure below $600 is reported in the check "
                     "report; a negative figure is set to zero.", 1014))
    p.boxes([Box(104, "Father is the obligor", computed=True), Box(105, "Mother is the obligor", computed=True)],
            indent=40)
    monthly_support_lines(p, 29, 28, 108, 13)
    cash_medical_line(p, 30, 114)
    monthly_cash_medical_lines(p, 31, 30, 116, 118, 120)
    p.entries([("Notes to the order", text(115, width=220)),
               ("", text(117, width=160, spoken="Notes to the order, second part")),
               ("", text(121, width=160, spoken="Notes to the order, third part"))])

    # ---- Signatures ----
    p.heading("SIGNATURES")
    p.entries([("Prepared by", text(122, width=260)), ("Date", text(123, width=170))], subject="Prepared by")
    p.entries([("Father's signature", text(125, ov, width=260)), ("Date", text(126, width=170))],
              subject="Father's signature")
    p.entries([("Mother's signature", text(127, ov, width=260)), ("Date", text(128, width=170))],
              subject="Mother's signature")
    p.entries([("Magistrate / Judge", text(124, width=260))])
    return p
