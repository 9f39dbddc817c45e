// The events tab: every valve event of both ends, forward and reverse, for the port
// diagram's rows, with the plot of any chosen event against the reverser; recomputed in
// the background whenever the dimensions change, copied as tab-separated text or saved
// as CSV. Compare with... reads a second dimension file onto a copy of the gear and shows
// its events beside the present gear's, which it never changes.
#pragma once

#include <QWidget>

#include <functional>

#include "common/qt/KeptPicture.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/BackgroundJob.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace lm {

class PictureWidget;

// File dialogs and error boxes; tests replace them.
using FilePathAsker = std::function<QString(QWidget* parent, const QString& suggestedName)>;
using ErrorShower = std::function<void(QWidget* parent, const QString& message)>;

class EventsTab : public QWidget {
public:
    EventsTab(Model& model, QWidget* parent);

    // Starts a computation when the dimensions have changed since the last one, and
    // moves the plot's mark when the reverser has moved.
    void Watch();

    bool HasTable() const { return hasTable_; }
    const ValveEventsTable& Table() const { return table_; }
    const KeptPicture& Plot() const { return plot_; }

    // The gear compared with, once its table is in.
    bool HasComparison() const { return hasComparison_; }
    bool ComparisonRunning() const { return compareJob_.Running(); }
    const ValveEventsTable& Comparison() const { return comparison_; }

    // What the grid shows.
    enum class Shown { ThisGear, Compared, Difference };
    Shown TableShown() const;

    void CopyTableClick();
    void SaveCsvClick();
    void SavePlotClick();
    void CopyPlotClick();
    void CompareWithClick();
    void ClearComparisonClick();

    FilePathAsker AskCsvPath;
    FilePathAsker AskPicturePath;
    FilePathAsker AskComparePath;
    ErrorShower ShowError;

private:
    struct Computed {
        ValveEventsInputs Inputs;
        ValveEventsTable Table;
    };
    void Start();
    void Finished(const Computed& c);
    // The grid from the table chosen to be shown.
    void FillTable();
    void DrawPlot();
    const ValveEventsTable& ShownTable() const;

    Model& model_;
    BackgroundJob<Computed> job_;
    BackgroundJob<ValveEventsTable> compareJob_;
    ValveEventsTable table_;
    ValveEventsInputs shownInputs_;
    bool hasTable_ = false;
    float plottedReverser_ = 0;
    KeptPicture plot_;
    ValveEventsTable comparison_;
    ValveEventsTable difference_;
    QString comparisonName_;
    bool hasComparison_ = false;

    QTableWidget* grid_ = nullptr;
    PictureWidget* plotArea_ = nullptr;
    QComboBox* plotEvent_ = nullptr;
    QComboBox* shown_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* comparisonStatus_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* clearComparison_ = nullptr;
};

}  // namespace lm
