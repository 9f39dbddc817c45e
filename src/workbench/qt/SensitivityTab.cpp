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

#include "kinematics/GearPositions.h"

namespace lm {

namespace {

constexpr GearPosition kPositions[] = {GearPosition::Mid, GearPosition::Forward, GearPosition::Reverse,
                                       GearPosition::FullForward, GearPosition::FullReverse};

QString Capitalised(std::string_view words) {
    QString s = QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size()));
    if (!s.isEmpty()) s[0] = s[0].toUpper();
    return s;
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment align) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(align | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QString Slope(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.4g", v);
    return buf;
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
    compute_ = new QPushButton("&Compute", this);
    compute_->setObjectName("ComputeSensitivity");
    connect(compute_, &QPushButton::clicked, this, &SensitivityTab::ComputeClick);

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel("Event:", this));
    choice->addWidget(event_);
    choice->addWidget(new QLabel("at", this));
    choice->addWidget(at_);
    choice->addWidget(compute_);
    choice->addStretch();

    status_ = new QLabel("Choose an event and a reverser setting, then Compute.", this);
    status_->setObjectName("SensitivityStatus");
    status_->setWordWrap(true);

    grid_ = new QTableWidget(0, 3, this);
    grid_->setObjectName("SensitivityTable");
    grid_->setHorizontalHeaderLabels({"Dimension", "Change per unit of the dimension", ""});
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

void SensitivityTab::ComputeClick() {
    if (job_.Running()) return;
    const auto event = static_cast<ValveEvent>(event_->currentData().toInt());
    const auto at = static_cast<GearPosition>(at_->currentData().toInt());
    compute_->setEnabled(false);
    status_->setText("Computing\u2026");
    Model copy = model_;
    job_.Start([copy = std::move(copy), event, at, words = event_->currentText()] {
        return Computed{ValveEventsInputsOf(copy), event, words, ComputeSensitivity(copy, at, event)};
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
    status_->setText(QString("%1 is %2 %3 now. A knife edge: a small step makes the event jump, "
                             "appear or vanish, so it has no slope.")
                         .arg(c.EventWords, Slope(result_.Value),
                              IsLengthEvent(c.Event) ? "length units" : "% of stroke"));
    grid_->setRowCount(static_cast<int>(result_.Entries.size()));
    int r = 0;
    for (const SensitivityEntry& e : result_.Entries) {
        grid_->setItem(r, 0, Cell(QString::fromUtf8(e.Dimension->CodeName.data(),
                                                    static_cast<qsizetype>(e.Dimension->CodeName.size())),
                                  Qt::AlignLeft));
        grid_->setItem(r, 1, Cell(e.Slope ? Slope(*e.Slope) : QString(), Qt::AlignRight));
        auto* mark = Cell(e.KnifeEdge ? "knife edge" : "", Qt::AlignLeft);
        if (e.KnifeEdge) mark->setForeground(QColor(200, 0, 0));
        grid_->setItem(r, 2, mark);
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
