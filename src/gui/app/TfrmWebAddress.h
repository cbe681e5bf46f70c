#pragma once
// A web address kept in the settings (an office's help site): the dialog
// takes only an address the browser may be given, says in the dialog what
// is wrong with any other and stays open until it is put right or
// cancelled.  An empty address is allowed: it means the installed help.
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

namespace quill10::gui {

class TfrmWebAddress : public QDialog {
    Q_OBJECT

public:
    // `what` names the setting in messages ("help site").
    TfrmWebAddress(const QString& title, const QString& explanation, const QString& what, const QString& address,
                   QWidget* parent = nullptr);

    // The address accepted ("" for none); meaningful after Ok.
    QString Address() const;

    void accept() override;

private:
    QString what_;
    QLineEdit* edtAddress_ = nullptr;
    QLabel* lblProblem_ = nullptr;
};

}  // namespace quill10::gui
