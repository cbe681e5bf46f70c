#include "app/ProgramLauncher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace quill10::gui {

bool ProgramLauncher::StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder) {
    return QProcess::startDetached(program, arguments, workingFolder);
}

bool ProgramLauncher::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace quill10::gui
