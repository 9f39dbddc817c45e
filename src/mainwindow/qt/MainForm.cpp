// The main window: its parts made and wired together, and its lifecycle.

#include "mainwindow/qt/MainForm.h"

#include <QCloseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QToolBar>

#include <algorithm>

#include "common/qt/FileDrop.h"
#include "common/qt/PictureWidget.h"
#include "common/qt/SettingsStore.h"
#include "graphics/qt/FontFaces.h"
#include "kinematics/StartUp.h"
#include "mainwindow/MainRender.h"
#include "mainwindow/qt/QtSoundOutput.h"
#include "overlay/qt/DrawLines.h"

namespace lm {

namespace {

const QColor kSilver(192, 192, 192);

QFont ControlFont() {
    QFont f = FaceFont(FontFace::Serif, 13);
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

    area_ = new PictureWidget(this, [this]() -> const QImage& { return picture_->Shown(); }, kSilver);
    area_->setObjectName("ClientArea");
    area_->setFont(ControlFont());
    // Buttons this small leave no room for the style's padding around a 13-pixel caption.
    area_->setStyleSheet("QPushButton { padding: 0px; }");
    // A larger window shows more of the picture, never more than there is of it.
    area_->setMinimumSize(kClientAreaWidth, kClientAreaHeight);
    area_->setMaximumSize(kPictureWidth, kPictureHeight);
    setCentralWidget(area_);
    picture_ = std::make_unique<MainPicture>(model_, state_, area_);

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
    files_->OpenFinished = [this](bool loaded) { windows_.LinesAndCircles->LinesDataClick(loaded); };
    reports_ = std::make_unique<ReportCommands>(this, model_, FileHooks);
    AcceptFileDrops(this, [this](const QString& path) { OpenFile(path); });
    RememberGeometry(this);
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
        picture_->AreaResized();
    };
    BuildShortcuts();

    timer_ = new QTimer(this);
    timer_->setObjectName("Timer1");
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(std::max(1, options_.tickMs));
    connect(timer_, &QTimer::timeout, this, &MainForm::Timer1Timer);

    StartUp(model_);
    revArm_->ShowMidGear();
    BuildChildWindows();
    ShowCommandStates();
    OpenAtClientSize();
    revArm_->Bar()->setFocus();
    if (options_.startTimer) timer_->start();
}

MainForm::~MainForm() = default;

void MainForm::Timer1Timer() {
    const bool drawn = picture_->Tick();
    ShowTickState();
    if (drawn) CarryOutHighlightRequests();
}

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
