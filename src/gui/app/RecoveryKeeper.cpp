#include "app/RecoveryKeeper.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/Recovery.h"

namespace quill10::gui {

namespace fs = std::filesystem;

RecoveryKeeper::RecoveryKeeper(const std::string& folder, std::function<std::string()> copyText)
    : folder_(folder), path_((fs::path(folder) / NewRecoveryCopyName()).string()), copyText_(std::move(copyText)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (changes_ > 0) WriteNow();
    });
}

RecoveryKeeper::~RecoveryKeeper() { saver_.Wait(); }

void RecoveryKeeper::SetInterval(int seconds) {
    interval_ = std::max(0, seconds);
    if (interval_ == 0) timer_.stop();
    else if (timer_.isActive()) timer_.start(interval_ * 1000);
}

void RecoveryKeeper::CaseChanged() {
    if (interval_ == 0) return;
    TellFailure();
    if (++changes_ >= kChangesPerCopy) WriteNow();
    else if (!timer_.isActive()) timer_.start(interval_ * 1000);
}

void RecoveryKeeper::WriteNow() {
    timer_.stop();
    changes_ = 0;
    // The folder holds unsaved cases: its owner alone may look into it.
    std::error_code ec;
    if (fs::create_directories(folder_, ec))
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::replace, ec);
    saver_.Save(path_, copyText_());
    written_ = true;
    TellFailure();
}

void RecoveryKeeper::Forget() {
    timer_.stop();
    changes_ = 0;
    if (written_) saver_.Remove(path_);
    written_ = false;
}

bool RecoveryKeeper::Adopt(const std::string& path, std::string& error) {
    Forget();
    saver_.Wait();  // a removal of this window's copy must not meet the copy taken over
    if (!ClaimRecoveryCopy(path, path_, error)) return false;
    written_ = true;
    return true;
}

void RecoveryKeeper::TellFailure() {
    const std::string error = saver_.TakeError();
    if (!error.empty()) emit failed(QString::fromStdString(error));
}

}  // namespace quill10::gui
