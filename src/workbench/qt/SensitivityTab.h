// The sensitivity tab: choose an event, a reverser setting and the steps, and see how much
// each of the 44 dimensions moves it, each slope with its unit, the lengths and then the
// angles largest first, or with a tolerance for each kind all ranked by the effect of one
// tolerance; the knife edges marked.
#pragma once

#include <QWidget>

#include "model/Model.h"
#include "workbench/Sensitivity.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/BackgroundJob.h"

class QComboBox;
class QLineEdit;
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
        SensitivityOptions Options;
        SensitivityResult Result;
    };
    // The steps and tolerances as typed; a message instead where one is no positive number.
    std::string ReadOptions(SensitivityOptions& options) const;
    void Finished(const Computed& c);

    Model& model_;
    BackgroundJob<Computed> job_;
    SensitivityResult result_;
    ValveEventsInputs computedFor_;
    bool hasResult_ = false;
    bool staleShown_ = false;

    QComboBox* event_ = nullptr;
    QComboBox* at_ = nullptr;
    QLineEdit* stepLength_ = nullptr;
    QLineEdit* stepAngle_ = nullptr;
    QLineEdit* toleranceLength_ = nullptr;
    QLineEdit* toleranceAngle_ = nullptr;
    QPushButton* compute_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

}  // namespace lm
