"""Screen page 16: the split parental worksheet, short form. Rebuilt from the
calculation after every calculation; what the user types here goes back to
the calculation pages before the next one."""
from vlp import *
from shortform import (case_caption, gross_income, adjustments, income_shares, lookup_summary, limit_row,
                       child_care, lines_20_21, decree_table, footer)

ro, ov = READONLY, OVERRIDEABLE


def lookup_button(code, which):
    return Button("Low/Interp/High...", code, "btnLookupMethod" + which, "Table lookup method",
                  width=120)


def ohio_credit(p):
    p.line("", "Ohio child care credit", I=text(127, ro, align="right"), II=text(128, ro, align="right"), indent=20)


def build():
    p = Page(16, "Split Parental Child Support Computation Worksheet (Short Form)")

    # ---- Caption ----
    p.entries([("Father's name", text(250, width=300)), ("Mother's name", text(251, width=300))], indent=0)
    p.entries([("Case No.", text(1, width=200)), ("Number of minor children subject to this order", count(2, width=50))],
              indent=0)
    p.entries([("Children living with the mother", count(4, width=50)),
               ("Children living with the father", count(5, width=50))], indent=0)
    case_caption(p)

    # Lines 1a to 16 (and their details) are those of the sole/shared short
    # form one slot lower; the line 8 details are shown, not taken back.
    gross_income(p, 6)
    adjustments(p, 6, details=ro)
    income_shares(p, 6)
    p.line("17a.", "Basic combined obligation for the children living with the mother",
           I=money(57, ro, help=1005),
           help=Help("Line 17. The schedule is read once for the children living with each parent. Incomes "
                     "between two rows are looked up by the method chosen: Low, Interpolate or High.", 1059))
    lookup_summary(p, 173, lookup_button(52, "Mother"))
    p.line("17b.", "Basic combined obligation for the children living with the father",
           II=money(58, ro, help=1005))
    lookup_summary(p, 174, lookup_button(53, "Father"))
    limit_row(p, Button("$150,000...", 54, "btnLookupLimit", "Combined incomes above $150,000", width=120))
    p.line("18.", "Annual child support obligation per parent (line 17a or 17b x line 16)",
           I=money(59, ro), II=money(60, ro))
    child_care(p, ohio_credit)
    lines_20_21(p)

    p.heading("IV. HEALTH INSURANCE PROVIDED")
    p.line("22a.", "Father's adjusted obligation (line 18 plus 21a, less 21c when 21a is greater)", I=money(71, ro))
    p.line("22b.", "Amount subtracted from line 22a", I=money(73))
    p.line("22c.", "Father's actual annual obligation (line 22a minus line 22b)", I=money(75, ro))
    p.line("22d.", "Mother's adjusted obligation (line 18 plus 21b, less 21d when 21b is greater)", II=money(72, ro))
    p.line("22e.", "Amount subtracted from line 22d", II=money(74))
    p.line("22f.", "Mother's actual annual obligation (line 22d minus line 22e)", II=money(76, ro))
    p.line("22g.", "Actual annual obligation payable (the larger obligation less the smaller)",
           I=money(77, ro), II=money(78, ro))

    p.heading("V. HEALTH INSURANCE NOT PROVIDED")
    p.line("23a.", "Additions to the father's obligation (line 16 I x lines 19 + 20b II)", I=money(79, ro))
    p.line("23b.", "Additions to the mother's obligation (line 16 II x lines 19 + 20b I)", II=money(80, ro))
    p.line("23c.", "Subtractions from the father's obligation (line 16 II x lines 19 + 20b I)", I=money(81, ro))
    p.line("23d.", "Subtractions from the mother's obligation (line 16 I x lines 19 + 20b II)", II=money(82, ro))
    p.line("24a.", "Father's adjusted obligation (line 18 plus 23a, less 23c when 23a is greater)", I=money(83, ro))
    p.line("24b.", "Amount subtracted from line 24a (from line 22b)", I=money(85, ro))
    p.line("24c.", "Father's actual annual obligation (line 24a minus line 24b)", I=money(87, ro))
    p.line("24d.", "Mother's adjusted obligation (line 18 plus 23b, less 23d when 23b is greater)", II=money(84, ro))
    p.line("24e.", "Amount subtracted from line 24d (from line 22e)", II=money(86, ro))
    p.line("24f.", "Mother's actual annual obligation (line 24d minus line 24e)", II=money(88, ro))
    p.line("24g.", "Actual annual obligation payable (the larger obligation less the smaller)",
           I=money(89, ro), II=money(90, ro))
    p.line("24h.", "Line 24g plus the obligor's cash medical support obligation (line 20b)",
           I=money(91, ro), II=money(92, ro))

    p.heading("DEVIATION")
    p.line("25.", "Deviation from the split parental support amount (obligor's column only)",
           I=money(93), II=money(94))

    p.heading("VI. FINAL CHILD SUPPORT FIGURES")
    p.column_headers(I="Column I\nWith insurance", II="Column II\nNo insurance", III="")
    p.line("26.", "Final annual child support figure", I=money(95, ro, help=1014), II=money(96, ro, help=1014),
           help=Help("Line 26. The obligor's final annual support, after netting the two parents' obligations. "
                     "A negative figure is set to zero.", 1014))
    p.line("27.", "Child support per month plus the processing charge", I=money(97, ro), II=money(98, ro))
    p.line("28.", "Final annual cash medical support figure", II=money(100, ro, help=1015),
           help=Help("Line 28. The obligor's cash medical support, paid when health insurance is not provided.", 1015))
    p.line("29.", "Cash medical support per month plus the processing charge", II=money(102, ro))

    decree_table(p)
    footer(p)
    return p
