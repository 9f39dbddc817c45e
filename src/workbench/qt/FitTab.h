// The equalising tab: up to four dimensions with their bounds, the goals, Run with its
// progress and Cancel, the before and after tables, and Apply (through undo) and its undo.
#pragma once

#include <QWidget>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "model/Model.h"
#include "workbench/Fit.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/BackgroundJob.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace lm {

class NumericEdit;

class FitTab : public QWidget {
public:
    FitTab(Model& model, std::function<void()> modelChanged, QWidget* parent);
    ~FitTab() override;

    void RunClick();
    void CancelClick();
    void ApplyClick();
    void UndoClick();
    void Watch();

    bool Running() const { return job_.Running(); }
    const FitResult& Result() const { return result_; }
    QString Message() const;

private:
    // What the worker and the window share while a fit runs.
    struct Control {
        std::atomic<bool> Cancel{false};
        std::atomic<int> Evaluations{0};
        std::atomic<int> Budget{kFitDefaultBudget};
    };
    struct Computed {
        FitResult Result;
        std::vector<GearPosition> At;
        std::vector<ValveEventRow> Before, After;
    };
    // The problem as typed; a message instead where something is wrong.
    std::string ReadProblem(FitProblem& problem) const;
    void DimensionChosen(int k);
    void Finished(const Computed& c);
    void ShowProgress();
    void ShowButtons();
    void Say(const QString& text, bool bad);

    Model& model_;
    std::function<void()> modelChanged_;
    BackgroundJob<Computed> job_;
    std::shared_ptr<Control> control_;
    FitProblem problem_;
    FitResult result_;
    bool hasResult_ = false;
    ValveEventsInputs ranOn_;
    // What the last Apply wrote into the undo history, newest first.
    std::vector<UndoEntry> applied_;

    std::array<QComboBox*, kFitMaxVariables> dims_{};
    std::array<NumericEdit*, kFitMaxVariables> lows_{};
    std::array<NumericEdit*, kFitMaxVariables> highs_{};
    QLineEdit* goals_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* undo_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QLabel* message_ = nullptr;
    QTableWidget* values_ = nullptr;
    QTableWidget* events_ = nullptr;
};

}  // namespace lm
