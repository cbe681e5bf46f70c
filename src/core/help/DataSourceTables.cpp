// The data-source texts of the four worksheet screens: for each computed
// field, keyed by its whole Tag, the worksheet line and column it shows and
// how the figure is obtained.  Column I is the father's, Column II the
// mother's and Column III the combined column; on the final figures (lines
// 28 to 31 of the sole/shared worksheet, 26 to 29 of the split worksheet)
// and in the decree table the two columns are the cases with and without
// health insurance.  A text that several fields show (the same line on
// another worksheet, the same slot shown twice on a short form, the totals
// of the decree table) is written once below and named in each row.
#include "help/DataSource.h"

namespace quill10 {

namespace {

// ---- Lines 1b to 19: computed alike on all four worksheets -------------------

constexpr const char* kAverage1bFather =
    "1b, Column I. This field is the average of father's overtime, bonuses and commissions of the three "
    "years above: years 3, 2 and 1 added together and divided by 3.";
constexpr const char* kAverage1bMother =
    "1b, Column II. This field is the average of mother's overtime, bonuses and commissions of the three "
    "years above: years 3, 2 and 1 added together and divided by 3.";
constexpr const char* kLine1bFather =
    "1b, Column I. This field is the lesser of father's year 1 income and the three year average. This line "
    "may be overridden if there is a reasonable expectation of a lesser amount.";
constexpr const char* kLine1bMother =
    "1b, Column II. This field is the lesser of mother's year 1 income and the three year average. This line "
    "may be overridden if there is a reasonable expectation of a lesser amount.";
constexpr const char* kLine2cFather =
    "2c, Column I. This field is 5.6% of father's adjusted gross income from self-employment: line 2a minus "
    "line 2b, multiplied by 0.056. This line may be overridden.";
constexpr const char* kLine2cMother =
    "2c, Column II. This field is 5.6% of mother's adjusted gross income from self-employment: line 2a minus "
    "line 2b, multiplied by 0.056. This line may be overridden.";
constexpr const char* kLine2dFather =
    "2d, Column I. This field is the result of subtracting lines 2b and 2c from line 2a in father's column; "
    "it may be less than zero.";
constexpr const char* kLine2dMother =
    "2d, Column II. This field is the result of subtracting lines 2b and 2c from line 2a in mother's column; "
    "it may be less than zero.";
constexpr const char* kLine7aFather =
    "7a, Column I. This field is the sum of lines 1a, 1b, 2d, 3, 4, 5 and 6 in father's column. If the sum "
    "is less than zero, this line is 0.";
constexpr const char* kLine7aMother =
    "7a, Column II. This field is the sum of lines 1a, 1b, 2d, 3, 4, 5 and 6 in mother's column. If the sum "
    "is less than zero, this line is 0.";
constexpr const char* kLine7bFather =
    "7b, Column I. This field is the result of multiplying line 7a by 0.05 (5%) in father's column.";
constexpr const char* kLine7bMother =
    "7b, Column II. This field is the result of multiplying line 7a by 0.05 (5%) in mother's column.";
constexpr const char* kLine8Father =
    "8, Column I. This field is the number of father's other minor children living with him times the "
    "federal income tax exemption, less the child support received for them; it is never less than 0. This "
    "line may be overridden.";
constexpr const char* kLine8Mother =
    "8, Column II. This field is the number of mother's other minor children living with her times the "
    "federal income tax exemption, less the child support received for them; it is never less than 0. This "
    "line may be overridden.";
constexpr const char* kLine11Father =
    "11, Column I. This field is father's wages subject to local tax (lines 1a, 1b and 2d added together, "
    "unless overridden) multiplied by his local income tax rate. This line may be overridden.";
constexpr const char* kLine11Mother =
    "11, Column II. This field is mother's wages subject to local tax (lines 1a, 1b and 2d added together, "
    "unless overridden) multiplied by her local income tax rate. This line may be overridden.";
constexpr const char* kLine13Father =
    "13, Column I. This field is the sum of lines 8, 9, 10, 11 and 12 in father's column.";
constexpr const char* kLine13Mother =
    "13, Column II. This field is the sum of lines 8, 9, 10, 11 and 12 in mother's column.";
constexpr const char* kLine14aFather =
    "14a, Column I. This field is the result of subtracting line 13 from line 7a in father's column. If the "
    "result is less than zero, this line is 0.";
constexpr const char* kLine14aMother =
    "14a, Column II. This field is the result of subtracting line 13 from line 7a in mother's column. If the "
    "result is less than zero, this line is 0.";
constexpr const char* kLine14bFather =
    "14b, Column I. If this field is less than 150% of the federal poverty level, this line is 0. If line 7a "
    "is more, this line14b is the result of line 14a multiplied by 0.05 (5%) in father's column.";
constexpr const char* kLine14bMother =
    "14b, Column II. If mother's line 7a is less than 150% of the federal poverty level, this line is 0. If "
    "line 7a is at least that much, this line 14b is the result of line 14a multiplied by 0.05 (5%) in "
    "mother's column. This line may be overridden.";
constexpr const char* kLine15 =
    "15, Column III. This field is the combined annual income: line 14a, Column I, plus line 14a, Column II.";
constexpr const char* kLine16Father =
    "16, Column I. This field is father's share of the combined income: line 14a, Column I, divided by line "
    "15, rounded to four decimals.";
constexpr const char* kLine16Mother =
    "16, Column II. This field is mother's share of the combined income: 1 minus line 16, Column I, or 0 "
    "when neither parent has income on line 14a.";
constexpr const char* kLine19Father =
    "19, Column I. This field is father's total child care expenses less his child care credit (the federal "
    "credit, plus the Ohio credit when that option is checked), figured by the calculation option checked "
    "for him. This line may be overridden.";
constexpr const char* kLine19Mother =
    "19, Column II. This field is mother's total child care expenses less her child care credit (the federal "
    "credit, plus the Ohio credit when that option is checked), figured by the calculation option checked "
    "for her. This line may be overridden.";

// ---- Line 17 options of the long forms ----------------------------------------

constexpr const char* kLookupMethod =
    "17. This field shows the table lookup method chosen by clicking the \"Support Table/Calculation "
    "Options\" button above, i.e., low, interpolation, high.";
constexpr const char* kLimitText =
    "17. This field shows whether combined annual incomes above $150,000 are limited to the $150,000 amount "
    "(\"Limit to $150,000\") or not (\"No $150,000 Limitation\"), as chosen by clicking the \"Support "
    "Table/Calculation Options\" button above.";

// ---- Signatures of the long forms ----------------------------------------------

constexpr const char* kFatherSignature =
    "Father's signature. Comes from the \"Father's Name\" field of page 1.";
constexpr const char* kMotherSignature =
    "Mother's signature. Comes from the \"Mother's Name\" field of page 1.";

// ---- Sole/shared worksheet, lines 18 to 31: long and short form ------------------

constexpr const char* kSole18Father =
    "18, Column I. This field is the result of multiplying line 17 by line 16, Column I (father's share).";
constexpr const char* kSole18Mother =
    "18, Column II. This field is the result of multiplying line 17 by line 16, Column II (mother's share).";
constexpr const char* kSole20bFather =
    "20b, Column I. This field is the lesser of father's line 14b and the annual health care expenditures "
    "for the children at the combined income of line 15. It is cleared when the mother is the obligor; this "
    "line may be overridden.";
constexpr const char* kSole20bMother =
    "20b, Column II. This field is the lesser of mother's line 14b and the annual health care expenditures "
    "for the children at the combined income of line 15. It is cleared when the father is the obligor; this "
    "line may be overridden.";
constexpr const char* kSole21a =
    "21a, Column I. This field is line 16, Column I, multiplied by the sum of lines 19 and 20a, Column II. "
    "It is filled when the father is the obligor of a sole residential order and for every shared parenting "
    "order.";
constexpr const char* kSole21b =
    "21b, Column II. This field is line 16, Column II, multiplied by the sum of lines 19 and 20a, Column I. "
    "It is filled when the mother is the obligor of a sole residential order and for every shared parenting "
    "order.";
constexpr const char* kSole21c =
    "21c, Column I. This field is line 16, Column II, multiplied by the sum of lines 19 and 20a, Column I. "
    "It is filled when the father is the obligor of a sole residential order and for every shared parenting "
    "order.";
constexpr const char* kSole21d =
    "21d, Column II. This field is line 16, Column I, multiplied by the sum of lines 19 and 20a, Column II. "
    "It is filled when the mother is the obligor of a sole residential order and for every shared parenting "
    "order.";
constexpr const char* kSole22Father =
    "22, Column I. This field is line 18 plus line 21a minus line 21c in father's column, filled only when "
    "the father is the obligor.";
constexpr const char* kSole22Mother =
    "22, Column II. This field is line 18 plus line 21b minus line 21d in mother's column, filled only when "
    "the mother is the obligor.";
constexpr const char* kSole23aFather =
    "23a, Column I. This field is father's line 22, the actual annual obligation payable, filled only when "
    "the father is the obligor.";
constexpr const char* kSole23aMother =
    "23a, Column II. This field is mother's line 22, the actual annual obligation payable, filled only when "
    "the mother is the obligor.";
constexpr const char* kSole23cFather =
    "23c, Column I. This field is the result of subtracting line 23b (non-means-tested benefits) from line "
    "23a in father's column.";
constexpr const char* kSole23cMother =
    "23c, Column II. This field is the result of subtracting line 23b (non-means-tested benefits) from line "
    "23a in mother's column.";
constexpr const char* kSole24a =
    "24a, Column I. This field is line 16, Column I, multiplied by the sum of lines 19 and 20b, Column II. "
    "It is filled only when the father is the obligor.";
constexpr const char* kSole24b =
    "24b, Column II. This field is line 16, Column II, multiplied by the sum of lines 19 and 20b, Column I. "
    "It is filled only when the mother is the obligor.";
constexpr const char* kSole24c =
    "24c, Column I. This field is line 16, Column II, multiplied by the sum of lines 19 and 20b, Column I. "
    "It is filled only when the father is the obligor.";
constexpr const char* kSole24d =
    "24d, Column II. This field is line 16, Column I, multiplied by the sum of lines 19 and 20b, Column II. "
    "It is filled only when the mother is the obligor.";
constexpr const char* kSole25Father =
    "25, Column I. This field is line 18 plus line 24a minus line 24c in father's column, filled only when "
    "the father is the obligor.";
constexpr const char* kSole25Mother =
    "25, Column II. This field is line 18 plus line 24b minus line 24d in mother's column, filled only when "
    "the mother is the obligor.";
constexpr const char* kSole26aFather =
    "26a, Column I. This field is father's line 25, the actual annual obligation payable, filled only when "
    "the father is the obligor.";
constexpr const char* kSole26aMother =
    "26a, Column II. This field is mother's line 25, the actual annual obligation payable, filled only when "
    "the mother is the obligor.";
constexpr const char* kSole26bFather =
    "26b, Column I. This field is father's non-means-tested benefits, copied from line 23b.";
constexpr const char* kSole26bMother =
    "26b, Column II. This field is mother's non-means-tested benefits, copied from line 23b.";
constexpr const char* kSole26cFather =
    "26c, Column I. This field is the result of subtracting line 26b from line 26a in father's column.";
constexpr const char* kSole26cMother =
    "26c, Column II. This field is the result of subtracting line 26b from line 26a in mother's column.";
constexpr const char* kSole27bFather =
    "27b, Column I. Father's shared parenting deviation: the manual amount entered, or a reduction worked "
    "out from his deviation options (the offset of the obligations, or time of possession against the "
    "combined or the obligor's obligation, optionally with the line 21 through 26 adjustments), or the "
    "amount that erases the obligation. It is filled only when the father is the obligor of a shared "
    "parenting order and may be overridden.";
constexpr const char* kSole27bMother =
    "27b, Column II. Mother's shared parenting deviation: the manual amount entered, or a reduction worked "
    "out from her deviation options (the offset of the obligations, or time of possession against the "
    "combined or the obligor's obligation, optionally with the line 21 through 26 adjustments), or the "
    "amount that erases the obligation. It is filled only when the mother is the obligor of a shared "
    "parenting order and may be overridden.";
constexpr const char* kSole28WithInsurance =
    "28, Column I. Final annual child support figure when health insurance is provided: the obligor's line "
    "23c plus the obligor's deviations on lines 27a and 27b. If the result is less than zero, this line is "
    "0.";
constexpr const char* kSole28WithoutInsurance =
    "28, Column II. Final annual child support figure when health insurance is not provided: the obligor's "
    "line 26c plus the obligor's deviations on lines 27a and 27b. If the result is less than zero, this line "
    "is 0.";
constexpr const char* kSole29TotalWithInsurance =
    "29, Column I. Child support per month plus the processing charge: line 28, Column I, divided by 12 plus "
    "the monthly processing charge.";
constexpr const char* kSole29TotalWithoutInsurance =
    "29, Column II. Child support per month plus the processing charge: line 28, Column II, divided by 12 "
    "plus the monthly processing charge.";
constexpr const char* kSole30 =
    "30, Column II. Final cash medical support figure. The amount that obligor must pay in addition to the "
    "line 28, column II, amount when health insurance is not provided.";
constexpr const char* kSole31Total =
    "31, Column II. Cash medical support per month plus the processing charge: line 30 divided by 12 plus "
    "the processing charge percentage of it. This line is empty when no percentage is entered; the flat fee "
    "does not apply to cash medical support.";

// ---- Split worksheet, lines 17 to 29: long and short form --------------------------

constexpr const char* kSplit17a =
    "17a, Column I. Basic combined child support obligation for the children living with the mother: the "
    "child support table amount for the combined income on line 15 and the number of those children, by the "
    "lookup method chosen under \"Support Table/Calculation Options\". Above $150,000 the formula chosen "
    "there applies.";
constexpr const char* kSplit17b =
    "17b, Column II. Basic combined child support obligation for the children living with the father: the "
    "child support table amount for the combined income on line 15 and the number of those children, by the "
    "lookup method chosen under \"Support Table/Calculation Options\". Above $150,000 the formula chosen "
    "there applies.";
constexpr const char* kSplit18Father =
    "18, Column I. This field is the result of multiplying line 17a by line 16, Column I (father's share).";
constexpr const char* kSplit18Mother =
    "18, Column II. This field is the result of multiplying line 17b by line 16, Column II (mother's share).";
constexpr const char* kSplit20bFather =
    "20b, Column I. This field is the lesser of father's line 14b and his part of the annual health care "
    "expenditures for the combined income of line 15: the expenditures for all the children, divided by "
    "their number and multiplied by the children living with the mother. This line may be overridden.";
constexpr const char* kSplit20bMother =
    "20b, Column II. This field is the lesser of mother's line 14b and her part of the annual health care "
    "expenditures for the combined income of line 15: the expenditures for all the children, divided by "
    "their number and multiplied by the children living with the father. This line may be overridden.";
constexpr const char* kSplit21a =
    "21a, Column I. This field is line 16, Column I, multiplied by the sum of lines 19 and 20a, Column II.";
constexpr const char* kSplit21b =
    "21b, Column II. This field is line 16, Column II, multiplied by the sum of lines 19 and 20a, Column I.";
constexpr const char* kSplit21c =
    "21c, Column I. This field is line 16, Column II, multiplied by the sum of lines 19 and 20a, Column I.";
constexpr const char* kSplit21d =
    "21d, Column II. This field is line 16, Column I, multiplied by the sum of lines 19 and 20a, Column II.";
constexpr const char* kSplit22a =
    "22a, Column I. This field is line 18 plus line 21a minus line 21c in father's column when line 21a is "
    "greater than line 21c; otherwise it is line 18.";
constexpr const char* kSplit22c =
    "22c, Column I. This field is father's actual annual obligation: line 22a minus line 22b.";
constexpr const char* kSplit22d =
    "22d, Column II. This field is line 18 plus line 21b minus line 21d in mother's column when line 21b is "
    "greater than line 21d; otherwise it is line 18.";
constexpr const char* kSplit22f =
    "22f, Column II. This field is mother's actual annual obligation: line 22d minus line 22e.";
constexpr const char* kSplit22gFather =
    "22g, Column I. This field is line 22c minus line 22f when father's actual obligation is the larger one; "
    "otherwise it is empty.";
constexpr const char* kSplit22gMother =
    "22g, Column II. This field is line 22f minus line 22c when mother's actual obligation is the larger "
    "one; otherwise it is empty.";
constexpr const char* kSplit23a =
    "23a, Column I. This field is line 16, Column I, multiplied by the sum of lines 19 and 20b, Column II.";
constexpr const char* kSplit23b =
    "23b, Column II. This field is line 16, Column II, multiplied by the sum of lines 19 and 20b, Column I.";
constexpr const char* kSplit23c =
    "23c, Column I. This field is line 16, Column II, multiplied by the sum of lines 19 and 20b, Column I.";
constexpr const char* kSplit23d =
    "23d, Column II. This field is line 16, Column I, multiplied by the sum of lines 19 and 20b, Column II.";
constexpr const char* kSplit24a =
    "24a, Column I. This field is line 18 plus line 23a minus line 23c in father's column when line 23a is "
    "greater than line 23c; otherwise it is line 18.";
constexpr const char* kSplit24b =
    "24b, Column I. This field is the amount subtracted from line 24a, copied from line 22b.";
constexpr const char* kSplit24c =
    "24c, Column I. This field is father's actual annual obligation: line 24a minus line 24b.";
constexpr const char* kSplit24d =
    "24d, Column II. This field is line 18 plus line 23b minus line 23d in mother's column when line 23b is "
    "greater than line 23d; otherwise it is line 18.";
constexpr const char* kSplit24e =
    "24e, Column II. This field is the amount subtracted from line 24d, copied from line 22e.";
constexpr const char* kSplit24f =
    "24f, Column II. This field is mother's actual annual obligation: line 24d minus line 24e.";
constexpr const char* kSplit24gFather =
    "24g, Column I. This field is line 24c minus line 24f when father's actual obligation is the larger one; "
    "otherwise it is empty. This comparison decides which parent is the obligor.";
constexpr const char* kSplit24gMother =
    "24g, Column II. This field is line 24f minus line 24c when mother's actual obligation is the larger "
    "one; otherwise it is empty. This comparison decides which parent is the obligor.";
constexpr const char* kSplit24hFather =
    "24h, Column I. This field is line 24g plus father's cash medical support obligation on line 20b, filled "
    "only when the father is the obligor.";
constexpr const char* kSplit24hMother =
    "24h, Column II. This field is line 24g plus mother's cash medical support obligation on line 20b, "
    "filled only when the mother is the obligor.";
constexpr const char* kSplit26WithInsurance =
    "26, Column I. Final annual child support figure when health insurance is provided: the obligor's line "
    "22g plus the obligor's line 25 deviation. If the result is less than zero, this line is 0.";
constexpr const char* kSplit26WithoutInsurance =
    "26, Column II. Final annual child support figure when health insurance is not provided: the obligor's "
    "line 24g plus the obligor's line 25 deviation. If the result is less than zero, this line is 0.";
constexpr const char* kSplit27TotalWithInsurance =
    "27, Column I. Child support per month plus the processing charge: line 26, Column I, divided by 12 plus "
    "the monthly processing charge.";
constexpr const char* kSplit27TotalWithoutInsurance =
    "27, Column II. Child support per month plus the processing charge: line 26, Column II, divided by 12 "
    "plus the monthly processing charge.";
constexpr const char* kSplit28 =
    "28, Column II. Final cash medical support figure: the obligor's line 20b. The amount that obligor must "
    "pay in addition to the line 26, column II, amount when health insurance is not provided.";
constexpr const char* kSplit29Total =
    "29, Column II. Cash medical support per month plus the processing charge: line 28 divided by 12 plus "
    "the processing charge percentage of it. This line is empty when no percentage is entered; the flat fee "
    "does not apply to cash medical support.";

// ---- The short forms' own fields -----------------------------------------------

constexpr const char* kLimitShortFather =
    "17, Column I. This field shows \"Limit>$150T\" when combined annual incomes above $150,000 are limited "
    "to the $150,000 amount and \"No Limit\" when they are not, as chosen with the \"$150,000...\" button.";
constexpr const char* kLimitShortMother =
    "17, Column II. This field shows \"Limit>$150T\" when combined annual incomes above $150,000 are limited "
    "to the $150,000 amount and \"No Limit\" when they are not, as chosen with the \"$150,000...\" button.";
constexpr const char* kPovertyLevelFather =
    "14b, Column I. Federal poverty level for father's household, from the HHS poverty guidelines for the "
    "number of persons in it. This line may be overridden.";
constexpr const char* kPovertyLevelMother =
    "14b, Column II. Federal poverty level for mother's household, from the HHS poverty guidelines for the "
    "number of persons in it. This line may be overridden.";
constexpr const char* kPoverty150Father =
    "14b, Column I. This field is 150% of the federal poverty level above (the level multiplied by 1.5). If "
    "father's line 7a is less, line 14b is 0.";
constexpr const char* kPoverty150Mother =
    "14b, Column II. This field is 150% of the federal poverty level above (the level multiplied by 1.5). If "
    "mother's line 7a is less, line 14b is 0.";
constexpr const char* kWages11Mother =
    "11. Column II. Taxable Income. This amount is the sum of mother's income from employment (1a), "
    "overtime/bonuses (1b) and adjusted gross income from business (2d), her wages subject to local tax. It "
    "may be overridden.";
constexpr const char* kEarnedIncomeFather =
    "19, Column I. Earned income for father's child care credit: the sum of lines 1a, 1b and 2d in father's "
    "column. This line may be overridden.";
constexpr const char* kEarnedIncomeMother =
    "19, Column II. Earned income for mother's child care credit: the sum of lines 1a, 1b and 2d in mother's "
    "column. This line may be overridden.";
constexpr const char* kAdjustedGrossIncomeFather =
    "19, Column I. Adjusted gross income for father's child care credit: line 7a minus line 10 (spousal "
    "support paid) in father's column. This line may be overridden.";
constexpr const char* kAdjustedGrossIncomeMother =
    "19, Column II. Adjusted gross income for mother's child care credit: line 7a minus line 10 (spousal "
    "support paid) in mother's column. This line may be overridden.";
constexpr const char* kOption1Father =
    "19, Column I. Shows \"Yes\" when child care calculation option 1 (the low/low-mid income limits do not "
    "apply) is checked for either parent, otherwise \"No\".";
constexpr const char* kOption1Mother =
    "19, Column II. Shows \"Yes\" when child care calculation option 1 (the low/low-mid income limits do not "
    "apply) is checked for either parent, otherwise \"No\".";
constexpr const char* kOption2Father =
    "19, Column I. Shows \"Yes\" when child care calculation option 2 (use the tax liabilities entered "
    "instead of calculating taxes) is checked for either parent, otherwise \"No\".";
constexpr const char* kOption2Mother =
    "19, Column II. Shows \"Yes\" when child care calculation option 2 (use the tax liabilities entered "
    "instead of calculating taxes) is checked for either parent, otherwise \"No\".";
constexpr const char* kOption3Father =
    "19, Column I. Shows \"Yes\" when child care calculation option 3 (perform the tax calculation) is "
    "checked for either parent, otherwise \"No\".";
constexpr const char* kOption3Mother =
    "19, Column II. Shows \"Yes\" when child care calculation option 3 (perform the tax calculation) is "
    "checked for either parent, otherwise \"No\".";
constexpr const char* kCreditsFather =
    "19, Column I. This field is the sum of father's federal and Ohio child care credits as figured for line "
    "19.";
constexpr const char* kCreditsMother =
    "19, Column II. This field is the sum of mother's federal and Ohio child care credits as figured for "
    "line 19.";

// ---- The decree table of the short forms ------------------------------------------

constexpr const char* kDecreeTotal =
    "This field is the total of the three fields above, i.e., the support obligation, plus cash medical "
    "support (if any), plus processing charge.";
constexpr const char* kDecreeMonthlyPerChildTotal =
    "This field is the total per month per child, i.e., the support obligation per child, plus cash medical "
    "support per child (if any), plus processing charge per child.";

// Column I of the decree table: no cash medical support is due while health
// insurance is provided.
constexpr const char* kInsuredCashMedicalWeekPerChild =
    "This field is the cash medical support per week per child when health insurance is provided, which "
    "stays empty: cash medical support is due only when health insurance is not provided.";
constexpr const char* kInsuredCashMedicalWeekAll =
    "This field is the cash medical support per week for all children when health insurance is provided, "
    "which stays empty: cash medical support is due only when health insurance is not provided.";
constexpr const char* kInsuredCashMedicalMonthPerChild =
    "This field is the cash medical support per month per child when health insurance is provided, which "
    "stays empty: cash medical support is due only when health insurance is not provided.";
constexpr const char* kInsuredCashMedicalMonthAll =
    "This field is the cash medical support per month for all children when health insurance is provided, "
    "which stays empty: cash medical support is due only when health insurance is not provided.";

// ---- Sole/shared short form only ---------------------------------------------------

constexpr const char* kSoleLookupSummary =
    "17. This field shows the three possible line 17 values based on the table lookup method chosen by "
    "clicking the \"Low/Interpolate/High\" button to the right.";
// Slots 99 and 101 of the short form hold two of the mother's deviation
// option boxes; each box keeps a hidden money field in its slot.
constexpr const char* kHiddenDeviationBox =
    "27b, Column II. A hidden field behind the mother's deviation option box of this row; the box's own "
    "check mark is what is kept, and no figure is shown here.";

// ---- The tables ---------------------------------------------------------------------

// Screen page 0: the sole/shared worksheet, long form.
constexpr DataSourceRow kSoleSharedLong[] = {
    {104,
     "28, Checkbox I. Obligor checkbox - Father. If this checkbox is checked, it indicates that the child "
     "support calculation results in the father being the obligor."},
    {105,
     "28, Checkbox II. Obligor checkbox - Mother. If this checkbox is checked, it indicates that the child "
     "support calculation results in the mother being the obligor."},
    {1125, kFatherSignature},
    {1127, kMotherSignature},
    {2018, kAverage1bFather},
    {2019, kAverage1bMother},
    {2020, kLine1bFather},
    {2021, kLine1bMother},
    {2026, kLine2cFather},
    {2027, kLine2cMother},
    {2028, kLine2dFather},
    {2029, kLine2dMother},
    {2039, kLine7aFather},
    {2040, kLine7aMother},
    {2041, kLine7bFather},
    {2042, kLine7bMother},
    {2045, kLine8Father},
    {2046, kLine8Mother},
    {2051, kLine11Father},
    {2052, kLine11Mother},
    {2055, kLine13Father},
    {2056, kLine13Mother},
    {2057, kLine14aFather},
    {2058, kLine14aMother},
    {2059, kLine14bFather},
    {2060, kLine14bMother},
    {2061, kLine15},
    {2062, kLine16Father},
    {2063, kLine16Mother},
    {2064, kLookupMethod},
    {2065, kLimitText},
    {2066,
     "17, Column III. \"Basic combined child support\". This field is the amount taken from the the child "
     "support table, unless the combined annual income is greater than $150,000 in which case QUILL10 uses "
     "the formula chosen by clicking the \"Support Table/Calculation Options\" button above."},
    {2067, kSole18Father},
    {2068, kSole18Mother},
    {2069, kLine19Father},
    {2070, kLine19Mother},
    {2073, kSole20bFather},
    {2074, kSole20bMother},
    {2075, kSole21a},
    {2076, kSole21b},
    {2077, kSole21c},
    {2078, kSole21d},
    {2079, kSole22Father},
    {2080, kSole22Mother},
    {2081, kSole23aFather},
    {2082, kSole23aMother},
    {2085, kSole23cFather},
    {2086, kSole23cMother},
    {2087, kSole24a},
    {2088, kSole24b},
    {2089, kSole24c},
    {2090, kSole24d},
    {2091, kSole25Father},
    {2092, kSole25Mother},
    {2093, kSole26aFather},
    {2094, kSole26aMother},
    {2095, kSole26bFather},
    {2096, kSole26bMother},
    {2097, kSole26cFather},
    {2098, kSole26cMother},
    {2101, kSole27bFather},
    {2102, kSole27bMother},
    {2106, kSole28WithInsurance},
    {2107, kSole28WithoutInsurance},
    {2108, "29, Column I. Child support per month for the decree: line 28, Column I, divided by 12."},
    {2109, "29, Column II. Child support per month for the decree: line 28, Column II, divided by 12."},
    {2110,
     "29, Column I. Processing charge per month: the flat monthly fee when one is entered with the "
     "\"Charge...\" button, otherwise line 28, Column I, times the processing charge percentage, divided by "
     "12."},
    {2111,
     "29, Column II. Processing charge per month: the flat monthly fee when one is entered with the "
     "\"Charge...\" button, otherwise line 28, Column II, times the processing charge percentage, divided by "
     "12."},
    {2112, kSole29TotalWithInsurance},
    {2113, kSole29TotalWithoutInsurance},
    {2114, kSole30},
    {2116, "31, Column II. Cash medical support per month for the decree: line 30 divided by 12."},
    {2118,
     "31, Column II. Processing charge per month on cash medical support: line 31 multiplied by the "
     "processing charge percentage. The flat fee does not apply to cash medical support."},
    {2120, kSole31Total},
};

// Screen page 15: the sole/shared worksheet, short form.
constexpr DataSourceRow kSoleSharedShort[] = {
    {1173, kSoleLookupSummary},
    {1175, kLimitShortFather},
    {1176, kLimitShortMother},
    {1187,
     "19, Column I. Number of qualifying children for father's child care credit: the number of minor "
     "children subject to this order. This line may be overridden."},
    {1188,
     "19, Column II. Number of qualifying children for mother's child care credit: the number of minor "
     "children subject to this order. This line may be overridden."},
    {1192, kOption1Father},
    {1193, kOption1Mother},
    {1195, kOption2Father},
    {1196, kOption2Mother},
    {1218,
     "27b, Column I. Shows \"Yes\" when the father's option \"1. Manual deviation\" is checked, otherwise "
     "\"No\"."},
    {1219,
     "27b, Column II. Shows \"Yes\" when the mother's option \"1. Manual deviation\" is checked, otherwise "
     "\"No\"."},
    {1223,
     "27b, Column I. Shows \"Yes\" when the father's option \"2. Calculation options\" is checked, otherwise "
     "\"No\"."},
    {1224,
     "27b, Column II. Shows \"Yes\" when the mother's option \"2. Calculation options\" is checked, "
     "otherwise \"No\"."},
    {1226,
     "27b, Column I. Shows \"Yes\" when the father's option \"Offset the parties' obligations\" is checked, "
     "otherwise \"No\"."},
    {1227,
     "27b, Column II. Shows \"Yes\" when the mother's option \"Offset the parties' obligations\" is checked, "
     "otherwise \"No\"."},
    {1229,
     "27b, Column I. Shows \"Yes\" when the father's option \"Time of possession against the combined "
     "obligation\" is checked, otherwise \"No\"."},
    {1230,
     "27b, Column II. Shows \"Yes\" when the mother's option \"Time of possession against the combined "
     "obligation\" is checked, otherwise \"No\"."},
    {1234,
     "27b, Column I. Shows \"Yes\" when the father's option \"Time of possession against the obligor's "
     "obligation\" is checked, otherwise \"No\"."},
    {1235,
     "27b, Column II. Shows \"Yes\" when the mother's option \"Time of possession against the obligor's "
     "obligation\" is checked, otherwise \"No\"."},
    {1239,
     "27b, Column I. Shows \"Yes\" when the father's option \"Include the line 21 through 26 adjustments\" "
     "is checked, otherwise \"No\"."},
    {1240,
     "27b, Column II. Shows \"Yes\" when the mother's option \"Include the line 21 through 26 adjustments\" "
     "is checked, otherwise \"No\"."},
    {1242,
     "27b, Column I. Shows \"Yes\" when the father's option \"3. Deviate to erase the obligation\" is "
     "checked, otherwise \"No\"."},
    {1243,
     "27b, Column II. Shows \"Yes\" when the mother's option \"3. Deviate to erase the obligation\" is "
     "checked, otherwise \"No\"."},
    {2015, kAverage1bFather},
    {2016, kAverage1bMother},
    {2017, kLine1bFather},
    {2018, kLine1bMother},
    {2023, kLine2cFather},
    {2024, kLine2cMother},
    {2025, kLine2dFather},
    {2026, kLine2dMother},
    {2035, kLine7aFather},
    {2036, kLine7aMother},
    {2037, kLine7bFather},
    {2038, kLine7bMother},
    {2039, kLine8Father},
    {2040, kLine8Mother},
    {2045, kLine11Father},
    {2046, kLine11Mother},
    {2049, kLine13Father},
    {2050, kLine13Mother},
    {2051, kLine14aFather},
    {2052, kLine14aMother},
    {2053, kLine14bFather},
    {2054, kLine14bMother},
    {2055, kLine15},
    {2056, kLine16Father},
    {2057, kLine16Mother},
    {2058,
     "17, Column III. Basic combined child support obligation: the child support table amount for the "
     "combined income on line 15 and the number of children, by the lookup method chosen with the "
     "\"Low/Interp/High...\" button. Above $150,000 the choice made with the \"$150,000...\" button "
     "applies."},
    {2059, kSole18Father},
    {2060, kSole18Mother},
    {2061, kLine19Father},
    {2062, kLine19Mother},
    {2065, kSole20bFather},
    {2066, kSole20bMother},
    {2067, kSole21a},
    {2068, kSole21b},
    {2069, kSole21c},
    {2070, kSole21d},
    {2071, kSole22Father},
    {2072, kSole22Mother},
    {2073, kSole23aFather},
    {2074, kSole23aMother},
    {2077, kSole23cFather},
    {2078, kSole23cMother},
    {2079, kSole24a},
    {2080, kSole24b},
    {2081, kSole24c},
    {2082, kSole24d},
    {2083, kSole25Father},
    {2084, kSole25Mother},
    {2085, kSole26aFather},
    {2086, kSole26aMother},
    {2087, kSole26bFather},
    {2088, kSole26bMother},
    {2089, kSole26cFather},
    {2090, kSole26cMother},
    {2093, kSole27bFather},
    {2094, kSole27bMother},
    {2095, kSole28WithInsurance},
    {2096, kSole28WithoutInsurance},
    {2097, kSole29TotalWithInsurance},
    {2098, kSole29TotalWithoutInsurance},
    {2099, kHiddenDeviationBox},
    {2100, kSole30},
    {2101, kHiddenDeviationBox},
    {2102, kSole31Total},
    {2127,
     "19, Column I. Father's Ohio child care credit, shown when his option to subtract the Ohio child care "
     "credit from the total child care expenses is checked; it is part of the credit subtracted on line 19."},
    {2128,
     "19, Column II. Mother's Ohio child care credit, shown when her option to subtract the Ohio child care "
     "credit from the total child care expenses is checked; it is part of the credit subtracted on line 19."},
    {2129,
     "This field is the amount of child support perweek per child which results from dividing line 28 (with "
     "insurance column) by 52 and then dividing that amount by the number of children."},
    {2130,
     "This field is the processing charge per week per child: the annual processing charge on line 28 (with "
     "insurance column) divided by 52 and then by the number of children. The annual charge is the flat "
     "monthly fee times 12 when one is entered, otherwise the processing charge percentage of line 28."},
    {2131, kDecreeTotal},
    {2132,
     "This field is the amount of child support per week for all children which results from dividing line "
     "28 (with insurance column) by 52."},
    {2133,
     "This field is the processing charge per week for all children: the annual processing charge on line 28 "
     "(with insurance column) divided by 52."},
    {2134, kDecreeTotal},
    {2135,
     "This field is the amount of child support per month per child which results from dividing line 28 "
     "(with insurance column) by 12 and then dividing that amount by the number of children."},
    {2136,
     "This field is the processing charge per month per child: the annual processing charge on line 28 (with "
     "insurance column) divided by 12 and then by the number of children."},
    {2137, kDecreeMonthlyPerChildTotal},
    {2138,
     "This field is the amount of child support per month for all children which results from dividing line "
     "28 (with insurance column) by 12."},
    {2139,
     "This field is the processing charge per month for all children: the annual processing charge on line "
     "28 (with insurance column) divided by 12."},
    {2140, kDecreeTotal},
    {2141,
     "This field is the amount of child support per week per child which results from dividing line 28 (no "
     "insurance column) by 52 and then dividing that amount by the number of children."},
    {2142,
     "This field is the processing charge per week per child: the annual processing charge on line 28 (no "
     "insurance column) plus line 30, divided by 52 and then by the number of children. The annual charge is "
     "the flat monthly fee times 12 when one is entered, otherwise the processing charge percentage of that "
     "sum."},
    {2143, kDecreeTotal},
    {2144,
     "This field is the amount of child support per week for all children which results from dividing line "
     "28 (no insurance column) by 52."},
    {2145,
     "This field is the processing charge per week for all children: the annual processing charge on line 28 "
     "(no insurance column) plus line 30, divided by 52."},
    {2146, kDecreeTotal},
    {2147,
     "This field is the amount of child support per month per child which results from dividing line 28 (no "
     "insurance column) by 12 and then dividing that amount by the number of children."},
    {2148,
     "This field is the processing charge per month per child: the annual processing charge on line 28 (no "
     "insurance column) plus line 30, divided by 12 and then by the number of children."},
    {2149, kDecreeMonthlyPerChildTotal},
    {2150,
     "This field is the amount of child support per month for all children which results from dividing line "
     "28 (no insurance column) by 12."},
    {2151,
     "This field is the processing charge per month for all children: the annual processing charge on line "
     "28 (no insurance column) plus line 30, divided by 12."},
    {2152, kDecreeTotal},
    {2165,
     "11. Column I. Taxable Income. This amount is the sum of father's income from employment (1a), "
     "overtime/bonuses (1b), adjusted gross income from business (2d), interest/dividends (3), unemployment "
     "compensation (4), workers' compensation (5) and other income."},
    {2166, kWages11Mother},
    {2169, kPovertyLevelFather},
    {2170, kPovertyLevelMother},
    {2171, kPoverty150Father},
    {2172, kPoverty150Mother},
    {2173, kSoleLookupSummary},
    {2175, kLimitShortFather},
    {2176, kLimitShortMother},
    {2181, kEarnedIncomeFather},
    {2182, kEarnedIncomeMother},
    {2185, kAdjustedGrossIncomeFather},
    {2186, kAdjustedGrossIncomeMother},
    {2192, kOption1Father},
    {2193, kOption1Mother},
    {2195, kOption2Father},
    {2196, kOption2Mother},
    {2203, kOption3Father},
    {2204, kOption3Mother},
    {2215, kCreditsFather},
    {2216, kCreditsMother},
    {2269, kInsuredCashMedicalWeekPerChild},
    {2270, kInsuredCashMedicalWeekAll},
    {2271, kInsuredCashMedicalMonthPerChild},
    {2272, kInsuredCashMedicalMonthAll},
    {2273,
     "This field is the cash medical support per week per child which results from dividing line 30 by 52 "
     "and then dividing that amount by the number of children."},
    {2274,
     "This field is the cash medical support per week for all children which results from dividing line 30 "
     "by 52."},
    {2275,
     "This field is the cash medical support per month per child which results from dividing line 30 by 12 "
     "and then dividing that amount by the number of children."},
    {2276,
     "This field is the cash medical support per month for all children which results from dividing line 30 "
     "by 12."},
};

// Screen page 7: the split worksheet, long form.
constexpr DataSourceRow kSplitLong[] = {
    {101,
     "26, Column I. Obligor checkbox - Father. If this checkbox is checked, it indicates that the child "
     "support calculation results in the father being the obligor."},
    {102,
     "26, Column II. Obligor checkbox - Mother. If this checkbox is checked, it indicates that the child "
     "support calculation results in the mother being the obligor."},
    {1122, kFatherSignature},
    {1124, kMotherSignature},
    {2014, kAverage1bFather},
    {2015, kAverage1bMother},
    {2016, kLine1bFather},
    {2017, kLine1bMother},
    {2022, kLine2cFather},
    {2023, kLine2cMother},
    {2024, kLine2dFather},
    {2025, kLine2dMother},
    {2035, kLine7aFather},
    {2036, kLine7aMother},
    {2037, kLine7bFather},
    {2038, kLine7bMother},
    {2041, kLine8Father},
    {2042, kLine8Mother},
    {2047, kLine11Father},
    {2048, kLine11Mother},
    {2051, kLine13Father},
    {2052, kLine13Mother},
    {2053, kLine14aFather},
    {2054, kLine14aMother},
    {2055, kLine14bFather},
    {2056, kLine14bMother},
    {2057, kLine15},
    {2058, kLine16Father},
    {2059, kLine16Mother},
    {2060, kLookupMethod},
    {2061, kLimitText},
    {2062, kSplit17a},
    {2063, kSplit17b},
    {2064, kSplit18Father},
    {2065, kSplit18Mother},
    {2066, kLine19Father},
    {2067, kLine19Mother},
    {2070, kSplit20bFather},
    {2071, kSplit20bMother},
    {2072, kSplit21a},
    {2073, kSplit21b},
    {2074, kSplit21c},
    {2075, kSplit21d},
    {2076, kSplit22a},
    {2078, kSplit22c},
    {2079, kSplit22d},
    {2081, kSplit22f},
    {2082, kSplit22gFather},
    {2083, kSplit22gMother},
    {2084, kSplit23a},
    {2085, kSplit23b},
    {2086, kSplit23c},
    {2087, kSplit23d},
    {2088, kSplit24a},
    {2089, kSplit24b},
    {2090, kSplit24c},
    {2091, kSplit24d},
    {2092, kSplit24e},
    {2093, kSplit24f},
    {2094, kSplit24gFather},
    {2095, kSplit24gMother},
    {2096, kSplit24hFather},
    {2097, kSplit24hMother},
    {2103, kSplit26WithInsurance},
    {2104, kSplit26WithoutInsurance},
    {2105, "27, Column I. Child support per month for the decree: line 26, Column I, divided by 12."},
    {2106, "27, Column II. Child support per month for the decree: line 26, Column II, divided by 12."},
    {2107,
     "27, Column I. Processing charge per month: the flat monthly fee when one is entered with the "
     "\"Charge...\" button, otherwise line 26, Column I, times the processing charge percentage, divided by "
     "12."},
    {2108,
     "27, Column II. Processing charge per month: the flat monthly fee when one is entered with the "
     "\"Charge...\" button, otherwise line 26, Column II, times the processing charge percentage, divided by "
     "12."},
    {2109, kSplit27TotalWithInsurance},
    {2110, kSplit27TotalWithoutInsurance},
    {2111, kSplit28},
    {2113, "29, Column II. Cash medical support per month for the decree: line 28 divided by 12."},
    {2115,
     "29, Column II. Processing charge per month on cash medical support: line 29 multiplied by the "
     "processing charge percentage. The flat fee does not apply to cash medical support."},
    {2117, kSplit29Total},
};

// Screen page 16: the split worksheet, short form.  Its decree table shows
// only Column II, the case without health insurance.
constexpr DataSourceRow kSplitShort[] = {
    {1127,
     "19, Column I. Include the Ohio child care credit when calculating the child care expense deduction on "
     "line 19. This field shows the state of the \"Include Ohio credit\" checkbox. See the associated help "
     "file for additional details."},
    {1128,
     "19, Column II. Mother's Ohio child care credit, which is part of her line 19 child care credit only "
     "when her option to subtract the Ohio child care credit is checked; otherwise it is 0.00. See the "
     "associated help file for additional details."},
    {1173,
     "17a, Column I. This field shows the three possible line 17a values (low / interpolated / high) for the "
     "children living with the mother; the method used is chosen by clicking the \"Low/Interp/High...\" "
     "button to the right."},
    {1174,
     "17b, Column I. This field shows the three possible line 17b values (low / interpolated / high) for the "
     "children living with the father; the method used is chosen by clicking the \"Low/Interp/High...\" "
     "button to the right."},
    {1175, kLimitShortFather},
    {1176, kLimitShortMother},
    {1187,
     "19, Column I. Number of qualifying children for father's child care credit: the number of children "
     "living with the father. This line may be overridden."},
    {1188,
     "19, Column II. Number of qualifying children for mother's child care credit: the number of children "
     "living with the mother. This line may be overridden."},
    {1192, kOption1Father},
    {1193, kOption1Mother},
    {1195, kOption2Father},
    {1196, kOption2Mother},
    {2014, kAverage1bFather},
    {2015, kAverage1bMother},
    {2016, kLine1bFather},
    {2017, kLine1bMother},
    {2022, kLine2cFather},
    {2023, kLine2cMother},
    {2024, kLine2dFather},
    {2025, kLine2dMother},
    {2034, kLine7aFather},
    {2035, kLine7aMother},
    {2036, kLine7bFather},
    {2037, kLine7bMother},
    {2038, kLine8Father},
    {2039, kLine8Mother},
    {2044, kLine11Father},
    {2045, kLine11Mother},
    {2048, kLine13Father},
    {2049, kLine13Mother},
    {2050, kLine14aFather},
    {2051, kLine14aMother},
    {2052, kLine14bFather},
    {2053, kLine14bMother},
    {2054, kLine15},
    {2055, kLine16Father},
    {2056, kLine16Mother},
    {2057, kSplit17a},
    {2058, kSplit17b},
    {2059, kSplit18Father},
    {2060, kSplit18Mother},
    {2061, kLine19Father},
    {2062, kLine19Mother},
    {2065, kSplit20bFather},
    {2066, kSplit20bMother},
    {2067, kSplit21a},
    {2068, kSplit21b},
    {2069, kSplit21c},
    {2070, kSplit21d},
    {2071, kSplit22a},
    {2072, kSplit22d},
    {2075, kSplit22c},
    {2076, kSplit22f},
    {2077, kSplit22gFather},
    {2078, kSplit22gMother},
    {2079, kSplit23a},
    {2080, kSplit23b},
    {2081, kSplit23c},
    {2082, kSplit23d},
    {2083, kSplit24a},
    {2084, kSplit24d},
    {2085, kSplit24b},
    {2086, kSplit24e},
    {2087, kSplit24c},
    {2088, kSplit24f},
    {2089, kSplit24gFather},
    {2090, kSplit24gMother},
    {2091, kSplit24hFather},
    {2092, kSplit24hMother},
    {2095, kSplit26WithInsurance},
    {2096, kSplit26WithoutInsurance},
    {2097, kSplit27TotalWithInsurance},
    {2098, kSplit27TotalWithoutInsurance},
    {2100, kSplit28},
    {2102, kSplit29Total},
    {2141,
     "This field is the amount of child support per week per child which results from dividing line 26 (no "
     "insurance column) by 52 and then dividing that amount by the number of children the obligor pays for "
     "(those living with the other parent)."},
    {2142,
     "This field is the processing charge per week per child: the annual processing charge on line 26 (no "
     "insurance column) plus line 28, divided by 52 and then by the number of children the obligor pays for. "
     "The annual charge is the flat monthly fee times 12 when one is entered, otherwise the processing "
     "charge percentage of that sum."},
    {2143, kDecreeTotal},
    {2144,
     "This field is the amount of child support per week for all children which results from dividing line "
     "26 (no insurance column) by 52."},
    {2145,
     "This field is the processing charge per week for all children: the annual processing charge on line 26 "
     "(no insurance column) plus line 28, divided by 52."},
    {2146, kDecreeTotal},
    {2147,
     "This field is the amount of child support per month per child which results from dividing line 26 (no "
     "insurance column) by 12 and then dividing that amount by the number of children the obligor pays for."},
    {2148,
     "This field is the processing charge per month per child: the annual processing charge on line 26 (no "
     "insurance column) plus line 28, divided by 12 and then by the number of children the obligor pays "
     "for."},
    {2149, kDecreeMonthlyPerChildTotal},
    {2150,
     "This field is the amount of child support per month for all children which results from dividing line "
     "26 (no insurance column) by 12."},
    {2151,
     "This field is the processing charge per month for all children: the annual processing charge on line "
     "26 (no insurance column) plus line 28, divided by 12."},
    {2152, kDecreeTotal},
    {2165,
     "11. Column I. Taxable Income. This amount is the sum of father's income from employment (1a), "
     "overtime/bonuses (1b) and adjusted gross income from business (2d), his wages subject to local tax. It "
     "may be overridden."},
    {2166, kWages11Mother},
    {2169, kPovertyLevelFather},
    {2170, kPovertyLevelMother},
    {2171, kPoverty150Father},
    {2172, kPoverty150Mother},
    {2181, kEarnedIncomeFather},
    {2182, kEarnedIncomeMother},
    {2185, kAdjustedGrossIncomeFather},
    {2186, kAdjustedGrossIncomeMother},
    {2203, kOption3Father},
    {2204, kOption3Mother},
    {2215, kCreditsFather},
    {2216, kCreditsMother},
    {2273,
     "This field is the cash medical support per week per child which results from dividing line 28 by 52 "
     "and then dividing that amount by the number of children the obligor pays for."},
    {2274,
     "This field is the cash medical support per week for all children which results from dividing line 28 "
     "by 52."},
    {2275,
     "This field is the cash medical support per month per child which results from dividing line 28 by 12 "
     "and then dividing that amount by the number of children the obligor pays for."},
    {2276,
     "This field is the cash medical support per month for all children which results from dividing line 28 "
     "by 12."},
};


// ---- Details beside the lines --------------------------------------------------------
//
// Figures the line tables above leave out: what a line dialog works out and
// the page shows under its line (the wages subject to local tax of line 11,
// the tax figures of the line 19 child care credit), the line 8 details
// a short form shows from the long form, its caption and date, and the
// split short form's decree table with health insurance provided.

constexpr const char* kWagesFather =
    "11, Column I. Father's wages subject to local tax: the sum of lines 1a, 1b and 2d in father's column, "
    "which the local income tax is figured on (the rate entered beside it). This figure may be overridden.";
constexpr const char* kWagesMother =
    "11, Column II. Mother's wages subject to local tax: the sum of lines 1a, 1b and 2d in mother's column, "
    "which the local income tax is figured on (the rate entered beside it). This figure may be overridden.";
constexpr const char* kSoleChildrenFather =
    "19, Column I. Number of children for father's child care credit: the number of minor children subject "
    "to this order, from the caption. This figure may be overridden.";
constexpr const char* kSoleChildrenMother =
    "19, Column II. Number of children for mother's child care credit: the number of minor children subject "
    "to this order, from the caption. This figure may be overridden.";
constexpr const char* kSplitChildrenFather =
    "19, Column I. Number of children for father's child care credit: the number of children living with "
    "the father, from the caption. This figure may be overridden.";
constexpr const char* kSplitChildrenMother =
    "19, Column II. Number of children for mother's child care credit: the number of children living with "
    "the mother, from the caption. This figure may be overridden.";
constexpr const char* kDeductionsFather =
    "19, Column I. Standard or itemized deductions for father's child care credit: the standard deduction of "
    "the filing status chosen, filled in when the tax calculation (option 3) is performed. Override it to "
    "use itemized deductions.";
constexpr const char* kDeductionsMother =
    "19, Column II. Standard or itemized deductions for mother's child care credit: the standard deduction "
    "of the filing status chosen, filled in when the tax calculation (option 3) is performed. Override it to "
    "use itemized deductions.";
constexpr const char* kExemptionFather =
    "19, Column I. Exemption amount for father's child care credit: 0.00, as federal income tax allows no "
    "personal exemption, filled in when the tax calculation (option 3) is performed. This figure may be "
    "overridden.";
constexpr const char* kExemptionMother =
    "19, Column II. Exemption amount for mother's child care credit: 0.00, as federal income tax allows no "
    "personal exemption, filled in when the tax calculation (option 3) is performed. This figure may be "
    "overridden.";
constexpr const char* kShortCase =
    "Case. The father's and the mother's names from the caption of the long form, joined by \"&\".";
constexpr const char* kShortDate = "Date. Today's date written out, as the short form prints it.";

// Screen page 0: the sole/shared worksheet, long form.
constexpr DataSourceRow kSoleSharedLongDetails[] = {
    {2217, kWagesFather},
    {2220, kWagesMother},
    {2224, kEarnedIncomeFather},
    {2226, kAdjustedGrossIncomeFather},
    {5227, kSoleChildrenFather},
    {2229, kDeductionsFather},
    {2230, kExemptionFather},
    {2241, kEarnedIncomeMother},
    {2243, kAdjustedGrossIncomeMother},
    {5244, kSoleChildrenMother},
    {2246, kDeductionsMother},
    {2247, kExemptionMother},
};

// Screen page 7: the split worksheet, long form.
constexpr DataSourceRow kSplitLongDetails[] = {
    {2217, kWagesFather},
    {2220, kWagesMother},
    {2224, kEarnedIncomeFather},
    {2226, kAdjustedGrossIncomeFather},
    {5227, kSplitChildrenFather},
    {2229, kDeductionsFather},
    {2230, kExemptionFather},
    {2241, kEarnedIncomeMother},
    {2243, kAdjustedGrossIncomeMother},
    {5244, kSplitChildrenMother},
    {2246, kDeductionsMother},
    {2247, kExemptionMother},
    {114,
     "29. Check box of line 29: it shows the check box of line 28 as it is ticked there; tick or untick it on "
     "line 28."},
};

// Screen page 15: the sole/shared worksheet, short form.
constexpr DataSourceRow kSoleSharedShortDetails[] = {
    {1000, kShortCase},
    {1154, kShortDate},
    {126,
     "19. Checked when either parent's option to subtract the Ohio child care credit from the total child "
     "care expenses (option 4 of line 19 on the long form) is checked; the credits subtracted are shown "
     "beside it."},
    {1203, kOption3Father},
    {1204, kOption3Mother},
    {2207, kDeductionsFather},
    {2208, kDeductionsMother},
    {2209, kExemptionFather},
    {2210, kExemptionMother},
};

// Screen page 16: the split worksheet, short form.  Its line 8 details come
// from the long form, where they are entered.
constexpr DataSourceRow kSplitShortDetails[] = {
    {1000, kShortCase},
    {1154, kShortDate},
    {5159,
     "8, Column I. The number of father's other minor children living with him, as entered under line 8 of "
     "the split worksheet's long form."},
    {5160,
     "8, Column II. The number of mother's other minor children living with her, as entered under line 8 of "
     "the split worksheet's long form."},
    {2161,
     "8, Column I. The federal income tax exemption for each of father's other children, as entered under "
     "line 8 of the split worksheet's long form."},
    {2162,
     "8, Column II. The federal income tax exemption for each of mother's other children, as entered under "
     "line 8 of the split worksheet's long form."},
    {2163,
     "8, Column I. The child support father receives for his other children, as entered under line 8 of the "
     "split worksheet's long form."},
    {2164,
     "8, Column II. The child support mother receives for her other children, as entered under line 8 of "
     "the split worksheet's long form."},
    {2207, kDeductionsFather},
    {2208, kDeductionsMother},
    {2209, kExemptionFather},
    {2210, kExemptionMother},
    {2129,
     "This field is the amount of child support per week per child which results from dividing line 26 (with "
     "insurance column) by 52 and then dividing that amount by the number of children the obligor pays for "
     "(those living with the other parent)."},
    {2130,
     "This field is the processing charge per week per child: the annual processing charge on line 26 (with "
     "insurance column) divided by 52 and then by the number of children the obligor pays for. The annual "
     "charge is the flat monthly fee times 12 when one is entered, otherwise the processing charge "
     "percentage of line 26."},
    {2131, kDecreeTotal},
    {2132,
     "This field is the amount of child support per week for all children which results from dividing line "
     "26 (with insurance column) by 52."},
    {2133,
     "This field is the processing charge per week for all children: the annual processing charge on line 26 "
     "(with insurance column) divided by 52."},
    {2134, kDecreeTotal},
    {2135,
     "This field is the amount of child support per month per child which results from dividing line 26 "
     "(with insurance column) by 12 and then dividing that amount by the number of children the obligor pays "
     "for."},
    {2136,
     "This field is the processing charge per month per child: the annual processing charge on line 26 (with "
     "insurance column) divided by 12 and then by the number of children the obligor pays for."},
    {2137, kDecreeMonthlyPerChildTotal},
    {2138,
     "This field is the amount of child support per month for all children which results from dividing line "
     "26 (with insurance column) by 12."},
    {2139,
     "This field is the processing charge per month for all children: the annual processing charge on line "
     "26 (with insurance column) divided by 12."},
    {2140, kDecreeTotal},
    {2269, kInsuredCashMedicalWeekPerChild},
    {2270, kInsuredCashMedicalWeekAll},
    {2271, kInsuredCashMedicalMonthPerChild},
    {2272, kInsuredCashMedicalMonthAll},
};

}  // namespace

std::span<const DataSourceRow> CreateSoleSharedDataSourceStr() { return kSoleSharedLong; }
std::span<const DataSourceRow> CreateSoleSharedDataSourceShortStr() { return kSoleSharedShort; }
std::span<const DataSourceRow> CreateSplitDataSourceStr() { return kSplitLong; }
std::span<const DataSourceRow> CreateSplitDataSourceShortStr() { return kSplitShort; }

std::span<const DataSourceRow> DetailDataSourceTable(int screenPage) {
    switch (screenPage) {
        case 0: return kSoleSharedLongDetails;
        case 7: return kSplitLongDetails;
        case 15: return kSoleSharedShortDetails;
        case 16: return kSplitShortDetails;
        default: return {};
    }
}

}  // namespace quill10
