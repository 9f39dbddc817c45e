// The nominal gear and the defaults a fresh model and the reset buttons start from.

#pragma once

#include <array>

#include "model/Model.h"

namespace lm {

// The nominal frame set, in its historical order (close to the older file's order).
struct NominalFrameSet {
    float EccAngFwd, EccAngRev, RockerUpperBackSet, RevArmBackSet, Stroke, EccCircleDia,
        DriverDia, EccDia, MainRodLen, ValveConRodLen, RockerUpperLen, RockerLowerLen,
        LinkCentBackSet, LinkEccPivotBackSet, LinkEccPivotVert, EccRodFwd, EccRodRev,
        LiftingLinkLen, LiftingArmLen, FrameSpare, RevArmLen, LinkRadius, RevArmCentNorm,
        RevArmCentMax, RockerPivotX, RockerPivotY, ReverseShaftX, ReverseShaftY;
};

inline constexpr NominalFrameSet NominalFrame = {
    242, 242, 0, 0, 3, 0.6875f, 7, 2, 10, 4.75f, 1.25f, 1.312f, 0.2f, 0.472f,
    0.75f, 7.75f, 7.75f, 2, 1.812f, 2.75f, 2.375f, 8.25f, 1.04f, 1.3f, 8.13f, 1.3f, 6, 2,
};

struct NominalCylinderSet {
    float CylCLAboveDriver;
    std::array<float, kCylinderSlotCount> Slots;  // cylinder-record slot order
};

inline constexpr NominalCylinderSet NominalCylinder = {
    0,
    {16, 2.125f, 4, 0, 0.2f, 6, 0.5f, 0.75f, 4, 1.155f, 0.187f, 1, 0.342f, 3.176f, 2.25f,
     0.187f, 0.342f},
};

inline constexpr ViewTriple kNormalView{28.5f, 110.0f, 270.0f};

void SetStartupDefaults(Model& m);
// The set's name and the diagrams' vertical scale as the program starts with them
// (part of the start-up defaults; ResetAllDimensions sets them again).
void ResetNameAndVerticalScale(Model& m);
void SetNominalFrame(Model& m);
void SetNominalCylinder(Model& m);
void ResetFrameDimensions(Model& m);
void ResetCylinderDimensions(Model& m);

// Normal view: the view and the normal view both taken from the saved view.
void ResetView(Model& m);

// Y4 follows the cylinder centre line and the valve's height above it.
void UpdateValveStemHeight(Model& m);

}  // namespace lm
