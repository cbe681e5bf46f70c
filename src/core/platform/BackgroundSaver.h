#pragma once
// Saving files on a thread of their own, so that the window's thread never
// waits for the disk: the recovery copies of unsaved work are written while
// the user goes on typing.  Saves and removals are carried out one after the
// other, in the order they were asked for; a save of a file that has not
// started yet is replaced by a newer save of the same file, since only the
// newest content matters.  Every save goes through SaveFileAtomically.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace quill10 {

class BackgroundSaver {
public:
    BackgroundSaver() = default;
    // Carries out everything asked for, then ends the thread.
    ~BackgroundSaver();
    BackgroundSaver(const BackgroundSaver&) = delete;
    BackgroundSaver& operator=(const BackgroundSaver&) = delete;

    // Saves `bytes` as the file `path`.
    void Save(const std::string& path, std::string bytes);
    // Removes the file `path` once the saves asked for before are done
    // (pending saves of it are dropped: they would only be removed).
    void Remove(const std::string& path);
    // Returns once everything asked for so far is done.
    void Wait();
    // The last failure since the last call ("" when none), taken.
    std::string TakeError();

private:
    struct Task {
        bool remove = false;
        std::string path;
        std::string bytes;
    };
    void Run();
    void Start();  // the thread, at the first task

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<Task> tasks_;
    bool busy_ = false;
    bool stopping_ = false;
    std::string error_;
    std::thread thread_;
};

}  // namespace quill10
