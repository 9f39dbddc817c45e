// Finding sound files and staying silent when they or the audio device are missing.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "mainwindow/qt/QtSoundOutput.h"

namespace lm {
namespace {

// Restores the working directory a test moved to.
class InDirectory {
public:
    explicit InDirectory(const QString& path) : previous_(QDir::currentPath()) { QDir::setCurrent(path); }
    ~InDirectory() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

TEST(QtSoundOutput, FindsTheFileInTheCurrentDirectoryFirst) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath("Chuff.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();
    InDirectory here(dir.path());
    EXPECT_EQ(QtSoundOutput::FindSoundFile("Chuff.wav"), QFileInfo(file).absoluteFilePath());
    EXPECT_TRUE(QtSoundOutput::FindSoundFile("Nowhere.wav").isEmpty());
}

TEST(QtSoundOutput, MissingOrBrokenSoundsAreSilentNotErrors) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile broken(dir.filePath("Error.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a wave file");
    broken.close();
    InDirectory here(dir.path());
    QtSoundOutput sound;
    sound.SetVolume(0x0700);
    for (int i = 0; i < 3; ++i) {
        sound.Play("Error.wav");
        sound.Play("Missing.wav");
    }
    sound.SetVolume(0xFFFF);
    SUCCEED();
}

}  // namespace
}  // namespace lm
