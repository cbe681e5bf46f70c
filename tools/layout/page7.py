"""Screen page 7: the split parental worksheet, long form.

Column I is the father's and Column II the mother's, except on lines 26 and
27, where the two columns are the cases with and without health insurance.
"""
from vlp import *
from longform import (cash_medical_line, cross_adjustment_lines, gross_income_and_adjustments,
                      monthly_cash_medical_lines, monthly_support_lines)
from page0 import child_care_block


def build():
    ro, ov = READONLY, OVERRIDEABLE
    p = Page(7, "Split Parental Child Support Computation Worksheet")

    # ---- Caption ----
    p.entries([("Father's name", text(0, width=300)), ("Mother's name", text(1, width=300))], indent=0)
    p.entries([("Case No.", text(2, width=200)), ("Number of minor children subject to this order", count(3, width=50))],
              indent=0)
    p.entries([("Number of children living with the mother (the mother is their residential parent)",
                count(4, width=50))], indent=0)
    p.entries([("Number of children living with the father (the father is their residential parent)",
                count(5, width=50))], indent=0)

    # ---- Gross income ----
    gross_income_and_adjustments(p, 4, 21)
    p.line("", "Number of persons in the parent's household (for the federal poverty level)",
           I=count(290, help=1004, tip="Persons in the father's household"),
           II=count(291, help=1004, tip="Persons in the mother's household"), indent=20)

    # ---- Income shares ----
    p.heading("III. INCOME SHARES")
    p.line("15.", "Combined annual income that is the basis for the child support order (add line 14a, "
                  "Column I and Column II)", III=money(57, ro))
    p.line("16.", "Percentage of each parent's income to total income (divide line 14a by line 15)",
           I=money(58, ro, decimals=4), II=money(59, ro, decimals=4))
    p.line("17.", "Basic combined child support obligation (from the basic child support schedule, once for the "
                  "children living with each parent; for combined incomes above $150,000 as chosen under Support "
                  "Table/Calculation Options)",
           buttons=[Button("Options...", 29, "btnLine17", "Support table and calculation options")],
           help=Help("Line 17. Incomes between two rows of the schedule are looked up by the method chosen: Low, "
                     "Interpolate or High. Above $150,000 the obligation is either limited or a share of income.",
                     1059))
    p.entries([("Table lookup method", money(60, ro, width=120)), ("above $150,000", money(61, ro, width=190))])
    p.line("17a.", "For the children living with the mother (the father's share)",
           I=money(62, ro, help=1005), indent=20)
    p.line("17b.", "For the children living with the father (the mother's share)",
           II=money(63, ro, help=1005), indent=20)
    p.line("18.", "Annual child support obligation per parent (Column I: line 17a times line 16, Column I; "
                  "Column II: line 17b times line 16, Column II)", I=money(64, ro), II=money(65, ro))
    p.line("19.", "Annual child care expenses for the children of this order that are work-, employment training- "
                  "or education-related, less the child care tax credit (whether or not claimed)",
           I=money(66, ov, help=1006), II=money(67, ov, help=1006),
           buttons=[Button("Father...", 30, "btnChildCareFather", "Child care expenses"),
                    Button("Mother...", 31, "btnChildCareMother", "Child care expenses")],
           help=Help("Line 19. Child care expenses less the federal and, when chosen, the Ohio child care credit. "
                     "Pick one calculation option for each parent with expenses.", 1006))
    child_care_block(p, "Father", 222, True, amt=True)
    child_care_block(p, "Mother", 239, False, amt=True)
    p.line("20a.", "Marginal, out-of-pocket costs necessary to provide health insurance for the children of this "
                   "order", I=money(68), II=money(69))
    p.line("20b.", "Cash medical support obligation (line 14b or the parent's share of the annual health care "
                   "expenditures for the children living with the other parent, whichever is lower)",
           I=money(70, ov, help=1004), II=money(71, ov, help=1004),
           help=Help("Line 20b. The lower of line 14b and the health care expenditures for the combined income, "
                     "in proportion to the children living with the other parent.", 1004))

    # ---- Health insurance provided ----
    p.heading("IV. ADJUSTMENTS TO CHILD SUPPORT WHEN HEALTH INSURANCE IS PROVIDED")
    cross_adjustment_lines(p, 21, "20a", 72)
    p.line("22a.", "Father's adjusted obligation (line 18 plus line 21a, minus line 21c, when line 21a is greater "
                   "than line 21c; otherwise line 18)", I=money(76, ro))
    p.line("22b.", "Amount subtracted from line 22a (for example, non-means-tested benefits paid for the children "
                   "because of the father's death, disability or retirement)", I=money(77))
    p.line("22c.", "Father's actual annual obligation (subtract line 22b from line 22a)", I=money(78, ro))
    p.line("22d.", "Mother's adjusted obligation (line 18 plus line 21b, minus line 21d, when line 21b is greater "
                   "than line 21d; otherwise line 18)", II=money(79, ro))
    p.line("22e.", "Amount subtracted from line 22d (for example, non-means-tested benefits paid for the children "
                   "because of the mother's death, disability or retirement)", II=money(80))
    p.line("22f.", "Mother's actual annual obligation (subtract line 22e from line 22d)", II=money(81, ro))
    p.line("22g.", "Actual annual obligation payable (the difference of lines 22c and 22f, in the column of the "
                   "parent with the larger obligation)", I=money(82, ro), II=money(83, ro))

    # ---- Health insurance not provided ----
    p.heading("V. ADJUSTMENTS TO CHILD SUPPORT WHEN HEALTH INSURANCE IS NOT PROVIDED")
    cross_adjustment_lines(p, 23, "20b", 84)
    p.line("24a.", "Father's adjusted obligation (line 18 plus line 23a, minus line 23c, when line 23a is greater "
                   "than line 23c; otherwise line 18)", I=money(88, ro))
    p.line("24b.", "Amount subtracted from line 24a (from line 22b)", I=money(89, ro))
    p.line("24c.", "Father's actual annual obligation (subtract line 24b from line 24a)", I=money(90, ro))
    p.line("24d.", "Mother's adjusted obligation (line 18 plus line 23b, minus line 23d, when line 23b is greater "
                   "than line 23d; otherwise line 18)", II=money(91, ro))
    p.line("24e.", "Amount subtracted from line 24d (from line 22e)", II=money(92, ro))
    p.line("24f.", "Mother's actual annual obligation (subtract line 24e from line 24d)", II=money(93, ro))
    p.line("24g.", "Actual annual obligation payable (the difference of lines 24c and 24f, in the column of the "
                   "parent with the larger obligation)", I=money(94, ro), II=money(95, ro))
    p.line("24h.", "Actual annual obligation payable plus the obligor's cash medical support obligation (line 24g "
                   "plus line 20b)", I=money(96, ro), II=money(97, ro))

    # ---- Deviation ----
    p.heading("DEVIATION")
    p.line("25.", "Deviation from the split parental support amount if that amount would be unjust or "
                  "inappropriate (in the obligor's column only; state the specific facts and the monetary value)",
           I=money(98), II=money(99))
    p.memo_row("Facts supporting the line 25 deviation", Memo(100))

    # ---- Final figures ----
    p.heading("VI. FINAL CHILD SUPPORT FIGURES")
    p.column_headers(I="Column I\nWith insurance", II="Column II\nNo insurance", III="")
    p.line("26.", "Final annual child support figure (Column I: the obligor's line 22g; Column II: the obligor's "
                  "line 24g; each plus or minus line 25)",
           I=money(103, ro, help=1014), II=money(104, ro, help=1014),
           help=Help("Line 26. The obligor's final annual support, after netting the two parents' obligations. "
                     "A negative figure is set to zero.", 1014))
    p.boxes([Box(101, "Father is the obligor", computed=True), Box(102, "Mother is the obligor", computed=True)],
            indent=40)
    monthly_support_lines(p, 27, 26, 105, 32)
    cash_medical_line(p, 28, 111)
    p.boxes([Box(112, "Check box of line 28 (shown again on line 29)")], indent=40)
    monthly_cash_medical_lines(p, 29, 28, 113, 115, 117)
    p.boxes([Box(114, "Check box of line 29 (as ticked on line 28)", computed=True)], indent=40)
    p.entries([("Notes to the order", text(118, width=540))])

    # ---- Signatures ----
    p.heading("SIGNATURES")
    p.entries([("Prepared by", text(119, width=260)), ("Date", text(120, width=170))], subject="Prepared by")
    p.entries([("Father's signature", text(122, ro, width=260)), ("Date", text(123, width=170))],
              subject="Father's signature")
    p.entries([("Mother's signature", text(124, ro, width=260)), ("Date", text(125, width=170))],
              subject="Mother's signature")
    p.entries([("Magistrate / Judge", text(121, width=260))])
    return p
