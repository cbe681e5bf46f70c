"""Screen page 7: the split parental worksheet, long form.

Column I is the father's and Column II the mother's, except on lines 26 and
27, where the two columns are the cases with and without health insurance.
"""
from vlp import *
from page0 import FREQUENCIES, child_care_block


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
    p.heading("I. GROSS INCOME")
    p.column_headers()
    p.line("1a.", "Annual gross income from employment or, when determined appropriate by the court or agency, "
                  "average annual gross income from employment over a reasonable period of years (exclude "
                  "overtime, bonuses, self-employment income or commissions)",
           I=money(6, help=1000), II=money(7, help=1000),
           buttons=[Button("Father...", 21, "btnIncomeFather", "Income estimator for the father"),
                    Button("Mother...", 22, "btnIncomeMother", "Income estimator for the mother")],
           help=Help("Line 1a. Enter annual gross income from employment. The income estimator works it out from "
                     "year-to-date pay or the full-time minimum wage.", 1000))
    p.entries([("Estimator, father: year-to-date through", text(201, width=100)), ("amount", money(202, width=110)),
               ("paid", Combo(203, FREQUENCIES, width=110))])
    p.entries([("Estimator, mother: year-to-date through", text(205, width=100)), ("amount", money(206, width=110)),
               ("paid", Combo(207, FREQUENCIES, width=110))])
    p.line("1b.", "Amount of overtime, bonuses and commissions (year 1 representing the most recent year):", help=Help(
        "Line 1b. Enter three years of overtime, bonuses and commissions. The worksheet uses the lesser of year 1 "
        "and the three-year average; it may be overridden if a lesser amount is reasonably expected.", 1018))
    p.line("", "Year 3 (three years ago)", I=money(8), II=money(9), indent=20)
    p.line("", "Year 2 (two years ago)", I=money(10), II=money(11), indent=20)
    p.line("", "Year 1 (last calendar year)", I=money(12), II=money(13), indent=20)
    p.line("", "Average of the three years", I=money(14, ro), II=money(15, ro), indent=20)
    p.line("", "Amount used on line 1b: the average or the year 1 amount, whichever is less",
           I=money(16, ov, help=1018), II=money(17, ov, help=1018), indent=20)
    p.line("2a.", "Annual gross receipts from self-employment", I=money(18), II=money(19))
    p.line("2b.", "Ordinary and necessary business expenses", I=money(20), II=money(21))
    p.line("2c.", "5.6% of adjusted gross income from self-employment (line 2a minus 2b, multiplied by .056)",
           I=money(22, ov, help=1010), II=money(23, ov, help=1010),
           help=Help("Line 2c. The FICA differential of self-employment: 5.6% of line 2a less line 2b.", 1010))
    p.line("2d.", "Adjusted gross income from self-employment (subtract lines 2b and 2c from 2a)",
           I=money(24, ro), II=money(25, ro))
    p.line("3.", "Annual income from interest and dividends (whether or not taxable)", I=money(26), II=money(27))
    p.line("4.", "Annual income from unemployment compensation", I=money(28), II=money(29))
    p.line("5.", "Annual income from workers' compensation, disability insurance benefits or social security "
                 "disability or retirement benefits", I=money(30), II=money(31))
    p.line("6.", "Other annual income (identify)", I=money(32), II=money(33),
           help=Help("Line 6. Other income that counts toward gross income; describe it below.", 1016))
    p.entries([("Description of other income", text(34, width=560))])
    p.line("7a.", "Total annual gross income (add lines 1a, 1b, 2d and 3 through 6; if less than zero, enter zero)",
           I=money(35, ro), II=money(36, ro))
    p.line("7b.", "Health insurance maximum (multiply line 7a by 5%)", I=money(37, ro), II=money(38, ro),
           help=Help("Line 7b. Five percent of line 7a: the most a parent is expected to contribute for health "
                     "insurance. Enter the contributing cost of the parent's health insurance below.", 1012))
    p.line("", "Contributing cost of health insurance", I=money(39, help=1012), II=money(40, help=1012), indent=20)

    # ---- Adjustments to income ----
    p.heading("II. ADJUSTMENTS TO INCOME")
    p.line("8.", "Adjustment for minor children born to or adopted by either parent and another parent who are "
                 "living with this parent (number of children times the federal income tax exemption, less child "
                 "support received for them, not below zero)",
           I=money(41, ov, help=1002), II=money(42, ov, help=1002),
           buttons=[Button("Father...", 23, "btnOtherChildrenFather"), Button("Mother...", 24, "btnOtherChildrenMother")],
           help=Help("Line 8. Other children living with the parent: children x exemption - support received.", 1002))
    p.entries([("Father: children", count(209, width=50)), ("exemption each", money(210, width=100)),
               ("support received", money(211, width=100))])
    p.entries([("Mother: children", count(213, width=50)), ("exemption each", money(214, width=100)),
               ("support received", money(215, width=100))])
    p.line("9.", "Annual court-ordered support paid for other children", I=money(43, help=1017), II=money(44, help=1017),
           help=Help("Line 9. Support actually paid under a court order for other children.", 1017))
    p.line("10.", "Annual court-ordered spousal support paid to any spouse or former spouse",
           I=money(45, help=1011), II=money(46, help=1011),
           help=Help("Line 10. Spousal support actually paid under a court order.", 1011))
    p.line("11.", "Amount of local income taxes actually paid or estimated to be paid",
           I=money(47, ov, help=1003), II=money(48, ov, help=1003),
           buttons=[Button("Father...", 25, "btnLocalTaxFather"), Button("Mother...", 26, "btnLocalTaxMother")],
           help=Help("Line 11. Wages subject to local tax (lines 1a + 1b + 2d) times the local rate.", 1003))
    p.entries([("Father: wages subject to local tax", money(217, ov, width=110)), ("rate %", text(218, width=60))])
    p.entries([("Mother: wages subject to local tax", money(220, ov, width=110)), ("rate %", text(221, width=60))])
    p.line("12.", "Mandatory work-related deductions such as union dues and uniform fees (not including taxes, "
                  "social security or retirement)", I=money(49), II=money(50))
    p.line("13.", "Total gross income adjustments (add lines 8 through 12)", I=money(51, ro), II=money(52, ro))
    p.line("14a.", "Adjusted annual gross income (subtract line 13 from line 7a; if less than zero, enter zero)",
           I=money(53, ro), II=money(54, ro))
    p.line("14b.", "Cash medical support maximum (if line 7a is under 150% of the federal poverty level for the "
                   "parent's household, enter nothing; otherwise multiply line 14a by 5%)",
           I=money(55, ov, help=1004), II=money(56, ov, help=1004),
           buttons=[Button("Father...", 27, "btnPovertyFather"), Button("Mother...", 28, "btnPovertyMother")],
           help=Help("Line 14b. Cash medical support is capped at 5% of adjusted income, and none is due below "
                     "150% of the poverty level for the parent's household.", 1004))
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
           buttons=[Button("Options...", 29, "btnLine17", "Support Table/Calculation Options")],
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
           buttons=[Button("Father...", 30, "btnChildCareFather"), Button("Mother...", 31, "btnChildCareMother")],
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
    p.line("21a.", "Additions to the father's obligation (line 16, Column I, times the sum of lines 19 and 20a, "
                   "Column II)", I=money(72, ro))
    p.line("21b.", "Additions to the mother's obligation (line 16, Column II, times the sum of lines 19 and 20a, "
                   "Column I)", II=money(73, ro))
    p.line("21c.", "Subtractions from the father's obligation (line 16, Column II, times the sum of lines 19 and "
                   "20a, Column I)", I=money(74, ro))
    p.line("21d.", "Subtractions from the mother's obligation (line 16, Column I, times the sum of lines 19 and "
                   "20a, Column II)", II=money(75, ro))
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
    p.line("23a.", "Additions to the father's obligation (line 16, Column I, times the sum of lines 19 and 20b, "
                   "Column II)", I=money(84, ro))
    p.line("23b.", "Additions to the mother's obligation (line 16, Column II, times the sum of lines 19 and 20b, "
                   "Column I)", II=money(85, ro))
    p.line("23c.", "Subtractions from the father's obligation (line 16, Column II, times the sum of lines 19 and "
                   "20b, Column I)", I=money(86, ro))
    p.line("23d.", "Subtractions from the mother's obligation (line 16, Column I, times the sum of lines 19 and "
                   "20b, Column II)", II=money(87, ro))
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
    p.line("27.", "For decree: child support per month (line 26 divided by 12)", I=money(105, ro), II=money(106, ro),
           buttons=[Button("Charge...", 32, "btnProcessingCharge", "Processing charge")])
    p.line("", "Processing charge per month", I=money(107, ro), II=money(108, ro), indent=20)
    p.line("", "Child support per month plus the processing charge", I=money(109, ro), II=money(110, ro), indent=20)
    p.entries([("Processing charge: percentage", percent(280, width=80)), ("or flat fee per month", money(281, width=90))])
    p.line("28.", "Final annual cash medical support figure (the obligor's line 20b; due when neither parent "
                  "provides health insurance)", II=money(111, ro, help=1015),
           help=Help("Line 28. The obligor's cash medical support, paid when health insurance is not provided.", 1015))
    p.boxes([Box(112, "Check box of line 28 (shown again on line 29)")], indent=40)
    p.line("29.", "For decree: cash medical support per month (line 28 divided by 12)", II=money(113, ro))
    p.line("", "Processing charge per month", II=money(115, ro), indent=20)
    p.line("", "Cash medical support per month plus the processing charge", II=money(117, ro), indent=20)
    p.boxes([Box(114, "Check box of line 29 (as ticked on line 28)", computed=True)], indent=40)
    p.entries([("Notes to the order", text(118, width=540))])

    # ---- Signatures ----
    p.heading("SIGNATURES")
    p.entries([("Prepared by", text(119, width=260)), ("Date", text(120, width=120))])
    p.entries([("Father's signature", text(122, ro, width=260)), ("Date", text(123, width=120))])
    p.entries([("Mother's signature", text(124, ro, width=260)), ("Date", text(125, width=120))])
    p.entries([("Magistrate / Judge", text(121, width=260))])
    return p
