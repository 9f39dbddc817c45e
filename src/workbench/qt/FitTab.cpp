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
#include "kinematics/MidGear.h"
#include "model/DimensionTable.h"
#include "model/UndoHistory.h"

namespace lm {

namespace {

constexpr int kProgressMs = 100;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QString Number(double v, int decimals) {
    if (!std::isfinite(v)) return {};
    return QString::fromStdString(FormatFixed(v, 1, decimals)).trimmed();
}

QString EventNumber(ValveEvent e, const std::optional<double>& v) {
    return v ? Number(*v, IsLengthEvent(e) ? 3 : 2) : QString();
}

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
    : QWidget(parent), model_(model), modelChanged_(std::move(modelChanged)), job_(this) {
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
            if (info.DimensionNumber > 0) d->addItem(Text(info.CodeName));
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
    auto* goalHelp = new QLabel(
        "Goals, separated by commas: equal-cutoff@G, equal-lead@G, cutoff=PCT@G (both ends), "
        "lead=V@G (both ends), where G is mid, fwd, rev, full-fwd or full-rev. Bounds left empty are "
        "10 % either side of the value.",
        this);
    goalHelp->setWordWrap(true);

    run_ = new QPushButton("&Run", this);
    run_->setObjectName("RunFit");
    cancel_ = new QPushButton("Cance&l", this);
    cancel_->setObjectName("CancelFit");
    apply_ = new QPushButton("&Apply", this);
    apply_->setObjectName("ApplyFit");
    apply_->setToolTip("Write the fitted values into the gear, one undo entry for each");
    undo_ = new QPushButton("&Undo Apply", this);
    undo_->setObjectName("UndoFit");
    connect(run_, &QPushButton::clicked, this, &FitTab::RunClick);
    connect(cancel_, &QPushButton::clicked, this, &FitTab::CancelClick);
    connect(apply_, &QPushButton::clicked, this, &FitTab::ApplyClick);
    connect(undo_, &QPushButton::clicked, this, &FitTab::UndoClick);
    progress_ = new QProgressBar(this);
    progress_->setObjectName("FitProgress");
    progress_->setRange(0, kFitDefaultBudget);
    progress_->setValue(0);
    auto* buttons = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(run_), static_cast<QWidget*>(cancel_), static_cast<QWidget*>(progress_),
                       static_cast<QWidget*>(apply_), static_cast<QWidget*>(undo_)})
        buttons->addWidget(w);

    message_ = new QLabel(this);
    message_->setObjectName("FitMessage");
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    values_ = MakeTable(this, "FitValues", {"Dimension", "Before", "After"});
    events_ = MakeTable(this, "FitEvents", {"Gear", "Event", "Front before", "Rear before", "Front after",
                                            "Rear after"});
    auto* tables = new QHBoxLayout;
    tables->addWidget(values_, 2);
    tables->addWidget(events_, 5);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(new QLabel("Goals:", this));
    column->addWidget(goals_);
    column->addWidget(goalHelp);
    column->addLayout(buttons);
    column->addWidget(message_);
    column->addLayout(tables, 1);

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(kProgressMs);
    connect(progressTimer_, &QTimer::timeout, this, &FitTab::ShowProgress);
    ShowButtons();
}

FitTab::~FitTab() {
    // The worker has its own copies; it only needs telling to stop.
    if (control_) control_->Cancel = true;
}

QString FitTab::Message() const { return message_->text(); }

void FitTab::Say(const QString& text, bool bad) {
    message_->setText(text);
    message_->setStyleSheet(bad ? "color: rgb(190, 0, 0);" : "");
}

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
    return {};
}

void FitTab::RunClick() {
    if (job_.Running()) return;
    FitProblem problem;
    if (std::string error = ReadProblem(problem); !error.empty()) {
        Say(QString::fromStdString("Nothing was run: " + error + "."), true);
        return;
    }
    problem_ = problem;
    hasResult_ = false;
    ranOn_ = ValveEventsInputsOf(model_);
    control_ = std::make_shared<Control>();
    progress_->setValue(0);
    Say("Searching\u2026", false);

    std::vector<GearPosition> at;
    for (const FitGoal& g : problem.Goals)
        if (std::find(at.begin(), at.end(), g.Where.From) == at.end()) at.push_back(g.Where.From);
    Model copy = model_;
    job_.Start(
        [copy = std::move(copy), problem, at, control = control_] {
            FitOptions options;
            control->Budget = options.MaxEvaluations;
            options.Progress = [control](const FitProgress& p) {
                control->Evaluations = p.Evaluations;
                return !control->Cancel.load();
            };
            Computed c;
            c.Result = RunFit(copy, problem, options);
            c.At = at;
            if (c.Result.Outcome == FitOutcome::Refused) return c;
            const Model fitted = FittedModel(copy, problem, c.Result);
            for (GearPosition g : at) {
                c.Before.push_back(ValveEventsAt(copy, g));
                c.After.push_back(ValveEventsAt(fitted, g));
            }
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

    values_->setRowCount(0);
    events_->setRowCount(0);
    if (r.Outcome != FitOutcome::Refused && r.After.size() == problem_.Vary.size()) {
        const int n = static_cast<int>(problem_.Vary.size());
        values_->setRowCount(n + 1);
        for (int k = 0; k < n; ++k) {
            const auto i = static_cast<std::size_t>(k);
            values_->setItem(k, 0, Cell(Text(problem_.Vary[i].Dimension->CodeName), Qt::AlignLeft));
            values_->setItem(k, 1, Cell(Number(r.Before[i], 4)));
            values_->setItem(k, 2, Cell(Number(r.After[i], 4)));
        }
        values_->setItem(n, 0, Cell("Residual, % of stroke", Qt::AlignLeft));
        values_->setItem(n, 1, Cell(Number(r.ResidualBefore, 3)));
        values_->setItem(n, 2, Cell(Number(r.ResidualAfter, 3)));

        events_->setRowCount(static_cast<int>(c.At.size()) * kValveEventPairCount);
        int row = 0;
        for (std::size_t g = 0; g < c.At.size() && g < c.Before.size() && g < c.After.size(); ++g)
            for (int p = 0; p < kValveEventPairCount; ++p, ++row) {
                const auto front = static_cast<ValveEvent>(2 * p);
                const auto rear = static_cast<ValveEvent>(2 * p + 1);
                events_->setItem(row, 0, Cell(Text(GearPositionName(c.At[g])), Qt::AlignLeft));
                events_->setItem(row, 1, Cell(Text(ValveEventPairName(p)), Qt::AlignLeft));
                events_->setItem(row, 2, Cell(EventNumber(front, c.Before[g].Value(front))));
                events_->setItem(row, 3, Cell(EventNumber(rear, c.Before[g].Value(rear))));
                events_->setItem(row, 4, Cell(EventNumber(front, c.After[g].Value(front))));
                events_->setItem(row, 5, Cell(EventNumber(rear, c.After[g].Value(rear))));
            }
    }
    for (QTableWidget* t : {values_, events_}) {
        t->resizeColumnsToContents();
        t->resizeRowsToContents();
    }
    ShowButtons();
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
