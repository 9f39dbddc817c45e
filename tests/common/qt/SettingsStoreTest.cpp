// Remembered surroundings: kept across runs, and a damaged or foreign file read as nothing.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "common/qt/SettingsStore.h"

namespace lm {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    QString file() const { return dir.filePath("linkmotion.conf"); }
    void Write(const QByteArray& bytes) {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir dir;
};

TEST_F(SettingsStoreTest, WhatIsRememberedComesBackInTheNextRun) {
    const QString folder = dir.filePath("sets");
    QDir().mkpath(folder);
    {
        SettingsStore s(file());
        s.SetWindowGeometry("MainForm", QByteArray("\x01\xd9\xd0\xcb geometry", 14));
        s.SetLastFolderOf("dimensions", folder + "/gear.lmd");
        for (int i = 1; i <= 10; ++i) s.AddRecentSet(folder + QString("/set%1.lmd").arg(i));
        s.AddRecentSet(folder + "/set5.lmd");  // opened again: to the front, not twice
        ASSERT_TRUE(s.Sync());
    }
    SettingsStore s(file());
    EXPECT_EQ(s.WindowGeometry("MainForm"), QByteArray("\x01\xd9\xd0\xcb geometry", 14));
    EXPECT_TRUE(s.WindowGeometry("SineDia").isEmpty());
    EXPECT_EQ(s.LastFolder("dimensions"), folder);
    EXPECT_EQ(s.LastFolder("pictures"), "");
    const QStringList recent = s.RecentSets();
    ASSERT_EQ(recent.size(), SettingsStore::kRecentSets);
    EXPECT_EQ(recent.front(), folder + "/set5.lmd");
    EXPECT_EQ(recent[1], folder + "/set10.lmd");
    EXPECT_EQ(recent.back(), folder + "/set3.lmd");  // 1 and 2 fell off the end
    EXPECT_EQ(recent.count(folder + "/set5.lmd"), 1);

    s.RemoveRecentSet(folder + "/set10.lmd");
    EXPECT_EQ(s.RecentSets().size(), SettingsStore::kRecentSets - 1);
    // A folder that has gone is not offered.
    QDir(folder).removeRecursively();
    EXPECT_EQ(s.LastFolder("dimensions"), "");
    s.Clear();
    EXPECT_TRUE(s.RecentSets().isEmpty());
}

TEST_F(SettingsStoreTest, ADamagedFileIsReadAsNothingRememberedAndWrittenAfresh) {
    Write(QByteArray("\x00\xff[format1\n=\x01recent=\"unterminated\n\xfe\xfe", 33));
    {
        SettingsStore s(file());
        EXPECT_TRUE(s.WindowGeometry("MainForm").isEmpty());
        EXPECT_EQ(s.LastFolder("dimensions"), "");
        s.AddRecentSet(dir.filePath("a.lmd"));
        s.Sync();
    }
    EXPECT_EQ(SettingsStore(file()).RecentSets(), QStringList{dir.filePath("a.lmd")});

    // Values of the wrong kind, as a hand-edited file may hold.
    Write("[format1]\ngeometry\\MainForm=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\nfolders\\dimensions=1, 2, 3\n"
          "recent=@Invalid()\n");
    SettingsStore s(file());
    EXPECT_TRUE(s.WindowGeometry("MainForm").isEmpty());
    EXPECT_EQ(s.LastFolder("dimensions"), "");
    EXPECT_TRUE(s.RecentSets().isEmpty());
}

TEST_F(SettingsStoreTest, AnotherVersionsSettingsAreNeitherReadNorLost) {
    {
        QSettings other(file(), QSettings::IniFormat);
        other.setValue("format2/recent", QStringList{"/elsewhere/x.lmd"});
        other.setValue("recent", QStringList{"/older/y.lmd"});
    }
    SettingsStore s(file());
    EXPECT_TRUE(s.RecentSets().isEmpty());
    s.AddRecentSet(dir.filePath("b.lmd"));
    s.Clear();
    s.Sync();
    QSettings other(file(), QSettings::IniFormat);
    EXPECT_EQ(other.value("format2/recent").toStringList(), QStringList{"/elsewhere/x.lmd"});
    EXPECT_EQ(other.value("recent").toStringList(), QStringList{"/older/y.lmd"});
}

// A window comes back where it was left, and a damaged place is passed over.
TEST_F(SettingsStoreTest, AWindowComesBackWhereItWasLeft) {
    SettingsStore store(file());
    SetProgramSettings(&store);
    {
        QWidget w;
        w.setObjectName("SineDia");
        RememberGeometry(&w);
        w.show();
        w.setGeometry(70, 80, 333, 222);
        w.hide();
    }
    QWidget again;
    again.setObjectName("SineDia");
    RememberGeometry(&again);
    again.resize(100, 100);
    again.show();
    EXPECT_EQ(again.geometry(), QRect(70, 80, 333, 222));

    store.SetWindowGeometry("OvalDia", QByteArray("not a geometry"));
    QWidget oval;
    oval.setObjectName("OvalDia");
    RememberGeometry(&oval);
    oval.resize(120, 90);
    oval.show();
    EXPECT_EQ(oval.size(), QSize(120, 90));
    SetProgramSettings(nullptr);
}

}  // namespace
}  // namespace lm
