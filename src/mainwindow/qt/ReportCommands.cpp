// Printing the gear report and exporting it as a PDF.

#include "mainwindow/qt/ReportCommands.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>

#include <cmath>
#include <memory>

#include "graphics/qt/PagePrinting.h"
#include "report/ReportLayout.h"

namespace lm {

namespace {

// The hourglass while the report's events and pages are worked out.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

std::shared_ptr<const GearReport> Report(const Model& m) {
    return std::make_shared<const GearReport>(MakeGearReport(m, ReportDateNow()));
}

QString Title(const Model& m) { return QString("Gear report: %1").arg(QString::fromStdString(m.DataSetName)); }

}  // namespace

void ReportCommands::PrintClick() {
    QPrinter printer(QPrinter::HighResolution);
    // Page places count from the paper's corner; the report keeps its own margins.
    printer.setFullPage(true);
    // Also the name a print to a file is offered under.
    printer.setDocName(QString("%1 gear report").arg(QString::fromStdString(model_.DataSetName)));
    const PageSize paper = LocalePaper();
    printer.setPageSize(QPageSize(QSize(paper.width, paper.height)));
    if (!hooks_.askPrinter(window_, printer)) return;
    const QRectF sheet = printer.pageLayout().fullRectPoints();
    const PageSize size{static_cast<int>(std::floor(sheet.width())), static_cast<int>(std::floor(sheet.height()))};
    bool printed = false;
    {
        BusyCursor busy;
        printed = PaintPages(printer, LayOutReport(Report(model_), size, CanvasTextWidth())) &&
                  printer.printerState() != QPrinter::Error;
    }
    if (!printed) {
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
        hooks_.showError(window_, QString("The report could not be printed on \"%1\".").arg(where));
    }
}

void ReportCommands::ExportReportClick() {
    const QString path =
        hooks_.chooseSaveFile(window_, ExportReportDialog(QString::fromStdString(model_.DataSetName)));
    if (path.isEmpty()) return;
    std::string error;
    {
        BusyCursor busy;
        const PageSize paper = LocalePaper();
        error = SavePagesPdf(path.toStdString(), LayOutReport(Report(model_), paper, CanvasTextWidth()), paper,
                             Title(model_).toStdString());
    }
    if (!error.empty()) hooks_.showError(window_, QString::fromStdString(error));
}

}  // namespace lm
