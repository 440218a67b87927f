#pragma once

#include "LedTables.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zg {

// The outlines that come with the program, drawn from above; a picture of the user's own stands
// in for them where the model names one.
enum class Outline { Plane, Helicopter, Multicopter, Car, Boat, Picture };
inline constexpr std::array<Outline, 5> kShippedOutlines{Outline::Plane, Outline::Helicopter,
                                                         Outline::Multicopter, Outline::Car, Outline::Boat};

// "plane", "helicopter"...: how an outline is named in a model file.
std::string_view OutlineKey(Outline outline);
std::optional<Outline> OutlineFromKey(std::string_view key);

// One light on the model: fed by one of the module's outputs, at a place of the outline given as
// shares of its width and height (0 at the left or top, 1 at the right or bottom), with the name
// the modeller gave it ("Left wingtip"); an output may feed several lights.
struct ModelLight {
    LedChannel led = 0;
    double x = 0.5;
    double y = 0.5;
    std::string name;
    bool operator==(const ModelLight&) const = default;
};

// A model as the user set it up: which outline, and where its lights sit. It belongs to the
// user, not to a pattern: a data file knows nothing of it.
struct ModelLayout {
    std::string name;
    Outline outline = Outline::Plane;
    std::string picture; // the user's own outline, where `outline` is Picture
    std::vector<ModelLight> lights;
    bool operator==(const ModelLayout&) const = default;
};

// The model each shipped outline starts as: one light for each output, at a place that suits it.
ModelLayout DefaultModel(Outline outline);

// Puts a light at a place, kept on the outline.
void PlaceLight(ModelLayout& model, std::size_t light, double x, double y);
// A second light fed by the same output beside the first (a wingtip pair); its index.
std::size_t DoubleLight(ModelLayout& model, std::size_t light);
// Takes a light off; the last light of an output stays, so that each output is shown somewhere.
bool RemoveLight(ModelLayout& model, std::size_t light);

// What the user calls an output: the names of its lights, "Left wingtip / Right wingtip"; empty
// where none has a name.
std::string OutputName(const ModelLayout& model, LedChannel led);

} // namespace zg
