// The one table of the gear's dimensions: names, editor boxes and where values live.

#pragma once

#include <span>
#include <string_view>

#include "model/Model.h"

namespace lm {

enum class DimensionGroup { Frame, Cylinder };

// Where a dimension's value lives.
enum class Storage { FrameValue, CylinderSlot, PivotX, PivotY };

// One row per dimension: everything the editors, the dynamic variables, undo, the
// command line and the files need to know about it.
struct DimensionInfo {
    std::string_view CodeName;
    DimensionGroup Group;
    int EditorNumber;     // 1..27 in the frame editor, 1..17 in the cylinder editor
    int DimensionNumber;  // 0: never a dynamic variable
    std::string_view DynVarName;
    Storage Where;
    float FrameDimensions::*FrameMember = nullptr;
    float CylinderRecord::*CylMember = nullptr;
    int PivotNumber = 0;  // for PivotX / PivotY
    int TwinPivot = 0;    // written with PivotNumber; 0: none
};

// All 44 dimensions: the frame ones in editor order, then the cylinder ones.
std::span<const DimensionInfo> AllDimensions();

// "Eccentric Rod Forward" and the like: the editor's label as one line. `d` is one of
// AllDimensions().
std::string_view DimensionLabel(const DimensionInfo& d);

const DimensionInfo* FindDimension(std::string_view codeName);
const DimensionInfo* FindDimensionByNumber(int dimensionNumber);

// The eccentrics' angles, in degrees; every other dimension is a length.
bool IsAngleDimension(const DimensionInfo& d);

float GetDimension(const Model& m, const DimensionInfo& d);

// Stores the value where the dimension lives, its twin pivot included. Nothing else.
void StoreDimension(Model& m, const DimensionInfo& d, float value);

}  // namespace lm
