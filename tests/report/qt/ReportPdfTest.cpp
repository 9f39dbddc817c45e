// The gear report as a PDF, read back with poppler's tools as a reader's viewer would.
#include <QByteArray>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "graphics/qt/PagePrinting.h"
#include "kinematics/StartUp.h"
#include "report/ReportLayout.h"

namespace lm {
namespace {

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        pclose(p);
    }
    return out;
}

class ReportPdf : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir);
        StartUp(model);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Save(PageSize size, const std::string& name) {
        auto report = std::make_shared<const GearReport>(MakeGearReport(model, "2026-12-08 10:00"));
        const std::string path = dir + "/" + name;
        error = SavePagesPdf(path, LayOutReport(report, size, CanvasTextWidth()), size, "Gear report");
        return path;
    }

    const std::string dir = std::filesystem::temp_directory_path().string() + "/lm_report_pdf_" +
                            std::to_string(::getpid());
    Model model;
    std::string error;
};

TEST_F(ReportPdf, PagesAreFoundByTheirTextAndThePicturesAreVectors) {
    const std::string path = Save(kA4Page, "nominal.pdf");
    ASSERT_EQ(error, "");
    const std::string info = Output("pdfinfo '" + path + "'");
    EXPECT_NE(info.find("Pages:           6\n"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;

    // Pages come apart at form feeds.
    const std::string text = Output("pdftotext -layout '" + path + "' -");
    std::vector<std::string> pages(1);
    for (char c : text) {
        if (c == '\f')
            pages.emplace_back();
        else
            pages.back().push_back(c);
    }
    ASSERT_GE(pages.size(), 6u);
    EXPECT_NE(pages[0].find("Gear report: Nominal"), std::string::npos) << pages[0];
    EXPECT_NE(pages[0].find("Exhaust clearance"), std::string::npos);
    EXPECT_NE(pages[1].find("EccRodRev"), std::string::npos);
    EXPECT_NE(pages[1].find("0.6875"), std::string::npos);  // EccCircleDia, exactly
    EXPECT_NE(pages[2].find("forward gear"), std::string::npos);
    EXPECT_NE(pages[3].find("reverse gear"), std::string::npos);
    // The diagrams' own texts are text in the PDF, not pixels.
    EXPECT_NE(pages[4].find("Sine diagram"), std::string::npos);
    EXPECT_NE(pages[5].find("Port open/close"), std::string::npos);

    // No image anywhere: pdfimages lists only its two heading lines.
    const std::string images = Output("pdfimages -list '" + path + "'");
    int lines = 0;
    for (char c : images) lines += c == '\n';
    EXPECT_EQ(lines, 2) << images;
}

TEST_F(ReportPdf, LetterPagesAreLetter) {
    const std::string path = Save(kLetterPage, "letter.pdf");
    ASSERT_EQ(error, "");
    EXPECT_NE(Output("pdfinfo '" + path + "'").find("612 x 792 pts (letter)"), std::string::npos);
}

TEST_F(ReportPdf, AFileThatCannotBeWrittenIsAMessageAndLeavesNothing) {
    const std::string path = dir + "/kept.pdf";
    { std::ofstream(path) << "the old report"; }
    std::filesystem::permissions(dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    Save(kA4Page, "kept.pdf");
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    if (::geteuid() != 0) {  // root writes anywhere
        EXPECT_NE(error.find("kept.pdf"), std::string::npos) << error;
        std::ifstream in(path);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the old report");
    }
    Save(kA4Page, "no such folder/report.pdf");
    EXPECT_NE(error.find("report.pdf"), std::string::npos) << error;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

}  // namespace
}  // namespace lm
