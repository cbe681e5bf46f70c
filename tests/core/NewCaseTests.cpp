// New cases from default.q10 and the import of predecessor files.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestSupport.h"
#include "calc/CalcEnvironment.h"
#include "files/NewCase.h"

namespace quill10 {
namespace {

class NewCaseTest : public ::testing::Test {
protected:
    NewCaseTest() {
        environment = std::make_shared<CalcEnvironment>();
        environment->SetProgramFolder(test::ProgramFolder());
        environment->clientFolder = folder.File("cases");
        std::filesystem::create_directories(environment->clientFolder);
    }
    std::string InCases(const std::string& name) const { return environment->clientFolder + "/" + name; }
    void Write(const std::string& path, TAnswer& answers, const SchedulerGrid& grid = {}) {
        std::string error;
        ASSERT_TRUE(WriteClientFile(path, answers, grid, error)) << error;
    }
    test::FixedToday today;
    test::ScratchFolder folder;
    std::shared_ptr<CalcEnvironment> environment;
};

TEST_F(NewCaseTest, WithoutDefaultFileTheDefaultsAreCalculated) {
    ClientFileContents created = CreateNewCase(environment);
    EXPECT_EQ(environment->currentFileName, "Untitled.q10");
    EXPECT_EQ(created.answers->Text(1, 6), "X");
    EXPECT_EQ(created.answers->Text(1, 99), "default.q10");  // calculated under the default's name
    EXPECT_EQ(created.answers->Text(10, 9), "0.0000");       // the blank split worksheet too
    ASSERT_EQ(created.grid.rows.size(), 1u);
}

TEST_F(NewCaseTest, DefaultFileSeedsEveryNewCase) {
    TAnswer seed(environment);
    seed.SetText(1, 50, "Office Default");
    seed.SetText(6, 27, "0.015");
    seed.SetOvRide(2, 3, true);
    seed.SetText(2, 3, "1/1/2019");
    Write(InCases("default.q10"), seed);
    ClientFileContents created = CreateNewCase(environment);
    EXPECT_EQ(created.answers->Text(1, 50), "Office Default");
    EXPECT_EQ(created.answers->Text(6, 27), "0.015");
    EXPECT_EQ(created.answers->Text(6, 3), "1/1/2019");  // the overridden date reached page 6
    EXPECT_EQ(environment->currentFileName, "Untitled.q10");
}

TEST_F(NewCaseTest, UnreadableDefaultFileIsReportedAndTheDefaultsStay) {
    test::WriteWholeFile(InCases("default.q10"), "QUILL10\r\n 1.01400000000000E+0001\r\nPage 0\r\n");
    test::ErrorRecorder errors;
    ClientFileContents created = CreateNewCase(environment);
    EXPECT_EQ(errors.Codes(), std::vector<int>{11240});
    EXPECT_EQ(created.answers->Text(1, 2), "1");
}

TEST_F(NewCaseTest, ImportConvertsThePredecessorsSlots) {
    TAnswer old(environment);
    old.SetText(1, 4, "X");
    old.SetText(1, 6, "");
    old.SetText(1, 40, "X");
    old.SetText(3, 32, "HH");
    old.SetText(3, 33, "");
    old.SetText(11, 22, "QW");
    old.SetText(11, 23, "Unknown");
    old.SetOvRide(3, 32, true);
    old.SetText(8, 10, "X");
    old.SetText(15, 7, "stale short form");
    old.SetText(16, 100, "stale");
    old.SetText(1, 100, "7");
    const std::string oldPath = folder.File("jones.WQ7");
    Write(oldPath, old);
    const std::string before = test::ReadWholeFile(oldPath);

    const std::string output = ImportedFileName(environment->clientFolder, oldPath);
    EXPECT_EQ(output, InCases("jones.Q10"));
    std::string error;
    auto imported = ImportPriorVersionFile(oldPath, output, 15, environment, error);
    ASSERT_TRUE(imported) << error;
    TAnswer& a = *imported->answers;
    EXPECT_EQ(a.Text(1, 53), "X");
    EXPECT_EQ(a.Text(1, 6), "X");
    EXPECT_EQ(a.Text(1, 13), "");  // not the new-case default "1"
    EXPECT_EQ(a.Text(1, 14), "");
    EXPECT_EQ(a.Text(8, 10), "");
    EXPECT_EQ(a.Text(8, 16), "");
    EXPECT_EQ(a.Text(3, 32), "3");
    EXPECT_TRUE(a.OvRide(3, 32));  // conversions change the text only
    EXPECT_EQ(a.Text(3, 33), "");
    EXPECT_EQ(a.Text(11, 22), "4");
    EXPECT_EQ(a.Text(11, 23), "Unknown");
    EXPECT_EQ(a.Text(15, 7), a.Text(1, 19));  // the short forms are rebuilt from the long worksheets
    EXPECT_EQ(a.Text(16, 100), "");
    EXPECT_EQ(a.Text(15, 199), "10.14");
    EXPECT_EQ(a.Text(1, 100), "15");  // the page on screen at the import
    EXPECT_EQ(environment->currentFileName, output);

    EXPECT_EQ(test::ReadWholeFile(oldPath), before);  // the old file is never changed
    std::string readError;
    auto saved = ReadClientFile(output, environment, readError);
    ASSERT_TRUE(saved) << readError;
    EXPECT_EQ(saved->answers->Text(3, 32), "3");
}

// An existing case is never replaced without the user's word, and the
// old file is never the one written, whatever its name is spelt like.
TEST_F(NewCaseTest, ImportReplacesAnExistingCaseOnlyWhenAsked) {
    TAnswer old(environment);
    old.SetText(1, 50, "Jones");
    const std::string oldPath = folder.File("jones.WQ7");
    Write(oldPath, old);
    const std::string before = test::ReadWholeFile(oldPath);
    const std::string output = InCases("jones.Q10");
    test::WriteWholeFile(output, "the existing case");
    environment->currentFileName = "/cases/open.q10";

    std::string error;
    EXPECT_FALSE(ImportPriorVersionFile(oldPath, output, 0, environment, error));
    EXPECT_EQ(error, "the case \"" + output + "\" already exists and is not replaced without being asked");
    EXPECT_EQ(test::ReadWholeFile(output), "the existing case");
    EXPECT_EQ(environment->currentFileName, "/cases/open.q10");

    for (const std::string& itself : {oldPath, folder.File("./jones.WQ7"), folder.File("../") +
                                                                               folder.Path().filename().string() +
                                                                               "/jones.WQ7"}) {
        EXPECT_FALSE(ImportPriorVersionFile(oldPath, itself, 0, environment, error, ExistingCase::kReplace)) << itself;
        EXPECT_EQ(error, "the converted case would replace \"" + oldPath + "\" itself; save it under another name");
        EXPECT_EQ(test::ReadWholeFile(oldPath), before);
    }

    ASSERT_TRUE(ImportPriorVersionFile(oldPath, output, 0, environment, error, ExistingCase::kReplace)) << error;
    auto saved = ReadClientFile(output, environment, error);
    ASSERT_TRUE(saved) << error;
    EXPECT_EQ(saved->answers->Text(1, 50), "Jones");
}

TEST_F(NewCaseTest, UnreadableImportSavesNothing) {
    test::WriteWholeFile(folder.File("broken.WQ8"), "not a case");
    environment->currentFileName = "/cases/open.q10";
    std::string error;
    EXPECT_FALSE(ImportPriorVersionFile(folder.File("broken.WQ8"), InCases("broken.Q10"), 0, environment, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(std::filesystem::exists(InCases("broken.Q10")));
    EXPECT_EQ(environment->currentFileName, "/cases/open.q10");
}

}  // namespace
}  // namespace quill10
