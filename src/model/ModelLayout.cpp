#include "ModelLayout.h"

#include <algorithm>
#include <cmath>

// The names are marked for translation here and translated where a new model is made; the
// model itself stays plain C++.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace zg {

namespace {

struct OutlineEntry {
    Outline outline;
    std::string_view key;
};
constexpr std::array<OutlineEntry, 6> kOutlineKeys{{{Outline::Plane, "plane"},
                                                    {Outline::Helicopter, "helicopter"},
                                                    {Outline::Multicopter, "multicopter"},
                                                    {Outline::Car, "car"},
                                                    {Outline::Boat, "boat"},
                                                    {Outline::Picture, "picture"}}};

// Where the four outputs sit at first on each outline, as modellers wire them most often.
std::array<ModelLight, kLedCount> defaultLights(Outline outline) {
    switch (outline) {
    case Outline::Plane: // red and green wingtips, a white tail strobe, a landing light
    case Outline::Picture: // most pictures modellers take are of their planes
        return {{{0, 0.06, 0.42, QT_TRANSLATE_NOOP("zg::ModelLayout", "Left wingtip")},
                 {1, 0.94, 0.42, QT_TRANSLATE_NOOP("zg::ModelLayout", "Right wingtip")},
                 {2, 0.50, 0.93, QT_TRANSLATE_NOOP("zg::ModelLayout", "Tail strobe")},
                 {3, 0.50, 0.12, QT_TRANSLATE_NOOP("zg::ModelLayout", "Landing light")}}};
    case Outline::Helicopter:
        return {{{0, 0.38, 0.40, QT_TRANSLATE_NOOP("zg::ModelLayout", "Left side")},
                 {1, 0.62, 0.40, QT_TRANSLATE_NOOP("zg::ModelLayout", "Right side")},
                 {2, 0.50, 0.92, QT_TRANSLATE_NOOP("zg::ModelLayout", "Tail strobe")},
                 {3, 0.50, 0.50, QT_TRANSLATE_NOOP("zg::ModelLayout", "Beacon")}}};
    case Outline::Multicopter:
        return {{{0, 0.16, 0.16, QT_TRANSLATE_NOOP("zg::ModelLayout", "Front left")},
                 {1, 0.84, 0.16, QT_TRANSLATE_NOOP("zg::ModelLayout", "Front right")},
                 {2, 0.16, 0.84, QT_TRANSLATE_NOOP("zg::ModelLayout", "Rear left")},
                 {3, 0.84, 0.84, QT_TRANSLATE_NOOP("zg::ModelLayout", "Rear right")}}};
    case Outline::Car:
        return {{{0, 0.25, 0.05, QT_TRANSLATE_NOOP("zg::ModelLayout", "Left headlight")},
                 {1, 0.75, 0.05, QT_TRANSLATE_NOOP("zg::ModelLayout", "Right headlight")},
                 {2, 0.25, 0.95, QT_TRANSLATE_NOOP("zg::ModelLayout", "Left tail light")},
                 {3, 0.75, 0.95, QT_TRANSLATE_NOOP("zg::ModelLayout", "Right tail light")}}};
    case Outline::Boat:
        break;
    }
    return {{{0, 0.30, 0.35, QT_TRANSLATE_NOOP("zg::ModelLayout", "Port light")},
             {1, 0.70, 0.35, QT_TRANSLATE_NOOP("zg::ModelLayout", "Starboard light")},
             {2, 0.50, 0.90, QT_TRANSLATE_NOOP("zg::ModelLayout", "Stern light")},
             {3, 0.50, 0.45, QT_TRANSLATE_NOOP("zg::ModelLayout", "Masthead light")}}};
}

} // namespace

std::string_view OutlineKey(Outline outline) {
    for (const OutlineEntry& entry : kOutlineKeys)
        if (entry.outline == outline)
            return entry.key;
    return {};
}

std::optional<Outline> OutlineFromKey(std::string_view key) {
    for (const OutlineEntry& entry : kOutlineKeys)
        if (entry.key == key)
            return entry.outline;
    return std::nullopt;
}

ModelLayout DefaultModel(Outline outline) {
    ModelLayout model;
    model.outline = outline;
    const auto lights = defaultLights(outline);
    model.lights.assign(lights.begin(), lights.end());
    return model;
}

std::vector<std::size_t> CompleteLights(ModelLayout& model) {
    std::vector<std::size_t> added;
    const auto defaults = defaultLights(model.outline);
    for (const ModelLight& light : defaults) {
        const bool fed = std::any_of(model.lights.begin(), model.lights.end(),
                                     [&light](const ModelLight& l) { return l.led == light.led; });
        if (!fed) {
            model.lights.push_back(light);
            added.push_back(model.lights.size() - 1);
        }
    }
    return added;
}

void PlaceLight(ModelLayout& model, std::size_t light, double x, double y) {
    if (light >= model.lights.size() || !std::isfinite(x) || !std::isfinite(y))
        return;
    model.lights[light].x = std::clamp(x, 0.0, 1.0);
    model.lights[light].y = std::clamp(y, 0.0, 1.0);
}

std::size_t DoubleLight(ModelLayout& model, std::size_t light) {
    // Apart by more than a light's glow, so that the copy can be seen and grabbed.
    constexpr double kApart = 0.12;
    ModelLight second = model.lights.at(light);
    second.x = 1.0 - second.x; // where a pair usually sits
    if (std::abs(second.x - model.lights[light].x) < kApart) {
        const double x = model.lights[light].x;
        second.x = x + kApart <= 1.0 ? x + kApart : x - kApart;
    }
    model.lights.push_back(second);
    return model.lights.size() - 1;
}

bool RemoveLight(ModelLayout& model, std::size_t light) {
    if (light >= model.lights.size())
        return false;
    const LedChannel led = model.lights[light].led;
    const auto fed = std::count_if(model.lights.begin(), model.lights.end(),
                                   [led](const ModelLight& l) { return l.led == led; });
    if (fed < 2)
        return false;
    model.lights.erase(model.lights.begin() + std::ptrdiff_t(light));
    return true;
}

std::string OutputName(const ModelLayout& model, LedChannel led) {
    std::vector<std::string> names;
    for (const ModelLight& light : model.lights)
        if (light.led == led && !light.name.empty() &&
            std::find(names.begin(), names.end(), light.name) == names.end())
            names.push_back(light.name);
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : " / ") + name;
    return joined;
}

} // namespace zg
