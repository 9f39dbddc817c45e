// The frame dimensions and the cylinder record the gear is built from.

#pragma once

#include <array>

namespace lm {

// The 23 frame dimensions that are plain values. The other four (rocker pivot and
// reverse shaft) live in the pivot table; see DimensionTable.
struct FrameDimensions {
    float DriverDia = 0;
    float Stroke = 0;
    float MainRodLen = 0;
    float EccCircleDia = 0;
    float EccDia = 0;
    float EccAngFwd = 0;
    float EccAngRev = 0;
    float EccRodFwd = 0;
    float EccRodRev = 0;
    float LinkRadius = 0;
    float LinkCentBackSet = 0;
    float LinkEccPivotVert = 0;
    float LinkEccPivotBackSet = 0;
    float RockerUpperLen = 0;
    float RockerUpperBackSet = 0;
    float RockerLowerLen = 0;
    float ValveConRodLen = 0;
    float LiftingLinkLen = 0;
    float RevArmLen = 0;
    float RevArmBackSet = 0;
    float LiftingArmLen = 0;
    float RevArmCentNorm = 0;
    float RevArmCentMax = 0;
    // Read by no computation; carried by the reset and the older-format import only.
    float FrameSpare = 0;
};

// The cylinder record. Its member order is the 17-slot order the data file and the
// nominal set depend on; CylinderSlots lists the members in that order.
struct CylinderRecord {
    float CylCtrToDriver = 0;
    float CylBoreDia = 0;
    float CylBoreLen = 0;
    float CylinderSpare = 0;
    float CylPortWidth = 0;
    float PistonToCrosshead = 0;
    float PistonWidth = 0;
    float ValveBoreDia = 0;
    float ValveBoreLen = 0;
    float ValveBoreCtrToPort = 0;
    float ValvePortWidthRear = 0;
    float ValveCtrToRing = 0;
    float ValveEndWidthRear = 0;
    float ValveCtrToJoint = 0;
    float ValveCLToCylCL = 0;
    float ValvePortWidthFront = 0;
    float ValveEndWidthFront = 0;
};

inline constexpr int kCylinderSlotCount = 17;

inline constexpr std::array<float CylinderRecord::*, kCylinderSlotCount> CylinderSlots = {
    &CylinderRecord::CylCtrToDriver,     &CylinderRecord::CylBoreDia,
    &CylinderRecord::CylBoreLen,         &CylinderRecord::CylinderSpare,
    &CylinderRecord::CylPortWidth,       &CylinderRecord::PistonToCrosshead,
    &CylinderRecord::PistonWidth,        &CylinderRecord::ValveBoreDia,
    &CylinderRecord::ValveBoreLen,       &CylinderRecord::ValveBoreCtrToPort,
    &CylinderRecord::ValvePortWidthRear, &CylinderRecord::ValveCtrToRing,
    &CylinderRecord::ValveEndWidthRear,  &CylinderRecord::ValveCtrToJoint,
    &CylinderRecord::ValveCLToCylCL,     &CylinderRecord::ValvePortWidthFront,
    &CylinderRecord::ValveEndWidthFront,
};

}  // namespace lm
