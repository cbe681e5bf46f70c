#include "store/FieldText.h"

#include <cmath>
#include <optional>

#include "store/Misc.h"

namespace quill10 {

namespace {

bool IsNumber(const std::string& text) { return TryParseNumber(RemoveCommasAndSigns(text)).has_value(); }

}  // namespace

FieldKind KindOfTag(int tag) {
    const int kind = tag / 1000;
    return kind >= 1 && kind <= 5 ? static_cast<FieldKind>(kind) : FieldKind::Unbound;
}

int SlotOfEditTag(int tag) { return tag % 1000; }

std::string DisplayText(FieldKind kind, const std::string& slotText, int decimals) {
    switch (kind) {
        case FieldKind::Money:
        case FieldKind::Percent:
        case FieldKind::WholeDollars:
            if (!slotText.empty() && !IsNumber(slotText)) return slotText;
            break;
        default:
            return slotText;
    }
    if (kind == FieldKind::Money)
        return GroupedText(decimals == 2 ? Str2Float_2(slotText) : Str2Float_P(slotText), decimals);
    if (kind == FieldKind::Percent) return PercentText(Str2Float_P(slotText));
    return WholeMoneyText(Str2Float_0(slotText));
}

std::string NormalisedText(FieldKind kind, const std::string& typed) {
    switch (kind) {
        case FieldKind::Money: return MoneyText(Str2Float_2(typed));
        case FieldKind::Percent: return FixedText(Str2Float_P(typed), 2) + "%";
        case FieldKind::WholeDollars:
        case FieldKind::Count: return WholeMoneyText(Str2Float_0(typed));
        default: return typed;
    }
}

EntryCheck CheckNumberEntry(const std::string& typed) {
    if (TrimStr(typed).empty()) return EntryCheck::Readable;
    const std::optional<double> value = TryParseNumber(RemoveCommasAndSigns(typed));
    if (!value || !std::isfinite(*value)) return EntryCheck::Unreadable;
    return std::abs(*value) >= kLargestEntry ? EntryCheck::TooLarge : EntryCheck::Readable;
}

int ParserErrorOf(FieldKind kind) {
    switch (kind) {
        case FieldKind::Percent: return kErrRateFormat;
        case FieldKind::WholeDollars:
        case FieldKind::Count: return kErrWholeFormat;
        default: return kErrRealFormat;
    }
}

std::string StoredText(FieldKind kind, const std::string& shown) {
    if (kind != FieldKind::Percent) return shown;
    std::string number = shown;
    if (!number.empty() && number.back() == '%') number.pop_back();
    return GeneralNumberText(Str2Float_P(number) / 100.0);
}

}  // namespace quill10
