// The "Valve Events" window: the events table with its cut-off plot, the sensitivity of
// one event to every dimension, and the fit. Not modal, so the gear keeps turning beside
// it; the heavy work runs on copies of the model away from the windows' thread.
#pragma once

#include <QDialog>

#include <functional>

#include "model/Model.h"

class QTabWidget;
class QTimer;

namespace lm {

class EventsTab;
class FitTab;
class SensitivityTab;
class TolerancesTab;

struct ValveEventsHost {
    // The main window shows the model again after a fit was applied or undone.
    std::function<void()> ModelChanged;
};

class ValveEventsWindow : public QDialog {
    Q_OBJECT

public:
    ValveEventsWindow(Model& model, ValveEventsHost host, QWidget* parent = nullptr);
    ~ValveEventsWindow() override;

    // Shows the window, or brings it to the front; returns at once.
    void Open();

    EventsTab* Events() const { return events_; }
    SensitivityTab* Sensitivity() const { return sensitivity_; }
    FitTab* Fit() const { return fit_; }
    TolerancesTab* Tolerances() const { return tolerances_; }

    // Compares the model with what the tabs last computed from and starts what is
    // needed; the window's timer calls it while the window is shown.
    void Watch();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void ApplyTextScale();

    Model& model_;
    QTabWidget* tabs_ = nullptr;
    QTimer* watch_ = nullptr;
    EventsTab* events_ = nullptr;
    SensitivityTab* sensitivity_ = nullptr;
    FitTab* fit_ = nullptr;
    TolerancesTab* tolerances_ = nullptr;
    float textScale_ = 0;
};

}  // namespace lm
