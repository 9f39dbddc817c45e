// The equalising tab: up to four dimensions with their bounds, the goals and constraints,
// Run with its progress and Cancel; the values, each goal's worst miss and each
// constraint before and after; the whole events table after the fit with every cell it
// changed marked, the plot of any event before and after, and the largest change no goal
// asked for; Apply (through undo) and its undo.
#pragma once

#include <QWidget>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <vector>

#include "common/qt/KeptPicture.h"
#include "model/Model.h"
#include "workbench/Fit.h"
#include "workbench/FitReport.h"
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
class PictureWidget;

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
    // The whole table before and after the last run, and the plot of the chosen event.
    const ValveEventsTable& TableBefore() const { return before_; }
    const ValveEventsTable& TableAfter() const { return after_; }
    const KeptPicture& Plot() const { return plot_; }
    // How many cells of the shown table the fit changed.
    int ChangedCells() const { return changedCells_; }

private:
    // What the worker and the window share while a fit runs.
    struct Control {
        std::atomic<bool> Cancel{false};
        std::atomic<int> Evaluations{0};
        std::atomic<int> Budget{kFitDefaultBudget};
    };
    struct Computed {
        FitResult Result;
        ValveEventsTable Before, After;
        std::optional<UnaskedChange> Unasked;
    };
    // The problem as typed; a message instead where something is wrong.
    std::string ReadProblem(FitProblem& problem) const;
    void DimensionChosen(int k);
    void Finished(const Computed& c);
    void ShowProgress();
    void ShowButtons();
    void ShowValues();
    void FillEventsTable();
    void DrawPlot();
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
    ValveEventsTable before_, after_;
    bool hasTables_ = false;
    int changedCells_ = 0;
    KeptPicture plot_;

    std::array<QComboBox*, kFitMaxVariables> dims_{};
    std::array<NumericEdit*, kFitMaxVariables> lows_{};
    std::array<NumericEdit*, kFitMaxVariables> highs_{};
    QLineEdit* goals_ = nullptr;
    QLineEdit* constraints_ = nullptr;
    NumericEdit* threshold_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* undo_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QLabel* message_ = nullptr;
    QTableWidget* values_ = nullptr;
    QTableWidget* events_ = nullptr;
    QComboBox* eventsShown_ = nullptr;
    QComboBox* plotEvent_ = nullptr;
    PictureWidget* plotArea_ = nullptr;
    QLabel* unasked_ = nullptr;
};

}  // namespace lm
