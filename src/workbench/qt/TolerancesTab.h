// The tolerances tab: the study's tolerances and pin clearances typed in a table (or
// loaded and saved as the study file), Run with its progress and Cancel, the results as
// a table, a band plot against the reverser and the variance shares of the chosen row.
#pragma once

#include <QWidget>

#include <atomic>
#include <memory>
#include <vector>

#include "common/qt/KeptPicture.h"
#include "model/Model.h"
#include "tolerance/StudyForm.h"
#include "tolerance/StudyPlan.h"
#include "tolerance/ToleranceStatistics.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/BackgroundJob.h"
#include "workbench/qt/EventsTab.h"

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

class TolerancesTab : public QWidget {
public:
    TolerancesTab(Model& model, QWidget* parent);
    ~TolerancesTab() override;

    void RunClick();
    void CancelClick();
    void LoadClick();
    void SaveClick();
    void SaveCsvClick();
    void SaveBandsClick();
    void SaveSharesClick();
    // Notes when the gear has changed since the results shown were worked out.
    void Watch();

    bool Running() const { return job_.Running(); }
    bool HasResult() const { return hasResult_; }
    const StudyPlan& Plan() const { return plan_; }
    const ToleranceSummary& Summary() const { return summary_; }
    const KeptPicture& Bands() const { return bands_; }
    const KeptPicture& Shares() const { return shares_; }
    QString Message() const;

    // The study's boxes as typed, and filled from a study.
    StudyForm Form() const;
    void ShowStudy(const ToleranceStudy& study);

    FilePathAsker AskStudyToOpen;
    FilePathAsker AskStudyToSave;
    FilePathAsker AskCsvPath;
    FilePathAsker AskPicturePath;
    ErrorShower ShowError;

private:
    // What the worker and the window share while a study runs.
    struct Control {
        std::atomic<bool> Cancel{false};
        std::atomic<std::uint64_t> Done{0};
        std::uint64_t Total = 1;
    };
    struct Computed {
        std::string Error;
        bool Cancelled = false;
        StudyPlan Plan;
        ToleranceSummary Summary;
        ValveEventsInputs Inputs;
    };
    void Finished(const Computed& c);
    void FillResults();
    void DrawBands();
    void DrawShares();
    void ShowProgress();
    void SavePictureOf(const KeptPicture& picture, QWidget* area, const QString& name);
    void ShowButtons();
    void Say(const QString& text, bool bad);

    Model& model_;
    BackgroundJob<Computed> job_;
    std::shared_ptr<Control> control_;
    bool hasResult_ = false;
    StudyPlan plan_;
    ToleranceSummary summary_;
    ValveEventsInputs ranOn_;
    KeptPicture bands_;
    KeptPicture shares_;

    QTableWidget* study_ = nullptr;
    std::vector<NumericEdit*> rowBoxes_;
    NumericEdit* defaultLength_ = nullptr;
    NumericEdit* defaultAngle_ = nullptr;
    QComboBox* spread_ = nullptr;
    NumericEdit* samples_ = nullptr;
    NumericEdit* seed_ = nullptr;
    QLineEdit* settings_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QTimer* progressTimer_ = nullptr;
    QLabel* message_ = nullptr;
    QTableWidget* results_ = nullptr;
    QComboBox* pair_ = nullptr;
    PictureWidget* bandsArea_ = nullptr;
    PictureWidget* sharesArea_ = nullptr;
    QPushButton* saveCsv_ = nullptr;
    QPushButton* saveBands_ = nullptr;
    QPushButton* saveShares_ = nullptr;
};

}  // namespace lm
