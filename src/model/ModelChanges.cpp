#include "ModelChanges.h"

#include <algorithm>

namespace zg {

namespace {

// Light `index` where it is still the light of output `led`; else nothing.
ModelLight* lightAt(ModelLayout& model, std::size_t index, LedChannel led) {
    return index < model.lights.size() && model.lights[index].led == led ? &model.lights[index] : nullptr;
}

LayoutChange placeAt(std::size_t index, LedChannel led, double x, double y) {
    return [=](ModelLayout& model) {
        if (lightAt(model, index, led))
            PlaceLight(model, index, x, y);
    };
}

LayoutChange nameAs(std::size_t index, LedChannel led, const std::string& name) {
    return [=](ModelLayout& model) {
        if (ModelLight* light = lightAt(model, index, led))
            light->name = name;
    };
}

LayoutChange insert(const ModelLight& light, std::size_t index) {
    return [=](ModelLayout& model) {
        if (model.lights.size() < kMaxModelLights)
            model.lights.insert(model.lights.begin() + std::ptrdiff_t(std::min(index, model.lights.size())), light);
    };
}

// The last light equal to `light`, where that is not the last light of its output.
LayoutChange take(const ModelLight& light) {
    return [=](ModelLayout& model) {
        const auto found = std::find(model.lights.rbegin(), model.lights.rend(), light);
        if (found != model.lights.rend())
            RemoveLight(model, std::size_t(model.lights.rend() - found - 1));
    };
}

} // namespace

ModelChange MoveLightChange(const ModelLayout& now, std::size_t light, double x, double y) {
    if (light >= now.lights.size())
        return {};
    const ModelLight& was = now.lights[light];
    return {placeAt(light, was.led, x, y), placeAt(light, was.led, was.x, was.y)};
}

ModelChange DoubleLightChange(const ModelLayout& now, std::size_t light) {
    if (light >= now.lights.size() || now.lights.size() >= kMaxModelLights)
        return {};
    ModelLayout doubled = now;
    const ModelLight copy = doubled.lights[DoubleLight(doubled, light)];
    return {insert(copy, kMaxModelLights), take(copy)};
}

ModelChange RemoveLightChange(const ModelLayout& now, std::size_t light) {
    ModelLayout trial = now;
    if (!RemoveLight(trial, light))
        return {};
    const ModelLight removed = now.lights[light];
    return {take(removed), insert(removed, light)};
}

ModelChange NameLightChange(const ModelLayout& now, std::size_t light, const std::string& name) {
    if (light >= now.lights.size())
        return {};
    const ModelLight& was = now.lights[light];
    return {nameAs(light, was.led, name), nameAs(light, was.led, was.name)};
}

ModelChange OutlineChange(const ModelLayout& now, Outline outline, const OutlinePicture& picture) {
    const auto set = [](Outline o, const OutlinePicture& p) {
        return [=](ModelLayout& model) {
            model.outline = o;
            model.picture = p;
        };
    };
    return {set(outline, picture), set(now.outline, now.picture)};
}

} // namespace zg
