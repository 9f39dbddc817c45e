// The tolerances tab: the study's boxes, a cancellable run on a copy of the gear, and
// its results as a table, a band plot and a share chart.

#include "workbench/qt/TolerancesTab.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "common/AtomicFile.h"
#include "common/qt/NumericEdit.h"
#include "common/qt/QtText.h"
#include "common/qt/PictureDialogs.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/SettingsStore.h"
#include "tolerance/ToleranceCharts.h"
#include "tolerance/ToleranceReport.h"
#include "tolerance/ToleranceRun.h"
#include "workbench/EventPlot.h"
#include "workbench/qt/TabParts.h"

namespace lm {

namespace {

constexpr int kProgressMs = 100;
constexpr int kProgressSteps = 1000;

QString AskStudyWithOpenDialog(QWidget* parent, const QString& suggestedName) {
    const QString path = QFileDialog::getOpenFileName(parent, "Open Tolerance Study",
                                                      InRememberedFolder("studies", suggestedName),
                                                      "Tolerance study (*.json)");
    RememberFolderOf("studies", path);
    return path;
}

QString AskStudyWithSaveDialog(QWidget* parent, const QString& suggestedName) {
    QString path = QFileDialog::getSaveFileName(parent, "Save Tolerance Study As",
                                                InRememberedFolder("studies", suggestedName),
                                                "Tolerance study (*.json)");
    if (!path.isEmpty() && !path.endsWith(".json", Qt::CaseInsensitive)) path += ".json";
    RememberFolderOf("studies", path);
    return path;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align & Qt::AlignVertical_Mask ? align : align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString Percent(double share) {
    if (!std::isfinite(share)) return {};
    return QString::number(100 * share, 'f', share > 0 && share < 0.001 ? 3 : 1) + " %";
}

// A setting's label over the lines of its rows, a range's ends and point each on a line
// of its own ("fwd..", "full-fwd", "@0.25"), so the column stays narrow.
QString SettingLines(const std::string& label) {
    QString text = QtText(label);
    text.replace("..", "..\n");
    text.replace("@", "\n@");
    return text;
}

void DrawNote(Canvas& canvas, const char* text) {
    StartPlot(canvas);
    canvas.TextOut({8, 8}, text);
}

NumericEdit* NumberBox(QWidget* parent, const char* name, int width) {
    auto* box = new NumericEdit(parent, false);
    box->setObjectName(name);
    box->setFixedWidth(width);
    return box;
}

}  // namespace

TolerancesTab::TolerancesTab(Model& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      job_(this),
      bands_(kBandPlotWidth, kBandPlotHeight),
      shares_(kShareChartWidth, kShareChartHeight) {
    setObjectName("TolerancesTab");
    AskStudyToOpen = AskStudyWithOpenDialog;
    AskStudyToSave = AskStudyWithSaveDialog;
    AskCsvPath = AskCsvPathWithDialog;
    AskPicturePath = AskPicturePathWithDialog;
    ShowError = [](QWidget* w, const QString& message) { ShowPictureErrorInBox(w, message); };

    const auto& rows = StudyFormRows();
    study_ = new QTableWidget(static_cast<int>(rows.size()), 2, this);
    study_->setObjectName("ToleranceTable");
    study_->setHorizontalHeaderLabels({"Dimension or pin", "\u00b1 or clearance"});
    study_->verticalHeader()->hide();
    study_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const StudyFormRow& row = rows[k];
        const QString caption = row.Pin ? QtText(row.Name + "  " + row.Words) : QtText(row.Name);
        auto* name = Cell(caption, Qt::AlignLeft);
        name->setToolTip(row.Pin ? "Clearance of the pin's hole over the pin: each link meeting there is up to half "
                                   "of it longer or shorter"
                                 : QtText("Plus or minus, " + row.Words + "; empty: the default for all " +
                                        (row.Words == "degrees" ? "angles" : "lengths")));
        study_->setItem(static_cast<int>(k), 0, name);
        auto* box = new NumericEdit(study_, false);
        QString objectName = QtText("Tol_" + row.Name);
        objectName.remove(' ');
        box->setObjectName(objectName);
        box->setPlaceholderText(row.Pin ? "none" : "default");
        box->setFrame(false);
        study_->setCellWidget(static_cast<int>(k), 1, box);
        rowBoxes_.push_back(box);
    }
    study_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    study_->resizeColumnsToContents();
    study_->setColumnWidth(1, 90);
    study_->horizontalHeader()->setStretchLastSection(true);
    study_->setMinimumWidth(study_->columnWidth(0) + 110);

    defaultLength_ = NumberBox(this, "ToleranceDefaultLength", 80);
    defaultAngle_ = NumberBox(this, "ToleranceDefaultAngle", 80);
    samples_ = NumberBox(this, "ToleranceSamples", 80);
    seed_ = NumberBox(this, "ToleranceSeed", 80);
    spread_ = new QComboBox(this);
    spread_->setObjectName("ToleranceSpread");
    spread_->addItem("Uniform within the tolerance");
    spread_->addItem("Normal, tolerance = 3 sigma");
    settings_ = new QLineEdit(this);
    settings_->setObjectName("ToleranceSettings");
    settings_->setToolTip("mid, fwd, rev, full-fwd, full-rev, or a range such as full-rev..full-fwd/9, "
                          "separated by commas");
    auto* form = new QGridLayout;
    form->addWidget(new QLabel("All lengths \u00b1", this), 0, 0);
    form->addWidget(defaultLength_, 0, 1);
    form->addWidget(new QLabel("all angles \u00b1", this), 0, 2);
    form->addWidget(defaultAngle_, 0, 3);
    form->addWidget(new QLabel("Spread", this), 1, 0);
    form->addWidget(spread_, 1, 1, 1, 3);
    form->addWidget(new QLabel("Samples", this), 2, 0);
    form->addWidget(samples_, 2, 1);
    form->addWidget(new QLabel("seed", this), 2, 2);
    form->addWidget(seed_, 2, 3);
    form->addWidget(new QLabel("Settings", this), 3, 0);
    form->addWidget(settings_, 3, 1, 1, 3);

    auto* load = TabButton(this, "&Open Study\u2026", "OpenStudy", &TolerancesTab::LoadClick);
    auto* save = TabButton(this, "Save St&udy\u2026", "SaveStudy", &TolerancesTab::SaveClick);
    run_ = TabButton(this, "&Run", "RunTolerances", &TolerancesTab::RunClick);
    cancel_ = TabButton(this, "Cance&l", "CancelTolerances", &TolerancesTab::CancelClick);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("ToleranceProgress");
    progress_->setRange(0, kProgressSteps);
    progress_->setValue(0);
    auto* files = new QHBoxLayout;
    files->addWidget(load);
    files->addWidget(save);
    auto* running = new QHBoxLayout;
    running->addWidget(run_);
    running->addWidget(cancel_);
    running->addWidget(progress_, 1);
    message_ = new QLabel(this);
    message_->setObjectName("ToleranceMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for three lines, so the buttons above stay put whatever the message.
    message_->setFixedHeight(3 * fontMetrics().lineSpacing() + 4);

    auto* left = new QVBoxLayout;
    left->addWidget(study_, 1);
    left->addLayout(form);
    left->addLayout(files);
    left->addLayout(running);
    left->addWidget(message_);

    results_ = new QTableWidget(0, 10, this);
    results_->setObjectName("ToleranceResults");
    // Two lines where the heading is much wider than its column's numbers.
    results_->setHorizontalHeaderLabels({"Setting", "Event", "Unit", "Nominal", "1 %", "50 %", "99 %", "Worst",
                                         "Not\nassembled", "Largest share"});
    results_->verticalHeader()->hide();
    results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setSelectionMode(QAbstractItemView::SingleSelection);
    results_->setWordWrap(false);
    // A share too long for its column keeps its percentage.
    results_->setTextElideMode(Qt::ElideMiddle);
    results_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    results_->horizontalHeader()->setStretchLastSection(true);
    results_->resizeColumnsToContents();
    connect(results_, &QTableWidget::currentCellChanged, this, [this] { DrawShares(); });

    pair_ = new QComboBox(this);
    pair_->setObjectName("ToleranceBandEvent");
    for (int p = 0; p < kValveEventPairCount; ++p) pair_->addItem(QtText(ValveEventPairCaption(p)));
    pair_->setCurrentIndex(kCutOffPair);
    connect(pair_, &QComboBox::currentIndexChanged, this, [this] { DrawBands(); });

    const auto pictureArea = [this](KeptPicture& picture, const char* name, void (TolerancesTab::*save)()) {
        auto* area = new PictureWidget(this, [&picture]() -> const QImage& { return picture.image(); }, Qt::white);
        area->setObjectName(name);
        area->setFixedSize(picture.width(), picture.height());
        area->ContextMenuAsked = [this, &picture, save](QPoint at) {
            QMenu menu(this);
            menu.addAction("Save Picture As\u2026", this, save);
            menu.addAction("Copy Picture", this, [&picture] { CopyPictureToClipboard(picture.image()); });
            menu.exec(at);
        };
        return area;
    };
    bandsArea_ = pictureArea(bands_, "ToleranceBands", &TolerancesTab::SaveBandsClick);
    sharesArea_ = pictureArea(shares_, "ToleranceShares", &TolerancesTab::SaveSharesClick);
    saveCsv_ = TabButton(this, "Save &CSV\u2026", "SaveToleranceCsv", &TolerancesTab::SaveCsvClick);
    saveBands_ = TabButton(this, "Save &Bands\u2026", "SaveToleranceBands", &TolerancesTab::SaveBandsClick);
    saveShares_ = TabButton(this, "Save S&hares\u2026", "SaveToleranceShares", &TolerancesTab::SaveSharesClick);

    auto* plotChoice = new QHBoxLayout;
    plotChoice->addWidget(new QLabel("Bands of", this));
    plotChoice->addWidget(pair_);
    plotChoice->addStretch();
    plotChoice->addWidget(saveCsv_);
    plotChoice->addWidget(saveBands_);
    plotChoice->addWidget(saveShares_);
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(bandsArea_);
    pictures->addWidget(sharesArea_);
    pictures->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(results_, 1);
    right->addLayout(plotChoice);
    right->addLayout(pictures);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressMs);
    connect(progressTimer_, &QTimer::timeout, this, &TolerancesTab::ShowProgress);

    ShowStudy(ToleranceStudy{});
    Say("Type the tolerances (plus or minus) and the worn pins' clearances, then Run.", false);
    DrawBands();
    DrawShares();
    ShowButtons();
}

TolerancesTab::~TolerancesTab() {
    // The worker has its own copies; it only needs telling to stop.
    if (control_) control_->Cancel = true;
}

QString TolerancesTab::Message() const { return message_->text(); }

void TolerancesTab::Say(const QString& text, bool bad) { ShowTabMessage(message_, text, bad); }

StudyForm TolerancesTab::Form() const {
    StudyForm form;
    for (const NumericEdit* box : rowBoxes_) form.Rows.push_back(box->text().toStdString());
    form.DefaultLength = defaultLength_->text().toStdString();
    form.DefaultAngle = defaultAngle_->text().toStdString();
    form.Samples = samples_->text().toStdString();
    form.Seed = seed_->text().toStdString();
    form.Settings = settings_->text().toStdString();
    form.Normal = spread_->currentIndex() == 1;
    return form;
}

void TolerancesTab::ShowStudy(const ToleranceStudy& study) {
    const StudyForm form = StudyFormOf(study);
    for (std::size_t k = 0; k < rowBoxes_.size() && k < form.Rows.size(); ++k)
        rowBoxes_[k]->setText(QtText(form.Rows[k]));
    defaultLength_->setText(QtText(form.DefaultLength));
    defaultAngle_->setText(QtText(form.DefaultAngle));
    samples_->setText(QtText(form.Samples));
    seed_->setText(QtText(form.Seed));
    settings_->setText(QtText(form.Settings));
    spread_->setCurrentIndex(form.Normal ? 1 : 0);
}

void TolerancesTab::ShowButtons() {
    run_->setEnabled(!job_.Running());
    cancel_->setEnabled(job_.Running());
    saveCsv_->setEnabled(hasResult_);
    saveBands_->setEnabled(hasResult_);
    saveShares_->setEnabled(hasResult_);
}

void TolerancesTab::RunClick() {
    if (job_.Running()) return;
    ToleranceStudy study;
    if (std::string error = ReadStudyForm(Form(), study); !error.empty()) {
        Say(QtText("Not run: " + error), true);
        return;
    }
    control_ = std::make_shared<Control>();
    control_->Total = study.Samples;
    Model copy = model_;
    job_.Start(
        [copy = std::move(copy), study, control = control_] {
            Computed c;
            c.Inputs = ValveEventsInputsOf(copy);
            c.Plan = PlanStudy(copy, study);
            const NominalEvents nominal = StudyNominal(copy, c.Plan);
            c.Error = CheckDrawnGear(c.Plan, nominal);
            if (!c.Error.empty()) return c;
            const auto data = RunSamples(copy, c.Plan, 0, c.Plan.Samples, {&control->Cancel, &control->Done});
            if (!data) {
                c.Cancelled = true;
                return c;
            }
            c.Summary = Summarize(c.Plan, nominal, *data);
            return c;
        },
        [this](const Computed& c) { Finished(c); });
    progress_->setValue(0);
    progressTimer_->start();
    Say(QString("Running %1 samples\u2026").arg(study.Samples), false);
    ShowButtons();
}

void TolerancesTab::CancelClick() {
    if (control_) control_->Cancel = true;
}

void TolerancesTab::ShowProgress() {
    if (!control_) return;
    const double done = static_cast<double>(control_->Done.load()) / static_cast<double>(control_->Total);
    progress_->setValue(static_cast<int>(std::lround(std::clamp(done, 0.0, 1.0) * kProgressSteps)));
}

void TolerancesTab::Finished(const Computed& c) {
    progressTimer_->stop();
    const QString before = hasResult_ ? " The results shown are still those of the run before." : "";
    if (!c.Error.empty()) {
        progress_->setValue(0);
        Say(QtText("Not run: " + c.Error) + before, true);
    } else if (c.Cancelled) {
        progress_->setValue(0);
        Say("Cancelled: nothing of that run is shown." + before, false);
    } else {
        plan_ = c.Plan;
        summary_ = c.Summary;
        ranOn_ = c.Inputs;
        hasResult_ = true;
        progress_->setValue(kProgressSteps);
        FillResults();
        DrawBands();
        DrawShares();
        Say(QString("%1 samples, seed %2. Choose a row to see which tolerances its variance is owed to.")
                .arg(plan_.Samples)
                .arg(plan_.Seed),
            false);
    }
    ShowButtons();
}

void TolerancesTab::Watch() {
    if (hasResult_ && !job_.Running() && !(ValveEventsInputsOf(model_) == ranOn_) &&
        !message_->text().startsWith("The gear has changed"))
        Say("The gear has changed since these results were worked out; Run again to see it.", true);
}

void TolerancesTab::FillResults() {
    results_->setUpdatesEnabled(false);
    results_->clearSpans();
    results_->setRowCount(static_cast<int>(summary_.Results.size()));
    int r = 0;
    for (std::size_t s = 0; s < plan_.Settings.size(); ++s)
        for (int e = 0; e < kStudyEventCount; ++e, ++r) {
            const EventStatistics& st = summary_.At(s, e);
            const auto value = [e](double v) {
                const std::string t = StudyValueText(e, v);
                return t == "null" ? QString() : QtText(t);
            };
            if (e == 0) {
                results_->setItem(r, 0, Cell(SettingLines(plan_.Settings[s].Setting.Label), Qt::AlignLeft | Qt::AlignTop));
                results_->item(r, 0)->setToolTip(QtText(plan_.Settings[s].Setting.Label));
                results_->setSpan(r, 0, kStudyEventCount, 1);
            }
            results_->setItem(r, 1, Cell(QtText(StudyEventName(e)), Qt::AlignLeft));
            results_->setItem(r, 2, Cell(IsLengthStudyEvent(e) ? "length" : "% stroke", Qt::AlignLeft));
            results_->setItem(r, 3, Cell(value(st.Nominal)));
            results_->setItem(r, 4, Cell(value(st.P1)));
            results_->setItem(r, 5, Cell(value(st.P50)));
            results_->setItem(r, 6, Cell(value(st.P99)));
            results_->setItem(r, 7, Cell(value(st.Worst)));
            results_->setItem(r, 8, Cell(st.Unassembled > 0 ? Percent(st.Unassembled) : QString()));
            QString largest;
            if (!st.Shares.empty())
                largest = QtText(plan_.Sources[static_cast<std::size_t>(st.Shares[0].Source)]) + "  " +
                          Percent(st.Shares[0].Share);
            results_->setItem(r, 9, Cell(largest, Qt::AlignLeft));
            results_->item(r, 9)->setToolTip(largest);
            if (st.Unassembled > 0)
                results_->item(r, 8)->setToolTip("Samples in which the gear could not be assembled at this setting; "
                                                 "the percentiles leave them out");
        }
    results_->resizeColumnsToContents();
    // Sizing to contents passes over spanned cells: the settings' lines set their column.
    const int margin = 2 * (results_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1) + 4;
    int settingWidth = results_->columnWidth(0);
    for (const PlannedSetting& point : plan_.Settings)
        for (const QString& line : SettingLines(point.Setting.Label).split('\n'))
            settingWidth = std::max(settingWidth, results_->fontMetrics().horizontalAdvance(line) + margin);
    results_->setColumnWidth(0, settingWidth);
    results_->setUpdatesEnabled(true);
    // The front cut-off at the first setting: what is usually looked at first.
    results_->setCurrentCell(static_cast<int>(ValveEvent::FrontCutOff), 0);
}

void TolerancesTab::DrawBands() {
    bands_.Clear(PictureRatio(bandsArea_));
    if (hasResult_)
        bands_.Draw([this](Canvas& canvas) { DrawToleranceBands(canvas, plan_, summary_, pair_->currentIndex()); });
    else
        bands_.Draw([](Canvas& canvas) { DrawNote(canvas, "The bands show here once the study has run."); });
    bandsArea_->update();
}

void TolerancesTab::DrawShares() {
    const int row = results_->currentRow();
    shares_.Clear(PictureRatio(sharesArea_));
    if (hasResult_ && row >= 0 && row < static_cast<int>(summary_.Results.size())) {
        const auto s = static_cast<std::size_t>(row / kStudyEventCount);
        const int e = row % kStudyEventCount;
        const std::string title = "Variance of " + std::string(StudyEventName(e)) + " at " + plan_.Settings[s].Setting.Label;
        shares_.Draw([this, s, e, title](Canvas& canvas) { DrawShareChart(canvas, plan_, summary_.At(s, e), title); });
    } else {
        shares_.Draw([](Canvas& canvas) { DrawNote(canvas, "The chosen row's variance shares show here."); });
    }
    sharesArea_->update();
}

void TolerancesTab::LoadClick() {
    const QString path = AskStudyToOpen ? AskStudyToOpen(this, "study.json") : QString();
    if (path.isEmpty()) return;
    ToleranceStudy study;
    if (std::string error = ReadStudyFile(path.toStdString(), study); !error.empty()) {
        if (ShowError) ShowError(this, QtText(error));
        return;
    }
    ShowStudy(study);
    Say("Opened " + path + ".", false);
}

void TolerancesTab::SaveClick() {
    ToleranceStudy study;
    if (std::string error = ReadStudyForm(Form(), study); !error.empty()) {
        Say(QtText("Not saved: " + error), true);
        return;
    }
    const QString path = AskStudyToSave ? AskStudyToSave(this, "study.json") : QString();
    if (path.isEmpty()) return;
    if (std::string error = WriteStudyFile(path.toStdString(), study); !error.empty()) {
        if (ShowError) ShowError(this, QtText(error));
        return;
    }
    Say("Saved " + path + ".", false);
}

void TolerancesTab::SaveCsvClick() {
    if (!hasResult_) return;
    const QString path = AskCsvPath ? AskCsvPath(this, "tolerances.csv") : QString();
    if (path.isEmpty()) return;
    const std::string error = WriteFileAtomically(path.toStdString(), ToleranceCsv(plan_, summary_));
    if (!error.empty() && ShowError) ShowError(this, QtText(error));
}

void TolerancesTab::SaveBandsClick() { SavePictureOf(bands_, bandsArea_, "tolerance-bands"); }

void TolerancesTab::SaveSharesClick() { SavePictureOf(shares_, sharesArea_, "tolerance-shares"); }

void TolerancesTab::SavePictureOf(const KeptPicture& picture, QWidget* area, const QString& name) {
    if (!hasResult_) return;
    const QString path = AskPicturePath ? AskPicturePath(this, name) : QString();
    if (path.isEmpty()) return;
    const std::string error = SaveKeptPicture(path, picture, area);
    if (!error.empty() && ShowError) ShowError(this, QtText(error));
}

}  // namespace lm
