#pragma once
// A folder of its own under the system's temporary folder, removed with all
// it holds when the benchmark ends.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace quill10::bench {

class BenchFolder {
public:
    explicit BenchFolder(const std::string& prefix = "quill10-bench-")
        : path_(std::filesystem::temp_directory_path() / (prefix + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~BenchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

}  // namespace quill10::bench
