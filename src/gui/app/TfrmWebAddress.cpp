#include "app/TfrmWebAddress.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/Settings.h"

namespace quill10::gui {

TfrmWebAddress::TfrmWebAddress(const QString& title, const QString& explanation, const QString& what,
                               const QString& address, QWidget* parent)
    : QDialog(parent), what_(what) {
    setObjectName(QStringLiteral("frmWebAddress"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(explanation, this);
    text->setWordWrap(true);
    layout->addWidget(text);
    edtAddress_ = new QLineEdit(address, this);
    edtAddress_->setObjectName(QStringLiteral("edtAddress"));
    edtAddress_->setPlaceholderText(QStringLiteral("https://"));
    edtAddress_->setMinimumWidth(420);
    text->setBuddy(edtAddress_);
    layout->addWidget(edtAddress_);
    lblProblem_ = new QLabel(this);
    lblProblem_->setObjectName(QStringLiteral("lblProblem"));
    lblProblem_->setWordWrap(true);
    lblProblem_->setStyleSheet(QStringLiteral("color: #a00000;"));
    lblProblem_->hide();
    layout->addWidget(lblProblem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("btnOk"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmWebAddress::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    edtAddress_->setFocus();
}

QString TfrmWebAddress::Address() const { return edtAddress_->text().trimmed(); }

void TfrmWebAddress::accept() {
    const std::string address = Address().toStdString();
    std::string problem = SettingsValueProblem(what_.toStdString(), address);
    if (problem.empty() && !address.empty()) problem = WebAddressProblem(what_.toStdString(), address);
    if (problem.empty()) {
        QDialog::accept();
        return;
    }
    lblProblem_->setText(QString::fromStdString(problem) + QStringLiteral(" Type the whole address, for example "
                                                                         "https://help.example.org, or leave it empty."));
    lblProblem_->show();
    edtAddress_->setFocus();
    edtAddress_->selectAll();
}

}  // namespace quill10::gui
