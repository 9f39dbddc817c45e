// Finding the step-angle band for a bar position.

#include "mainwindow/StepAngleBands.h"

namespace lm {

const StepBand& StepBandAt(int position) {
    for (const StepBand& band : kStepBands)
        if (position <= band.last) return band;
    return kStepBands.back();
}

}  // namespace lm
