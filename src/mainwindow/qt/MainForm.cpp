// The main window: building its panels and controls, sizing to the text, closing.

#include "mainwindow/qt/MainForm.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include "common/TextScaleExtent.h"
#include "common/qt/ControlPlaces.h"
#include "common/qt/PictureChanges.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/PixelRatio.h"
#include "common/qt/PushButton.h"
#include "dialogs/qt/AboutBox.h"
#include "dialogs/qt/InstructionWindows.h"
#include "graphics/qt/QPainterCanvas.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/DimensionHighlight.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/WindowControlState.h"
#include "mainwindow/WindowTitles.h"
#include "mainwindow/qt/QtSoundOutput.h"
#include "overlay/qt/DrawLines.h"

namespace lm {

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

    area_ = new PictureWidget(this, [this]() -> const QImage& { return shown_; }, kSilver);
    area_->setObjectName("ClientArea");
    area_->setFont(ControlFont());
    // A larger window shows more of the picture, never more than there is of it.
    area_->setMinimumSize(kClientAreaWidth, kClientAreaHeight);
    area_->setMaximumSize(kPictureWidth, kPictureHeight);
    // Buttons this small leave no room for the style's padding around a 13-pixel caption.
    area_->setStyleSheet("QPushButton { padding: 0px; }");
    setCentralWidget(area_);

    sound_ = std::make_unique<QtSoundOutput>();
    state_.Sound = sound_.get();
    FileHooks = StandardFileCommandHooks();

    revArm_ = std::make_unique<ReverseArmControls>(area_, model_);
    drive_ = std::make_unique<DriveControls>(area_, model_, state_);
    view_ = std::make_unique<ViewPanel>(area_, model_, state_);
    view_->Synced = [this] { ShowViewDependents(); };
    dynVars_ = std::make_unique<DynVarControls>(area_, model_, state_, Panel);
    dynVars_->FocusAfterScroll = revArm_->Bar();
    files_ = std::make_unique<FileCommands>(this, model_, FileHooks);
    files_->Loaded = [this] { revArm_->ShowBar(); };
    files_->OpenFinished = [this](bool loaded) { drawLines_->LinesDataClick(loaded); };
    area_->MousePressed = [this](Qt::MouseButton button, QPoint at) {
        // A pivot pick hands back to the lines and circles window once the press is done.
        bool reopenLines = false;
        view_->MouseDown(button, at.x(), at.y(), [&reopenLines] { reopenLines = true; });
        if (reopenLines) DrawLines1Click();
    };

    BuildPanels();
    BuildMenus();
    BuildToolBar();
    area_->Resized = [this](QSize size) {
        ToolBar1->resize(size.width(), ToolBar1->height());
        // A larger window shows the rest of the last picture at once, not at the next tick.
        const QRect shown = ShownPart();
        if (drawnFrom_ && !QRect(QPoint(0, 0), shown_.deviceIndependentSize().toSize()).contains(shown)) {
            QImage larger;
            DrawAgain(larger, shown.size());
            if (!larger.isNull()) shown_ = larger;
        }
    };
    BuildShortcuts();

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(std::max(1, options_.tickMs));
    connect(timer_, &QTimer::timeout, this, &MainForm::Timer1Timer);

    StartUp(model_);
    revArm_->ShowMidGear();
    // In the start-up order of the windows; a text that cannot be read is reported and
    // start-up goes on.
    specialInst_ = new SpecialInst(this);
    specialInst_->LoadAtStartUp();
    BuildDiagramWindows();
    BuildEditorWindows();
    BuildSettingDialogs();
    inst_ = new Inst(this);
    inst_->LoadAtStartUp();
    aboutBox_ = new AboutBox(this);
    OpenAtClientSize();
    revArm_->Bar()->setFocus();
    if (options_.startTimer) timer_->start();
}

MainForm::~MainForm() = default;

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
    // Its caption fills the button: a wide serif face is cut off at both ends.
    small.setFamilies({"Times New Roman", "Times", "Liberation Serif", "Nimbus Roman",
                       "DejaVu Serif Condensed", "DejaVu Serif"});
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

void MainForm::OpenAtClientSize() {
    // The client area opens at its given size; the menu bar adds its own height.
    resize(kClientAreaWidth, kClientAreaHeight + menuBar()->sizeHint().height());
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

// ---- Lifecycle ----

bool MainForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) drive_->WindowActivated();
    return QMainWindow::event(e);
}

void MainForm::closeEvent(QCloseEvent* e) {
    // A changed set is offered for saving; Cancel keeps the window and the set.
    if (!files_->MayDropDimensionSet()) {
        e->ignore();
        return;
    }
    timer_->stop();
    e->accept();
}

}  // namespace lm
