// The "Valve Events" window: its three tabs and the change watch that refreshes them.

#include "workbench/qt/ValveEventsWindow.h"

#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "workbench/qt/EventsTab.h"
#include "workbench/qt/FitTab.h"
#include "workbench/qt/SensitivityTab.h"
#include "workbench/qt/TolerancesTab.h"

namespace lm {

namespace {

// Often enough to follow a dragged bar, cheap enough to go unnoticed: a snapshot of 46
// numbers compared.
constexpr int kWatchMs = 150;
constexpr int kBaseFontPixels = 12;

}  // namespace

ValveEventsWindow::ValveEventsWindow(Model& model, ValveEventsHost host, QWidget* parent)
    : QDialog(parent, Qt::Window), model_(model) {
    setObjectName("ValveEvents");
    setWindowTitle("Valve Events");
    setModal(false);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("ValveEventsTabs");
    events_ = new EventsTab(model_, tabs_);
    sensitivity_ = new SensitivityTab(model_, tabs_);
    fit_ = new FitTab(model_, std::move(host.ModelChanged), tabs_);
    tabs_->addTab(events_, "&Events");
    tabs_->addTab(sensitivity_, "&Sensitivity");
    tabs_->addTab(fit_, "E&qualise");
    tolerances_ = new TolerancesTab(model_, tabs_);
    tabs_->addTab(tolerances_, "&Tolerances");

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(6, 6, 6, 6);
    column->addWidget(tabs_);

    watch_ = new QTimer(this);
    watch_->setObjectName("ValveEventsWatch");
    watch_->setInterval(kWatchMs);
    connect(watch_, &QTimer::timeout, this, &ValveEventsWindow::Watch);
    ApplyTextScale();
    // Wide enough for the whole events table where the screen allows.
    QSize size(1240, 780);
    if (const QScreen* s = screen()) size = size.boundedTo(s->availableGeometry().size() * 0.95);
    resize(size);
    // Enter in a box must not press a button as well.
    for (QPushButton* b : findChildren<QPushButton*>()) b->setAutoDefault(false);
}

ValveEventsWindow::~ValveEventsWindow() = default;

void ValveEventsWindow::Open() {
    show();
    raise();
    activateWindow();
}

void ValveEventsWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Watch();
    watch_->start();
}

void ValveEventsWindow::hideEvent(QHideEvent* event) {
    watch_->stop();
    QDialog::hideEvent(event);
}

void ValveEventsWindow::Watch() {
    ApplyTextScale();
    events_->Watch();
    sensitivity_->Watch();
    fit_->Watch();
    tolerances_->Watch();
}

// The large-font setting enlarges this window's text as it does the pictures'.
void ValveEventsWindow::ApplyTextScale() {
    const float scale = model_.Display.TextScaleY > 0 ? model_.Display.TextScaleY : 1.0f;
    if (scale == textScale_) return;
    textScale_ = scale;
    QFont f = font();
    f.setPixelSize(qRound(kBaseFontPixels * scale));
    setFont(f);
}

}  // namespace lm
