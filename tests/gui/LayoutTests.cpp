// The worksheet screens' layout files: every slot the transfers use is
// bound to a control of the right sort, every computed field explained by a
// data source has its Tag, the first field exists, no Tag points off the page.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUiLoader>
#include <QtTest>
#include <map>
#include <set>

#include "calc/ListChoices.h"
#include "GuiTestSupport.h"
#include "calc/Conversions.h"
#include "calc/Worksheets.h"
#include "screen/ControlBinding.h"
#include "store/Answers.h"

using namespace quill10;
using namespace quill10::gui;

namespace {

struct Range {
    int first, last;
};

// The Tags that carry an explanation of where their figure comes from.
const std::map<int, std::vector<Range>> kDataSourceKeys = {
    {0, {{104, 105}, {1125, 1125}, {1127, 1127}, {2018, 2021}, {2026, 2029}, {2039, 2042}, {2045, 2046},
         {2051, 2052}, {2055, 2070}, {2073, 2082}, {2085, 2098}, {2101, 2102}, {2106, 2114}, {2116, 2116},
         {2118, 2118}, {2120, 2120}}},
    {15, {{1173, 1173}, {1175, 1176}, {1187, 1188}, {1192, 1193}, {1195, 1196}, {1218, 1219}, {1223, 1224},
          {1226, 1227}, {1229, 1230}, {1234, 1235}, {1239, 1240}, {1242, 1243}, {2015, 2018}, {2023, 2026},
          {2035, 2040}, {2045, 2046}, {2049, 2062}, {2065, 2074}, {2077, 2090}, {2093, 2102}, {2127, 2152},
          {2165, 2166}, {2169, 2173}, {2175, 2176}, {2181, 2182}, {2185, 2186}, {2192, 2193}, {2195, 2196},
          {2203, 2204}, {2215, 2216}, {2269, 2276}}},
    {7, {{101, 102}, {1122, 1122}, {1124, 1124}, {2014, 2017}, {2022, 2025}, {2035, 2038}, {2041, 2042},
         {2047, 2048}, {2051, 2067}, {2070, 2076}, {2078, 2079}, {2081, 2097}, {2103, 2111}, {2113, 2113},
         {2115, 2115}, {2117, 2117}}},
    {16, {{1127, 1128}, {1173, 1176}, {1187, 1188}, {1192, 1193}, {1195, 1196}, {2014, 2017}, {2022, 2025},
          {2034, 2039}, {2044, 2045}, {2048, 2062}, {2065, 2072}, {2075, 2092}, {2095, 2098}, {2100, 2100},
          {2102, 2102}, {2141, 2152}, {2165, 2166}, {2169, 2172}, {2181, 2182}, {2185, 2186}, {2203, 2204},
          {2215, 2216}, {2273, 2276}}},
};
const std::map<int, int> kFirstFieldTag = {{0, 1000}, {7, 1000}, {15, 1252}, {16, 1250}};

struct BoundControl {
    QWidget* widget;
    int tag;
    int slot;
};

// The slot a control shows, as the binding reads it; -1 for none.
int SlotOf(QWidget* widget) {
    const int tag = TagOf(widget);
    const bool hasTag = widget->property(kTagProperty).isValid();
    if (qobject_cast<QLineEdit*>(widget)) return KindOfTag(tag) == FieldKind::Unbound ? -1 : SlotOfEditTag(tag);
    if (qobject_cast<QCheckBox*>(widget)) return hasTag ? tag % 1000 : -1;
    if (qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QComboBox*>(widget)) return hasTag ? tag : -1;
    if (qobject_cast<QLabel*>(widget)) return tag != 0 ? tag : -1;
    return -1;
}

// The short-page slots the builders write from the calculation pages.
std::set<int> SlotsTheShortFormBuilderWrites(int page) {
    if (page != 15 && page != 16) return {};
    TAnswer answers;
    for (int calc = 1; calc <= 14; ++calc)
        for (int slot = 0; slot <= LastSlot(calc); ++slot) answers.SetText(calc, slot, "5");
    for (int slot = 0; slot <= LastSlot(page); ++slot) answers.SetText(page, slot, "");
    if (page == 15) Calc15(answers);
    else Calc16(answers);
    std::set<int> written;
    for (int slot = 0; slot <= LastSlot(page); ++slot)
        if (!answers.Text(page, slot).empty()) written.insert(slot);
    return written;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

private slots:
    void everyLayoutBindsItsSlots_data() {
        QTest::addColumn<int>("page");
        for (int page : {0, 7, 15, 16}) QTest::newRow(qPrintable(QStringLiteral("page%1").arg(page))) << page;
    }

    void everyLayoutBindsItsSlots() {
        QFETCH(int, page);
        QFile file(test::ProgramFolder() + QStringLiteral("/VLP/page%1.vlp").arg(page));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        QWidget parent;
        QUiLoader loader;
        QWidget* root = loader.load(&file, &parent);
        QVERIFY2(root, qPrintable(loader.errorString()));

        std::vector<BoundControl> bound;
        std::set<int> tags;
        for (QWidget* widget : root->findChildren<QWidget*>()) {
            if (widget->property(kTagProperty).isValid()) tags.insert(TagOf(widget));
            const int slot = SlotOf(widget);
            if (slot < 0) continue;
            QVERIFY2(slot <= LastSlot(page), qPrintable(widget->objectName() + " points off the page"));
            bound.push_back({widget, TagOf(widget), slot});
        }
        auto controlOf = [&](int slot) -> QWidget* {
            for (const BoundControl& b : bound)
                if (b.slot == slot && !qobject_cast<QLabel*>(b.widget)) return b.widget;
            for (const BoundControl& b : bound)
                if (b.slot == slot) return b.widget;
            return nullptr;
        };

        const std::set<int> rebuilt = SlotsTheShortFormBuilderWrites(page);
        for (const ScreenSlotUse& use : ScreenSlotsOf(page)) {
            QWidget* control = controlOf(use.slot);
            QVERIFY2(control, qPrintable(QStringLiteral("slot %1:%2 has no control").arg(page).arg(use.slot)));
            // A slot the user's entries travel from must be something the user can change,
            // unless the calculation writes it back (the short forms' computed lines).
            if (use.toCalculation && !use.toScreen && !rebuilt.count(use.slot)) {
                auto* edit = qobject_cast<QLineEdit*>(control);
                QVERIFY2(!edit || StyleOf(edit) != kEditReadOnly,
                         qPrintable(QStringLiteral("input slot %1:%2 is read-only").arg(page).arg(use.slot)));
            }
        }
        for (const Range& range : kDataSourceKeys.at(page))
            for (int tag = range.first; tag <= range.last; ++tag)
                QVERIFY2(tags.count(tag), qPrintable(QStringLiteral("no control with Tag %1 on page %2").arg(tag).arg(page)));
        QVERIFY2(tags.count(kFirstFieldTag.at(page)), "the first field is missing");

        // Edit boxes are unique per slot and kind, and their style names are known ones.
        std::map<int, int> editsPerSlot;
        for (const BoundControl& b : bound) {
            if (auto* edit = qobject_cast<QLineEdit*>(b.widget)) {
                ++editsPerSlot[b.tag];
                const QString style = StyleOf(edit);
                QVERIFY2(style.isEmpty() || style == kEditReadOnly || IsOverridableEditStyle(style),
                         qPrintable(edit->objectName() + " has the style " + style));
            }
        }
        for (const auto& [slot, count] : editsPerSlot)
            QVERIFY2(count == 1, qPrintable(QStringLiteral("Tag %1 on page %2 has %3 edit boxes").arg(slot).arg(page).arg(count)));
        // Every number or text field says where it sits, for messages about it.
        for (const BoundControl& b : bound)
            if (auto* edit = qobject_cast<QLineEdit*>(b.widget); edit && !edit->isReadOnly())
                QVERIFY2(!edit->property(kPlaceProperty).toString().isEmpty(), qPrintable(edit->objectName()));
        // A box that excludes another names a box of the page that excludes it in turn.
        int exclusive = 0;
        for (QCheckBox* box : root->findChildren<QCheckBox*>()) {
            const QString partner = box->property("ExclusiveWith").toString();
            if (partner.isEmpty()) continue;
            ++exclusive;
            auto* other = root->findChild<QCheckBox*>(partner);
            QVERIFY2(other, qPrintable(box->objectName() + " excludes the missing box " + partner));
            QCOMPARE(other->property("ExclusiveWith").toString(), box->objectName());
        }
        QCOMPARE(exclusive, page == 0 || page == 15 ? 6 : 0);
        // Every list chooses from the items the paper prints for it.
        int lists = 0;
        for (QComboBox* list : root->findChildren<QComboBox*>()) {
            QStringList items;
            for (int k = 0; k < list->count(); ++k) items << list->itemText(k);
            QStringList expected;
            if (items.size() == static_cast<int>(kPayPeriodNames.size()))
                for (const char* name : kPayPeriodNames) expected << QString::fromLatin1(name);
            else
                for (const char* name : kFilingStatusNames) expected << QString::fromLatin1(name);
            QCOMPARE(items, expected);
            ++lists;
        }
        QVERIFY(lists >= 2);
        // Every dialog button carries a code; help buttons hold their bubble.
        for (QPushButton* button : root->findChildren<QPushButton*>()) {
            if (button->objectName().contains(QLatin1String("Help"), Qt::CaseInsensitive)) {
                QVERIFY(!button->findChildren<QFrame*>().isEmpty());
            } else {
                QVERIFY2(button->property(kTagProperty).isValid(), qPrintable(button->objectName()));
            }
        }
    }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTests.moc"
