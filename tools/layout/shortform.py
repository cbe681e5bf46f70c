"""What the two short forms (screen pages 15 and 16) have in common.

The short forms are one-page summaries rebuilt from the calculation after
every calculation. Lines 1a to 16 stand one slot lower on the split short
form than on the sole/shared one (`base` is the slot of line 1a, Column I);
from line 18 on, and for the details of lines 7b, 8, 11, 14 and 19, the
decree table and the derived texts, both forms use the same slots.
"""
from vlp import *
from page0 import FILING

ro, ov = READONLY, OVERRIDEABLE

# The decree table: support per week and per month, per child and in total,
# with health insurance provided (Column I) and without (Column II). Each
# row holds the support, cash medical support, processing charge and total
# slots of Column I, then those of Column II.
DECREE_ROWS = [
    ("Weekly, per child", (129, 269, 130, 131), (141, 273, 142, 143)),
    ("Weekly, all children", (132, 270, 133, 134), (144, 274, 145, 146)),
    ("Monthly, per child", (135, 271, 136, 137), (147, 275, 148, 149)),
    ("Monthly, all children", (138, 272, 139, 140), (150, 276, 151, 152)),
]
DECREE_COLUMNS = ["Child support", "Cash medical", "Processing charge", "Total"]
DECREE_X = {"I": 204, "II": 596}
DECREE_W, DECREE_STEP = 88, 92
DECREE_HELP = {"I": 1014, "II": 1015}


def case_caption(p):
    """The caption as the short form prints it, and today's date written out."""
    p.entries([("Case", text(0, ro, width=440)), ("Date", text(154, ro, width=230))], indent=0)


def gross_income(p, base):
    """Lines 1a to 7b."""
    p.heading("I. GROSS INCOME")
    p.column_headers()
    p.line("1a.", "Annual gross income from employment", I=money(base, help=1000), II=money(base + 1, help=1000),
           help=Help("Line 1a. Annual gross income from employment, without overtime, bonuses, commissions or "
                     "self-employment income.", 1000))
    p.line("1b.", "Overtime, bonuses and commissions, year 3 (three years ago)", I=money(base + 2), II=money(base + 3),
           help=Help("Line 1b. Three years of overtime, bonuses and commissions; the worksheet uses the lesser of "
                     "year 1 and the average. The amount used may be overridden.", 1018))
    p.line("", "Year 2 (two years ago)", I=money(base + 4), II=money(base + 5), indent=20)
    p.line("", "Year 1 (last calendar year)", I=money(base + 6), II=money(base + 7), indent=20)
    p.line("", "Average of the three years", I=money(base + 8, ro), II=money(base + 9, ro), indent=20)
    p.line("", "Amount used on line 1b (the average or year 1, whichever is less)",
           I=money(base + 10, ov, help=1018), II=money(base + 11, ov, help=1018), indent=20)
    p.line("2a.", "Annual gross receipts from self-employment", I=money(base + 12), II=money(base + 13))
    p.line("2b.", "Ordinary and necessary business expenses", I=money(base + 14), II=money(base + 15))
    p.line("2c.", "5.6% of adjusted gross income from self-employment (line 2a minus 2b)",
           I=money(base + 16, ov, help=1010), II=money(base + 17, ov, help=1010))
    p.line("2d.", "Adjusted gross income from self-employment", I=money(base + 18, ro), II=money(base + 19, ro))
    p.line("3.", "Annual income from interest and dividends", I=money(base + 20), II=money(base + 21))
    p.line("4.", "Annual income from unemployment compensation", I=money(base + 22), II=money(base + 23))
    p.line("5.", "Workers' compensation, disability insurance and social security benefits",
           I=money(base + 24), II=money(base + 25))
    p.line("6.", "Other annual income", I=money(base + 26, help=1016), II=money(base + 27, help=1016))
    p.line("7a.", "Total annual gross income", I=money(base + 28, ro), II=money(base + 29, ro))
    p.line("7b.", "Health insurance maximum (5% of line 7a)", I=money(base + 30, ro), II=money(base + 31, ro),
           help=Help("Line 7b. Five percent of line 7a. Enter the contributing cost of the parent's health "
                     "insurance below.", 1012))
    p.line("", "Contributing cost of health insurance", I=money(157, help=1012), II=money(158, help=1012), indent=20)


def adjustments(p, base, details=INPUT):
    """Lines 8 to 14b; `details` is the state of the line 8 details, which
    only the sole/shared short form carries back to the calculation."""
    p.heading("II. ADJUSTMENTS TO INCOME")
    p.line("8.", "Adjustment for other minor children living with the parent",
           I=money(base + 32, ov, help=1002), II=money(base + 33, ov, help=1002),
           help=Help("Line 8. Other children living with the parent: children x exemption - support received.", 1002))
    p.line("", "Number of other children", I=count(159, details), II=count(160, details), indent=20)
    p.line("", "Federal income tax exemption for each", I=money(161, details), II=money(162, details), indent=20)
    p.line("", "Child support received for them", I=money(163, details), II=money(164, details), indent=20)
    p.line("9.", "Annual court-ordered support paid for other children",
           I=money(base + 34, help=1017), II=money(base + 35, help=1017))
    p.line("10.", "Annual court-ordered spousal support paid",
           I=money(base + 36, help=1011), II=money(base + 37, help=1011))
    p.line("11.", "Local income taxes actually paid or estimated to be paid",
           I=money(base + 38, ov, help=1003), II=money(base + 39, ov, help=1003),
           help=Help("Line 11. Wages subject to local tax (lines 1a + 1b + 2d) times the local rate.", 1003))
    p.line("", "Wages subject to local tax", I=money(165, ov, help=1003), II=money(166, ov, help=1003), indent=20)
    p.line("", "Local income tax rate", I=percent(167), II=percent(168), indent=20)
    p.line("12.", "Mandatory work-related deductions", I=money(base + 40), II=money(base + 41))
    p.line("13.", "Total gross income adjustments (lines 8 through 12)",
           I=money(base + 42, ro), II=money(base + 43, ro))
    p.line("14a.", "Adjusted annual gross income (line 7a minus line 13)",
           I=money(base + 44, ro), II=money(base + 45, ro))
    p.line("", "Federal poverty level for the parent's household", I=money(169, ov, help=1004),
           II=money(170, ov, help=1004), indent=20)
    p.line("", "150% of the federal poverty level", I=money(171, ro), II=money(172, ro), indent=20)
    p.line("14b.", "Cash medical support maximum (5% of line 14a unless line 7a is under 150% of the poverty level)",
           I=money(base + 46, ov, help=1004), II=money(base + 47, ov, help=1004),
           help=Help("Line 14b. Cash medical support is capped at 5% of adjusted income, and none is due below "
                     "150% of the poverty level.", 1004))


def income_shares(p, base):
    """Lines 15 and 16."""
    p.heading("III. INCOME SHARES")
    p.line("15.", "Combined annual income (line 14a, Column I plus Column II)", III=money(base + 48, ro))
    p.line("16.", "Percentage of each parent's income (line 14a divided by line 15)",
           I=money(base + 49, ro, decimals=4), II=money(base + 50, ro, decimals=4))


def lookup_summary(p, slot, button):
    """Under line 17: the schedule amounts of a lookup by each method, with
    the button of the lookup options."""
    p.line("", "Schedule amounts: low / interpolated / high", I=text(slot, ro, width=COLUMN_W * 2 + 12, help=1005),
           buttons=[button], indent=20)


def limit_row(p, button):
    """Under line 17: whether combined incomes above $150,000 are limited."""
    p.line("", "Combined incomes above $150,000", I=text(175, ro, help=1059), II=text(176, ro, help=1059),
           buttons=[button], indent=20)


def child_care(p, ohio_credit):
    """Line 19 with its details, the calculation options and the credits;
    `ohio_credit` adds the page's own row of the Ohio credit."""
    p.line("19.", "Annual child care expenses less the child care tax credit",
           I=money(61, ov, help=1006), II=money(62, ov, help=1006),
           help=Help("Line 19. Child care expenses less the federal and, when chosen, the Ohio child care credit. "
                     "Pick one calculation option for each parent with expenses.", 1006))
    for caption, I, II in [
        ("Total child care expenses", money(177), money(178)),
        ("Qualifying child care expenses", money(179), money(180)),
        ("Earned income", money(181, ov), money(182, ov)),
        ("Spouse's earned income (joint filers only)", money(183), money(184)),
        ("Adjusted gross income", money(185, ov), money(186, ov)),
        ("Number of qualifying children", text(187, ov), text(188, ov)),
        ("Filing status", Combo(205, FILING), Combo(206, FILING)),
        ("Standard or itemized deductions", money(207, ov), money(208, ov)),
        ("Exemption amount", money(209, ov), money(210, ov)),
        ("Alternate minimum tax", money(211), money(212)),
        ("Foreign tax credit", money(213), money(214)),
        ("Federal tax liability (for option 2)", money(197), money(198)),
        ("State tax liability (for option 2)", money(200), money(201)),
    ]:
        p.line("", caption, I=I, II=II, indent=20)
    p.line("", "Calculation options (Column I and Column II show each parent's):", indent=20)
    p.line("", Box(191, "1. The low/low-mid income limits do not apply"), I=text(192, ro), II=text(193, ro), indent=40)
    p.line("", Box(194, "2. Use the tax liabilities entered above"), I=text(195, ro), II=text(196, ro), indent=40)
    p.line("", Box(202, "3. Perform the tax calculation"), I=money(203, ro, align="left"),
           II=money(204, ro, align="left"), indent=40)
    p.line("", Box(189, "4. Subtract the Ohio child care credit from the father's expenses"), indent=40)
    ohio_credit(p)
    p.line("", "Federal and Ohio child care credits", I=money(215, ro), II=money(216, ro), indent=20)


def lines_20_21(p):
    p.line("20a.", "Marginal, out-of-pocket costs of health insurance for the children", I=money(63), II=money(64))
    p.line("20b.", "Cash medical support obligation", I=money(65, ov, help=1004), II=money(66, ov, help=1004))
    p.line("21a.", "Additions to the father's obligation (line 16 I x lines 19 + 20a II)", I=money(67, ro))
    p.line("21b.", "Additions to the mother's obligation (line 16 II x lines 19 + 20a I)", II=money(68, ro))
    p.line("21c.", "Subtractions from the father's obligation (line 16 II x lines 19 + 20a I)", I=money(69, ro))
    p.line("21d.", "Subtractions from the mother's obligation (line 16 I x lines 19 + 20a II)", II=money(70, ro))


def decree_table(p):
    """Support per week and per month for the decree, Column I with health
    insurance provided and Column II without."""
    p.heading("FOR THE DECREE")
    p.headers([(DECREE_X["I"], DECREE_STEP * 4 - 4, "Column I\nHealth insurance provided"),
               (DECREE_X["II"], DECREE_STEP * 4 - 4, "Column II\nHealth insurance not provided")])
    p.headers([(DECREE_X[col] + i * DECREE_STEP, DECREE_W, caption)
               for col in ("I", "II") for i, caption in enumerate(DECREE_COLUMNS)])
    for caption, slots_i, slots_ii in DECREE_ROWS:
        cells = [(DECREE_X[col] + i * DECREE_STEP, money(slot, ro, width=DECREE_W, help=DECREE_HELP[col]))
                 for col, slots in (("I", slots_i), ("II", slots_ii)) for i, slot in enumerate(slots)]
        p.row("", caption, cells)


def footer(p):
    """The client file the case is kept in and the program's version."""
    p.space(6)
    y = p.y
    p.label("Client file:", TEXT_X, y + 3, 80, 20, wrap=False)
    p.put(Answer(153, width=500), TEXT_X + 84, y)
    p.label("Version", 760, y + 3, 60, 20, wrap=False)
    p.put(Answer(199, width=100), 824, y)
    p.y += ROW_H
