// The sensitivity tab: choose an event and a reverser setting, and see how much each of
// the 44 dimensions moves it, largest first, with the knife edges marked.
#pragma once

#include <QWidget>

#include "model/Model.h"
#include "workbench/Sensitivity.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/BackgroundJob.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace lm {

class SensitivityTab : public QWidget {
public:
    SensitivityTab(Model& model, QWidget* parent);

    void ComputeClick();
    // Says so when the dimensions have changed since the list was computed.
    void Watch();

    bool HasResult() const { return hasResult_; }
    const SensitivityResult& Result() const { return result_; }

private:
    struct Computed {
        ValveEventsInputs Inputs;
        ValveEvent Event;
        QString EventWords;
        SensitivityResult Result;
    };
    void Finished(const Computed& c);

    Model& model_;
    BackgroundJob<Computed> job_;
    SensitivityResult result_;
    ValveEventsInputs computedFor_;
    bool hasResult_ = false;
    bool staleShown_ = false;

    QComboBox* event_ = nullptr;
    QComboBox* at_ = nullptr;
    QPushButton* compute_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace lm
