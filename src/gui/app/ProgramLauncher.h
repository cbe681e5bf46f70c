#pragma once
// Starting other programs: the word processor on a print document, the
// desktop's default program for a file or web address.  Always with an
// argument list, never through a shell command line.  Tests put in a
// launcher that records what would have been started.
#include <QString>
#include <QStringList>

class QUrl;

namespace quill10::gui {

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts `program` with `arguments` in `workingFolder`, detached from
    // this program; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments, const QString& workingFolder);
    // Opens a file or web address in the desktop's default program for it.
    virtual bool OpenUrl(const QUrl& url);
};

}  // namespace quill10::gui
