#include "playback/ModelLights.h"
#include "playback/TestStep.h"

#include <gtest/gtest.h>

using namespace zg;

// Each light shows what its output's indicator shows, for every event and stick zone, its pair
// too; a light's own place or name changes nothing of that.
TEST(ModelLights, EachLightShowsItsOutputsIndicatorAtEveryEventAndZone) {
    LedSequence sequence;
    sequence.setLedColor(0, 1); // red
    sequence.setLedColor(1, 2); // green
    sequence.setLedColor(2, 7); // white
    for (EventIndex e = 0; e < kEventCount; e += 3)
        sequence.setCell(0, e, 1);
    sequence.setCell(1, 1, 1);
    sequence.setCell(2, 2, 1);
    sequence.setCell(2, 4, 1);
    sequence.setServoMode(2, 12); // the white strobe only in the upper zones
    ModelLayout model = DefaultModel(Outline::Plane);
    DoubleLight(model, 0);
    PlaceLight(model, 1, 0.2, 0.8);
    for (int zone = 0; zone < 4; ++zone) {
        for (EventIndex e = 0; e < kEventCount; ++e) {
            const auto indicators = IndicatorColors(sequence, e, 1 << zone);
            const auto lights = LightColors(model, sequence, e, 1 << zone);
            ASSERT_EQ(lights.size(), model.lights.size());
            for (std::size_t i = 0; i < lights.size(); ++i)
                EXPECT_EQ(lights[i], indicators[std::size_t(model.lights[i].led)])
                    << "event " << e << " zone " << zone;
        }
    }
    EXPECT_EQ(LightColors(model, sequence, 2, 8)[2], 0xFFFFFFu);
    EXPECT_EQ(LightColors(model, sequence, 2, 1)[2], 0u);
    EXPECT_EQ(LightColors(model, sequence, {true, false, false, false}).back(), 0x0000FFu); // the pair
}
