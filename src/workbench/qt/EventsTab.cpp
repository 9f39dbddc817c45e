// The events tab: table, plot, copy and CSV, refreshed in the background.

#include "workbench/qt/EventsTab.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <bit>

#include "common/qt/PictureDialogs.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "common/AtomicFile.h"
#include "graphics/qt/PictureExport.h"
#include "workbench/CutOffPlot.h"

namespace lm {

namespace {

constexpr int kLeadingColumns = 3;  // gear, row, arm position

const char* const kPairCaptions[kValveEventPairCount] = {"Lead", "Max open", "Admission",
                                                         "Cut-off", "Release", "Compression"};

QString AskCsvPathWithDialog(QWidget* parent, const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, "Save Table As", suggestedName,
                                        "CSV table (*.csv)");
}

void ShowErrorInBox(QWidget* parent, const QString& message) {
    QMessageBox::warning(parent, "Valve Events", message);
}

QTableWidgetItem* Cell(const std::string& text) {
    auto* item = new QTableWidgetItem(QString::fromStdString(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

EventsTab::EventsTab(Model& model, QWidget* parent)
    : QWidget(parent), model_(model), job_(this), plot_(kCutOffPlotWidth, kCutOffPlotHeight) {
    setObjectName("EventsTab");
    AskCsvPath = AskCsvPathWithDialog;
    AskPicturePath = AskPicturePathWithDialog;
    ShowError = ShowErrorInBox;

    grid_ = new QTableWidget(2 * kPortRowCount, kLeadingColumns + 3 * kValveEventPairCount, this);
    grid_->setObjectName("EventsTable");
    QStringList headers{"Gear", "Row", "Arm"};
    for (const char* pair : kPairCaptions)
        headers << QString("%1\nfront").arg(pair) << QString("%1\nrear").arg(pair) << QString("%1\nF\u2212R").arg(pair);
    grid_->setHorizontalHeaderLabels(headers);
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);

    plotArea_ = new PictureWidget(this, [this]() -> const QImage& { return plot_.image(); }, Qt::white);
    plotArea_->setObjectName("CutOffPlot");
    plotArea_->setFixedSize(kCutOffPlotWidth, kCutOffPlotHeight);
    plotArea_->ContextMenuAsked = [this](QPoint at) {
        QMenu menu(this);
        menu.addAction("Save Picture As\u2026", this, &EventsTab::SavePlotClick);
        menu.addAction("Copy Picture", this, &EventsTab::CopyPlotClick);
        menu.exec(at);
    };

    copy_ = new QPushButton("&Copy Table", this);
    copy_->setObjectName("CopyTable");
    copy_->setToolTip("Copy the table as tab-separated text, for a spreadsheet");
    connect(copy_, &QPushButton::clicked, this, &EventsTab::CopyTableClick);
    save_ = new QPushButton("Save &CSV\u2026", this);
    save_->setObjectName("SaveCsv");
    connect(save_, &QPushButton::clicked, this, &EventsTab::SaveCsvClick);
    auto* savePlot = new QPushButton("Save &Plot\u2026", this);
    savePlot->setObjectName("SavePlot");
    connect(savePlot, &QPushButton::clicked, this, &EventsTab::SavePlotClick);
    copy_->setEnabled(false);
    save_->setEnabled(false);

    status_ = new QLabel(this);
    status_->setObjectName("EventsStatus");
    status_->setWordWrap(true);
    auto* units = new QLabel(
        "Lead (the opening at the end's dead centre, negative while the port is still covered) and "
        "greatest opening in length units; admission, cut-off, release and compression in percent "
        "of stroke, front from the front dead centre, rear from the rear. An empty cell: the event "
        "does not occur.",
        this);
    units->setWordWrap(true);

    auto* side = new QVBoxLayout;
    side->addWidget(copy_);
    side->addWidget(save_);
    side->addWidget(savePlot);
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

void EventsTab::FillTable() {
    // Sized once at the end: sizing to contents at every cell costs seconds.
    grid_->setUpdatesEnabled(false);
    grid_->setRowCount(static_cast<int>(table_.Forward.size() + table_.Reverse.size()));
    int r = 0;
    for (const auto& [gear, rows] : {std::pair{"Fwd", &table_.Forward}, std::pair{"Rev", &table_.Reverse}})
        for (const ValveEventRow& row : *rows) {
            grid_->setItem(r, 0, Cell(gear));
            grid_->setItem(r, 1, Cell(std::to_string(row.Row)));
            grid_->setItem(r, 2, Cell(EventCellText(ValveEvent::FrontLead, row.RevArmPos)));
            for (int p = 0; p < kValveEventPairCount; ++p) {
                const int c = kLeadingColumns + 3 * p;
                const auto front = static_cast<ValveEvent>(2 * p);
                const auto rear = static_cast<ValveEvent>(2 * p + 1);
                grid_->setItem(r, c, Cell(EventCellText(front, row.Value(front))));
                grid_->setItem(r, c + 1, Cell(EventCellText(rear, row.Value(rear))));
                grid_->setItem(r, c + 2, Cell(DifferenceCellText(p, row.Difference(p))));
            }
            ++r;
        }
    grid_->resizeColumnsToContents();
    grid_->resizeRowsToContents();
    grid_->setUpdatesEnabled(true);
}

void EventsTab::DrawPlot() {
    plottedReverser_ = model_.Gear.RevArmPos;
    plot_.Clear(PictureRatio(plotArea_));
    plot_.Draw([this](Canvas& canvas) { DrawCutOffPlot(canvas, table_, plottedReverser_); });
    plotArea_->update();
}

void EventsTab::CopyTableClick() {
    if (!hasTable_) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(ValveEventsDelimited(table_, '\t')));
}

void EventsTab::SaveCsvClick() {
    if (!hasTable_) return;
    const QString path = AskCsvPath ? AskCsvPath(this, "valve-events.csv") : QString();
    if (path.isEmpty()) return;
    const std::string error = WriteFileAtomically(path.toStdString(), ValveEventsDelimited(table_, ','));
    if (!error.empty() && ShowError) ShowError(this, QString::fromStdString(error));
}

void EventsTab::SavePlotClick() {
    if (!hasTable_) return;
    const QString path = AskPicturePath ? AskPicturePath(this, "cut-off") : QString();
    if (path.isEmpty()) return;
    const std::string error = SavePicture(path.toStdString(), plot_.width(), plot_.height(), PictureRatio(plotArea_),
                                          [this](Canvas& canvas) { plot_.Replay(canvas); });
    if (!error.empty() && ShowError) ShowError(this, QString::fromStdString(error));
}

void EventsTab::CopyPlotClick() { CopyPictureToClipboard(plot_.image()); }

}  // namespace lm
