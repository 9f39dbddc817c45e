// The main window ticked for a long time, shown off-screen with its events handled, the
// gear running and the steam display on, as a window left open all day. LM_MAIN_TICKS
// sets the count for the soak run, which also holds memory to within 1 MB from the end
// of the warm-up to the end; the ordinary suite runs a short one.
#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "../../common/ProcessMemory.h"

namespace lm {
namespace {

using LongRun = test::MainWindowFixture;

TEST_F(LongRun, TicksWithSteamShownKeepTheGearTurningAndMemoryFlat) {
    const char* countText = std::getenv("LM_MAIN_TICKS");
    const long count = countText ? std::atol(countText) : 200;
    const long warmUp = std::min(count, 1000L);
    form->show();
    if (!form->running()) form->RunClick();
    form->SetSteamClick();
    ASSERT_TRUE(model.Display.SteamDisplayOn);
    ASSERT_GT(model.Gear.StepAngle, 0);

    long rssStart = 0, peakStart = 0;
    float turned = 0;
    for (long tick = 0; tick < count; ++tick) {
        const float before = model.Gear.DriverAngle;
        form->Timer1Timer();
        QApplication::processEvents();
        const float after = model.Gear.DriverAngle;
        ASSERT_TRUE(after >= 0 && after <= 360) << "tick " << tick << ": " << after;
        turned += after >= before ? after - before : after + 360 - before;
        if (tick + 1 == warmUp) {
            rssStart = test::ResidentKb();
            peakStart = test::PeakResidentKb();
        }
    }
    // Every tick moves the driver on by the step angle.
    EXPECT_NEAR(turned, static_cast<float>(count) * model.Gear.StepAngle, count * 1e-3f);
    EXPECT_FALSE(model.Gear.GearError);

    if (count > warmUp) {
        const long rssEnd = test::ResidentKb();
        const long peakEnd = test::PeakResidentKb();
        std::printf("main window: %ld ticks; after %ld: resident %ld kB, peak %ld kB; at the end: resident "
                    "%ld kB, peak %ld kB\n",
                    count, warmUp, rssStart, peakStart, rssEnd, peakEnd);
        EXPECT_LE(rssEnd - rssStart, 1024) << "resident memory grew over the run";
        EXPECT_LE(peakEnd - peakStart, 1024) << "peak memory grew over the run";
    }
    // Asked for after the memory is read: the whole picture is drawn only on demand.
    EXPECT_FALSE(form->picture().isNull());
}

}  // namespace
}  // namespace lm
