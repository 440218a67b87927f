#include "model/ModelChanges.h"
#include "model/ModelLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

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

// A light doubled near the centre line lands where it can be seen and grabbed, never on the
// first; a place that is no number leaves a light where it is.
TEST(ModelLayout, ADoubledLightNeverCoversTheFirstAndAPlaceIsAlwaysANumber) {
    for (const double x : {0.5, 0.48, 0.53, 0.95, 0.02}) {
        ModelLayout model = DefaultModel(Outline::Plane);
        PlaceLight(model, 2, x, 0.9);
        const std::size_t copy = DoubleLight(model, 2);
        EXPECT_GE(std::abs(model.lights[copy].x - model.lights[2].x), 0.12) << x;
        EXPECT_TRUE(model.lights[copy].x >= 0 && model.lights[copy].x <= 1) << x;
    }
    ModelLayout model = DefaultModel(Outline::Car);
    PlaceLight(model, 1, std::nan(""), 0.3);
    PlaceLight(model, 1, 0.3, std::numeric_limits<double>::infinity());
    EXPECT_EQ(model.lights[1], DefaultModel(Outline::Car).lights[1]);
}

// A model without a light for an output gets one at the output's usual place, so that every
// output can be seen and moved; one that has them all is left alone.
TEST(ModelLayout, EveryOutputGetsALightBack) {
    ModelLayout model = DefaultModel(Outline::Helicopter);
    model.lights = {model.lights[2]};
    EXPECT_EQ(CompleteLights(model), (std::vector<std::size_t>{1, 2, 3}));
    for (LedChannel led = 0; led < kLedCount; ++led)
        EXPECT_FALSE(OutputName(model, led).empty()) << led;
    EXPECT_TRUE(CompleteLights(model).empty());
}

// A change and its opposite touch only what the change touched: undoing one window's move keeps
// what another window changed meanwhile; a double is never made past the most lights a model has.
TEST(ModelLayout, AChangesOppositeKeepsWhatOthersChangedMeanwhile) {
    const ModelLayout start = DefaultModel(Outline::Plane);
    const ModelChange move = MoveLightChange(start, 1, 0.7, 0.8);
    ModelLayout model = start;
    move.change(model);
    PlaceLight(model, 0, 0.2, 0.2); // another window's move
    const ModelChange name = NameLightChange(model, 2, "Strobe");
    name.change(model);
    move.opposite(model);
    EXPECT_EQ(model.lights[1], start.lights[1]);
    EXPECT_EQ(model.lights[0].x, 0.2);
    EXPECT_EQ(model.lights[2].name, "Strobe");

    const ModelChange doubled = DoubleLightChange(model, 0);
    doubled.change(model);
    const ModelChange removed = RemoveLightChange(model, 0); // output 1 has two lights now
    removed.change(model);
    ASSERT_EQ(model.lights.size(), 4u);
    removed.opposite(model);
    doubled.opposite(model);
    name.opposite(model);
    EXPECT_EQ(model.lights.size(), 4u);
    EXPECT_EQ(model.lights[2].name, start.lights[2].name);
    EXPECT_EQ(model.lights[1], start.lights[1]);
    EXPECT_EQ(model.lights[0].x, 0.2);
    EXPECT_FALSE(RemoveLightChange(model, 1).change); // the last light of its output stays

    model.lights.assign(kMaxModelLights, start.lights[0]);
    EXPECT_FALSE(DoubleLightChange(model, 0).change);
}
