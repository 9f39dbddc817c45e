// File > Print... and File > Export Report (PDF): the gear report from the window.
#pragma once

#include "mainwindow/qt/FileDialogs.h"
#include "model/Model.h"

class QWidget;

namespace lm {

class ReportCommands {
public:
    // `hooks` are read at every command, so a test may replace them at any time.
    ReportCommands(QWidget* window, const Model& model, const FileCommandHooks& hooks)
        : window_(window), model_(model), hooks_(hooks) {}

    // The platform's print dialog, then the report on the paper chosen there.
    void PrintClick();
    // The report as a PDF on the locale's paper, under a name asked for.
    void ExportReportClick();

private:
    QWidget* window_;
    const Model& model_;
    const FileCommandHooks& hooks_;
};

}  // namespace lm
