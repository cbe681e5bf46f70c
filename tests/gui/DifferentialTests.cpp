// The window against the core.  Random cases, each made from a seed, are
// typed into the window as a user types them (keys in the fields and in the
// line dialogs, Space on the boxes and buttons, Ctrl+PageDown between the
// worksheets) and saved with File > Save.  The same entries are written
// straight into a store of the core's, which is calculated as the window
// calculates after each entry (the worksheet into the calculation pages, the
// calculation, the results back) and written as quill10-cli writes a case.
// The saved client file must equal it slot for slot, texts and override flags
// of every page, and the check report the window shows must equal the core's.
//
// A failing case prints its seed and its keys.  QUILL10_DIFFERENTIAL_SEEDS
// runs other seeds: "1-1000", or "17" for one case.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <functional>
#include <random>

#include "GuiTestSupport.h"
#include "calc/CalcEnvironment.h"
#include "calc/Conversions.h"
#include "calc/LineDialogs.h"
#include "calc/Worksheets.h"
#include "files/ClientFile.h"
#include "files/NewCase.h"
#include "platform/TextEncoding.h"
#include "screen/ControlBinding.h"
#include "store/Answers.h"
#include "store/FieldText.h"
#include "store/Misc.h"
#include "store/Regional.h"

using namespace quill10;
using namespace quill10::gui;
using namespace quill10::gui::test;

namespace {

using Rng = std::mt19937;

int Pick(Rng& rng, int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng); }
bool Chance(Rng& rng, int percent) { return Pick(rng, 100) < percent; }
QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QString& text) { return text.toStdString(); }

// The worksheets in the order Ctrl+PageDown shows them.
constexpr int kScreenOrder[] = {0, 15, 7, 16};

int NeighbourPage(int page, int step) {
    int at = 0;
    while (kScreenOrder[at] != page) ++at;
    return kScreenOrder[(at + step + 4) % 4];
}

// ---- What a user types ------------------------------------------------------------

QString AmountTyped(Rng& rng) {
    const double value = Pick(rng, 20000000) / 100.0;
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    switch (Pick(rng, 9)) {
        case 0: return QString::number(std::llround(value));
        case 1: return QString::number(value, 'f', 2);
        case 2: return QStringLiteral("$") + english.toString(value, 'f', 2);
        case 3: return english.toString(value, 'f', 1);
        case 4: return QString::number(value + Pick(rng, 10) / 1000.0, 'f', 3);  // part of a cent
        case 5: return QString::number(Pick(rng, 1000));
        case 6: return QStringLiteral("0");
        case 7: return QStringLiteral("-%1").arg(Pick(rng, 5000));
        default: return QStringLiteral("(%1)").arg(Pick(rng, 5000));
    }
}

QString PercentTyped(Rng& rng) {
    return Chance(rng, 50) ? QString::number(Pick(rng, 30)) : QString::number(Pick(rng, 10000) / 100.0);
}

QString CountTyped(Rng& rng, bool atLeastOne) {
    if (Chance(rng, 10)) return QStringLiteral("2.6");
    return QString::number(atLeastOne ? 1 + Pick(rng, 6) : Pick(rng, 7));
}

QString DateTyped(Rng& rng) { return QStringLiteral("%1/%2/2024").arg(1 + Pick(rng, 12)).arg(1 + Pick(rng, 28)); }

// A text field holds what its place asks for: a rate, a date or a name.
QString TextTyped(Rng& rng, const QString& place) {
    if (place.contains(QLatin1String("rate")) || place.contains(QLatin1String("percentage")))
        return QString::number(Pick(rng, 1000) / 100.0);
    if (place.contains(QLatin1String("through"))) return DateTyped(rng);
    static const char* const kWords[] = {"Smith", "Ann O'Neil", "2024 DR 117", "Jones-Garcia", "overtime", "M\xc3\xbcller"};
    return QString::fromUtf8(kWords[Pick(rng, static_cast<int>(std::size(kWords)))]);
}

QString Typed(Rng& rng, FieldKind kind, const QString& place, bool atLeastOne) {
    switch (kind) {
        case FieldKind::Money:
        case FieldKind::WholeDollars: return AmountTyped(rng);
        case FieldKind::Percent: return PercentTyped(rng);
        case FieldKind::Count: return CountTyped(rng, atLeastOne);
        default: return TextTyped(rng, place);
    }
}

// What the store holds for what was typed into a field of `kind`.
std::string StoredEntry(FieldKind kind, const QString& typed) {
    return StoredText(kind, NormalisedText(kind, S(typed)));
}

// ---- The core's side ----------------------------------------------------------------

// A control of a worksheet page and the slot it shows, read once from the
// page's layout.  The window stores a page by writing back every slot as its
// control shows it (money with its cents, a list's position, a memo's lines),
// so the core's side does the same with the same slots.
struct BoundField {
    enum Type { Edit, Box, Memo, List } type;
    int slot;
    FieldKind kind = FieldKind::Unbound;  // of an edit box
    int decimals = 2;
    int emptyIndex = -1;  // a list's choice for an empty slot
    int count = 0;        // a list's items
};
using PageFields = std::vector<BoundField>;

std::string ShownAndStored(const BoundField& field, const std::string& text) {
    switch (field.type) {
        case BoundField::Edit: return StoredText(field.kind, DisplayText(field.kind, text, field.decimals));
        case BoundField::Box: return text == "X" ? "X" : "";
        case BoundField::Memo: {
            QString memo = Q(LineToMemo(text));
            memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            return MemoToLine(S(memo));
        }
        case BoundField::List: {
            const int index = text.empty() ? field.emptyIndex : Str2Int(text);
            return std::to_string(index >= 0 && index < field.count ? index : -1);
        }
    }
    return text;
}

// A fresh case of the core's, made as the window makes a new case, showing
// the first worksheet, then saved under `path`.
class CoreCase {
public:
    CoreCase(const std::string& path, const std::string& clientFolder, const std::map<int, PageFields>& pages)
        : environment_(std::make_shared<CalcEnvironment>()), pages_(pages) {
        environment_->SetProgramFolder(S(ProgramFolder()));
        environment_->UseSchedule(OfficeSchedule{});
        environment_->clientFolder = clientFolder;
        ClientFileContents created = CreateNewCase(environment_);
        answers_ = std::move(created.answers);
        grid_ = std::move(created.grid);
        answers_->Calculate();  // the first worksheet shown
        // Saved under its name at once: File > Save As leaves the field with
        // the focus, which stores and calculates the page.
        environment_->currentFileName = path;
        LeaveField();
    }

    TAnswer& Answers() { return *answers_; }
    int Page() const { return page_; }
    const std::string& Text(int slot) const { return answers_->Text(page_, slot); }

    // Leaving a field: the page stored and calculated, and stored again as
    // the window stores it next (the focus given to another control, a
    // switch, a save).
    void LeaveField() {
        StorePage();
        Calculate();
        StorePage();
    }

    // The page shown written back as the window stores it before every
    // calculation, line dialog, switch and save.
    void StorePage() {
        const auto fields = pages_.find(page_);
        if (fields == pages_.end()) return;
        for (const BoundField& field : fields->second)
            answers_->SetText(page_, field.slot, ShownAndStored(field, answers_->Text(page_, field.slot)));
    }

    // An entry written into its slot of the worksheet shown, and the case
    // calculated as the window calculates it when the field is left.
    void Enter(int slot, const std::string& text) {
        StorePage();
        answers_->SetText(page_, slot, text);
        Calculate();
    }
    void Override(int slot, bool overridden) {
        StorePage();
        answers_->SetOvRide(page_, slot, overridden);
        Calculate();
    }
    // A line dialog's Accept has written its slots: the recalculation of its code.
    void AfterDialog(int code) {
        TransferBeforeRecalculation(*answers_, code);
        answers_->Calculate();
        TransferAfterRecalculation(*answers_, code);
    }
    // The window first leaves the field that has the focus, which stores and
    // calculates the page shown as an entry does, then shows the other.
    void Show(int page) {
        LeaveField();
        page_ = page;
        answers_->Calculate();
    }
    // The case as File > Save writes it, the worksheet shown recorded in it:
    // the field with the focus is left first, as before a switch.
    std::string FileText() {
        LeaveField();
        answers_->SetText(1, 100, std::to_string(page_));
        return ClientFileText(*answers_, grid_);
    }
    QString CheckReport(const QString& path) {
        environment_->reportPath = S(path);
        environment_->checking = true;
        answers_->Calculate();
        environment_->checking = false;
        environment_->reportPath.clear();
        QFile report(path);
        if (!report.open(QIODevice::ReadOnly)) return QStringLiteral("(no report)");
        const QByteArray bytes = report.readAll();
        return Q(DecodeTextFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }

private:
    void Calculate() {
        TransferScreenToCalc(*answers_, page_);
        answers_->Calculate();
        TransferCalcToScreen(*answers_, page_);
    }

    std::shared_ptr<CalcEnvironment> environment_;
    const std::map<int, PageFields>& pages_;
    std::unique_ptr<TAnswer> answers_;
    SchedulerGrid grid_;
    int page_ = 0;
};

// Slot by slot: where the window's case differs from the core's.
QStringList Differences(const TAnswer& window, const TAnswer& core) {
    QStringList found;
    for (int page = 0; page < kPageCount; ++page)
        for (int slot = 0; slot < SlotCountOf(page); ++slot) {
            const bool textDiffers = window.Text(page, slot) != core.Text(page, slot);
            if (!textDiffers && window.OvRide(page, slot) == core.OvRide(page, slot)) continue;
            found << QStringLiteral("  %1:%2 window \"%3\"%4, core \"%5\"%6")
                         .arg(page)
                         .arg(slot)
                         .arg(Q(window.Text(page, slot)), window.OvRide(page, slot) ? QStringLiteral(" (overridden)") : QString(),
                              Q(core.Text(page, slot)), core.OvRide(page, slot) ? QStringLiteral(" (overridden)") : QString());
        }
    return found;
}

// ---- The window's side: the keyboard ------------------------------------------------

// Gives a control the focus as a click would, and waits until it has it.
bool FocusOn(QWidget* control) {
    control->setFocus(Qt::MouseFocusReason);
    return QTest::qWaitFor([control] { return control->hasFocus(); }, 3000);
}

// Replaces a field's text by typing and leaves it with Tab.
bool TypeOver(QWidget* field, const QString& text) {
    if (!FocusOn(field)) return false;
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    // keyClicks takes ASCII only: a letter such as ü is sent as the text of a key.
    for (const QChar c : text) {
        if (c.unicode() < 128) QTest::keyClick(field, c.toLatin1());
        else QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(field, Qt::Key_Tab);
    return true;
}

bool PressSpace(QWidget* control) {
    if (!FocusOn(control)) return false;
    QTest::keyClick(control, Qt::Key_Space);
    return true;
}

// Chooses item `index` of a list with Home and Down, and leaves it with Tab.
bool ChooseItem(QComboBox* list, int index) {
    if (!FocusOn(list)) return false;
    QTest::keyClick(list, Qt::Key_Home);
    for (int k = 0; k < index; ++k) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Tab);
    return list->currentIndex() == index;
}

QString Keys(const QString& name, const QString& typed) { return QStringLiteral("%1 \"%2\" Tab").arg(name, typed); }
QString ListKeys(const QString& name, int index) { return QStringLiteral("%1 Home Down\u00d7%2 Tab").arg(name).arg(index); }

// A line dialog worked with the keyboard: what was typed, and whether it went as a user would see it.
struct DialogKeys {
    QStringList keys;
    bool ok = true;
    void Type(QDialog& dialog, const char* name, const QString& text) {
        auto* field = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        ok = ok && field && TypeOver(field, text);
        keys << Keys(QString::fromLatin1(name), text);
    }
    void Choose(QDialog& dialog, const char* name, int index) {
        auto* list = dialog.findChild<QComboBox*>(QString::fromLatin1(name));
        ok = ok && list && ChooseItem(list, index);
        keys << ListKeys(QString::fromLatin1(name), index);
    }
    void Press(QDialog& dialog, const char* name) {
        auto* button = dialog.findChild<QWidget*>(QString::fromLatin1(name));
        ok = ok && button && PressSpace(button);
        keys << QStringLiteral("%1 Space").arg(QString::fromLatin1(name));
    }
    void Accept(QDialog& dialog) {
        Press(dialog, "btnAccept");
        ok = ok && !dialog.isVisible() && dialog.result() == QDialog::Accepted;
    }
};

// ---- The line dialogs: the keys of each, and the slots its Accept writes ----------

// The child care dialog's fields, slot base + offset.
enum class CareField { Money, Count, Status, Box, Repealed };
struct CareRow {
    int offset;
    const char* name;
    CareField type;
};
constexpr CareRow kCareRows[] = {
    {0, "edtTotalExpenses", CareField::Money},     {1, "edtQualifyingExpenses", CareField::Money},
    {2, "edtEarnedIncome", CareField::Money},      {3, "edtSpouseEI", CareField::Money},
    {4, "edtAGI", CareField::Money},               {5, "edtNoOfChildren", CareField::Count},
    {6, "cmbxFilingStatus", CareField::Status},    {7, "edtDeductions", CareField::Money},
    {8, "edtExemption", CareField::Money},         {9, "edtAMT", CareField::Repealed},
    {10, "edtForeignTaxCredit", CareField::Money}, {11, "CheckBox1", CareField::Box},
    {12, "CheckBox2", CareField::Box},             {13, "edtFederalTax", CareField::Money},
    {14, "edtStateTax", CareField::Money},         {15, "CheckBox3", CareField::Box},
    {16, "CheckBox4", CareField::Box},
};
// The fields a user types into (the others are worked out unless overridden).
constexpr int kCareTyped[] = {0, 1, 3, 10, 13, 14};

std::string MoneyShown(const std::string& text) { return CurrencyText(Str2Float_2(text)); }
std::string PercentShown(const std::string& text) { return PercentFieldText(Str2Float_P(text)); }

int FilingStatusShown(const std::string& text) {
    const int index = Str2Int(text);
    return index >= 0 && index < 5 ? index : 0;
}

// One line dialog: its keys in the window (worked in `dialog`), and what its
// Accept writes into the core's case.  Both are made before the dialog opens,
// from the same random choices.
struct LineDialogRun {
    std::function<void(QDialog& dialog, DialogKeys& keys)> work;
    std::function<void(CoreCase& core)> write;
};

LineDialogRun EstimatorRun(Rng& rng, int code) {
    const EstimatorSlots at = *EstimatorSlotsOf(code);
    if (Chance(rng, 20))
        return {[](QDialog& dialog, DialogKeys& keys) {
                    keys.Press(dialog, "btnMinimumWage");
                    keys.Accept(dialog);
                },
                [at](CoreCase& core) {
                    TAnswer& a = core.Answers();
                    a.SetText(at.page, at.estimate, SlotNumberText(kMinimumWageYearly));
                    a.SetText(at.page, at.date, "");
                    a.SetText(at.page, at.amount, "");
                    a.SetText(at.page, at.frequency, "-1");
                    a.SetText(at.page, at.line1a, SlotNumberText(kMinimumWageYearly));
                }};
    const QString date = DateTyped(rng);
    const QString amount = AmountTyped(rng);
    const int frequency = Pick(rng, kFrequencyCount);
    return {[=](QDialog& dialog, DialogKeys& keys) {
                keys.Type(dialog, "edtDate", date);
                keys.Type(dialog, "edtAmount", amount);
                keys.Choose(dialog, "cmbxFrequency", frequency);
                keys.Press(dialog, "btnEstimate");
                keys.Accept(dialog);
            },
            [=](CoreCase& core) {
                const std::string shown = MoneyShown(S(amount));
                const double estimate = EstimateAnnualIncome(Str2Float_2(shown), frequency, *ParseShortDate(S(date)));
                TAnswer& a = core.Answers();
                a.SetText(at.page, at.estimate, SlotNumberText(estimate));
                a.SetText(at.page, at.date, S(date));
                a.SetText(at.page, at.amount, shown);
                a.SetText(at.page, at.frequency, std::to_string(frequency));
                a.SetText(at.page, at.line1a, SlotNumberText(estimate));
            }};
}

LineDialogRun OtherChildrenRun(Rng& rng, int code) {
    const OtherChildrenSlots at = *OtherChildrenSlotsOf(code);
    const QString children = QString::number(Pick(rng, 5));
    const QString exemption = AmountTyped(rng);
    const QString received = AmountTyped(rng);
    return {[=](QDialog& dialog, DialogKeys& keys) {
                keys.Type(dialog, "edtNoOfChildren", children);
                keys.Type(dialog, "edtExemption", exemption);
                keys.Type(dialog, "edtSupportReceived", received);
                keys.Accept(dialog);
            },
            [=](CoreCase& core) {
                const std::string exemptionShown = MoneyShown(S(exemption));
                const std::string receivedShown = MoneyShown(S(received));
                const double adjustment = AdjustmentWhileTyping(S(children), exemptionShown, receivedShown).adjustment;
                TAnswer& a = core.Answers();
                a.SetText(at.page, at.adjustment, SlotNumberText(adjustment));
                a.SetText(at.page, at.children, S(children));
                a.SetText(at.page, at.exemption, exemptionShown);
                a.SetText(at.page, at.supportReceived, receivedShown);
                a.SetText(at.page, at.line8, SlotNumberText(adjustment));
            }};
}

LineDialogRun LocalTaxRun(Rng& rng, int code) {
    const LocalTaxSlots at = *LocalTaxSlotsOf(code);
    const QString rate = PercentTyped(rng);
    return {[=](QDialog& dialog, DialogKeys& keys) {
                keys.Type(dialog, "edtTaxRate", rate);
                keys.Press(dialog, "btnCalculate");
                keys.Accept(dialog);
            },
            [=](CoreCase& core) {
                TAnswer& a = core.Answers();
                const bool overridden = a.OvRide(at.page, at.taxableIncome);
                const std::string taxable = CurrencyText(overridden ? Str2Float_2(a.Text(at.page, at.taxableIncome))
                                                                    : DefaultTaxableIncome(a, at));
                const std::string rateShown = PercentShown(S(rate));
                const double tax = LocalTax(Str2Float_2(taxable), Str2Float_P(rateShown));
                a.SetText(at.page, at.tax, SlotNumberText(tax));
                a.SetText(at.page, at.taxableIncome, taxable);
                a.SetText(at.page, at.rate, rateShown);
                a.SetText(at.page, at.line11, SlotNumberText(tax));
                a.SetOvRide(at.page, at.line11, overridden);
            }};
}

LineDialogRun ProcessingFeeRun(Rng& rng, int code) {
    const ProcessingFeeSlots at = *ProcessingFeeSlotsOf(code);
    const QString percentage = PercentTyped(rng);
    const QString fee = AmountTyped(rng);
    return {[=](QDialog& dialog, DialogKeys& keys) {
                keys.Type(dialog, "edtPercentage", percentage);
                keys.Type(dialog, "edtFlatFee", fee);
                keys.Accept(dialog);
            },
            [=](CoreCase& core) {
                TAnswer& a = core.Answers();
                a.SetText(at.page, at.percentage, ProcessingFractionText(PercentShown(S(percentage))));
                a.SetText(at.page, at.flatFee, MoneyShown(S(fee)));
            }};
}

// The child care dialog writes every field as it shows it: those typed
// into, and the others as they stood.
LineDialogRun ChildCareRun(Rng& rng, int code) {
    const ChildCareSlots where = *ChildCareSlotsOf(code);
    std::map<int, QString> typed;
    for (int offset : kCareTyped)
        if (Chance(rng, 40)) typed[offset] = AmountTyped(rng);
    const int status = Chance(rng, 50) ? Pick(rng, 5) : -1;
    std::vector<int> ticked;
    for (const CareRow& row : kCareRows)
        if (row.type == CareField::Box && Chance(rng, 30)) ticked.push_back(row.offset);
    return {[=](QDialog& dialog, DialogKeys& keys) {
                for (const auto& [offset, text] : typed) keys.Type(dialog, kCareRows[offset].name, text);
                if (status >= 0) keys.Choose(dialog, "cmbxFilingStatus", status);
                for (int offset : ticked) keys.Press(dialog, kCareRows[offset].name);
                keys.Accept(dialog);
            },
            [=](CoreCase& core) {
                TAnswer& a = core.Answers();
                for (const CareRow& row : kCareRows) {
                    const int slot = where.base + row.offset;
                    const std::string& text = a.Text(where.page, slot);
                    const bool toggled = std::find(ticked.begin(), ticked.end(), row.offset) != ticked.end();
                    switch (row.type) {
                        case CareField::Money:
                            a.SetText(where.page, slot, MoneyShown(typed.count(row.offset) ? S(typed.at(row.offset)) : text));
                            break;
                        case CareField::Status:
                            a.SetText(where.page, slot, std::to_string(status >= 0 ? status : FilingStatusShown(text)));
                            break;
                        case CareField::Box: a.SetText(where.page, slot, (text == "X") != toggled ? "X" : ""); break;
                        case CareField::Count:
                        case CareField::Repealed: break;
                    }
                }
            }};
}

// The dialogs of the worksheets' buttons that the cases open.
std::optional<LineDialogRun> RunFor(Rng& rng, int code) {
    switch (LineDialogOf(code)) {
        case LineDialog::IncomeEstimator: return EstimatorRun(rng, code);
        case LineDialog::OtherChildren: return OtherChildrenRun(rng, code);
        case LineDialog::LocalTax: return LocalTaxRun(rng, code);
        case LineDialog::ProcessingFee: return ProcessingFeeRun(rng, code);
        case LineDialog::ChildCare: return ChildCareRun(rng, code);
        default: return std::nullopt;
    }
}

// The typing of the cases, kept apart from the test class so that moc reads
// only the test's at.
class CaseTyper {
protected:
    std::unique_ptr<FreshHome> home;
    std::unique_ptr<ScriptedPrompts> prompts;
    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<ErrorLog> errors;
    std::unique_ptr<CoreCase> core;
    std::map<int, PageFields> pageFields;  // of each worksheet, by page
    QStringList keys;       // of the case being typed
    QStringList problems;   // what went wrong in the window while it was typed

    // One step of a case: its keys, done in the window and in the core.
    struct Step {
        QString keys;
        std::function<bool()> inWindow;  // false when the window did not take the keys as a user would see
        std::function<void(CoreCase&)> inCore;
        QWidget* control = nullptr;  // the control the step gives the focus to first (none: a switch)
    };
    static Step Aimed(QWidget* control, Step step) {
        step.control = control;
        return step;
    }

    template <typename T>
    QList<T*> OnPage(const std::function<bool(T*)>& take) const {
        QList<T*> found;
        for (T* control : window->PagePanel()->findChildren<T*>())
            if (control->property("Tag").isValid() && control->isVisibleTo(window->PagePanel()) && control->isEnabled() &&
                take(control))
                found << control;
        return found;
    }
    static int TagOf(const QObject* control) { return control->property("Tag").toInt(); }
    static QString StyleOf(const QWidget* control) { return control->property("StyleLookup").toString().toUpper(); }
    static bool Overridable(const QLineEdit* edit) {
        const QString style = StyleOf(edit);
        return style == QLatin1String("EDITOVERRIDEABLE") || style == QLatin1String("EDITOVERRIDDEN");
    }

    // A shortcut of the window's, pressed where the focus is.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.get(), key, modifiers);
    }

    // The window active again after a dialog; a window that does not come
    // back is a problem of the case being typed.
    void ReturnToWindow() {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get())) problems << QStringLiteral("the window did not become active again");
    }

    // The slots each worksheet's controls show, in the order the window
    // stores them (a control, then the controls inside it).
    void ReadPageFields() {
        for (int page : kScreenOrder) {
            window->DisplayAPage(page * 100);
            PageFields& fields = pageFields[page];
            for (QWidget* control : window->PagePanel()->findChildren<QWidget*>()) {
                const int slot = BoundSlotOf(control);
                if (slot < 0) continue;
                if (auto* edit = qobject_cast<QLineEdit*>(control)) {
                    const QVariant decimals = edit->property(kDecimalsProperty);
                    fields.push_back({BoundField::Edit, slot, KindOfTag(TagOf(edit)), decimals.isValid() ? decimals.toInt() : 2});
                } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
                    fields.push_back({BoundField::Box, slot});
                } else if (qobject_cast<QPlainTextEdit*>(control)) {
                    fields.push_back({BoundField::Memo, slot});
                } else if (auto* list = qobject_cast<QComboBox*>(control)) {
                    const QVariant empty = list->property("EmptyIndex");
                    fields.push_back({BoundField::List, slot, FieldKind::Unbound, 2, empty.isValid() ? empty.toInt() : -1,
                                      list->count()});
                }
            }
        }
    }

    // ---- The steps a case is made of ----

    std::optional<Step> TypeStep(Rng& rng) {
        const QList<QLineEdit*> fields = OnPage<QLineEdit>([](QLineEdit* edit) {
            return KindOfTag(TagOf(edit)) != FieldKind::Unbound && StyleOf(edit).isEmpty() && !edit->isReadOnly();
        });
        if (fields.isEmpty()) return std::nullopt;
        QLineEdit* field = fields[Pick(rng, static_cast<int>(fields.size()))];
        const FieldKind kind = KindOfTag(TagOf(field));
        const int slot = SlotOfEditTag(TagOf(field));
        const QString typed = Typed(rng, kind, field->property("Place").toString(),
                                    IsDecreeChildrenSlot(window->CurrentPage(), slot));
        return Aimed(field, Step{Keys(field->objectName(), typed), [field, typed] { return TypeOver(field, typed); },
                    [kind, slot, typed](CoreCase& c) { c.Enter(slot, StoredEntry(kind, typed)); }});
    }

    std::optional<Step> TickStep(Rng& rng) {
        const QList<QCheckBox*> boxes = OnPage<QCheckBox>([](QCheckBox* box) { return !box->property("Computed").toBool(); });
        if (boxes.isEmpty()) return std::nullopt;
        QCheckBox* box = boxes[Pick(rng, static_cast<int>(boxes.size()))];
        const int tag = TagOf(box);
        const int slot = tag >= 1000 ? tag - 1000 : tag;
        // Ticking one of a contradictory pair unticks the other.
        const QString partnerName = box->property("ExclusiveWith").toString();
        const auto* partner = partnerName.isEmpty() ? nullptr : window->PagePanel()->findChild<QCheckBox*>(partnerName);
        const int partnerSlot = partner ? TagOf(partner) : -1;
        return Aimed(box, Step{box->objectName() + QStringLiteral(" Space"), [box] { return PressSpace(box); },
                    [slot, partnerSlot](CoreCase& c) {
                        const bool ticked = c.Text(slot) != "X";
                        if (ticked && partnerSlot >= 0) c.Answers().SetText(c.Page(), partnerSlot, "");
                        c.Enter(slot, ticked ? "X" : "");
                    }});
    }

    std::optional<Step> ListStep(Rng& rng) {
        const QList<QComboBox*> lists = OnPage<QComboBox>([](QComboBox* list) { return list->count() > 1; });
        if (lists.isEmpty()) return std::nullopt;
        QComboBox* list = lists[Pick(rng, static_cast<int>(lists.size()))];
        const int slot = TagOf(list);
        const int index = Pick(rng, list->count());
        if (index == list->currentIndex()) return std::nullopt;  // no choice made
        return Aimed(list, Step{ListKeys(list->objectName(), index), [list, index] { return ChooseItem(list, index); },
                    [slot, index](CoreCase& c) { c.Enter(slot, std::to_string(index)); }});
    }

    std::optional<Step> MemoStep(Rng& rng) {
        const QList<QPlainTextEdit*> memos = OnPage<QPlainTextEdit>([](QPlainTextEdit*) { return true; });
        if (memos.isEmpty()) return std::nullopt;
        QPlainTextEdit* memo = memos[Pick(rng, static_cast<int>(memos.size()))];
        const int slot = TagOf(memo);
        const QString typed = TextTyped(rng, {}) + QStringLiteral(" agreed");
        return Aimed(memo, Step{Keys(memo->objectName(), typed), [memo, typed] { return TypeOver(memo, typed); },
                    [slot, typed](CoreCase& c) { c.Enter(slot, MemoToLine(S(typed))); }});
    }

    // Ctrl+Alt+V on a computed field, then a figure of the user's own; or,
    // on an overridden one, Ctrl+Alt+V cancels the override.
    std::optional<Step> OverrideStep(Rng& rng) {
        const QList<QLineEdit*> fields = OnPage<QLineEdit>([](QLineEdit* edit) { return Overridable(edit); });
        if (fields.isEmpty()) return std::nullopt;
        QLineEdit* field = fields[Pick(rng, static_cast<int>(fields.size()))];
        const int slot = SlotOfEditTag(TagOf(field));
        const FieldKind kind = KindOfTag(TagOf(field));
        const QString name = field->objectName();
        auto toggle = [field] {
            if (!FocusOn(field)) return false;
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier | Qt::AltModifier);
            return true;
        };
        if (core->Answers().OvRide(core->Page(), slot))
            return Aimed(field, Step{name + QStringLiteral(" Ctrl+Alt+V"), toggle, [slot](CoreCase& c) { c.Override(slot, false); }});
        const QString typed = Typed(rng, kind, field->property("Place").toString(), false);
        return Aimed(field, Step{name + QStringLiteral(" Ctrl+Alt+V ") + Keys(name, typed),
                    // A figure the calculation does not let be overridden here
                    // (the deviation of an order that is not shared) stays
                    // read-only: nothing is typed, and the core must agree.
                    [field, toggle, typed] { return toggle() && (field->isReadOnly() || TypeOver(field, typed)); },
                    [slot, kind, typed](CoreCase& c) {
                        c.Override(slot, true);
                        if (c.Answers().OvRide(c.Page(), slot)) c.Enter(slot, StoredEntry(kind, typed));
                    }});
    }

    // A line dialog's button, Space, the dialog worked with the keyboard and accepted.
    std::optional<Step> DialogStep(Rng& rng) {
        const QList<QPushButton*> buttons = OnPage<QPushButton>([](QPushButton* button) {
            return LineDialogOf(TagOf(button)) != LineDialog::None &&
                   !button->objectName().contains(QLatin1String("Help"), Qt::CaseInsensitive);
        });
        if (buttons.isEmpty()) return std::nullopt;
        QPushButton* button = buttons[Pick(rng, static_cast<int>(buttons.size()))];
        const int code = TagOf(button);
        std::optional<LineDialogRun> run = RunFor(rng, code);
        if (!run) return std::nullopt;
        auto dialogKeys = std::make_shared<DialogKeys>();
        return Aimed(button, Step{button->objectName() + QStringLiteral(" Space [...]"),
                    [this, button, work = run->work, dialogKeys] {
                        prompts->dialogDrivers.push_back([work, dialogKeys](QDialog& dialog) { work(dialog, *dialogKeys); });
                        const bool pressed = PressSpace(button);
                        keys.last() = QStringLiteral("%1 Space [%2]").arg(button->objectName(), dialogKeys->keys.join(QStringLiteral(", ")));
                        ReturnToWindow();
                        return pressed && dialogKeys->ok;
                    },
                    [code, write = run->write](CoreCase& c) {
                        c.StorePage();
                        PrepareLineDialog(c.Answers(), code);
                        write(c);
                        c.AfterDialog(code);
                    }});
    }

    // Ctrl+Alt+A in a number field: the annualizer's amount and period, accepted.
    std::optional<Step> AnnualizerStep(Rng& rng) {
        const QList<QLineEdit*> fields = OnPage<QLineEdit>([](QLineEdit* edit) {
            const FieldKind kind = KindOfTag(TagOf(edit));
            return (kind == FieldKind::Money || kind == FieldKind::WholeDollars || kind == FieldKind::Percent) &&
                   StyleOf(edit).isEmpty() && !edit->isReadOnly();
        });
        if (fields.isEmpty()) return std::nullopt;
        QLineEdit* field = fields[Pick(rng, static_cast<int>(fields.size()))];
        const int kind = static_cast<int>(KindOfTag(TagOf(field)));
        const int slot = SlotOfEditTag(TagOf(field));
        const QString amount = kind == static_cast<int>(FieldKind::Percent) ? PercentTyped(rng) : AmountTyped(rng);
        const int frequency = Pick(rng, kFrequencyCount);
        const QString dialogKeys = QStringList{Keys(QStringLiteral("edtAmount"), amount),
                                               ListKeys(QStringLiteral("cmbxFrequency"), frequency),
                                               QStringLiteral("btnAccept Space")}
                                       .join(QStringLiteral(", "));
        return Aimed(field, Step{field->objectName() + QStringLiteral(" Ctrl+Alt+A [") + dialogKeys + QStringLiteral("]"),
                    [this, field, amount, frequency] {
                        auto ok = std::make_shared<bool>(false);
                        prompts->dialogDrivers.push_back([amount, frequency, ok](QDialog& dialog) {
                            DialogKeys keys;
                            keys.Type(dialog, "edtAmount", amount);
                            keys.Choose(dialog, "cmbxFrequency", frequency);
                            keys.Accept(dialog);
                            *ok = keys.ok;
                        });
                        if (!FocusOn(field)) return false;
                        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
                        ReturnToWindow();
                        return *ok;
                    },
                    [kind, slot, amount, frequency](CoreCase& c) {
                        const double annual = Annualize(Str2Float_2(AnnualizerAmountText(kind, S(amount))), frequency);
                        c.Enter(slot, AnnualizedSlotText(kind, annual));
                    }});
    }

    std::optional<Step> SwitchStep(Rng& rng) {
        const bool down = Chance(rng, 50);
        const int page = NeighbourPage(core->Page(), down ? 1 : -1);
        return Step{down ? QStringLiteral("Ctrl+PageDown") : QStringLiteral("Ctrl+PageUp"),
                    [this, down, page] {
                        QWidget* focus = window->focusWidget() ? window->focusWidget() : window.get();
                        QTest::keyClick(focus, down ? Qt::Key_PageDown : Qt::Key_PageUp, Qt::ControlModifier);
                        return window->CurrentPage() == page;
                    },
                    [page](CoreCase& c) { c.Show(page); }};
    }

    Step NextStep(Rng& rng) {
        using Maker = std::optional<Step> (CaseTyper::*)(Rng&);
        struct Weighted {
            int weight;
            Maker make;
        };
        static const Weighted kSteps[] = {
            {40, &CaseTyper::TypeStep},     {12, &CaseTyper::TickStep},
            {6, &CaseTyper::ListStep},      {2, &CaseTyper::MemoStep},
            {10, &CaseTyper::OverrideStep}, {14, &CaseTyper::DialogStep},
            {5, &CaseTyper::AnnualizerStep}, {8, &CaseTyper::SwitchStep},
        };
        for (;;) {
            int roll = Pick(rng, 97);
            for (const Weighted& kind : kSteps) {
                if (roll >= kind.weight) {
                    roll -= kind.weight;
                    continue;
                }
                if (std::optional<Step> step = (this->*kind.make)(rng)) return std::move(*step);
                break;
            }
        }
    }

    // ---- A case ----

    // Types the case of `seed` into the window and into the core; "" when
    // both agree, else what differs.
    QString RunCase(unsigned seed) {
        Rng rng(seed);
        keys.clear();
        problems.clear();
        const QString path = QDir(home->Path()).filePath(QStringLiteral("case%1.q10").arg(seed));
        if (window->Modified()) prompts->saveAnswers = {SaveAnswer::No};  // a case that failed
        Press(Qt::Key_N, Qt::ControlModifier);
        prompts->filesToSave = {path};
        Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        if (window->CurrentFileName() != path) return QStringLiteral("the case could not be saved as %1").arg(path);
        core = std::make_unique<CoreCase>(S(path), S(home->ClientFolder()), pageFields);
        const int steps = 6 + Pick(rng, 15);
        const int warningsBefore = static_cast<int>(prompts->warnings.size() + prompts->questions.size());
        for (int k = 0; k < steps; ++k) {
            Step step = NextStep(rng);
            keys << step.keys;
            // Giving another control the focus leaves the one that had it,
            // which stores and calculates the page as an entry does.
            QWidget* focused = QApplication::focusWidget();
            if (step.control && focused && focused != step.control && window->PagePanel()->isAncestorOf(focused))
                core->LeaveField();
            step.inCore(*core);
            if (!step.inWindow()) problems << QStringLiteral("step %1 (%2) did not go as a user would see it").arg(k + 1).arg(keys.last());
            if (!prompts->dialogDrivers.empty()) {
                problems << QStringLiteral("step %1 (%2) opened no dialog").arg(k + 1).arg(keys.last());
                prompts->dialogDrivers.clear();
            }
        }
        Press(Qt::Key_S, Qt::ControlModifier);
        if (window->Modified()) problems << QStringLiteral("File > Save left the case marked as modified");
        const QStringList told = (prompts->warnings + prompts->questions).mid(warningsBefore);
        for (const QString& message : told) problems << QStringLiteral("the window said: ") + message;
        return Compare(path);
    }

    QString Compare(const QString& path) {
        QStringList found = problems;
        std::string error;
        const auto saved = ReadClientFile(S(path), std::make_shared<CalcEnvironment>(), error);
        if (!saved) return QStringLiteral("the saved case cannot be read: ") + Q(error);
        const std::string expected = core->FileText();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        if (file.readAll() != QByteArray::fromStdString(expected)) {
            const QStringList differing = Differences(*saved->answers, core->Answers());
            found << QStringLiteral("the saved case differs from the core's in %1 slots:").arg(differing.size());
            found += differing.mid(0, 12);
            if (differing.isEmpty()) found << QStringLiteral("  (in the lines around the slots)");
        }
        QString windowReport;
        prompts->dialogDrivers.push_back([&windowReport](QDialog& dialog) {
            windowReport = dialog.findChild<QPlainTextEdit*>(QStringLiteral("memAttachment"))->toPlainText();
        });
        window->CheckWorksheetClick();
        ReturnToWindow();
        const QString coreReport = core->CheckReport(QDir(home->Path()).filePath(QStringLiteral("core-check.txt")));
        if (windowReport.trimmed() != coreReport.trimmed())
            found << QStringLiteral("the check reports differ:\n--- window\n%1\n--- core\n%2").arg(windowReport, coreReport);
        return found.join(QLatin1Char('\n'));
    }

    static std::pair<unsigned, unsigned> Seeds() {
        const QString range = qEnvironmentVariable("QUILL10_DIFFERENTIAL_SEEDS");
        const QStringList ends = range.split(QLatin1Char('-'));
        if (range.isEmpty() || ends.size() > 2) return {1, 50};
        return {ends.first().toUInt(), ends.last().toUInt()};
    }

};

}  // namespace

class DifferentialTest : public QObject, private CaseTyper {
    Q_OBJECT

private slots:
    void init() {
        StartWindow(home, prompts, window);
        ReadPageFields();
        errors = std::make_unique<ErrorLog>();
        SetClock([] { return Date{2024, 6, 14}; });
    }
    void cleanup() {
        SetClock({});
        errors.reset();
        window->SetModified(false);
        window.reset();
        prompts.reset();
        home.reset();
    }

    // The seeds in runs of 25, each run a row of its own with its own time.
    void theWindowSavesWhatTheCoreComputes_data() {
        QTest::addColumn<unsigned>("first");
        QTest::addColumn<unsigned>("last");
        const auto [first, last] = Seeds();
        for (unsigned from = first; from <= last; from += 25) {
            const unsigned to = std::min(last, from + 24);
            QTest::addRow("seeds %u-%u", from, to) << from << to;
        }
    }
    void theWindowSavesWhatTheCoreComputes() {
        QFETCH(unsigned, first);
        QFETCH(unsigned, last);
        QStringList failed;
        for (unsigned seed = first; seed <= last; ++seed) {
            const QString differences = RunCase(seed);
            if (differences.isEmpty()) continue;
            failed << QString::number(seed);
            qWarning().noquote() << QStringLiteral("Case %1 (QUILL10_DIFFERENTIAL_SEEDS=%1), keys:\n  %2\n%3")
                                        .arg(seed)
                                        .arg(keys.join(QStringLiteral("\n  ")), differences);
            if (window->Modified()) window->SetModified(false);
        }
        QVERIFY2(failed.isEmpty(), qPrintable(QStringLiteral("%1 of %2 cases differ: seeds %3")
                                                  .arg(failed.size())
                                                  .arg(last - first + 1)
                                                  .arg(failed.join(QStringLiteral(", ")))));
    }
};

QTEST_MAIN(DifferentialTest)
#include "DifferentialTests.moc"
