// An offscreen GUI application for the commands that draw.

#include "cli/FontApplication.h"

#include <cstdio>
#include <cstdlib>

#include "common/MessageText.h"

namespace lm::cli {

namespace {

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "linkmotion-cli: %s\n", EscapeControls(text.toStdString()).c_str());
}

}  // namespace

std::unique_ptr<QGuiApplication> MakeFontApplication() {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char name[] = "linkmotion-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace lm::cli
