// Converting the print document to PDF: what LibreOffice hands back
// replaces the target only when it is a PDF document with pages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "TestSupport.h"
#include "print/PdfExport.h"

namespace quill10 {
namespace {

constexpr const char* kOnePagePdf = "%PDF-1.4\n1 0 obj\n<</Type /Pages /Kids [2 0 R]>>\nendobj\n"
                                    "2 0 obj\n<</Type/Page /Parent 1 0 R>>\nendobj\ntrailer\n%%EOF\n";

TEST(PdfDamage, TellsAPdfWithPagesFromAnythingElse) {
    const struct {
        std::string bytes;
        const char* damage;  // "" for a sound document
    } cases[] = {
        {kOnePagePdf, ""},
        {"", "not a PDF document"},
        {"{\\rtf1 the print document itself}", "not a PDF document"},
        {std::string(kOnePagePdf).substr(0, 60), "cut short"},
        {"%PDF-1.4\n1 0 obj\n<</Type /Pages /Kids []>>\nendobj\n%%EOF\n", "has no page"},
    };
    for (const auto& c : cases) {
        const std::string damage = PdfDamage(c.bytes);
        if (std::string(c.damage).empty()) EXPECT_EQ(damage, "") << c.bytes;
        else EXPECT_NE(damage.find(c.damage), std::string::npos) << c.bytes << ": " << damage;
    }
}

// A converter that says it succeeded but wrote something else never
// replaces the target.
class ConverterOnPath : public ::testing::Test {
protected:
    ConverterOnPath() {
        const char* path = std::getenv("PATH");
        savedPath = path ? path : "";
        std::filesystem::create_directories(folder.File("bin"));
        test::WriteWholeFile(folder.File("bin/soffice"),
                             "#!/bin/sh\nwrites=\"$(dirname \"$0\")/writes\"\nwhile [ $# -gt 0 ]; do\n"
                             "  [ \"$1\" = --outdir ] && out=\"$2\"\n"
                             "  case \"$1\" in *.rtf) cat \"$writes\" > \"$out/$(basename \"$1\" .rtf).pdf\";; esac\n"
                             "  shift\ndone\nexit 0\n");
        std::filesystem::permissions(folder.File("bin/soffice"), std::filesystem::perms::owner_all);
        ::setenv("PATH", (folder.File("bin") + ":" + savedPath).c_str(), 1);
    }
    ~ConverterOnPath() override { ::setenv("PATH", savedPath.c_str(), 1); }
    std::string savedPath;
    test::ScratchFolder folder;
};

TEST_F(ConverterOnPath, OnlyAPdfWithPagesReplacesTheTarget) {
    const std::string target = folder.File("case.pdf");
    test::WriteWholeFile(target, "the earlier PDF");
    for (const char* written : {"Hello, this is no PDF", "%PDF-1.4\n%%EOF\n"}) {
        test::WriteWholeFile(folder.File("bin/writes"), written);
        std::string error;
        EXPECT_FALSE(ConvertRtfToPdf("{\\rtf1 page}", target, error)) << written;
        EXPECT_NE(error.find("no usable PDF"), std::string::npos) << error;
        EXPECT_EQ(test::ReadWholeFile(target), "the earlier PDF") << written;
    }
    test::WriteWholeFile(folder.File("bin/writes"), kOnePagePdf);
    std::string error;
    EXPECT_TRUE(ConvertRtfToPdf("{\\rtf1 page}", target, error)) << error;
    EXPECT_EQ(test::ReadWholeFile(target), kOnePagePdf);
}

}  // namespace
}  // namespace quill10
