// The undo history: what is recorded, what undo restores, and the twenty-entry limit.

#include "model/UndoHistory.h"

#include <gtest/gtest.h>

#include "kinematics/StartUp.h"
#include "model/DimensionBoxExit.h"
#include "model/DimensionTable.h"
#include "model/DynamicVariables.h"
#include "model/EditorResets.h"

namespace lm {
namespace {

const DimensionInfo& Dim(std::string_view code) { return *FindDimension(code); }

Model Started() {
    Model m;
    StartUp(m);
    return m;
}

// The user types into a box and leaves it.
void Type(Model& m, std::string_view code, std::string_view text) {
    m.Dyn.DimTyped = true;  // what an accepted key does
    LeaveDimensionBoxWithText(m, Dim(code), text);
}

// One use of bar k: focus, page clicks (each followed by the reset to 0), end of scroll.
void Scroll(Model& m, int bar, int pages) {
    DynBarEntered(m, bar);
    for (int i = 0; i < pages; ++i) {
        DynBarChanged(m, bar, 10);
        DynBarChanged(m, bar, 0);
    }
    DynBarScrollEnded(m, bar);
}

TEST(Undo, ScrollIsOneEntryAndUndoRestoresIt) {
    Model m = Started();
    LeaveDimensionBox(m, Dim("MainRodLen"), 10.0f);
    EXPECT_EQ(m.Undo.UndoCount, 0);  // picking is not a change
    EXPECT_FALSE(m.Undo.ButtonsEnabled);

    Scroll(m, 1, 5);
    EXPECT_FLOAT_EQ(m.Frame.MainRodLen, 10.05f);
    const UndoEntry e = m.Undo.Entries[1];
    EXPECT_EQ(e.DimensionNumber, 3);
    EXPECT_EQ(e.Before, 10.0f);
    EXPECT_EQ(e.After, m.Frame.MainRodLen);
    EXPECT_EQ(e.DynVarName, "Main Rod Length");
    EXPECT_EQ(m.Undo.UndoCount, 1);
    EXPECT_TRUE(m.Undo.ButtonsEnabled);
    EXPECT_FALSE(m.Dyn.DimTyped);

    EXPECT_TRUE(UndoButtonClicked(m));
    EXPECT_EQ(m.Frame.MainRodLen, 10.0f);
    EXPECT_EQ(m.Dyn.DynQueue[1].Value, 10.0f);
    EXPECT_EQ(m.Undo.Entries[0].After, e.After);  // entry 0: the change last undone
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);
}

TEST(Undo, TypedChangesAreRecordedOnlyWhenTyped) {
    Model m = Started();
    Type(m, "Stroke", "4");
    Type(m, "EccAngFwd", "370");
    LeaveDimensionBox(m, Dim("DriverDia"), 8.0f);  // not typed: picked, stored, not recorded
    EXPECT_EQ(m.Frame.EccAngFwd, 10.0f);
    EXPECT_EQ(m.Dyn.DynQueue[2].Value, 10.0f);
    EXPECT_EQ(m.Frame.DriverDia, 8.0f);
    EXPECT_EQ(m.Undo.UndoCount, 2);
    const UndoEntry& e = m.Undo.Entries[1];
    EXPECT_EQ(e.DimensionNumber, 6);
    EXPECT_EQ(e.Before, 242.0f);
    EXPECT_EQ(e.After, 10.0f);
    EXPECT_EQ(e.DynVarName, "Eccentric Forward Angle");

    EXPECT_TRUE(UndoButtonClicked(m));
    EXPECT_EQ(m.Frame.EccAngFwd, 242.0f);
    EXPECT_EQ(m.Dyn.DynQueue[2].Value, 242.0f);  // the slot is read again
    EXPECT_TRUE(m.Undo.ButtonsEnabled);          // the Stroke change is still there
    EXPECT_TRUE(UndoButtonClicked(m));
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);
    EXPECT_EQ(m.Frame.DriverDia, 8.0f);
}

TEST(Undo, RestoresTwinPivotsAndTheValveStem) {
    Model m = Started();
    Type(m, "RockerPivotHorz", "9");
    Type(m, "CylCLAboveDriver", "0.5");
    Type(m, "RevLiftPivotVert", "2.5");
    EXPECT_FLOAT_EQ(m.P(ValveStemJoint).Y, 2.75f);
    for (int i = 0; i < 3; ++i) UndoLast(m);
    EXPECT_EQ(m.P(ReverseShaft).Y, 2.0f);
    EXPECT_EQ(m.P(ReverseShaftCopy).Y, 2.0f);
    EXPECT_EQ(m.P(Crosshead).Y, 0.0f);
    EXPECT_EQ(m.P(ValveStemJoint).Y, 2.25f);
    EXPECT_EQ(m.P(RockerPivot).X, 8.13f);
    EXPECT_EQ(m.P(RockerPivotCopy).X, 8.13f);
}

TEST(Undo, TheTwentyFirstChangeDropsTheOldest) {
    Model m = Started();
    for (int i = 1; i <= 21; ++i) Type(m, "MainRodLen", std::to_string(10 + i));
    EXPECT_EQ(m.Undo.UndoCount, 20);
    EXPECT_EQ(m.Undo.Entries[20].Before, 11.0f);  // the change 10 -> 11 is gone
    EXPECT_EQ(m.Undo.Entries[1].After, 31.0f);
    for (int i = 0; i < 19; ++i) UndoButtonClicked(m);
    EXPECT_TRUE(m.Undo.ButtonsEnabled);
    EXPECT_TRUE(UndoButtonClicked(m));
    EXPECT_EQ(m.Frame.MainRodLen, 11.0f);
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);
    EXPECT_FALSE(UndoButtonClicked(m));
    EXPECT_EQ(m.Frame.MainRodLen, 11.0f);
}

TEST(Undo, EditorResetsEmptyTheQueueAndOnAClickTheHistory) {
    Model m = Started();
    Type(m, "Stroke", "4");
    Type(m, "ValveBoreDia", "1");
    ResetFrameFromEditor(m, false);  // a right-button press keeps the history
    EXPECT_EQ(m.Frame.Stroke, 3.0f);
    EXPECT_EQ(m.Dyn.DynQueue[1].DimensionNumber, 0);
    EXPECT_EQ(m.Undo.UndoCount, 2);
    ResetCylinderFromEditor(m, true);
    EXPECT_EQ(m.Cyl.ValveBoreDia, 0.75f);
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);
}

TEST(Undo, PushOnlyWhileTypedAndClearEmptiesEverything) {
    Model m = Started();
    PushUndo(m);
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);

    Type(m, "Stroke", "4");
    Type(m, "Stroke", "5");
    UndoLast(m);
    ClearUndo(m);
    EXPECT_EQ(m.Undo.UndoCount, 0);
    EXPECT_FALSE(m.Undo.ButtonsEnabled);
    for (const UndoEntry& e : m.Undo.Entries) {
        EXPECT_EQ(e.DimensionNumber, 0);
        EXPECT_EQ(e.Before, 0.0f);
        EXPECT_EQ(e.After, 0.0f);
        EXPECT_EQ(e.DynVarName, "");
    }
    EXPECT_EQ(m.Frame.Stroke, 4.0f);  // clearing the history undoes nothing
}

TEST(Undo, ScrollAfterAFileLoadRecordsTheLiveValue) {
    Model m = Started();
    LeaveDimensionBox(m, Dim("LinkRadius"), 8.25f);
    m.Frame.LinkRadius = 9.0f;  // a file opened since the pick
    Scroll(m, 1, 1);
    EXPECT_FLOAT_EQ(m.Frame.LinkRadius, 9.01f);
    EXPECT_EQ(m.Undo.Entries[1].Before, 9.0f);
    UndoLast(m);
    EXPECT_EQ(m.Frame.LinkRadius, 9.0f);
}

}  // namespace
}  // namespace lm
