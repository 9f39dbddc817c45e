// The unsaved-changes query on every path that changes the set, and on the paths that
// must not count: the tick, a refused file, a value typed back to what it was.
#include "model/UnsavedChanges.h"

#include <gtest/gtest.h>

#include "../files/FileTestSupport.h"
#include "dialogs/DimensionEditor.h"
#include "files/DimensionFile.h"
#include "kinematics/RevArmPositionSet.h"
#include "kinematics/StartUp.h"
#include "mainwindow/AnimationTick.h"
#include "model/DynamicVariables.h"
#include "model/UndoHistory.h"

namespace lm {
namespace {

Model Started() {
    Model m;
    StartUp(m);
    return m;
}

TEST(UnsavedChanges, EveryWayOfChangingTheSetCounts) {
    Model m = Started();
    EXPECT_FALSE(DimensionSetChanged(m));

    // An editor box typed back to the value it had is no change.
    EditorBoxExit(m, EditorId::Frame, 2, "3");
    EXPECT_FALSE(DimensionSetChanged(m));
    m.Dyn.DimTyped = true;
    EditorBoxExit(m, EditorId::Frame, 2, "3.5");
    EXPECT_TRUE(DimensionSetChanged(m));
    UndoButtonClicked(m);  // undone: the set is as saved again
    EXPECT_FALSE(DimensionSetChanged(m));

    // A dynamic bar's step, on a pivot dimension.
    EditorBoxExit(m, EditorId::Frame, 18, "8.13");
    DynBarChanged(m, 1, 1);
    DynBarChanged(m, 1, 0);
    EXPECT_TRUE(DimensionSetChanged(m));
    EditorResetClicked(m, EditorId::Frame);
    EXPECT_FALSE(DimensionSetChanged(m));

    const auto changes = [&m](auto&& change) {
        Model copy = m;
        change(copy);
        return DimensionSetChanged(copy);
    };
    EXPECT_TRUE(changes([](Model& c) { c.Cyl.CylinderSpare = 1; }));
    EXPECT_TRUE(changes([](Model& c) { c.P(Crosshead).Y = 0.5f; }));
    EXPECT_TRUE(changes([](Model& c) { StoreEditedRevArmPosition(c, 4, c.Gear.RevArmCenter + 0.5f); }));
    EXPECT_TRUE(changes([](Model& c) { c.Lines.Entries[20].Color = 3; }));
    EXPECT_TRUE(changes([](Model& c) { c.Lines.CurrentEntry = 7; }));
    // Running the gear, moving the reverser or the view is no change to the set.
    EXPECT_FALSE(changes([](Model& c) {
        MainWindowState s;
        c.P(RockerPivotCopy).X = 0;  // an older file may hold the copy apart; the tick mends it
        for (int i = 0; i < 40; ++i) AnimationTick(c, s);
        c.Gear.RevArmPos += 0.3f;
        c.View.ViewScale = 99;
    }));
}

TEST(UnsavedChanges, ASuccessfulSaveOrOpenIsTheNewBaselineARefusedFileIsNot) {
    test::ScratchFolder dir;
    Model m = Started();
    m.Frame.Stroke = 3.25f;
    ASSERT_TRUE(SaveDimensionFile(m, dir / "a.lmd").ok());
    EXPECT_FALSE(DimensionSetChanged(m));

    m.Frame.Stroke = 4;
    EXPECT_FALSE(SaveDimensionFile(m, dir / "missing/b.lmd").ok());
    EXPECT_TRUE(DimensionSetChanged(m));  // a failed save leaves the change unsaved
    test::WriteBytes(dir / "short.lmd", {1, 2, 3});
    EXPECT_FALSE(OpenDimensionFile(m, dir / "short.lmd").ok());
    EXPECT_TRUE(DimensionSetChanged(m));

    ASSERT_TRUE(OpenDimensionFile(m, dir / "a.lmd").ok());
    EXPECT_FALSE(DimensionSetChanged(m));
    EXPECT_FLOAT_EQ(m.Frame.Stroke, 3.25f);

    Model never;  // a model no set was ever opened into asks rather than loses
    EXPECT_TRUE(DimensionSetChanged(never));
}

TEST(UnsavedChanges, TheQuestionIsAskedOnlyForAChangedSetAndAFailedSaveAsksAgain) {
    Model m = Started();
    int asked = 0, saves = 0;
    std::vector<UnsavedAnswer> answers;
    bool saveWorks = false;
    const auto ask = [&] { return answers.at(static_cast<std::size_t>(asked++)); };
    const auto save = [&] { ++saves; return saveWorks; };
    EXPECT_TRUE(MayDropDimensionSet(m, ask, save));
    EXPECT_EQ(asked, 0);

    m.Frame.EccDia = 2.5f;
    answers = {UnsavedAnswer::Cancel};
    EXPECT_FALSE(MayDropDimensionSet(m, ask, save));
    EXPECT_FLOAT_EQ(m.Frame.EccDia, 2.5f);

    asked = 0;
    answers = {UnsavedAnswer::Save, UnsavedAnswer::Save, UnsavedAnswer::Cancel};
    EXPECT_FALSE(MayDropDimensionSet(m, ask, save));  // two failed saves, then Cancel
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(saves, 2);

    asked = 0;
    answers = {UnsavedAnswer::Save};
    saveWorks = true;
    EXPECT_TRUE(MayDropDimensionSet(m, ask, save));
    asked = 0;
    answers = {UnsavedAnswer::Discard};
    EXPECT_TRUE(MayDropDimensionSet(m, ask, save));
}

}  // namespace
}  // namespace lm
