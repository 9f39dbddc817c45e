// The events tab: every valve event of both ends, forward and reverse, for the port
// diagram's rows, with the cut-off plot; recomputed in the background whenever the
// dimensions change, copied as tab-separated text or saved as CSV.
#pragma once

#include <QWidget>

#include <functional>

#include "common/qt/KeptPicture.h"
#include "model/Model.h"
#include "workbench/ValveEvents.h"
#include "workbench/ValveEventsText.h"
#include "workbench/qt/BackgroundJob.h"

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

    void CopyTableClick();
    void SaveCsvClick();
    void SavePlotClick();
    void CopyPlotClick();

    FilePathAsker AskCsvPath;
    FilePathAsker AskPicturePath;
    ErrorShower ShowError;

private:
    struct Computed {
        ValveEventsInputs Inputs;
        ValveEventsTable Table;
    };
    void Start();
    void Finished(const Computed& c);
    void FillTable();
    void DrawPlot();

    Model& model_;
    BackgroundJob<Computed> job_;
    ValveEventsTable table_;
    ValveEventsInputs shownInputs_;
    bool hasTable_ = false;
    float plottedReverser_ = 0;
    KeptPicture plot_;

    QTableWidget* grid_ = nullptr;
    PictureWidget* plotArea_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
};

}  // namespace lm
