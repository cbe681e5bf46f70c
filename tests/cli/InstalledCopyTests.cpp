// An installed copy of quill10-cli: the executable in bin/, its data in
// share/quill10/, started from another folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <unistd.h>

#include "CliRun.h"

namespace {

namespace fs = std::filesystem;
using quill10::test::RunProgram;

class InstalledCopy : public ::testing::Test {
protected:
    InstalledCopy() {
        prefix = fs::temp_directory_path() / ("quill10-install-" + std::to_string(::getpid()));
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "share/quill10/samples");
        fs::copy_file(QUILL10_CLI, prefix / "bin/quill10-cli");
        fs::copy_file(fs::path(QUILL10_PROGRAM_DIR) / "table.txt", prefix / "share/quill10/table.txt");
        fs::copy_file(fs::path(QUILL10_PROGRAM_DIR) / "samples/shared-deviation.q10",
                      prefix / "share/quill10/samples/shared-deviation.q10");
    }
    ~InstalledCopy() override { fs::remove_all(prefix); }
    // Runs the installed copy from the root folder, far from its data.
    quill10::test::CliRun Run(const std::string& arguments) const {
        return RunProgram("cd / && " + (prefix / "bin/quill10-cli").string(), arguments);
    }
    fs::path prefix;
};

TEST_F(InstalledCopy, FindsItsSupportTableInTheSharedDataFolder) {
    const std::string sample = (prefix / "share/quill10/samples/shared-deviation.q10").string();
    const auto installed = Run("summary " + sample + " --today 2019-03-07");
    const auto built = quill10::test::RunCli("summary " + sample + " --today 2019-03-07");
    ASSERT_EQ(installed.status, 0) << installed.output;
    EXPECT_EQ(installed.output, built.output);
    EXPECT_NE(installed.output.find("Sole/Shared Annual Support (Ins.): $"), std::string::npos);
}

TEST_F(InstalledCopy, ReportsAMissingTableByItsPath) {
    fs::remove_all(prefix / "share/quill10");
    const auto run = Run("summary " + std::string(QUILL10_PROGRAM_DIR) + "/samples/shared-deviation.q10");
    EXPECT_EQ(run.status, 1) << run.output;
    EXPECT_NE(run.output.find((prefix / "bin").string()), std::string::npos) << run.output;
}

TEST_F(InstalledCopy, PrintsItsVersion) {
    const auto run = Run("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output, "quill10-cli 10.14\n");
}

}  // namespace
