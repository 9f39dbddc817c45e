// The report command: the gear report laid out for the page and written as a PDF.

#include "cli/ReportCommand.h"

#include <cctype>
#include <filesystem>
#include <memory>

#include "cli/FontApplication.h"
#include "graphics/qt/PagePrinting.h"
#include "report/ReportLayout.h"

namespace lm::cli {

namespace {

bool EndsInPdf(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".pdf";
}

PageSize ChosenPage(const Arguments& args) {
    const auto page = args.Last("page");
    if (!page) return LocalePaper();
    if (*page == "a4") return kA4Page;
    if (*page == "letter") return kLetterPage;
    throw UsageError("--page: expected a4 or letter, got '" + *page + "'");
}

}  // namespace

void RunReport(const Model& m, const Arguments& args) {
    CheckOptionsFor(args, {"out", "page"});
    const auto out = args.Last("out");
    if (!out) throw UsageError("report needs --out FILE.pdf");
    if (!EndsInPdf(*out)) throw UsageError("--out: '" + *out + "' does not end in .pdf");
    const PageSize page = ChosenPage(args);
    const auto app = MakeFontApplication();
    const auto report = std::make_shared<const GearReport>(MakeGearReport(m, ReportDateNow()));
    const std::string error = SavePagesPdf(*out, LayOutReport(report, page, CanvasTextWidth()), page,
                                           "Gear report: " + report->SetName);
    if (!error.empty()) throw UsageError(error);
}

}  // namespace lm::cli
