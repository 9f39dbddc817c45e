// The reverse-arm bar and the arm position, in either sense of the gear.

#pragma once

#include "model/Model.h"

namespace lm {

// The reverse-arm bar moves the arm in the plain sense when the solved EccSign and
// lifting-arm length agree in sign; otherwise the sense is mirrored.
bool PlainSense(const Model& m);

// The bar's end, in steps of 0.001 length unit from mid gear: its range is -max..max,
// with max never below 0.
int RevArmBarMax(const Model& m);

// What moving the bar to position p does to the gear: the arm position, the sense of
// rotation, and the cut-off texts emptied.
void SetRevArmFromBar(Model& m, int p);

// The bar position that shows the current arm position.
int RevArmBarPosition(const Model& m);

// The bar position the Fwd and Rev buttons move to.
int NormalForwardBarPosition(const Model& m);
int NormalReverseBarPosition(const Model& m);

}  // namespace lm
