// quill10: the Ohio child support computation worksheets.
//
//   quill10 [CASE.q10]
//   quill10 --snapshot PAGE OUT.png [CASE.q10]   renders a worksheet screen to a PNG, no window shown
//   quill10 --version
//
// QUILL10_QUIT_WHEN_SHOWN set in the environment ends the program once its
// first page is on screen (the start-up benchmark times that).
//
// For tests that run the program as a user would: QUILL10_TEST_ENTRIES=
// "edt10=65000;edt11=30000" types each text into the field of that name on
// the worksheet shown at start and leaves the field, as a user typing would,
// once the window is up.  It only ever types into fields.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTimer>
#include <QIcon>
#include <QImage>
#include <cstdio>
#include <cstring>

#include "app/GuiSupport.h"
#include "app/TfrmMain.h"
#include "app/UserPrompts.h"
#include "platform/FileAccess.h"
#include "files/ProgramFolder.h"
#include "store/Answers.h"
#include "store/Misc.h"

namespace {

// The program folder: beside the executable in the build tree, the shared
// data folder of an installed copy.
QString ProgramFolder() {
    const std::string executable = QCoreApplication::applicationDirPath().toStdString();
    return QString::fromStdString(quill10::FindProgramFolder(executable));
}

// Why `output` may not be the snapshot's PNG ("" when it may): never a
// client file, and never the case being rendered, whatever it is called.
QString OutputProblem(const QString& output, const QString& caseFile) {
    if (output.endsWith(QStringLiteral(".q10"), Qt::CaseInsensitive))
        return QStringLiteral("the output \"%1\" is named like a client file; the snapshot is a PNG image "
                              "(usage: quill10 --snapshot PAGE OUT.png [CASE.q10])")
            .arg(output);
    if (!caseFile.isEmpty() && quill10::SameFile(output.toStdString(), caseFile.toStdString()))
        return QStringLiteral("the output \"%1\" is the case \"%2\", which would be lost; name another file")
            .arg(output, caseFile);
    return {};
}

// Renders one worksheet screen (with a case, if given) to a PNG.  Nothing
// waits for a user: every problem goes to stderr and ends the run.
int Snapshot(const QStringList& args) {
    if (args.size() < 3 || args.size() > 4) {
        std::fprintf(stderr, "usage: quill10 --snapshot PAGE OUT.png [CASE.q10]\n");
        return 2;
    }
    bool ok = false;
    const int page = args[1].toInt(&ok);
    if (!ok || (page != 0 && page != 7 && page != 15 && page != 16)) {
        std::fprintf(stderr, "quill10: PAGE must be 0, 7, 15 or 16\n");
        return 2;
    }
    const QString output = args[2];
    const QString caseFile = args.size() > 3 ? args[3] : QString();
    if (const QString problem = OutputProblem(output, caseFile); !problem.isEmpty()) {
        std::fprintf(stderr, "quill10: %s\n", qPrintable(problem));
        return 2;
    }
    quill10::gui::TfrmMain::SetStartUpWordPlaces({});  // a snapshot prints nothing: no search for Writer
    quill10::gui::HeadlessPrompts prompts;
    quill10::gui::TfrmMain window(ProgramFolder(), &prompts);
    // Read only: the case is only looked at, whoever holds it open.
    if (!caseFile.isEmpty() && !window.OpenFile(caseFile, quill10::gui::TfrmMain::OpenMode::kReadOnly)) return 1;
    window.DisplayAPage(page * 100);
    const QImage image = window.RenderPage();
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "quill10: cannot write %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}

// QUILL10_TEST_ENTRIES: "FIELD=TEXT;FIELD=TEXT", typed in that order.
void TypeTestEntries(quill10::gui::TfrmMain& window) {
    const QString entries = qEnvironmentVariable("QUILL10_TEST_ENTRIES");
    for (const QString& entry : entries.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        auto* field = qobject_cast<QLineEdit*>(window.FindField(entry.left(equals)));
        if (equals < 0 || !field || field->isReadOnly()) {
            std::fprintf(stderr, "quill10: QUILL10_TEST_ENTRIES: no field to type into for \"%s\"\n", qPrintable(entry));
            continue;
        }
        field->setFocus();
        field->setText(entry.mid(equals + 1));
        field->setModified(true);
        window.SetModified(true);
        window.CalcOnExit(field);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("quill10 %s\n", quill10::kVersionText);
        return 0;
    }
    const bool snapshot = argc > 1 && std::strcmp(argv[1], "--snapshot") == 0;
    if (snapshot) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUILL10"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));
    QApplication::setApplicationVersion(QString::fromLatin1(quill10::kVersionText));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quill10.png")));
    QGuiApplication::setDesktopFileName(QStringLiteral("quill10"));
    quill10::gui::UseSystemRegionalSettings();
    QStringList args = QApplication::arguments();
    args.removeFirst();
    if (snapshot) {
        quill10::SetErrorHandler([](int code, const std::string& text, const std::string&) {
            std::fprintf(stderr, "error %d: %s\n", code, text.c_str());
        });
        return Snapshot(args);
    }
    quill10::gui::InstallErrorBoxes();
    quill10::gui::TfrmMain window(ProgramFolder());
    window.show();
    window.StartUp(args);
    if (qEnvironmentVariableIsSet("QUILL10_TEST_ENTRIES"))
        QTimer::singleShot(0, &window, [&window] { TypeTestEntries(window); });
    // For the start-up benchmark (bench/startup.sh): end as soon as the
    // first page has been painted.
    if (qEnvironmentVariableIsSet("QUILL10_QUIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [&window] {
            window.SetModified(false);
            QApplication::exit(0);
        });
    return app.exec();
}
