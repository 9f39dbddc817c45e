// The desktop program's command line: files, our options, Qt's options and bad input.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include "desktop/qt/ProgramArguments.h"

namespace lm {
namespace {

ProgramArguments Parse(QStringList args) {
    args.prepend("linkmotion");
    return ParseProgramArguments(args);
}

TEST(ProgramArguments, TakesOneFileBesideQtsOwnOptionsAndTheirValues) {
    EXPECT_EQ(Parse({}).file, "");
    EXPECT_FALSE(Parse({}).exitStatus);
    EXPECT_EQ(Parse({"gear.lmd"}).file, "gear.lmd");
    // Qt's options, with their values in either form, are never taken for the file.
    const ProgramArguments a = Parse({"-platform", "offscreen", "--style=fusion", "-reverse",
                                      "--tick-ms", "40", "old.LMP", "-qwindowtitle", "x"});
    EXPECT_FALSE(a.exitStatus) << a.message.toStdString();
    EXPECT_EQ(a.file, "old.LMP");
    EXPECT_EQ(a.tickMs, 40);
    // After "--" a name that looks like an option is a file.
    EXPECT_EQ(Parse({"--", "-style.lmd"}).file, "-style.lmd");
    EXPECT_TRUE(Parse({"--reset-settings"}).resetSettings);
}

TEST(ProgramArguments, AnswersHelpAndVersionAndRefusesWhatItCannotTake) {
    QCoreApplication::setApplicationVersion("9.8");
    const ProgramArguments version = Parse({"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_TRUE(version.message.endsWith(" 9.8\n")) << version.message.toStdString();
    const ProgramArguments help = Parse({"--help", "gear.lmd"});
    EXPECT_EQ(help.exitStatus, 0);
    for (const char* word : {"FILE", "--tick-ms", "--reset-settings", "--version"})
        EXPECT_TRUE(help.message.contains(word)) << word;

    for (const QStringList& bad : {QStringList{"--frobnicate"}, QStringList{"--tick-ms", "0"},
                                   QStringList{"--tick-ms", "2.5"}, QStringList{"--tick-ms"},
                                   QStringList{"a.lmd", "b.lmd"}}) {
        const ProgramArguments r = Parse(bad);
        EXPECT_EQ(r.exitStatus, 2) << bad.join(' ').toStdString();
        EXPECT_TRUE(r.message.contains("--help")) << r.message.toStdString();
    }
}

}  // namespace
}  // namespace lm
