#pragma once

#include "LedTables.h"

#include <array>
#include <cstddef>
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

// The user's own picture as the outline. It is kept inside the model, read once when chosen, so
// that the model shows it after the file was moved, changed or left on another computer.
struct OutlinePicture {
    std::string source; // the file it was read from, as the user chose it
    std::string format; // "png", "jpeg" or "svg"
    std::string data;   // the picture; empty where a model of an earlier version names only its file
    bool operator==(const OutlinePicture&) const = default;
};

// A model as the user set it up: which outline, and where its lights sit. It belongs to the
// user, not to a pattern: a data file knows nothing of it.
struct ModelLayout {
    std::string name;
    Outline outline = Outline::Plane;
    OutlinePicture picture; // the user's own outline, where `outline` is Picture
    std::vector<ModelLight> lights;
    bool operator==(const ModelLayout&) const = default;
};

// More lights than any model carries: a file with more is no model of the user's.
inline constexpr std::size_t kMaxModelLights = 100;

// The model each shipped outline starts as: one light for each output, at a place that suits it;
// a picture starts with the plane's places.
ModelLayout DefaultModel(Outline outline);

// Gives each output that feeds no light one at its default place, so that every output is shown
// and each can be moved; the indices of the lights added.
std::vector<std::size_t> CompleteLights(ModelLayout& model);

// Puts a light at a place, kept on the outline; a place that is no number leaves it where it is.
void PlaceLight(ModelLayout& model, std::size_t light, double x, double y);
// A second light fed by the same output (a wingtip pair): mirrored about the middle, or beside
// the first where the mirror would cover it. Its index.
std::size_t DoubleLight(ModelLayout& model, std::size_t light);
// Takes a light off; the last light of an output stays, so that each output is shown somewhere.
bool RemoveLight(ModelLayout& model, std::size_t light);

// What the user calls an output: the names of its lights, "Left wingtip / Right wingtip"; empty
// where none has a name.
std::string OutputName(const ModelLayout& model, LedChannel led);

} // namespace zg
