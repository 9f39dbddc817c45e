// Start-up is timed from outside the process, so the probe only reports and quits; it
// watches the event stream rather than the window's internals.
#include "app/FirstFrameProbe.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace lm {

namespace {

class FirstFrameProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Timer && watched->objectName() == QLatin1String("Timer1")) {
            ticked_ = true;
        } else if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            if (!windowShown_) {
                windowShown_ = true;
                Report("window");
            }
            if (ticked_ && !done_) {
                done_ = true;
                // Reported after this paint has reached the screen, then the program ends.
                QTimer::singleShot(0, this, [] {
                    Report("picture");
                    QCoreApplication::quit();
                });
            }
        }
        return false;
    }

private:
    static void Report(const char* what) {
        std::printf("%s\n", what);
        std::fflush(stdout);
    }

    bool ticked_ = false, windowShown_ = false, done_ = false;
};

}  // namespace

void InstallFirstFrameProbe(QApplication& app) {
    if (!std::getenv("LM_EXIT_AT_FIRST_FRAME")) return;
    app.installEventFilter(new FirstFrameProbe(&app));
}

}  // namespace lm
