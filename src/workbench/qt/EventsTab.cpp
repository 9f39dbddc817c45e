// The events tab: table, plot, copy and CSV, refreshed in the background; a second gear
// to compare with.

#include "workbench/qt/EventsTab.h"

#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <bit>

#include "common/AtomicFile.h"
#include "common/qt/PictureDialogs.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/SettingsStore.h"
#include "files/DimensionFile.h"
#include "workbench/EventPlot.h"
#include "workbench/qt/EventsGrid.h"
#include "workbench/qt/TabParts.h"

namespace lm {

namespace {

QString AskComparePathWithDialog(QWidget* parent, const QString&) {
    const QString path = QFileDialog::getOpenFileName(parent, "Compare With", InRememberedFolder("dimensions", ""),
                                                      "Dimension data (*.lmd *.LMD)");
    RememberFolderOf("dimensions", path);
    return path;
}

void ShowErrorInBox(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, "Valve Events", message);
}

}  // namespace

EventsTab::EventsTab(Model& model, QWidget* parent)
    : QWidget(parent), model_(model), job_(this), compareJob_(this), plot_(kEventPlotWidth, kEventPlotHeight) {
    setObjectName("EventsTab");
    AskCsvPath = AskCsvPathWithDialog;
    AskPicturePath = AskPicturePathWithDialog;
    AskComparePath = AskComparePathWithDialog;
    ShowError = ShowErrorInBox;

    grid_ = new QTableWidget(0, 0, this);
    grid_->setObjectName("EventsTable");
    SetUpEventsGrid(grid_);

    plotArea_ = new PictureWidget(this, [this]() -> const QImage& { return plot_.image(); }, Qt::white);
    plotArea_->setObjectName("EventPlot");
    plotArea_->setFixedSize(kEventPlotWidth, kEventPlotHeight);
    plotArea_->ContextMenuAsked = [this](QPoint at) {
        QMenu menu(this);
        menu.addAction("Save Picture As\u2026", this, &EventsTab::SavePlotClick);
        menu.addAction("Copy Picture", this, &EventsTab::CopyPlotClick);
        menu.exec(at);
    };
    plotEvent_ = MakeEventPairChooser(this, "PlotEvent");
    plotEvent_->setToolTip("The event the plot shows against the reverser's position");
    connect(plotEvent_, &QComboBox::currentIndexChanged, this, [this] { DrawPlot(); });

    copy_ = new QPushButton("&Copy Table", this);
    copy_->setObjectName("CopyTable");
    copy_->setToolTip("Copy the table as tab-separated text, for a spreadsheet");
    connect(copy_, &QPushButton::clicked, this, &EventsTab::CopyTableClick);
    save_ = TabButton(this, "Save &CSV\u2026", "SaveCsv", &EventsTab::SaveCsvClick);
    auto* savePlot = TabButton(this, "Save &Plot\u2026", "SavePlot", &EventsTab::SavePlotClick);
    copy_->setEnabled(false);
    save_->setEnabled(false);

    auto* compare = new QPushButton("Compare &with\u2026", this);
    compare->setObjectName("CompareWith");
    compare->setToolTip("Show the events of a dimension file beside this gear's; this gear is not changed");
    connect(compare, &QPushButton::clicked, this, &EventsTab::CompareWithClick);
    clearComparison_ = new QPushButton("C&lear Comparison", this);
    clearComparison_->setObjectName("ClearComparison");
    clearComparison_->setEnabled(false);
    connect(clearComparison_, &QPushButton::clicked, this, &EventsTab::ClearComparisonClick);
    shown_ = new QComboBox(this);
    shown_->setObjectName("TableShows");
    shown_->addItems({"This gear", "The compared gear", "Compared minus this gear"});
    shown_->setEnabled(false);
    connect(shown_, &QComboBox::currentIndexChanged, this, [this] { FillTable(); });

    status_ = new QLabel(this);
    status_->setObjectName("EventsStatus");
    status_->setWordWrap(true);
    comparisonStatus_ = new QLabel(this);
    comparisonStatus_->setObjectName("ComparisonStatus");
    comparisonStatus_->setWordWrap(true);
    auto* units = new QLabel(
        "Lead (the opening at the end's dead centre, negative while the port is still covered) and "
        "greatest opening in length units; admission, cut-off, release and compression in percent "
        "of stroke, front from the front dead centre, rear from the rear. An empty cell: the event "
        "does not occur. A tinted row: the gear cannot be assembled there.",
        this);
    units->setWordWrap(true);

    auto* plotRow = new QHBoxLayout;
    plotRow->addWidget(new QLabel("Plot:", this));
    plotRow->addWidget(plotEvent_, 1);
    auto* tableRow = new QHBoxLayout;
    tableRow->addWidget(new QLabel("Table:", this));
    tableRow->addWidget(shown_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(save_);
    buttons->addWidget(savePlot);
    auto* compareButtons = new QHBoxLayout;
    compareButtons->addWidget(compare);
    compareButtons->addWidget(clearComparison_);
    auto* side = new QVBoxLayout;
    side->addLayout(plotRow);
    side->addLayout(buttons);
    side->addLayout(compareButtons);
    side->addLayout(tableRow);
    side->addWidget(comparisonStatus_);
    side->addWidget(units);
    side->addWidget(status_);
    side->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(plotArea_, 0, Qt::AlignTop);
    bottom->addLayout(side, 1);
    auto* column = new QVBoxLayout(this);
    column->addWidget(grid_, 1);
    column->addLayout(bottom);
    status_->setText("Computing\u2026");
}

void EventsTab::Watch() {
    if (job_.Running()) return;  // its end looks again
    if (!hasTable_ || !(ValveEventsInputsOf(model_) == shownInputs_)) {
        Start();
        return;
    }
    if (std::bit_cast<std::uint32_t>(model_.Gear.RevArmPos) != std::bit_cast<std::uint32_t>(plottedReverser_))
        DrawPlot();
}

void EventsTab::Start() {
    status_->setText("Computing\u2026");
    Model copy = model_;
    job_.Start(
        [copy = std::move(copy)] { return Computed{ValveEventsInputsOf(copy), ComputeValveEvents(copy)}; },
        [this](const Computed& c) { Finished(c); });
}

void EventsTab::Finished(const Computed& c) {
    // A table for dimensions that have changed since is not shown; the new one is on its way.
    if (!(c.Inputs == ValveEventsInputsOf(model_))) {
        Start();
        return;
    }
    table_ = c.Table;
    shownInputs_ = c.Inputs;
    hasTable_ = true;
    FillTable();
    DrawPlot();
    copy_->setEnabled(true);
    save_->setEnabled(true);
    status_->setText("Up to date with the dimensions.");
}

EventsTab::Shown EventsTab::TableShown() const {
    if (!hasComparison_) return Shown::ThisGear;
    return static_cast<Shown>(shown_->currentIndex());
}

const ValveEventsTable& EventsTab::ShownTable() const {
    switch (TableShown()) {
        case Shown::Compared: return comparison_;
        case Shown::Difference: return difference_;
        default: return table_;
    }
}

void EventsTab::FillTable() {
    if (hasComparison_)
        difference_ = {ValveEventRowDifferences(table_.Forward, comparison_.Forward),
                       ValveEventRowDifferences(table_.Reverse, comparison_.Reverse)};
    FillEventsGrid(grid_, ShownTable());
}

void EventsTab::DrawPlot() {
    plottedReverser_ = model_.Gear.RevArmPos;
    EventPlot plot;
    plot.Pair = plotEvent_->currentData().toInt();
    plot.Table = &table_;
    plot.TableLabel = "This gear";
    if (hasComparison_) {
        plot.Other = &comparison_;
        plot.OtherLabel = comparisonName_.toStdString();
    }
    plot.Reverser = plottedReverser_;
    plot_.Clear(PictureRatio(plotArea_));
    plot_.Draw([&plot](Canvas& canvas) { DrawEventPlot(canvas, plot); });
    plotArea_->update();
}

void EventsTab::CopyTableClick() {
    if (!hasTable_) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(ValveEventsDelimited(ShownTable(), '\t')));
}

void EventsTab::SaveCsvClick() {
    if (!hasTable_) return;
    const QString path = AskCsvPath ? AskCsvPath(this, "valve-events.csv") : QString();
    if (path.isEmpty()) return;
    const std::string error = WriteFileAtomically(path.toStdString(), ValveEventsDelimited(ShownTable(), ','));
    if (!error.empty() && ShowError) ShowError(this, QString::fromStdString(error));
}

void EventsTab::SavePlotClick() {
    if (!hasTable_) return;
    const QString path = AskPicturePath ? AskPicturePath(this, "valve-events") : QString();
    if (path.isEmpty()) return;
    const std::string error = SaveKeptPicture(path, plot_, plotArea_);
    if (!error.empty() && ShowError) ShowError(this, QString::fromStdString(error));
}

void EventsTab::CopyPlotClick() { CopyPictureToClipboard(plot_.image()); }

void EventsTab::CompareWithClick() {
    if (compareJob_.Running()) return;
    const QString path = AskComparePath ? AskComparePath(this, QString()) : QString();
    if (path.isEmpty()) return;
    // The file is read onto a copy: whatever it holds, the present gear stays as it is,
    // and a file that cannot be read leaves the comparison there was.
    Model other = model_;
    const FileResult opened = OpenDimensionFile(other, path.toStdString());
    if (!opened.ok()) {
        if (ShowError) ShowError(this, QString::fromStdString(opened.error));
        return;
    }
    const QString name = QFileInfo(path).fileName();
    comparisonStatus_->setText(QString("Reading the events of %1\u2026").arg(name));
    compareJob_.Start([other = std::move(other)] { return ComputeValveEvents(other); },
                      [this, name](const ValveEventsTable& t) {
                          comparison_ = t;
                          comparisonName_ = name;
                          hasComparison_ = true;
                          shown_->setEnabled(true);
                          clearComparison_->setEnabled(true);
                          comparisonStatus_->setText(
                              QString("Compared with %1: dashed in the plot; choose the table to show.").arg(name));
                          FillTable();
                          DrawPlot();
                      });
}

void EventsTab::ClearComparisonClick() {
    if (compareJob_.Running()) return;
    hasComparison_ = false;
    comparison_ = {};
    comparisonName_.clear();
    shown_->setCurrentIndex(0);
    shown_->setEnabled(false);
    clearComparison_->setEnabled(false);
    comparisonStatus_->clear();
    FillTable();
    DrawPlot();
}

}  // namespace lm
