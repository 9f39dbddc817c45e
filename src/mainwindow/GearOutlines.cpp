// The cylinder, port, piston and valve outlines in screen points for the current solve.

#include "mainwindow/GearOutlines.h"

#include "common/Real.h"
#include "view/ViewMapping.h"

namespace lm {

CylinderOutline ComputeCylinderOutline(const Model& m) {
    const CylinderRecord& cyl = m.Cyl;
    const ViewState& v = m.View;
    const Real c = cyl.CylCtrToDriver;
    const Real yc = m.P(Crosshead).Y;
    const Real yv = m.P(ValveStemJoint).Y;
    const Real vl = cyl.ValveBoreLen;
    const Real vd = cyl.ValveBoreDia;
    const Real cl = cyl.CylBoreLen;
    const Real cd = cyl.CylBoreDia;
    const Real po = cyl.ValveBoreCtrToPort;
    const Real pr = cyl.ValvePortWidthRear;
    const Real pf = cyl.ValvePortWidthFront;
    const Real pc = cyl.CylPortWidth;
    const Real yT = yv + vd / 2;
    const Real yB = yv - vd / 2;
    const Real cT = yc + cd / 2;
    const Real cB = yc - cd / 2;

    CylinderOutline o;
    o.A = ToScreen(v, c - vl / 2, yT);
    o.B = {
        ToScreen(v, c - vl / 2, yB),
        ToScreen(v, c - po - pr, yB),
        ToScreen(v, c - cl / 2, cT),
        ToScreen(v, c - cl / 2, cB),
        ToScreen(v, c + cl / 2, cB),
        ToScreen(v, c + cl / 2, cT),
        ToScreen(v, c + po + pf, yB),
        ToScreen(v, c + vl / 2, yB),
        ToScreen(v, c + vl / 2, yT),
        ToScreen(v, c + vl / 2 - 2 * pf, yT),
        ToScreen(v, c + pr, yT),
        ToScreen(v, c - vl / 2 + 2 * pr, yT),
        ToScreen(v, c - pf, yT),
    };
    o.C = {
        ToScreen(v, c - po, yB),
        ToScreen(v, c - cl / 2 + pc, cT),
        ToScreen(v, c + cl / 2 - pc, cT),
        ToScreen(v, c + po, yB),
    };
    return o;
}

PistonOutline ComputePistonOutline(const Model& m) {
    const CylinderRecord& cyl = m.Cyl;
    const ViewState& v = m.View;
    const Real yc = m.P(Crosshead).Y;
    const Real cT = yc + static_cast<Real>(cyl.CylBoreDia) / 2;
    const Real cB = yc - static_cast<Real>(cyl.CylBoreDia) / 2;
    const Real e = static_cast<Real>(m.P(Crosshead).X) + cyl.PistonToCrosshead;
    const Real pw = cyl.PistonWidth;
    const Real y4 = m.P(ValveStemJoint).Y;
    const Real w = static_cast<Real>(m.P(ValveStemJoint).X) + cyl.ValveCtrToJoint;
    const Real r = cyl.ValveCtrToRing;
    const Real eR = cyl.ValveEndWidthRear;
    const Real eF = cyl.ValveEndWidthFront;
    const Real top = y4 + static_cast<Real>(cyl.ValveBoreDia) / 2;
    const Real bottom = y4 - static_cast<Real>(cyl.ValveBoreDia) / 2;

    PistonOutline o;
    o.K = ToScreen(v, e + pw / 2, yc);
    o.Q = {
        ToScreen(v, e - pw / 2, cT),
        ToScreen(v, e - pw / 2, cB),
        ToScreen(v, e + pw / 2, cB),
        ToScreen(v, e + pw / 2, cT),
        ToScreen(v, w + r + eF, y4),
    };
    o.R = {
        ToScreen(v, w - r - eR, top),
        ToScreen(v, w - r - eR, bottom),
        ToScreen(v, w - r, bottom),
        ToScreen(v, w - r, top),
    };
    o.F = {
        ToScreen(v, w + r, top),
        ToScreen(v, w + r, bottom),
        ToScreen(v, w + r + eF, bottom),
        ToScreen(v, w + r + eF, top),
    };
    return o;
}

}  // namespace lm
