// The desktop program: one gear model, the main window, the event loop.
#include <QApplication>
#include <QTimer>

#include <cstdio>

#include "app/FirstFrameProbe.h"
#include "common/Version.h"
#include "desktop/qt/ProgramArguments.h"
#include "common/qt/SettingsStore.h"
#include "dialogs/qt/ProgramIcon.h"
#include "mainwindow/qt/MainForm.h"
#include "model/Model.h"

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName("linkmotion");
    // Settings go to ~/.config/linkmotion/linkmotion.conf.
    QCoreApplication::setOrganizationName("linkmotion");
    QCoreApplication::setOrganizationDomain("example.org");
    QCoreApplication::setApplicationVersion(
        QString::fromUtf8(lm::kVersion.data(), static_cast<qsizetype>(lm::kVersion.size())));
    // The menu entry's name: desktops match the window to it, Wayland by this id.
    QGuiApplication::setDesktopFileName("org.example.linkmotion");

    lm::ProgramArguments arguments;
    {
        // Help, version and bad options are answered without a display.
        QCoreApplication parsing(argc, argv);
        arguments = lm::ParseProgramArguments(QCoreApplication::arguments());
    }
    if (arguments.exitStatus) {
        std::fputs(arguments.message.toLocal8Bit().constData(), *arguments.exitStatus ? stderr : stdout);
        return *arguments.exitStatus;
    }

    QApplication app(argc, argv);
    QApplication::setWindowIcon(lm::ProgramIcon());
    lm::InstallFirstFrameProbe(app);

    // The user's surroundings from the last run; the gear itself always starts as defined.
    lm::SettingsStore settings;
    if (arguments.resetSettings) settings.Clear();
    lm::SetProgramSettings(&settings);

    lm::Model model;
    lm::MainFormOptions options;
    options.tickMs = arguments.tickMs;
    lm::MainForm form(model, options);
    form.show();
    // Opened as the File menu opens a file, once the window is up to own a refusal's box.
    if (!arguments.file.isEmpty())
        QTimer::singleShot(0, &form, [&form, file = arguments.file] { form.OpenFile(file); });
    const int status = QApplication::exec();
    lm::SetProgramSettings(nullptr);
    return status;
}
