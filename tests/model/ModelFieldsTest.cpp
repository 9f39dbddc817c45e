// Every field of the document and the session is walked, and the walk serves the
// fingerprint, unsaved changes and comparisons alike.

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <typeinfo>
#include <set>
#include <string>
#include <type_traits>
#include <utility>

#include "kinematics/StartUp.h"
#include "model/ModelFields.h"
#include "model/UnsavedChanges.h"

namespace lm {
namespace {

// Converts to any member type, so T{AnyMember{}, ...} compiles exactly while there are no
// more initialisers than T has members: the member count of an aggregate.
struct AnyMember {
    template <class T>
    operator T() const;
};

template <class T, std::size_t... I>
constexpr bool BracesTake(std::index_sequence<I...>) {
    return requires { T{(static_cast<void>(I), AnyMember{})...}; };
}

template <class T, std::size_t N = 1>
constexpr std::size_t MemberCount() {
    if constexpr (BracesTake<T>(std::make_index_sequence<N>{}))
        return MemberCount<T, N + 1>();
    else
        return N - 1;
}

template <class T>
std::size_t VisitedMembers() {
    T value{};
    std::size_t count = 0;
    VisitMembers(value, [&count](const char*, auto&) { ++count; });
    return count;
}

template <class T>
void ExpectMembersVisited() {
    EXPECT_EQ(VisitedMembers<T>(), MemberCount<T>())
        << typeid(T).name() << ": a member is missing from its VisitMembers";
}

template <class... T>
void ExpectEveryMemberVisited() {
    (ExpectMembersVisited<T>(), ...);
}

TEST(ModelFields, EveryMemberOfEveryStructIsVisited) {
    // Counting itself works, on a struct with a text, an array and a nested struct.
    struct Probe {
        int a = 0;
        std::string b;
        std::array<float, 3> c{};
        ViewTriple d;
    };
    static_assert(MemberCount<Probe>() == 4);

    ExpectEveryMemberVisited<RelativeBarMemory, FrameDimensions, CylinderRecord, Pivot, ViewTriple,
                             ViewState, DiagramSettings, OverlayEntry, Overlay, Document, GearState,
                             ValveState, KeptViews, DiagramWindowState, DisplayState, DynSlot, DynVars,
                             UndoEntry, UndoHistory, HighlightState, TrackedRow, PivotTracking,
                             OverlayRowText, OverlayEditorState, Session>();
    // The model is its two halves and nothing more.
    EXPECT_EQ(sizeof(Model), sizeof(Document) + sizeof(Session));
}

TEST(ModelFields, PathsNameEachFieldOnceAndTheUnsavedSetIsTheDimensionSet) {
    Model m;
    StartUp(m);
    std::set<std::string> names;
    std::size_t leaves = 0;
    ForEachField(m, [&](const FieldPath& path, const auto&) {
        ++leaves;
        names.insert(path.Text());
    });
    EXPECT_EQ(names.size(), leaves);
    for (const char* name : {"Frame.DriverDia", "Pivots[7].X", "Gear.RevArmPositions[9]",
                             "Lines.Entries[20].RefPivot2", "Views.SavedView.OriginY",
                             "LinesWindow.Rows[20].Boxes[3]", "SavedDimensionSet"})
        EXPECT_TRUE(names.contains(name)) << name;

    // 24 frame values, 17 cylinder slots, 5 input pivot coordinates, 9 arm positions,
    // 20 overlay entries of 13 values and the current entry.
    EXPECT_EQ(DimensionSetSnapshot(m).size(), 24u + 17u + 5u + 9u + 20u * 13u + 1u);
    // The tick's copy of pivot 7 into 6 and a solve are no change; a pivot coordinate is.
    MarkDimensionSetSaved(m);
    m.P(RockerPivotCopy).X += 1;
    m.P(LinkBlock).Y += 1;
    m.Views.Norm.Scale += 1;
    EXPECT_FALSE(DimensionSetChanged(m));
    m.P(Crosshead).Y += 0.25f;
    EXPECT_TRUE(DimensionSetChanged(m));
}

}  // namespace
}  // namespace lm
