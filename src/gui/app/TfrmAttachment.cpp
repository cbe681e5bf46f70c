#include "app/TfrmAttachment.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "calc/CalcEnvironment.h"
#include "calc/SupportTable.h"
#include "store/Answers.h"
#include "platform/TextEncoding.h"

namespace quill10::gui {

TfrmAttachment::TfrmAttachment(TAnswer& answers, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAttachment"));
    setWindowTitle(QStringLiteral("Check Worksheet Window"));
    resize(800, 414);
    auto* layout = new QVBoxLayout(this);
    auto* close = new QPushButton(QStringLiteral("Click Here To Close The Check Worksheet Window"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    memAttachment_ = new QPlainTextEdit;
    memAttachment_->setObjectName(QStringLiteral("memAttachment"));
    memAttachment_->setReadOnly(true);
    memAttachment_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font = memAttachment_->font();
    font.setPointSize(16);
    memAttachment_->setFont(font);
    layout->addWidget(close);
    layout->addWidget(memAttachment_, 1);

    CalcEnvironment& environment = answers.Environment();
    std::error_code ec;
    if (!environment.clientFolder.empty()) std::filesystem::create_directories(environment.clientFolder, ec);
    environment.checking = true;
    QString failure;
    try {
        answers.Calculate();
    } catch (const SupportTableError& error) {
        failure = QString::fromStdString(error.what());
    }
    environment.checking = false;
    // A report that could not be written is not shown from an older file.
    if (failure.isEmpty() && !environment.checkReportError.empty())
        failure = QStringLiteral("The check report could not be written: ") +
                  QString::fromStdString(environment.checkReportError);
    if (!failure.isEmpty()) {
        memAttachment_->setPlainText(failure);
        return;
    }
    QFile report(QString::fromStdString(environment.CheckReportPath()));
    if (report.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = report.readAll();
        memAttachment_->setPlainText(
            QString::fromStdString(DecodeTextFile(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))))
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else {
        memAttachment_->setPlainText(QStringLiteral("The check report \"%1\" could not be written: %2")
                                         .arg(report.fileName(), report.errorString()));
    }
}

QString TfrmAttachment::ReportText() const { return memAttachment_->toPlainText(); }

}  // namespace quill10::gui
