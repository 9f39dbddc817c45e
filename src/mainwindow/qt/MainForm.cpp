#include "mainwindow/qt/MainForm.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include "common/Numbers.h"
#include "common/TextScaleExtent.h"
#include "graphics/qt/QPainterCanvas.h"
#include "kinematics/ReverseArm.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/StepAngleBands.h"
#include "mainwindow/ViewControls.h"
#include "mainwindow/qt/QtSoundOutput.h"

namespace lm {

// The central widget: the client area. It shows the last finished picture and hands mouse
// presses on the drawing (not on a control) to the window.
class DrawingArea : public QWidget {
public:
    explicit DrawingArea(MainForm* form) : QWidget(form), form_(form) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QImage& picture = form_->picture();
        if (picture.isNull())
            p.fillRect(rect(), palette().window());
        else
            p.drawImage(0, 0, picture);
    }
    void mousePressEvent(QMouseEvent* e) override {
        const QPoint at = e->position().toPoint();
        form_->FormMouseDown(e->button(), at.x(), at.y());
    }

private:
    MainForm* form_;
};

namespace {

const QColor kSilver(192, 192, 192);

QFont ControlFont() {
    QFont f;
    f.setFamilies({"Times New Roman", "Times", "Liberation Serif", "Nimbus Roman",
                   "DejaVu Serif"});
    f.setStyleHint(QFont::Serif);
    f.setPixelSize(13);
    f.setBold(true);
    f.setUnderline(true);
    return f;
}

}  // namespace

MainForm::MainForm(Model& model, MainFormOptions options, QWidget* parent)
    : QMainWindow(parent), model_(model), options_(options) {
    setObjectName("MainForm");
    setWindowTitle("LINKMOTION Inside Admission");

    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    pal.setColor(QPalette::Button, kSilver);
    setPalette(pal);

    area_ = new DrawingArea(this);
    area_->setObjectName("ClientArea");
    area_->setFont(ControlFont());
    area_->setFixedSize(kClientAreaWidth, kClientAreaHeight);
    setCentralWidget(area_);

    sound_ = std::make_unique<QtSoundOutput>();
    state_.Sound = sound_.get();
    FileHooks = StandardFileCommandHooks();

    BuildControls();
    BuildReverseArmControls();
    BuildDynVarControls();
    BuildPanels();
    BuildMenus();
    BuildToolBar();

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(std::max(1, options_.tickMs));
    connect(timer_, &QTimer::timeout, this, &MainForm::Timer1Timer);

    FormCreate();
    BuildDiagramWindows();
    CentreOnScreen();
    SBRevArm->setFocus();
    if (options_.startTimer) timer_->start();
}

MainForm::~MainForm() = default;

void MainForm::BuildControls() {
    auto bar = [this](const char* name, QRect geometry, int min, int max, int position,
                      int small, int large, const char* hint) {
        auto* b = new QScrollBar(Qt::Horizontal, area_);
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setRange(min, max);
        b->setValue(position);
        b->setSingleStep(small);
        b->setPageStep(large);
        b->setToolTip(hint);
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    };
    auto button = [this](const char* name, QRect geometry, const char* caption,
                         const char* hint) {
        auto* b = new QPushButton(caption, area_);
        b->setObjectName(name);
        b->setGeometry(geometry);
        b->setToolTip(hint);
        return b;
    };

    // Buttons this small leave no room for the style's padding around a 13-pixel caption.
    area_->setStyleSheet("QPushButton { padding: 0px; }");

    // The gear controls. The reverse-arm range is set at start-up from the geometry.
    SBRevArm = bar("SBRevArm", {336, 26, 121, 12}, -100, 100, 0, 1, 20,
                   "Set Reverse Arm Between Max & Min");
    SBDrvAng = bar("SBDrvAng", {336, 40, 121, 12}, -4000, 40000, 1, 1000, 4500,
                   "Set Driver Angle From 0 to 360 Deg");
    SBStepAng = bar("SBStepAng", {336, 54, 121, 12}, kStepBarMin, kStepBarMax, kStepBarPos10,
                    920, 2760, "Set Driver Step Angle to Predefined Values");
    Run = button("Run", {277, 39, 36, 14}, "Stop", "Start / Stop Driver Rotation");
    Deg180 = button("Deg180", {252, 39, 25, 14}, "180", "Set Driver Angle to 180 Deg");
    Deg00 = button("Deg00", {313, 39, 22, 14}, "0.0", "Set Driver to 0 Deg");
    Step1 = button("Step1", {252, 53, 25, 14}, "1.0", "Set Driver Step Angle to 1 Deg");
    Step10 = button("Step10", {277, 53, 29, 14}, "10.0", "Set Driver Step Angle to 10 Deg");
    Step45 = button("Step45", {306, 53, 29, 14}, "45.0", "Set Driver Step Angle to 45 Deg");
    // The gear runs at start with the step 10 chosen.
    SBDrvAng->setEnabled(false);
    Step10->setEnabled(false);

    // Pan, zoom and the stored views.
    SBPanVert = bar("SBPanVert", {76, 26, 121, 12}, -500, 500, 0, 1, 10, "Pan Vertical");
    SBPanHorz = bar("SBPanHorz", {76, 40, 121, 12}, -500, 500, 0, 1, 10, "Pan Horizontal");
    SBZoom = bar("SBZoom", {76, 54, 121, 12}, -200, 200, 0, 1, 10, "Zoom In / Out");
    NormVHZ = button("NormVHZ", {33, 39, 42, 14}, "Norm", "Return Pan & Zoom to Normal");
    NormVHZ->setEnabled(false);
    const int presetLeft[] = {0, 5, 19, 33, 47, 61};
    for (int n = 1; n <= 5; ++n) {
        const QString name = QString("Preset%1").arg(n);
        Preset[n] = button(name.toLatin1().constData(), {presetLeft[n], 25, 14, 14},
                           QString::number(n).toLatin1().constData(),
                           QString("Pan & Zoom to Preset %1").arg(n).toLatin1().constData());
    }
    Preset[6] = button("Preset6", {5, 39, 14, 14}, "6", "Pan & Zoom to Preset 6");
    Preset[0] = button("Preset0", {19, 39, 14, 14}, "P", "Select First to Change Presets");

    // Reference points: the buttons and bars are live only while the points are shown.
    RefPt1 = button("RefPt1", {5, 53, 35, 14}, "RP1", "Pan to Reference Point 1");
    RefPt2 = button("RefPt2", {40, 53, 35, 14}, "RP2", "Pan to Reference Point 2");
    RefPt1->setEnabled(false);
    RefPt2->setEnabled(false);
    SBRef1Vert = bar("SBRef1Vert", {20, 72, 121, 10}, -5000, 5000, 0, 1, 25,
                     "Change Reference Point 1 Vertical");
    SBRef1Horz = bar("SBRef1Horz", {20, 84, 121, 10}, -10000, 10000, 0, 1, 25,
                     "Change Reference Point 1 Horzontal");
    SBRef2Vert = bar("SBRef2Vert", {20, 96, 121, 10}, -5000, 5000, 0, 1, 25,
                     "Change Reference Point 2 Vertical");
    SBRef2Horz = bar("SBRef2Horz", {20, 108, 121, 10}, -10000, 10000, 0, 1, 25,
                     "Change Reference Point 2 Horzontal");
    for (QScrollBar* b : {SBRef1Vert, SBRef1Horz, SBRef2Vert, SBRef2Horz}) b->hide();
    RefPt1Zero = button("RefPt1Zero", {5, 72, 14, 23}, "0", "Zero Reference Point 1");
    RefPt2Zero = button("RefPt2Zero", {5, 95, 14, 23}, "0", "Zero Reference Point 2");
    for (QPushButton* b : {RefPt1Zero, RefPt2Zero}) {
        QFont f = b->font();
        f.setBold(true);
        f.setUnderline(false);
        b->setFont(f);
        b->setEnabled(false);
        b->hide();
    }

    connect(Run, &QPushButton::clicked, this, &MainForm::RunClick);
    connect(Deg00, &QPushButton::clicked, this, &MainForm::Deg00Click);
    connect(Deg180, &QPushButton::clicked, this, &MainForm::Deg180Click);
    connect(SBDrvAng, &QScrollBar::valueChanged, this, &MainForm::SBDrvAngChange);
    connect(SBStepAng, &QScrollBar::valueChanged, this, &MainForm::SBStepAngChange);
    connect(Step1, &QPushButton::clicked, this, &MainForm::Step1Click);
    connect(Step10, &QPushButton::clicked, this, &MainForm::Step10Click);
    connect(Step45, &QPushButton::clicked, this, &MainForm::Step45Click);

    connect(SBPanVert, &QScrollBar::valueChanged, this, &MainForm::SBPanVertChange);
    connect(SBPanHorz, &QScrollBar::valueChanged, this, &MainForm::SBPanHorzChange);
    connect(SBZoom, &QScrollBar::valueChanged, this, &MainForm::SBZoomChange);
    connect(NormVHZ, &QPushButton::clicked, this, &MainForm::NormVHZClick);
    connect(Preset[0], &QPushButton::clicked, this, &MainForm::Preset0Click);
    for (int n = 1; n <= 6; ++n)
        connect(Preset[n], &QPushButton::clicked, this, [this, n] { PresetClick(n); });
    connect(RefPt1, &QPushButton::clicked, this, &MainForm::RefPt1Click);
    connect(RefPt2, &QPushButton::clicked, this, &MainForm::RefPt2Click);
    connect(SBRef1Vert, &QScrollBar::valueChanged, this, &MainForm::SBRef1VertChange);
    connect(SBRef1Horz, &QScrollBar::valueChanged, this, &MainForm::SBRef1HorzChange);
    connect(SBRef2Vert, &QScrollBar::valueChanged, this, &MainForm::SBRef2VertChange);
    connect(SBRef2Horz, &QScrollBar::valueChanged, this, &MainForm::SBRef2HorzChange);
    connect(RefPt1Zero, &QPushButton::clicked, this, &MainForm::RefPt1ZeroClick);
    connect(RefPt2Zero, &QPushButton::clicked, this, &MainForm::RefPt2ZeroClick);
}

void MainForm::BuildPanels() {
    struct PanelSpec {
        int number;
        QRect geometry;
        bool shown;
    };
    // Thin raised strips framing the control groups. 5, 6 and 11 frame the reference
    // bars, 7, 8 and 9 the dynamic-variable bars; those start hidden.
    const PanelSpec panels[] = {
        {1, {0, 67, 539, 4}, true},     {2, {247, 26, 4, 41}, true},
        {3, {539, 26, 4, 109}, true},   {4, {539, 134, 93, 4}, true},
        {5, {0, 120, 251, 4}, false},   {6, {247, 72, 4, 49}, false},
        {7, {247, 72, 4, 49}, false},   {8, {247, 120, 292, 4}, false},
        {9, {539, 70, 0, 0}, false},    {10, {0, 26, 4, 41}, true},
        {11, {0, 72, 4, 49}, false},    {12, {628, 26, 4, 108}, true},
    };
    for (const PanelSpec& panel : panels) {
        auto* p = new QFrame(area_);
        p->setObjectName(QString("Panel%1").arg(panel.number));
        p->setGeometry(panel.geometry);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setAutoFillBackground(true);
        // A press on a frame is not a press on the drawing.
        p->setAttribute(Qt::WA_NoMousePropagation);
        p->setVisible(panel.shown);
        Panel[static_cast<std::size_t>(panel.number)] = p;
    }
}

void MainForm::FitClientAreaToText() {
    const QSize size(TextScaleExtent(kClientAreaWidth, model_.Display.TextScaleX),
                     TextScaleExtent(kClientAreaHeight, model_.Display.TextScaleY));
    if (area_->size() == size) return;
    area_->setFixedSize(size);
    ToolBar1->resize(size.width(), ToolBar1->height());
    adjustSize();
}

void MainForm::CentreOnScreen() {
    resize(sizeHint().expandedTo(QSize(kClientAreaWidth, kClientAreaHeight)));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = rect();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

bool MainForm::running() const { return Run->text() == "Stop"; }

// ---- Start-up and lifecycle ----

void MainForm::FormCreate() {
    StartUp(model_);
    // One bar step is 0.001 length unit of arm travel from mid gear. Set quietly: mid
    // gear has just put the arm where position 0 says.
    SetRevArmBarRange();
    const QSignalBlocker quiet(SBRevArm);
    SBRevArm->setValue(0);
    // No system mixer is set: the sound output keeps its own volume.
}

void MainForm::FormActivate() {
    // The angle bar is usable only while the gear stands; coming back to the window from
    // a dialog must not leave a stopped gear without it.
    SBDrvAng->setEnabled(!running());
}

void MainForm::FormClose() { timer_->stop(); }

bool MainForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QMainWindow::event(e);
}

void MainForm::closeEvent(QCloseEvent* e) {
    FormClose();
    e->accept();
}

// ---- Run/stop, driver angle, step angle ----

void MainForm::RunClick() {
    if (running()) {
        const int position = RoundToInt(static_cast<long double>(model_.Gear.DriverAngle) * 100);
        // The stopped angle is always the bar's, to the hundredth, even when the bar
        // already stands there and so reports no change.
        if (SBDrvAng->value() == std::clamp(position, SBDrvAng->minimum(), SBDrvAng->maximum()))
            SBDrvAngChange(SBDrvAng->value());
        else
            SBDrvAng->setValue(position);
        model_.Gear.StepAngle = 0;
        SBDrvAng->setEnabled(true);
        Run->setText("Run");
    } else {
        model_.Gear.StepAngle = state_.StepAngleSetting;
        SBDrvAng->setEnabled(false);
        Run->setText("Stop");
    }
    Deg00->setEnabled(true);
    Deg180->setEnabled(true);
}

void MainForm::Deg00Click() {
    model_.Gear.DriverAngle = 0;
    SBDrvAng->setValue(0);
    model_.Gear.StepAngle = 0;
    SBDrvAng->setEnabled(true);
    Run->setText("Run");
    Deg00->setEnabled(false);
    Deg180->setEnabled(true);
}

void MainForm::Deg180Click() {
    model_.Gear.DriverAngle = 180;
    SBDrvAng->setValue(18000);
    model_.Gear.StepAngle = 0;
    SBDrvAng->setEnabled(true);
    Run->setText("Run");
    Deg180->setEnabled(false);
    Deg00->setEnabled(true);
}

void MainForm::SBDrvAngChange(int position) {
    model_.Gear.DriverAngle = static_cast<float>(position / 100.0L);
    Deg180->setEnabled(true);
    Deg00->setEnabled(true);
}

void MainForm::SBStepAngChange(int position) {
    if (!StepBarLive) {
        StepBarLive = true;
    } else {
        const StepBand& band = StepBandAt(position);
        SBDrvAng->setSingleStep(band.smallChange);
        SBDrvAng->setPageStep(band.largeChange);
        state_.StepAngleSetting = band.step;
        if (running()) model_.Gear.StepAngle = state_.StepAngleSetting;
    }
    Step10->setEnabled(state_.StepAngleSetting != 10);
    Step45->setEnabled(state_.StepAngleSetting != 45);
    Step1->setEnabled(state_.StepAngleSetting != 1);
}

void MainForm::ApplyStepChoice(float step, QPushButton* pressed, int barPosition) {
    pressed->setEnabled(false);
    state_.StepAngleSetting = step;
    if (running()) model_.Gear.StepAngle = state_.StepAngleSetting;
    // The bar sets the driver-angle bar's steps and the buttons' enabling; make sure it
    // does so even when it already stands at the position.
    if (SBStepAng->value() == barPosition)
        SBStepAngChange(barPosition);
    else
        SBStepAng->setValue(barPosition);
}

void MainForm::Step1Click() { ApplyStepChoice(1, Step1, kStepBarPos1); }
void MainForm::Step10Click() { ApplyStepChoice(10, Step10, kStepBarPos10); }
void MainForm::Step45Click() { ApplyStepChoice(45, Step45, kStepBarPos45); }

// ---- The tick ----

void MainForm::Timer1Timer() {
    AnimationTick(model_, state_);
    DrawPicture();
    ShowRenderState();
    // Painted with the next paint event; nothing is opened or drawn from inside the paint.
    area_->update();
}

void MainForm::ShowRenderState() {
    Error->setVisible(state_.ErrorItemVisible);
    const std::string& title = state_.Titles[MainTitle];
    if (!title.empty() && windowTitle().toStdString() != title)
        setWindowTitle(QString::fromStdString(title));
    for (int k = 1; k <= 4; ++k)
        SBDynVar[static_cast<std::size_t>(k)]->setEnabled(
            state_.DynBarEnabled[static_cast<std::size_t>(k)]);
    ShowUndoButton();
}

void MainForm::DrawPicture() {
    // Drawn at the screen's ratio so lines stay sharp on high-resolution screens; the
    // image is kept from tick to tick and only remade when the ratio changes.
    const qreal dpr = std::clamp(area_->devicePixelRatioF(), 1.0, 4.0);
    const QSize pixels(qRound(kPictureWidth * dpr), qRound(kPictureHeight * dpr));
    if (picture_.size() != pixels || picture_.devicePixelRatio() != dpr) {
        picture_ = QImage(pixels, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(dpr);
    }
    if (picture_.isNull()) return;  // no memory for it: the window keeps its background
    QPainter painter(&picture_);
    QPainterCanvas canvas(painter);
    RenderMainWindow(model_, state_, canvas);
}

// ---- Pan, zoom, presets, reference points ----
//
// The logic lives beside the window state; each handler calls it and then shows the
// controls' state from it. A relative bar is put back to 0 after every change; that
// reset reports itself once more with position 0, which the logic must also see (it is
// how an arrow click is told from a drag), and then stops, as 0 is no change.

void MainForm::ResetRelativeBar(QScrollBar* bar) {
    if (bar->value() != 0) bar->setValue(0);
}

void MainForm::SyncViewControls() {
    const MainViewControls& c = state_.View;
    const DisplayState& d = model_.Display;
    NormVHZ->setEnabled(c.NormEnabled);
    Preset[0]->setEnabled(!c.PresetCaptureArmed);
    for (QScrollBar* b : {SBRef1Vert, SBRef1Horz, SBRef2Vert, SBRef2Horz})
        b->setVisible(d.RefPointsOn);
    RefPt1->setEnabled(d.RefPointsOn);
    RefPt2->setEnabled(d.RefPointsOn);
    RefPt1Zero->setVisible(d.RefPointsOn);
    RefPt2Zero->setVisible(d.RefPointsOn);
    RefPt1Zero->setEnabled(c.RefPt1ZeroEnabled);
    RefPt2Zero->setEnabled(c.RefPt2ZeroEnabled);
    for (int n : {5, 6, 11}) Panel[n]->setVisible(d.RefPointsOn);
    DrawLines1->setEnabled(d.RefPointsOn);
    DrawLinesTool->setEnabled(d.RefPointsOn);
    DataTableBut->setVisible(d.PivotDataOn);
}

void MainForm::SBPanVertChange(int position) {
    PanVertChanged(model_, state_.View, position);
    SyncViewControls();
    ResetRelativeBar(SBPanVert);
}

void MainForm::SBPanHorzChange(int position) {
    PanHorzChanged(model_, state_.View, position);
    SyncViewControls();
    ResetRelativeBar(SBPanHorz);
}

void MainForm::SBZoomChange(int position) {
    ZoomChanged(model_, state_.View, position);
    SyncViewControls();
    ResetRelativeBar(SBZoom);
}

void MainForm::NormVHZClick() {
    for (QScrollBar* b : {SBPanVert, SBPanHorz, SBZoom}) ResetRelativeBar(b);
    NormClick(model_, state_.View);
    SyncViewControls();
}

void MainForm::Preset0Click() {
    CapturePresetClick(model_, state_.View);
    SyncViewControls();
}

void MainForm::PresetClick(int slot) {
    lm::PresetClick(model_, state_.View, slot);
    SyncViewControls();
}

void MainForm::RefPointsClick() {
    lm::RefPointsClick(model_.Display);
    SyncViewControls();
}

void MainForm::RefPt1Click() {
    PanToRefPoint(model_, state_.View, 1);
    SyncViewControls();
}

void MainForm::RefPt2Click() {
    PanToRefPoint(model_, state_.View, 2);
    SyncViewControls();
}

void MainForm::RefBarChange(RefPointBar which, QScrollBar* bar, int position) {
    RefPointBarChanged(model_, state_.View, which, position);
    SyncViewControls();
    ResetRelativeBar(bar);
}

void MainForm::SBRef1VertChange(int position) {
    RefBarChange(RefPointBar::Ref1Vert, SBRef1Vert, position);
}
void MainForm::SBRef1HorzChange(int position) {
    RefBarChange(RefPointBar::Ref1Horz, SBRef1Horz, position);
}
void MainForm::SBRef2VertChange(int position) {
    RefBarChange(RefPointBar::Ref2Vert, SBRef2Vert, position);
}
void MainForm::SBRef2HorzChange(int position) {
    RefBarChange(RefPointBar::Ref2Horz, SBRef2Horz, position);
}

void MainForm::RefPt1ZeroClick() {
    RefPointZeroClick(model_, state_.View, 1);
    ResetRelativeBar(SBRef1Vert);
    ResetRelativeBar(SBRef1Horz);
    SyncViewControls();
}

void MainForm::RefPt2ZeroClick() {
    RefPointZeroClick(model_, state_.View, 2);
    ResetRelativeBar(SBRef2Vert);
    ResetRelativeBar(SBRef2Horz);
    SyncViewControls();
}

void MainForm::FormMouseDown(Qt::MouseButton button, int x, int y) {
    const MouseButton which = button == Qt::LeftButton    ? MouseButton::Left
                              : button == Qt::RightButton ? MouseButton::Right
                                                          : MouseButton::Other;
    if (PlaceRefPointByMouse(model_, state_.View, which, ScreenPoint{x, y}))
        SyncViewControls();
}

}  // namespace lm
