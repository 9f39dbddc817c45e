// The fit tab: bounds, goals, a cancellable run, before/after tables, apply and undo.

#include "workbench/qt/FitTab.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <set>

#include "common/Numbers.h"
#include "common/qt/NumericEdit.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/QtText.h"
#include "kinematics/MidGear.h"
#include "model/DimensionTable.h"
#include "model/UndoHistory.h"
#include "workbench/EventPlot.h"
#include "workbench/Sensitivity.h"
#include "workbench/qt/EventsGrid.h"
#include "workbench/qt/TabParts.h"

namespace lm {

namespace {

constexpr int kProgressMs = 100;


QString Number(double v, int decimals) {
    if (!std::isfinite(v)) return {};
    return QString::fromStdString(FixedText(v, decimals));
}

QString Number(const std::optional<double>& v, int decimals) { return v ? Number(*v, decimals) : QString("\u2014"); }

// Percent of stroke to the thousandth the exact events are known to; lengths to 1e-5.
constexpr int kPercentDecimals = 3;
constexpr int kLengthDecimals = 5;

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align = Qt::AlignRight) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QTableWidget* MakeTable(QWidget* parent, const char* name, const QStringList& headers) {
    auto* t = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->verticalHeader()->hide();
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

bool SameEntry(const UndoEntry& a, const UndoEntry& b) {
    return a.DimensionNumber == b.DimensionNumber && a.Before == b.Before && a.After == b.After;
}

}  // namespace

FitTab::FitTab(Model& model, std::function<void()> modelChanged, QWidget* parent)
    : QWidget(parent), model_(model), modelChanged_(std::move(modelChanged)), job_(this),
      plot_(kEventPlotWidth, kEventPlotHeight) {
    setObjectName("FitTab");
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Vary", this), 0, 0);
    grid->addWidget(new QLabel("from", this), 0, 1);
    grid->addWidget(new QLabel("to", this), 0, 2);
    for (int k = 0; k < kFitMaxVariables; ++k) {
        auto* d = new QComboBox(this);
        d->setObjectName(QString("FitDimension%1").arg(k + 1));
        d->addItem("(none)");
        // Only what undo can record can be applied.
        for (const DimensionInfo& info : AllDimensions())
            if (info.DimensionNumber > 0) d->addItem(QtText(info.CodeName));
        auto* lo = new NumericEdit(this);
        lo->setObjectName(QString("FitLow%1").arg(k + 1));
        auto* hi = new NumericEdit(this);
        hi->setObjectName(QString("FitHigh%1").arg(k + 1));
        dims_[static_cast<std::size_t>(k)] = d;
        lows_[static_cast<std::size_t>(k)] = lo;
        highs_[static_cast<std::size_t>(k)] = hi;
        connect(d, &QComboBox::currentIndexChanged, this, [this, k] { DimensionChosen(k); });
        grid->addWidget(d, k + 1, 0);
        grid->addWidget(lo, k + 1, 1);
        grid->addWidget(hi, k + 1, 2);
    }
    grid->setColumnStretch(3, 1);

    goals_ = new QLineEdit("equal-cutoff@fwd, equal-cutoff@rev", this);
    goals_->setObjectName("FitGoals");
    constraints_ = new QLineEdit(this);
    constraints_->setObjectName("FitConstraints");
    constraints_->setPlaceholderText("none (e.g. lead>=0.01@mid, cutoff<=75@full-fwd)");
    auto* goalHelp = new QLabel(
        "Goals, separated by commas: equal-cutoff@S, equal-lead@S, cutoff=PCT@S (both ends), lead=V@S (both "
        "ends), each optionally *W to count W times; S is mid, fwd, rev, full-fwd or full-rev, or a range such as "
        "fwd..full-fwd (every row of the table between, the worst counting). Constraints must hold after the fit: "
        "EVENT>=V@S or EVENT<=V@S, EVENT lead, opening, admission, cutoff, release or compression (led by front- "
        "or rear- for one end), V in the event's unit. Bounds left empty are 10 % either side of the value.",
        this);
    goalHelp->setWordWrap(true);

    run_ = TabButton(this, "&Run", "RunFit", &FitTab::RunClick);
    cancel_ = TabButton(this, "Cance&l", "CancelFit", &FitTab::CancelClick);
    apply_ = TabButton(this, "&Apply", "ApplyFit", &FitTab::ApplyClick);
    apply_->setToolTip("Write the fitted values into the gear, one undo entry for each");
    undo_ = TabButton(this, "&Undo Apply", "UndoFit", &FitTab::UndoClick);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("FitProgress");
    progress_->setRange(0, kFitDefaultBudget);
    progress_->setValue(0);
    threshold_ = new NumericEdit(this, false);
    threshold_->setObjectName("FitThreshold");
    threshold_->setText(QString::number(kFitDefaultTolerance));
    threshold_->setMaximumWidth(80);
    threshold_->setToolTip("The fit has converged when its residual is at most this");
    auto* thresholdRow = new QHBoxLayout;
    thresholdRow->addWidget(new QLabel("Converged at a residual of at most", this));
    thresholdRow->addWidget(threshold_);
    thresholdRow->addWidget(new QLabel("% of stroke", this));
    thresholdRow->addStretch();
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(run_), static_cast<QWidget*>(cancel_), static_cast<QWidget*>(progress_),
                       static_cast<QWidget*>(apply_), static_cast<QWidget*>(undo_)})
        buttons->addWidget(w);

    message_ = new QLabel(this);
    message_->setObjectName("FitMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    values_ = MakeTable(this, "FitValues", {"", "Before", "After"});
    events_ = new QTableWidget(0, 0, this);
    events_->setObjectName("FitEvents");
    SetUpEventsGrid(events_);
    eventsShown_ = new QComboBox(this);
    eventsShown_->setObjectName("FitTableShows");
    eventsShown_->addItems({"After the fit (changed cells marked)", "Before the fit"});
    connect(eventsShown_, &QComboBox::currentIndexChanged, this, [this] { FillEventsTable(); });
    plotEvent_ = MakeEventPairChooser(this, "FitPlotEvent");
    connect(plotEvent_, &QComboBox::currentIndexChanged, this, [this] { DrawPlot(); });
    plotArea_ = new PictureWidget(this, [this]() -> const QImage& { return plot_.image(); }, Qt::white);
    plotArea_->setObjectName("FitPlot");
    plotArea_->setFixedSize(kEventPlotWidth, kEventPlotHeight);
    unasked_ = new QLabel(this);
    unasked_->setObjectName("FitUnasked");
    unasked_->setWordWrap(true);

    auto* inputs = new QVBoxLayout;
    inputs->addLayout(grid);
    inputs->addWidget(new QLabel("Goals:", this));
    inputs->addWidget(goals_);
    inputs->addWidget(new QLabel("Constraints:", this));
    inputs->addWidget(constraints_);
    inputs->addWidget(goalHelp);
    inputs->addLayout(thresholdRow);
    inputs->addLayout(buttons);
    inputs->addWidget(message_);
    inputs->addStretch();
    auto* plotChoice = new QHBoxLayout;
    plotChoice->addWidget(new QLabel("Plot, after (solid) and before (dashed):", this));
    plotChoice->addWidget(plotEvent_, 1);
    auto* plotColumn = new QVBoxLayout;
    plotColumn->addLayout(plotChoice);
    plotColumn->addWidget(plotArea_);
    plotColumn->addStretch();
    auto* top = new QHBoxLayout;
    top->addLayout(inputs, 1);
    top->addLayout(plotColumn);
    auto* tableChoice = new QHBoxLayout;
    tableChoice->addWidget(new QLabel("Table:", this));
    tableChoice->addWidget(eventsShown_);
    tableChoice->addWidget(unasked_, 1);
    auto* results = new QHBoxLayout;
    results->addWidget(values_, 2);
    auto* eventsColumn = new QVBoxLayout;
    eventsColumn->addLayout(tableChoice);
    eventsColumn->addWidget(events_, 1);
    results->addLayout(eventsColumn, 5);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(results, 1);

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressMs);
    connect(progressTimer_, &QTimer::timeout, this, &FitTab::ShowProgress);
    ShowButtons();
    DrawPlot();
}

FitTab::~FitTab() {
    // The worker has its own copies; it only needs telling to stop.
    if (control_) control_->Cancel = true;
}

QString FitTab::Message() const { return message_->text(); }

void FitTab::Say(const QString& text, bool bad) { ShowTabMessage(message_, text, bad); }

void FitTab::DimensionChosen(int k) {
    const auto i = static_cast<std::size_t>(k);
    lows_[i]->clear();
    highs_[i]->clear();
    if (dims_[i]->currentIndex() <= 0) return;
    FitVariable v;
    if (ParseFitVariable(dims_[i]->currentText().toStdString(), model_, v).empty()) {
        lows_[i]->setText(Number(v.Low, 4));
        highs_[i]->setText(Number(v.High, 4));
    }
}

std::string FitTab::ReadProblem(FitProblem& problem) const {
    for (int k = 0; k < kFitMaxVariables; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (dims_[i]->currentIndex() <= 0) continue;
        std::string text = dims_[i]->currentText().toStdString();
        const QString lo = lows_[i]->text().trimmed();
        const QString hi = highs_[i]->text().trimmed();
        if (!lo.isEmpty() || !hi.isEmpty()) text += "=" + lo.toStdString() + ":" + hi.toStdString();
        FitVariable v;
        if (std::string error = ParseFitVariable(text, model_, v); !error.empty()) return error;
        problem.Vary.push_back(v);
    }
    if (problem.Vary.empty()) return "choose at least one dimension to vary";
    for (const QString& part : goals_->text().split(',', Qt::SkipEmptyParts)) {
        const QString word = part.trimmed();
        if (word.isEmpty()) continue;
        FitGoal g;
        if (std::string error = ParseFitGoal(word.toStdString(), g); !error.empty()) return error;
        problem.Goals.push_back(g);
    }
    if (problem.Goals.empty()) return "no goal given";
    for (const QString& part : constraints_->text().split(',', Qt::SkipEmptyParts)) {
        const QString word = part.trimmed();
        if (word.isEmpty()) continue;
        FitConstraint c;
        if (std::string error = ParseFitConstraint(word.toStdString(), c); !error.empty()) return error;
        problem.Constraints.push_back(c);
    }
    return {};
}

void FitTab::RunClick() {
    if (job_.Running()) return;
    FitProblem problem;
    if (std::string error = ReadProblem(problem); !error.empty()) {
        Say(QString::fromStdString("Nothing was run: " + error + "."), true);
        return;
    }
    double threshold = 0;
    if (!ParseStrictNumber(threshold_->text().trimmed().toStdString(), threshold) || !(threshold > 0)) {
        Say("Nothing was run: the threshold must be a positive percent of stroke.", true);
        return;
    }
    problem_ = problem;
    hasResult_ = false;
    ranOn_ = ValveEventsInputsOf(model_);
    control_ = std::make_shared<Control>();
    progress_->setValue(0);
    Say("Searching\u2026", false);

    Model copy = model_;
    job_.Start(
        [copy = std::move(copy), problem, threshold, control = control_] {
            FitOptions options;
            options.Tolerance = threshold;
            control->Budget = options.MaxEvaluations;
            options.Progress = [control](const FitProgress& p) {
                control->Evaluations = p.Evaluations;
                return !control->Cancel.load();
            };
            Computed c;
            c.Result = RunFit(copy, problem, options);
            if (c.Result.Outcome == FitOutcome::Refused) return c;
            c.Before = ComputeValveEvents(copy);
            c.After = ComputeValveEvents(FittedModel(copy, problem, c.Result));
            c.Unasked = LargestUnaskedChange(copy, problem, c.Before, c.After);
            return c;
        },
        [this](const Computed& c) { Finished(c); });
    progressTimer_->start();
    ShowButtons();
}

void FitTab::CancelClick() {
    if (control_ && job_.Running()) control_->Cancel = true;
}

void FitTab::ShowProgress() {
    if (!control_) return;
    progress_->setMaximum(std::max(1, control_->Budget.load()));
    progress_->setValue(std::min(progress_->maximum(), control_->Evaluations.load()));
}

void FitTab::Finished(const Computed& c) {
    progressTimer_->stop();
    ShowProgress();
    // A search that converged early has still done all it needed to.
    if (c.Result.Converged()) progress_->setValue(progress_->maximum());
    result_ = c.Result;
    hasResult_ = true;
    const FitResult& r = result_;
    switch (r.Outcome) {
        case FitOutcome::Converged:
            Say(QString("Converged after %1 evaluations: residual %2 % of stroke (it was %3). "
                        "Apply writes the new values into the gear, one undo entry each.")
                    .arg(r.Evaluations)
                    .arg(Number(r.ResidualAfter, 3), Number(r.ResidualBefore, 3)),
                false);
            break;
        case FitOutcome::Cancelled:
            Say(QString("Cancelled after %1 evaluations; nothing can be applied.").arg(r.Evaluations), true);
            break;
        case FitOutcome::Refused:
            Say(QString::fromStdString("Nothing was run: " + r.Message + "."), true);
            break;
        default:
            Say(QString::fromStdString("Not converged: " + r.Message + ". Nothing can be applied."), true);
    }

    hasTables_ = r.Outcome != FitOutcome::Refused && r.After.size() == problem_.Vary.size();
    before_ = hasTables_ ? c.Before : ValveEventsTable{};
    after_ = hasTables_ ? c.After : ValveEventsTable{};
    ShowValues();
    FillEventsTable();
    DrawPlot();
    if (!hasTables_) {
        unasked_->clear();
    } else if (!c.Unasked) {
        unasked_->setText("No cell that no goal or constraint names changed.");
    } else {
        const ValveEventColumn* column = nullptr;
        for (const ValveEventColumn& col : ValveEventColumns())
            if (col.Name == c.Unasked->Column) column = &col;
        const std::string unit = !column ? "" : column->Unit == "length" ? "length units" : column->Unit;
        const int decimals = column ? column->Decimals : 3;
        unasked_->setText(QString("Largest change no goal or constraint asked for: %1 in %2 row %3, by %4 %5.")
                              .arg(QString::fromStdString(c.Unasked->Column), c.Unasked->Graph == 'R' ? "Rev" : "Fwd")
                              .arg(c.Unasked->Row)
                              .arg(Number(c.Unasked->Change, decimals), QString::fromStdString(unit)));
    }
    ShowButtons();
}

void FitTab::ShowValues() {
    values_->setRowCount(0);
    if (!hasTables_) return;
    const FitResult& r = result_;
    const auto add = [this](const QString& what, const QString& before, const QString& after, bool bad = false) {
        const int row = values_->rowCount();
        values_->setRowCount(row + 1);
        values_->setItem(row, 0, Cell(what, Qt::AlignLeft));
        values_->setItem(row, 1, Cell(before));
        auto* cell = Cell(after);
        if (bad) cell->setForeground(QColor(190, 0, 0));
        values_->setItem(row, 2, cell);
    };
    for (std::size_t k = 0; k < problem_.Vary.size(); ++k)
        add(QtText(problem_.Vary[k].Dimension->CodeName), Number(r.Before[k], 4), Number(r.After[k], 4));
    add("Residual, % of stroke", Number(r.ResidualBefore, kPercentDecimals), Number(r.ResidualAfter, kPercentDecimals));
    for (std::size_t k = 0; k < problem_.Goals.size(); ++k)
        add(QString("%1: worst miss, % of stroke").arg(QString::fromStdString(FitGoalText(problem_.Goals[k]))),
            Number(r.MeasuredBefore.GoalMiss[k], kPercentDecimals), Number(r.MeasuredAfter.GoalMiss[k], kPercentDecimals));
    for (std::size_t k = 0; k < problem_.Constraints.size(); ++k) {
        const FitConstraint& fc = problem_.Constraints[k];
        const bool length = IsLengthEvent(fc.Events.front());
        const std::optional<double>& room = r.MeasuredAfter.ConstraintRoom[k];
        add(QString("%1: worst, %2").arg(QString::fromStdString(FitConstraintText(fc)),
                                         QString::fromStdString(EventUnit(fc.Events.front()))),
            Number(r.MeasuredBefore.ConstraintWorst[k], length ? kLengthDecimals : kPercentDecimals),
            Number(r.MeasuredAfter.ConstraintWorst[k], length ? kLengthDecimals : kPercentDecimals), !room || *room < 0);
    }
    values_->resizeColumnsToContents();
    values_->resizeRowsToContents();
    // Wide enough to show before and after beside the longest name.
    int width = 2 * values_->frameWidth() + 4;
    for (int c = 0; c < values_->columnCount(); ++c) width += values_->columnWidth(c);
    values_->setMinimumWidth(std::min(width, this->width() / 2));
}

void FitTab::FillEventsTable() {
    const bool showBefore = eventsShown_->currentIndex() == 1;
    changedCells_ = FillEventsGrid(events_, showBefore ? before_ : after_, showBefore || !hasTables_ ? nullptr : &before_);
}

void FitTab::DrawPlot() {
    EventPlot plot;
    plot.Pair = plotEvent_->currentData().toInt();
    if (hasTables_) {
        plot.Table = &after_;
        plot.TableLabel = "After the fit";
        plot.Other = &before_;
        plot.OtherLabel = "Before";
    }
    plot_.Clear(PictureRatio(plotArea_));
    plot_.Draw([&plot](Canvas& canvas) { DrawEventPlot(canvas, plot); });
    plotArea_->update();
}

void FitTab::ApplyClick() {
    if (!hasResult_ || !result_.Converged()) {
        Say("Nothing to apply: only a fit that converged can be applied.", true);
        return;
    }
    if (!(ValveEventsInputsOf(model_) == ranOn_)) {
        Say("The dimensions have changed since the fit ran, so its values may no longer meet the goals: "
            "run it again. Nothing was applied.",
            true);
        return;
    }
    std::vector<float> before;
    for (const FitVariable& v : problem_.Vary) before.push_back(GetDimension(model_, *v.Dimension));
    if (!ApplyFit(model_, problem_, result_)) {
        Say("The fit could not be applied; nothing was changed.", true);
        return;
    }
    std::size_t changed = 0;
    for (std::size_t k = 0; k < problem_.Vary.size(); ++k)
        if (GetDimension(model_, *problem_.Vary[k].Dimension) != before[k]) ++changed;
    changed = std::min(changed, static_cast<std::size_t>(kUndoDepth));
    applied_.assign(model_.Undo.Entries.begin() + 1, model_.Undo.Entries.begin() + 1 + static_cast<long>(changed));
    hasResult_ = false;  // applied once; a second Apply would stack the same entries again
    Say(QString("Applied: %1 dimension(s) changed, each with its undo entry; mid gear found again.").arg(changed),
        false);
    if (modelChanged_) modelChanged_();
    ShowButtons();
}

void FitTab::UndoClick() {
    if (applied_.empty()) return;
    const std::size_t n = applied_.size();
    bool intact = model_.Undo.ButtonsEnabled && static_cast<std::size_t>(model_.Undo.UndoCount) >= n;
    for (std::size_t k = 0; intact && k < n; ++k) intact = SameEntry(model_.Undo.Entries[k + 1], applied_[k]);
    if (!intact) {
        Say("Other changes were made after the fit was applied: undo them with the UnDo button first. "
            "Nothing was undone.",
            true);
        applied_.clear();
        ShowButtons();
        return;
    }
    for (std::size_t k = 0; k < n; ++k) UndoButtonClicked(model_);
    FindMidGear(model_);
    applied_.clear();
    Say("The applied fit was undone.", false);
    if (modelChanged_) modelChanged_();
    ShowButtons();
}

void FitTab::Watch() { ShowButtons(); }

void FitTab::ShowButtons() {
    const bool running = job_.Running();
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    apply_->setEnabled(!running && hasResult_ && result_.Converged());
    undo_->setEnabled(!running && !applied_.empty());
}

}  // namespace lm
