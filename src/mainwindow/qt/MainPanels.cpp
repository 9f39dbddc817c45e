// The main window's frames and the pivot data table's button, and its size.

#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"
#include "common/qt/ControlPlaces.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PushButton.h"
#include "graphics/qt/FontFaces.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/qt/MainForm.h"

namespace lm {

void MainForm::BuildPanels() {
    struct PanelRow {
        int number;
        QRect geometry;
        bool shown;
    };
    // Thin raised strips framing the control groups. 5, 6 and 11 frame the reference
    // bars, 7, 8 and 9 the dynamic-variable bars; those start hidden.
    const PanelRow panels[] = {
        {1, {0, 67, 539, 4}, true},     {2, {247, 26, 4, 41}, true},
        {3, {539, 26, 4, 109}, true},   {4, {539, 134, 93, 4}, true},
        {5, {0, 120, 251, 4}, false},   {6, {247, 72, 4, 49}, false},
        {7, {247, 72, 4, 49}, false},   {8, {247, 120, 292, 4}, false},
        {9, {539, 70, 0, 0}, false},    {10, {0, 26, 4, 41}, true},
        {11, {0, 72, 4, 49}, false},    {12, {628, 26, 4, 108}, true},
    };
    for (const PanelRow& panel : panels) {
        auto* p = new QFrame(area_);
        p->setObjectName(QString("Panel%1").arg(panel.number));
        PlaceControl(p, panel.geometry);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setAutoFillBackground(true);
        // A press on a frame is not a press on the drawing.
        p->setAttribute(Qt::WA_NoMousePropagation);
        p->setVisible(panel.shown);
        Panel[static_cast<std::size_t>(panel.number)] = p;
    }

    DataTableBut = MakePushButton(area_, "DataTableBut", QRect(2, kDataTableButTop, 60, 15), "DataTable");
    QFont small = DataTableBut->font();
    small.setBold(true);
    small.setUnderline(false);
    small.setPixelSize(12);
    small.setFamilies(FontFamilies(FontFace::Serif));
    DataTableBut->setFont(small);
    DataTableBut->hide();
    connect(DataTableBut, &QPushButton::clicked, this, &MainForm::DataTableButClick);
}

void MainForm::FitClientAreaToText() {
    // The controls move and grow with the text, so no moved text runs under one.
    ScaleControls(area_, model_.Display.TextScaleX, model_.Display.TextScaleY);
    const QSize size(TextScaleExtent(kClientAreaWidth, model_.Display.TextScaleX),
                     TextScaleExtent(kClientAreaHeight, model_.Display.TextScaleY));
    const QSize before = area_->minimumSize();
    if (before == size) return;
    area_->setMinimumSize(size);
    // The window's own minimum follows first, so it may shrink back.
    if (layout() != nullptr) layout()->activate();
    // A window the user has not enlarged keeps fitting the layout; a larger one keeps its
    // size as far as the layout allows.
    const QSize wanted = area_->size() == before ? size : area_->size().expandedTo(size);
    resize(wanted + (this->size() - area_->size()));
    // At once, shown or not, so what is drawn next fits the new size; the layout agrees.
    area_->resize(wanted);
}

void MainForm::PlaceDataTableBut() {
    // Under the pivot display's six rows, which move down with the large font.
    DataTableBut->move(2, RoundToInt(kDataTableButTop * static_cast<long double>(model_.Display.TextScaleY)));
}

void MainForm::OpenAtClientSize() {
    // The client area opens at its given size; the menu bar adds its own height.
    resize(kClientAreaWidth, kClientAreaHeight + menuBar()->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

}  // namespace lm
