// The desktop program's command line through QCommandLineParser, Qt's own options aside.

#include "desktop/qt/ProgramArguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <array>
#include <string_view>

#include "common/MessageText.h"
#include "common/Numbers.h"

namespace lm {

namespace {

struct QtOption {
    std::string_view name;
    bool takesValue;
};

// QGuiApplication's and QApplication's options: QApplication takes them out of the
// arguments itself, and they must not be mistaken for ours or for a file to open.
constexpr std::array<QtOption, 19> kQtOptions = {{
    {"platform", true},     {"platformpluginpath", true}, {"platformtheme", true},
    {"plugin", true},       {"qmljsdebugger", true},      {"qwindowgeometry", true},
    {"qwindowicon", true},  {"qwindowtitle", true},       {"session", true},
    {"display", true},      {"geometry", true},           {"style", true},
    {"stylesheet", true},   {"name", true},               {"reverse", false},
    {"widgetcount", false}, {"nograb", false},            {"dograb", false},
    {"sync", false},
}};

const QtOption* FindQtOption(const QString& argument) {
    if (!argument.startsWith('-') || argument == "-" || argument == "--") return nullptr;
    QString name = argument.mid(argument.startsWith("--") ? 2 : 1);
    name = name.left(name.indexOf('='));
    for (const QtOption& o : kQtOptions)
        if (name == QLatin1String(o.name.data(), static_cast<qsizetype>(o.name.size()))) return &o;
    return nullptr;
}

// Our arguments without Qt's options and their values; everything after "--" is ours.
QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList ours;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (i == 0) {
            ours << a;
            continue;
        }
        if (a == "--") {
            ours << arguments.mid(i);
            break;
        }
        const QtOption* q = FindQtOption(a);
        if (!q) {
            ours << a;
            continue;
        }
        if (q->takesValue && !a.contains('=')) ++i;
    }
    return ours;
}

// A whole number of milliseconds in 1..1000.
std::optional<int> TickMs(const QString& text) {
    double value = 0;
    if (!ParseStrictNumber(text.toStdString(), value)) return std::nullopt;
    if (value != static_cast<double>(static_cast<long long>(value))) return std::nullopt;
    if (value < 1 || value > 1000) return std::nullopt;
    return static_cast<int>(value);
}

// What the user typed, made safe to print: one line, nothing the terminal obeys.
QString Shown(const QString& text) {
    return QString::fromStdString(EscapeControls(text.toStdString()));
}
QString Quoted(const QString& text) {
    return QString::fromStdString(QuoteForMessage(text.toStdString(), '"'));
}

ProgramArguments Exit(int status, const QString& message) {
    ProgramArguments a;
    a.exitStatus = status;
    a.message = message;
    return a;
}

}  // namespace

ProgramArguments ParseProgramArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "LINKMOTION Inside Admission: a shifting-link valve gear with an inside-admission piston "
        "valve.\nOpens FILE (a dimension file, .lmd, or an older-format file, .lmp) if one is given.");
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this text and exit.");
    const QCommandLineOption version(QStringList{"v", "version"}, "Show the version and exit.");
    const QCommandLineOption tickMs("tick-ms", "Animation tick period in milliseconds, 1..1000 (default 16).",
                                    "N");
    const QCommandLineOption resetSettings(
        "reset-settings",
        "Forget the remembered window places, folders and recent files, then start.");
    parser.addOptions({help, version, tickMs, resetSettings});
    parser.addPositionalArgument("FILE", "A dimension file to open, .lmd, or to import, .lmp.",
                                 "[FILE]");

    const QString name = QCoreApplication::applicationName();
    const QString usageHint = QString("\nTry '%1 --help'.\n").arg(name);
    if (!parser.parse(WithoutQtOptions(arguments)))
        return Exit(2, QString("%1: %2%3").arg(name, Shown(parser.errorText()), usageHint));
    if (parser.isSet(help)) {
        return Exit(0, parser.helpText() +
                           "\nQt's own options (-platform, -style, ...) are taken as well.\n");
    }
    if (parser.isSet(version))
        return Exit(0, QString("%1 %2\n").arg(name, QCoreApplication::applicationVersion()));

    ProgramArguments result;
    if (parser.isSet(tickMs)) {
        const std::optional<int> ms = TickMs(parser.value(tickMs));
        if (!ms) {
            return Exit(2, QString("%1: --tick-ms takes a whole number of milliseconds from 1 to "
                                   "1000, not %2%3")
                               .arg(name, Quoted(parser.value(tickMs)), usageHint));
        }
        result.tickMs = *ms;
    }
    result.resetSettings = parser.isSet(resetSettings);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Exit(2, QString("%1: one file at a time, not %2%3").arg(name).arg(files.size()).arg(usageHint));
    if (!files.isEmpty()) result.file = files.front();
    return result;
}

}  // namespace lm
