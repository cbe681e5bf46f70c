#include "platform/BackgroundSaver.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/SafeSave.h"

namespace quill10 {

BackgroundSaver::~BackgroundSaver() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void BackgroundSaver::Start() {
    if (!thread_.joinable()) thread_ = std::thread([this] { Run(); });
}

void BackgroundSaver::Save(const std::string& path, std::string bytes) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Start();
        auto waiting = std::find_if(tasks_.begin(), tasks_.end(),
                                    [&](const Task& task) { return !task.remove && task.path == path; });
        if (waiting != tasks_.end()) waiting->bytes = std::move(bytes);
        else tasks_.push_back(Task{false, path, std::move(bytes)});
    }
    wake_.notify_all();
}

void BackgroundSaver::Remove(const std::string& path) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        Start();
        std::erase_if(tasks_, [&](const Task& task) { return !task.remove && task.path == path; });
        tasks_.push_back(Task{true, path, {}});
    }
    wake_.notify_all();
}

void BackgroundSaver::Wait() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return tasks_.empty() && !busy_; });
}

std::string BackgroundSaver::TakeError() {
    std::lock_guard<std::mutex> lock(mutex_);
    return std::exchange(error_, std::string());
}

void BackgroundSaver::Run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
        if (tasks_.empty()) return;  // stopping, and nothing is left to do
        Task task = std::move(tasks_.front());
        tasks_.pop_front();
        busy_ = true;
        lock.unlock();
        std::string error;
        if (task.remove) {
            std::error_code ec;
            std::filesystem::remove(task.path, ec);
            if (ec) error = "cannot remove \"" + task.path + "\": " + ec.message();
        } else {
            SaveFileAtomically(task.path, task.bytes, error);
        }
        lock.lock();
        busy_ = false;
        if (!error.empty()) error_ = error;
        if (tasks_.empty()) idle_.notify_all();
    }
}

}  // namespace quill10
