// The valve-events window opened from the main window's menu, for the tests of its tabs.

#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QThread>

#include <functional>
#include <vector>

#include <QComboBox>

#include "../../mainwindow/qt/MainWindowFixture.h"
#include "kinematics/MidGear.h"
#include "model/DimensionEdit.h"
#include "model/DimensionTable.h"
#include "workbench/qt/FitTab.h"
#include "workbench/qt/ValveEventsWindow.h"

namespace lm::test {

// Lets the worker finish: true once `done` holds, false after a minute.
inline bool WaitFor(const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > 60000) return false;
        QApplication::processEvents();
        QThread::msleep(5);
    }
    return true;
}

class ValveEventsWindowTest : public MainWindowFixture {
protected:
    ValveEventsWindow* Open() {
        action("ValveEvents")->trigger();
        auto* w = form->findChild<ValveEventsWindow*>("ValveEvents");
        EXPECT_NE(w, nullptr);
        return w;
    }
    template <class T>
    T* child(QWidget* w, const char* name) {
        auto* c = w->findChild<T*>(name);
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    QString Cell(QTableWidget* t, int row, int column) {
        QTableWidgetItem* item = t->item(row, column);
        return item ? item->text() : QString("<none>");
    }
    // The gear with its valve pushed along the stem (front cut-off at normal forward gear
    // several percent later than the rear), then the window open with these dimensions
    // chosen to vary on its fit tab.
    FitTab* FitOnUnbalancedGear(const std::vector<const char*>& vary) {
        ApplyEditedDimension(model, *FindDimension("ValveCtrToJoint"), 3.2f);
        FindMidGear(model);
        ValveEventsWindow* w = Open();
        if (!w) return nullptr;
        for (std::size_t k = 0; k < vary.size(); ++k)
            child<QComboBox>(w->Fit(), ("FitDimension" + std::to_string(k + 1)).c_str())->setCurrentText(vary[k]);
        return w->Fit();
    }
    std::vector<float> Dimensions() {
        std::vector<float> v;
        for (const DimensionInfo& d : AllDimensions()) v.push_back(GetDimension(model, d));
        return v;
    }
};

}  // namespace lm::test
