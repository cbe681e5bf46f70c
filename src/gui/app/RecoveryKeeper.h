#pragma once
// Keeps a window's recovery copy of unsaved changes: after every 20 changes,
// and when the interval (60 seconds by default) has run since the first
// change the copy does not hold yet, the case is copied into the recovery
// folder.  The copy's bytes are made on the window's thread (a few
// milliseconds) and written to the disk on a thread of their own, so typing
// never waits for the disk.  Saving the case, or giving its changes up,
// removes the copy.
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <string>

#include "platform/BackgroundSaver.h"

namespace quill10::gui {

class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    static constexpr int kChangesPerCopy = 20;

    // `folder` receives the copies; `copyText` gives the bytes of the copy of
    // the case as it stands.
    RecoveryKeeper(const std::string& folder, std::function<std::string()> copyText);
    // Whatever was asked of the disk is done first.
    ~RecoveryKeeper() override;

    // Seconds of editing between copies; 0 writes none.
    void SetInterval(int seconds);
    // One more change the copy does not hold.
    void CaseChanged();
    // The case was saved, or its changes given up: the copy goes.
    void Forget();
    // Copies the case now.
    void WriteNow();
    // Takes the copy `path` that a window which has gone left as this
    // window's own; false with `error` when another program took it first.
    bool Adopt(const std::string& path, std::string& error);

    const std::string& CopyPath() const { return path_; }
    // True while this window's copy is on the disk (or on its way there).
    bool HasCopy() const { return written_; }
    // Returns once the copies asked for are on the disk.
    void Wait() { saver_.Wait(); }

signals:
    // A copy could not be written or removed (said on the status bar).
    void failed(const QString& why);

private:
    void TellFailure();

    std::string folder_;
    std::string path_;
    std::function<std::string()> copyText_;
    QTimer timer_;
    int interval_ = 60;
    int changes_ = 0;
    bool written_ = false;
    BackgroundSaver saver_;
};

}  // namespace quill10::gui
