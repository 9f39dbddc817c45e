// The desktop program: one gear model, the main window, the event loop.
#include <QApplication>

#include <cstdio>
#include <string>

#include "app/FirstFrameProbe.h"
#include "common/MessageText.h"
#include "common/Numbers.h"
#include "dialogs/qt/ProgramIcon.h"
#include "mainwindow/qt/MainForm.h"
#include "model/Model.h"

namespace {

constexpr const char* kUsage =
    "Usage: linkmotion [--tick-ms N] [--help]\n"
    "\n"
    "  --tick-ms N   animation tick period in milliseconds, 1..1000 (default 16)\n"
    "  --help        show this text and exit\n";

// Reads the tick period; false for anything but a whole number in 1..1000.
bool ParseTickMs(const std::string& text, int& out) {
    double value = 0;
    if (!lm::ParseStrictNumber(text, value)) return false;
    if (value != static_cast<double>(static_cast<long long>(value))) return false;
    if (value < 1 || value > 1000) return false;
    out = static_cast<int>(value);
    return true;
}

bool IsQtOption(const std::string& arg) {
    static const char* const kQt[] = {"--platform", "--platformpluginpath", "--platformtheme",
                                      "--plugin",   "--style",              "--stylesheet",
                                      "--reverse",  "--qwindowgeometry",    "--qwindowtitle",
                                      "--display",  "--widgetcount",        "--session"};
    const std::string name = arg.substr(0, arg.find('='));
    for (const char* q : kQt)
        if (name == q) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    lm::MainFormOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--tick-ms" || arg.rfind("--tick-ms=", 0) == 0) {
            std::string value;
            if (arg == "--tick-ms") {
                if (i + 1 >= argc) {
                    std::fputs("linkmotion: --tick-ms needs a value\n", stderr);
                    return 2;
                }
                value = argv[++i];
            } else {
                value = arg.substr(std::string("--tick-ms=").size());
            }
            if (!ParseTickMs(value, options.tickMs)) {
                std::fprintf(stderr,
                             "linkmotion: --tick-ms takes a whole number of milliseconds "
                             "from 1 to 1000, not %s\n",
                             lm::QuoteForMessage(value, '"').c_str());
                return 2;
            }
            continue;
        }
        // Qt's own options (-platform, -style, ...) are left for QApplication; a mistyped
        // option of ours must not be ignored silently.
        if (arg.rfind("--", 0) == 0 && !IsQtOption(arg)) {
            std::fprintf(stderr, "linkmotion: unknown option %s\n%s", lm::QuoteForMessage(arg, '"').c_str(), kUsage);
            return 2;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("linkmotion");
    QApplication::setWindowIcon(lm::ProgramIcon());
    lm::InstallFirstFrameProbe(app);

    lm::Model model;
    lm::MainForm form(model, options);
    form.show();
    return QApplication::exec();
}
