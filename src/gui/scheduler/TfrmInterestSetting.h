#pragma once
// The two interest settings dialogs, alike but for their texts: the default
// interest rate ("Set Interest Rate") and the interest threshold ("Set
// Default Interest Threshold").  The field shows the setting with two
// decimals, or all of its decimals when it has more (3.125 stays 3.125);
// "Ok" keeps the number typed, and a text that is not a number is reported
// (error 29040) and keeps the dialog open with the setting unchanged.  The
// rate dialog names this year's statutory rate from the installed rates.
#include <QDialog>

#include "scheduler/InterestRates.h"

class QLineEdit;

namespace quill10::gui {

// The texts and names of one settings dialog.
struct InterestSettingTexts {
    const char* objectName;
    const char* caption;
    const char* fieldName;
    const char* fieldLabel;
    const char* explanation;
    const char* helpPage;
    const char* helpOn;  // what its "?" helps on, as the button is named
};

inline constexpr int kErrInterestSetting = 29040;

class TfrmInterestSetting : public QDialog {
    Q_OBJECT

public:
    // `note` follows the explanation.
    TfrmInterestSetting(const InterestSettingTexts& texts, double& setting, QWidget* parent, const QString& note = {});
    void OkClick();
    void HelpOnClick();

private:
    const InterestSettingTexts& texts_;
    double& setting_;
    QLineEdit* field_ = nullptr;
};

class TfrmInterestRate : public TfrmInterestSetting {
    Q_OBJECT

public:
    TfrmInterestRate(double& defaultRate, const InterestRateTable& rates, QWidget* parent);
};

class TfrmInterestThreshold : public TfrmInterestSetting {
    Q_OBJECT

public:
    TfrmInterestThreshold(double& threshold, QWidget* parent);
};

// The text a settings field shows: "3.00", "3.125", "1,000.00".
QString InterestSettingText(double value);

}  // namespace quill10::gui
