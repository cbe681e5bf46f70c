"""Lines the worksheet screens share: the sole/shared caption, gross income and its adjustments, the
cross adjustments of the health insurance lines, and the monthly figures for the decree."""
from vlp import *

FREQUENCIES = ["Daily", "Weekly", "Biweekly", "Semimonthly", "Monthly", "Quarterly", "Biannually"]


def gross_income_and_adjustments(p, shift, code):
    """Lines 1a to 14b of a long form, whose slots are page 0's less `shift`
    and whose line dialogs' codes start at `code` (the estimator of the father)."""
    ro, ov = READONLY, OVERRIDEABLE

    def s(slot):
        return slot - shift

    p.heading("I. GROSS INCOME")
    p.column_headers()
    p.line("1a.", "Annual gross income from employment or, when determined appropriate by the court or agency, "
                  "average annual gross income from employment over a reasonable period of years (exclude "
                  "overtime, bonuses, self-employment income or commissions)",
           I=money(s(10), help=1000), II=money(s(11), help=1000), short="Annual gross income from employment",
           buttons=[Button("Father...", code, "btnIncomeFather", "Income estimator"),
                    Button("Mother...", code + 1, "btnIncomeMother", "Income estimator")],
           help=Help("Line 1a. Enter annual gross income from employment. The income estimator works it out from "
                     "year-to-date pay or the full-time minimum wage.", 1000))
    p.entries([("Estimator, father: year-to-date through", text(201, width=100)), ("amount", money(202, width=110)),
               ("paid", Combo(203, FREQUENCIES, width=110, empty_index=0, spoken="pay period"))])
    p.entries([("Estimator, mother: year-to-date through", text(205, width=100)), ("amount", money(206, width=110)),
               ("paid", Combo(207, FREQUENCIES, width=110, empty_index=0, spoken="pay period"))])
    p.line("1b.", "Amount of overtime, bonuses and commissions (year 1 representing the most recent year):", help=Help(
        "Line 1b. Enter three years of overtime, bonuses and commissions. The worksheet uses the lesser of year 1 "
        "and the three-year average; it may be overridden if a lesser amount is reasonably expected.", 1018))
    p.line("", "Year 3 (three years ago)", I=money(s(12)), II=money(s(13)), indent=20)
    p.line("", "Year 2 (two years ago)", I=money(s(14)), II=money(s(15)), indent=20)
    p.line("", "Year 1 (last calendar year)", I=money(s(16)), II=money(s(17)), indent=20)
    p.line("", "Average of the three years", I=money(s(18), ro), II=money(s(19), ro), indent=20)
    p.line("", "Amount used on line 1b: the average or the year 1 amount, whichever is less",
           I=money(s(20), ov, help=1018), II=money(s(21), ov, help=1018), indent=20)
    p.line("2a.", "Annual gross receipts from self-employment", I=money(s(22)), II=money(s(23)))
    p.line("2b.", "Ordinary and necessary business expenses", I=money(s(24)), II=money(s(25)))
    p.line("2c.", "5.6% of adjusted gross income from self-employment (line 2a minus 2b, multiplied by .056)",
           I=money(s(26), ov, help=1010), II=money(s(27), ov, help=1010),
           help=Help("Line 2c. The FICA differential of self-employment: 5.6% of line 2a less line 2b.", 1010))
    p.line("2d.", "Adjusted gross income from self-employment (subtract lines 2b and 2c from 2a)",
           I=money(s(28), ro), II=money(s(29), ro))
    p.line("3.", "Annual income from interest and dividends (whether or not taxable)", I=money(s(30)), II=money(s(31)))
    p.line("4.", "Annual income from unemployment compensation", I=money(s(32)), II=money(s(33)))
    p.line("5.", "Annual income from workers' compensation, disability insurance benefits or social security "
                 "disability or retirement benefits", I=money(s(34)), II=money(s(35)))
    p.line("6.", "Other annual income (identify)", I=money(s(36)), II=money(s(37)),
           help=Help("Line 6. Other income that counts toward gross income; describe it below.", 1016))
    p.entries([("Description of other income", text(s(38), width=560))])
    p.line("7a.", "Total annual gross income (add lines 1a, 1b, 2d and 3 through 6; if less than zero, enter zero)",
           I=money(s(39), ro), II=money(s(40), ro))
    p.line("7b.", "Health insurance maximum (multiply line 7a by 5%)", I=money(s(41), ro), II=money(s(42), ro),
           help=Help("Line 7b. Five percent of line 7a: the most a parent is expected to contribute for health "
                     "insurance. Enter the contributing cost of the parent's health insurance below.", 1012))
    p.line("", "Contributing cost of health insurance", I=money(s(43), help=1012), II=money(s(44), help=1012), indent=20)

    # ---- Adjustments to income ----
    p.heading("II. ADJUSTMENTS TO INCOME")
    p.line("8.", "Adjustment for minor children born to or adopted by either parent and another parent who are "
                 "living with this parent (number of children times the federal income tax exemption, less child "
                 "support received for them, not below zero)",
           I=money(s(45), ov, help=1002), II=money(s(46), ov, help=1002),
           buttons=[Button("Father...", code + 2, "btnOtherChildrenFather", "Other resident children"),
                    Button("Mother...", code + 3, "btnOtherChildrenMother", "Other resident children")],
           help=Help("Line 8. Other children living with the parent: children x exemption - support received.", 1002))
    p.entries([("Father: children", count(209, width=50)), ("exemption each", money(210, width=100)),
               ("support received", money(211, width=100))])
    p.entries([("Mother: children", count(213, width=50)), ("exemption each", money(214, width=100)),
               ("support received", money(215, width=100))])
    p.line("9.", "Annual court-ordered support paid for other children", I=money(s(47), help=1017), II=money(s(48), help=1017),
           help=Help("Line 9. Support actually paid under a court order for other children.", 1017))
    p.line("10.", "Annual court-ordered spousal support paid to any spouse or former spouse",
           I=money(s(49), help=1011), II=money(s(50), help=1011),
           help=Help("Line 10. Spousal support actually paid under a court order.", 1011))
    p.line("11.", "Amount of local income taxes actually paid or estimated to be paid",
           I=money(s(51), ov, help=1003), II=money(s(52), ov, help=1003),
           buttons=[Button("Father...", code + 4, "btnLocalTaxFather", "Local income tax"),
                    Button("Mother...", code + 5, "btnLocalTaxMother", "Local income tax")],
           help=Help("Line 11. Wages subject to local tax (lines 1a + 1b + 2d) times the local rate.", 1003))
    p.entries([("Father: wages subject to local tax", money(217, ov, width=110)), ("rate %", text(218, width=60))])
    p.entries([("Mother: wages subject to local tax", money(220, ov, width=110)), ("rate %", text(221, width=60))])
    p.line("12.", "Mandatory work-related deductions such as union dues and uniform fees (not including taxes, "
                  "social security or retirement)", I=money(s(53)), II=money(s(54)))
    p.line("13.", "Total gross income adjustments (add lines 8 through 12)", I=money(s(55), ro), II=money(s(56), ro))
    p.line("14a.", "Adjusted annual gross income (subtract line 13 from line 7a; if less than zero, enter zero)",
           I=money(s(57), ro), II=money(s(58), ro))
    p.line("14b.", "Cash medical support maximum (if line 7a is under 150% of the federal poverty level for the "
                   "parent's household, enter nothing; otherwise multiply line 14a by 5%)",
           I=money(s(59), ov, help=1004), II=money(s(60), ov, help=1004),
           buttons=[Button("Father...", code + 6, "btnPovertyFather", "Federal poverty level"),
                    Button("Mother...", code + 7, "btnPovertyMother", "Federal poverty level")],
           help=Help("Line 14b. Cash medical support is capped at 5% of adjusted income, and none is due below "
                     "150% of the poverty level.", 1004))


def sole_shared_caption(p, names, case_number, children, sole, mother_pays, father_pays, shared, mother_obligor,
                        father_obligor):
    """The caption of the sole/shared worksheet (long or short form): names, case number,
    children and the two sets of order boxes."""
    p.entries([("Father's name", text(names[0], width=300, help=900)), ("Mother's name", text(names[1], width=300))],
              indent=0)
    p.entries([("Case No.", text(case_number, width=200)),
               ("Number of minor children subject to this order", count(children, width=50))], indent=0)
    # Each pair of contradictory boxes excludes the other on screen.
    p.boxes([Box(sole, "Sole residential parent order:", excludes=shared),
             Box(mother_pays, "Mother is the residential parent (father pays)", excludes=father_pays),
             Box(father_pays, "Father is the residential parent (mother pays)", excludes=mother_pays)])
    p.boxes([Box(shared, "Shared parenting order:", excludes=sole),
             Box(mother_obligor, "Mother is the obligor", excludes=father_obligor),
             Box(father_obligor, "Father is the obligor", excludes=mother_obligor)])


def cross_adjustment_lines(p, number, line20, first_slot):
    """Lines a to d of 21 (with line 20a), 24 or 23 (with 20b): each parent's share of
    the other parent's lines 19 and 20, added or subtracted; slots first_slot .. + 3."""
    lines = (("a", "Additions to the father's obligation (line 16, Column I, times the sum of lines 19 and %s, "
                   "Column II)", "I"),
             ("b", "Additions to the mother's obligation (line 16, Column II, times the sum of lines 19 and %s, "
                   "Column I)", "II"),
             ("c", "Subtractions from the father's obligation (line 16, Column II, times the sum of lines 19 and "
                   "%s, Column I)", "I"),
             ("d", "Subtractions from the mother's obligation (line 16, Column I, times the sum of lines 19 and "
                   "%s, Column II)", "II"))
    for k, (letter, caption, column) in enumerate(lines):
        p.line("%d%s." % (number, letter), caption % line20, **{column: money(first_slot + k, READONLY)})


def monthly_support_lines(p, number, annual_line, first_slot, code):
    """For the decree: child support per month, the processing charge and their sum in
    both columns (slots first_slot .. + 5), with the processing charge's button and entries."""
    ro = READONLY
    p.line("%d." % number, "For decree: child support per month (line %d divided by 12)" % annual_line,
           I=money(first_slot, ro), II=money(first_slot + 1, ro),
           buttons=[Button("Charge...", code, "btnProcessingCharge", "Processing charge")])
    p.line("", "Processing charge per month", I=money(first_slot + 2, ro), II=money(first_slot + 3, ro), indent=20)
    p.line("", "Child support per month plus the processing charge", I=money(first_slot + 4, ro),
           II=money(first_slot + 5, ro), indent=20)
    p.entries([("Processing charge: percentage", percent(280, width=80)), ("or flat fee per month", money(281, width=90))])


def cash_medical_line(p, number, slot):
    """The final annual cash medical support figure."""
    p.line("%d." % number, "Final annual cash medical support figure (the obligor's line 20b; due when neither parent "
                           "provides health insurance)", II=money(slot, READONLY, help=1015),
           help=Help("Line %d. The obligor's cash medical support, paid when health insurance is not provided." % number,
                     1015))


def monthly_cash_medical_lines(p, number, annual_line, monthly, charge, total):
    """For the decree: cash medical support per month, the charge and their sum."""
    ro = READONLY
    p.line("%d." % number, "For decree: cash medical support per month (line %d divided by 12)" % annual_line,
           II=money(monthly, ro))
    p.line("", "Processing charge per month", II=money(charge, ro), indent=20)
    p.line("", "Cash medical support per month plus the processing charge", II=money(total, ro), indent=20)
