// What the desktop program is asked to do by its command line.

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lm {

struct ProgramArguments {
    int tickMs = 16;
    // The dimension file (or older-format file) to open at start-up; empty for none.
    QString file;
    bool resetSettings = false;

    // Set when the program is to end at once (help, version, a bad option) with this
    // status, after printing `message` on standard output (status 0) or error (else).
    std::optional<int> exitStatus;
    QString message;
};

// Reads the arguments as QCoreApplication::arguments() gives them (the program's name
// first). Qt's own options (-platform, -style, ...) are left to Qt: skipped here with
// their values. Needs a QCoreApplication for the usage text's program name.
ProgramArguments ParseProgramArguments(const QStringList& arguments);

}  // namespace lm
