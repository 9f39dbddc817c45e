// The pivot data table window: the tracked pivots over one revolution as plain text, to
// be selected and copied elsewhere. Rebuilt at every opening.
#pragma once

#include <QDialog>

#include <functional>

#include "model/Model.h"

class QAction;
class QPlainTextEdit;

namespace lm {

class DataTable : public QDialog {
    Q_OBJECT

public:
    // `stepSetting` gives the main window's present step angle, read at every rebuild.
    DataTable(Model& model, std::function<float()> stepSetting, QWidget* parent = nullptr);

    // Shows the window (modal) with a freshly built table under `title`.
    void Open(const QString& title);
    // Rebuilds the whole text with today's date and time as the windows' titles show them.
    void FormActivate();
    // The main window's title for it, at every tick while it is open; the first line's
    // date and time follow it.
    void ShowTitle(const QString& title);

private:
    // The first line as last written, to tell it from one the user changed.
    QString firstLine_;
    void Edit1Click();
    void SelectAll1Click();

    Model& model_;
    std::function<float()> stepSetting_;
    QPlainTextEdit* DataMemo = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Past1 = nullptr;
    QAction* SelectAll1 = nullptr;
};

}  // namespace lm
