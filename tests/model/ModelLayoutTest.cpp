#include "model/ModelLayout.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace zg;

// Every shipped outline starts with each output placed once, on the outline, and a name.
TEST(ModelLayout, EachOutlineStartsWithEveryOutputPlacedAndNamed) {
    for (Outline outline : kShippedOutlines) {
        const ModelLayout model = DefaultModel(outline);
        ASSERT_EQ(model.lights.size(), std::size_t(kLedCount));
        for (LedChannel led = 0; led < kLedCount; ++led)
            EXPECT_FALSE(OutputName(model, led).empty());
        for (const ModelLight& light : model.lights)
            EXPECT_TRUE(light.x >= 0 && light.x <= 1 && light.y >= 0 && light.y <= 1);
        EXPECT_EQ(OutlineFromKey(OutlineKey(outline)), outline);
    }
    EXPECT_EQ(OutlineFromKey("zeppelin"), std::nullopt);
}

// A wingtip pair fed by one output: the second light mirrors the first, both names are the
// output's, and the last light of an output cannot be taken off.
TEST(ModelLayout, ALightDoubledIsAPairThatNamesItsOutput) {
    ModelLayout model = DefaultModel(Outline::Plane);
    model.lights[0].name = "Wingtips";
    const std::size_t second = DoubleLight(model, 0);
    EXPECT_EQ(model.lights[second].led, 0);
    EXPECT_DOUBLE_EQ(model.lights[second].x, 1.0 - model.lights[0].x);
    EXPECT_EQ(OutputName(model, 0), "Wingtips");
    model.lights[second].name = "Right tip";
    EXPECT_EQ(OutputName(model, 0), "Wingtips / Right tip");
    PlaceLight(model, second, 1.7, -0.2);
    EXPECT_EQ(model.lights[second].x, 1.0);
    EXPECT_EQ(model.lights[second].y, 0.0);
    EXPECT_TRUE(RemoveLight(model, second));
    EXPECT_FALSE(RemoveLight(model, 0));
    EXPECT_EQ(model.lights.size(), std::size_t(kLedCount));
}
