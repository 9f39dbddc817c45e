// File > Print... and File > Export Report (PDF) with the dialogs answered by the test.
#include <QPrinter>

#include <cstdio>
#include <string>
#include <vector>

#include "../../files/FileTestSupport.h"
#include "MainWindowFixture.h"

namespace lm {
namespace {

int PdfPages(const std::string& path) {
    std::string info;
    if (FILE* p = popen(("pdfinfo '" + path + "' 2>/dev/null").c_str(), "r")) {
        char buf[512];
        while (std::fgets(buf, sizeof buf, p)) info += buf;
        pclose(p);
    }
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

class ReportCommandsTest : public test::MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        form->FileHooks.chooseSaveFile = [this](QWidget*, const FileDialogRequest& r) {
            requests.push_back(r);
            return QString::fromStdString(answer);
        };
        form->FileHooks.showError = [this](QWidget*, const QString& m) { errors.push_back(m.toStdString()); };
    }
    test::ScratchFolder dir;
    std::string answer;
    std::vector<FileDialogRequest> requests;
    std::vector<std::string> errors;
};

TEST_F(ReportCommandsTest, ExportWritesTheReportWhereAskedOrSaysWhyNot) {
    answer = dir / "report.pdf";
    action("ExportReport")->trigger();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].suggestedName, "Nominal.pdf");
    EXPECT_EQ(requests[0].defaultSuffix, "pdf");
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(PdfPages(answer), 6);

    // Cancelled: nothing; unwritable: a message and nothing left behind.
    answer = "";
    action("ExportReport")->trigger();
    answer = dir / "no such folder/report.pdf";
    action("ExportReport")->trigger();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("report.pdf"), std::string::npos);
    EXPECT_EQ(dir.Names().size(), 1u);
}

// The print dialog's answer is a printer; here one that prints into a PDF file.
TEST_F(ReportCommandsTest, PrintsOnThePaperChosenInThePrintDialog) {
    const std::string printed = dir / "printed.pdf";
    int asked = 0;
    form->FileHooks.askPrinter = [&](QWidget*, QPrinter& printer) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printed));
        printer.setPageSize(QPageSize(QPageSize::Letter));
        return true;
    };
    action("Print")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(errors.empty()) << errors.front();
    EXPECT_EQ(PdfPages(printed), 6);

    // Cancelled in the dialog: nothing printed.
    form->FileHooks.askPrinter = [](QWidget*, QPrinter&) { return false; };
    std::filesystem::remove(printed);
    action("Print")->trigger();
    EXPECT_FALSE(std::filesystem::exists(printed));

    // A printer that fails: a message naming it, nothing left behind.
    const std::string nowhere = dir / "no such folder/printed.pdf";
    form->FileHooks.askPrinter = [&](QWidget*, QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(nowhere));
        return true;
    };
    action("Print")->trigger();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("could not be printed"), std::string::npos) << errors[0];
    EXPECT_TRUE(dir.Names().empty());
}

}  // namespace
}  // namespace lm
