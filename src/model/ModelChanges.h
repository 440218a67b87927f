#pragma once

#include "ModelLayout.h"

#include <cstddef>
#include <functional>
#include <string>

namespace zg {

// A change to a model, applied to the model as it is at that moment.
using LayoutChange = std::function<void(ModelLayout&)>;

// A change of the user's and its opposite, each touching only what the change touches, so that
// undoing it keeps what another window changed meanwhile. Built from the model as it is now.
struct ModelChange {
    LayoutChange change;
    LayoutChange opposite;
};

ModelChange MoveLightChange(const ModelLayout& now, std::size_t light, double x, double y);
// Nothing where the model has as many lights as a model may have.
ModelChange DoubleLightChange(const ModelLayout& now, std::size_t light);
ModelChange RemoveLightChange(const ModelLayout& now, std::size_t light);
ModelChange NameLightChange(const ModelLayout& now, std::size_t light, const std::string& name);
ModelChange OutlineChange(const ModelLayout& now, Outline outline, const OutlinePicture& picture);

} // namespace zg
