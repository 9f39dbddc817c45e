// The sensitivity tab: one event against every dimension, ranked.

#include "workbench/qt/SensitivityTab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <cstdio>

#include "common/Numbers.h"
#include "common/qt/NumericEdit.h"
#include "common/qt/QtText.h"
#include "kinematics/GearPositions.h"
#include "workbench/qt/TabParts.h"

namespace lm {

namespace {

constexpr GearPosition kPositions[] = {GearPosition::Mid, GearPosition::Forward, GearPosition::Reverse,
                                       GearPosition::FullForward, GearPosition::FullReverse};

QString Capitalised(std::string_view words) {
    QString s = QtText(words);
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString Known(double v, double uncertainty) { return QString::fromStdString(FixedText(v, DecimalsFor(uncertainty))); }

NumericEdit* NumberBox(QWidget* parent, const char* name, const QString& text, const QString& tip) {
    auto* box = new NumericEdit(parent, false);
    box->setObjectName(name);
    box->setText(text);
    box->setToolTip(tip);
    box->setMaximumWidth(90);
    return box;
}

// Empty for none; otherwise the number, which must be positive.
bool ReadPositive(const QLineEdit* box, std::optional<double>& out) {
    const QString text = box->text().trimmed();
    out.reset();
    if (text.isEmpty()) return true;
    double v = 0;
    if (!ParseStrictNumber(text.toStdString(), v) || !(v > 0)) return false;
    out = v;
    return true;
}

}  // namespace

SensitivityTab::SensitivityTab(Model& model, QWidget* parent) : QWidget(parent), model_(model), job_(this) {
    setObjectName("SensitivityTab");
    event_ = new QComboBox(this);
    event_->setObjectName("SensitivityEvent");
    for (int e = 0; e < kValveEventCount; ++e)
        event_->addItem(Capitalised(ValveEventWords(static_cast<ValveEvent>(e))), e);
    event_->setCurrentIndex(static_cast<int>(ValveEvent::FrontCutOff));
    at_ = new QComboBox(this);
    at_->setObjectName("SensitivityAt");
    for (GearPosition g : kPositions) at_->addItem(Capitalised(GearPositionWords(g)), static_cast<int>(g));
    at_->setCurrentIndex(1);
    stepLength_ = NumberBox(this, "SensitivityStepLength", QString::number(kDefaultStepLength),
                            "Each length is changed this much either side of its value");
    stepAngle_ = NumberBox(this, "SensitivityStepAngle", QString::number(kDefaultStepAngle),
                           "Each angle is changed this many degrees either side of its value");
    toleranceLength_ = NumberBox(this, "SensitivityToleranceLength", QString(),
                                 "With both tolerances, each dimension's effect is its slope times the tolerance of its "
                                 "kind, and all are ranked by it");
    toleranceAngle_ = NumberBox(this, "SensitivityToleranceAngle", QString(), toleranceLength_->toolTip());
    compute_ = TabButton(this, "&Compute", "ComputeSensitivity", &SensitivityTab::ComputeClick);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel("Event:", this));
    choice->addWidget(event_);
    choice->addWidget(new QLabel("at", this));
    choice->addWidget(at_);
    choice->addWidget(new QLabel("steps: length", this));
    choice->addWidget(stepLength_);
    choice->addWidget(new QLabel("angle, degrees", this));
    choice->addWidget(stepAngle_);
    choice->addWidget(new QLabel("tolerances: length", this));
    choice->addWidget(toleranceLength_);
    choice->addWidget(new QLabel("angle, degrees", this));
    choice->addWidget(toleranceAngle_);
    choice->addWidget(compute_);
    choice->addStretch();

    status_ = new QLabel("Choose an event and a reverser setting, then Compute.", this);
    status_->setObjectName("SensitivityStatus");
    status_->setWordWrap(true);

    grid_ = new QTableWidget(0, 5, this);
    grid_->setObjectName("SensitivityTable");
    grid_->setHorizontalHeaderLabels({"Dimension", "Slope", "Unit of the slope", "Effect of one tolerance", ""});
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->horizontalHeader()->setStretchLastSection(true);
    // The headings whole before the first Compute, not cut at the default width.
    grid_->resizeColumnsToContents();

    auto* column = new QVBoxLayout(this);
    column->addLayout(choice);
    column->addWidget(status_);
    column->addWidget(grid_, 1);
}

std::string SensitivityTab::ReadOptions(SensitivityOptions& options) const {
    std::optional<double> length, angle;
    if (!ReadPositive(stepLength_, length) || !length) return "the length step must be a positive number";
    if (!ReadPositive(stepAngle_, angle) || !angle) return "the angle step must be a positive number of degrees";
    options.StepLength = *length;
    options.StepAngle = *angle;
    if (!ReadPositive(toleranceLength_, options.ToleranceLength) ||
        !ReadPositive(toleranceAngle_, options.ToleranceAngle))
        return "a tolerance must be a positive number, or empty";
    if (options.ToleranceLength.has_value() != options.ToleranceAngle.has_value())
        return "give both tolerances, one for lengths and one for angles, so they rank on one footing (or neither)";
    return {};
}

void SensitivityTab::ComputeClick() {
    if (job_.Running()) return;
    SensitivityOptions options;
    if (std::string error = ReadOptions(options); !error.empty()) {
        status_->setText(QString::fromStdString("Nothing was computed: " + error + "."));
        return;
    }
    const auto event = static_cast<ValveEvent>(event_->currentData().toInt());
    const auto at = static_cast<GearPosition>(at_->currentData().toInt());
    compute_->setEnabled(false);
    status_->setText("Computing\u2026");
    Model copy = model_;
    job_.Start(
        [copy = std::move(copy), event, at, options, words = event_->currentText()] {
            return Computed{ValveEventsInputsOf(copy), event, words, options, ComputeSensitivity(copy, at, event, options)};
        },
        [this](const Computed& c) { Finished(c); });
}

void SensitivityTab::Finished(const Computed& c) {
    compute_->setEnabled(true);
    computedFor_ = c.Inputs;
    result_ = c.Result;
    hasResult_ = true;
    staleShown_ = false;
    grid_->setRowCount(0);
    if (!result_.ok()) {
        status_->setText(QString::fromStdString("Nothing to rank: " + result_.Error + "."));
        return;
    }
    const bool effects = c.Options.ToleranceLength.has_value();
    const QString unit = QString::fromStdString(EventUnit(c.Event));
    grid_->horizontalHeaderItem(3)->setText(effects ? "Effect of one tolerance, " + unit : "Effect of one tolerance");
    status_->setText(QString("%1 is %2 %3 now. Lengths are ranked, then angles; with both tolerances, every "
                             "dimension by the effect of one tolerance. A knife edge: a step makes the event jump, "
                             "appear or vanish, so it has no slope.")
                         .arg(c.EventWords, QString::fromStdString(FixedText(result_.Value, IsLengthEvent(c.Event) ? 5 : 3)),
                              unit));
    grid_->setRowCount(static_cast<int>(result_.Entries.size()));
    int r = 0;
    for (const SensitivityEntry& e : result_.Entries) {
        grid_->setItem(r, 0, Cell(QtText(e.Dimension->CodeName), Qt::AlignLeft));
        grid_->setItem(r, 1, Cell(e.Slope ? Known(*e.Slope, e.Uncertainty) : QString(), Qt::AlignRight));
        grid_->setItem(r, 2, Cell(QString::fromStdString(SlopeUnit(c.Event, e.Angle)), Qt::AlignLeft));
        const double tolerance = (e.Angle ? c.Options.ToleranceAngle : c.Options.ToleranceLength).value_or(0);
        grid_->setItem(r, 3, Cell(e.Effect ? Known(*e.Effect, e.Uncertainty * tolerance) : QString(), Qt::AlignRight));
        auto* mark = Cell(e.KnifeEdge ? "knife edge" : "", Qt::AlignLeft);
        if (e.KnifeEdge) mark->setForeground(QColor(200, 0, 0));
        grid_->setItem(r, 4, mark);
        ++r;
    }
    grid_->resizeColumnsToContents();
    grid_->resizeRowsToContents();
}

void SensitivityTab::Watch() {
    if (!hasResult_ || staleShown_ || job_.Running()) return;
    if (ValveEventsInputsOf(model_) == computedFor_) return;
    staleShown_ = true;
    status_->setText(status_->text() + " The dimensions have changed since: Compute again.");
}

}  // namespace lm
