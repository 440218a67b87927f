#pragma once

#include "model/LedSequence.h"
#include "model/ModelLayout.h"

#include <cstdint>
#include <vector>

namespace zg {

// The colour value (0x00BBGGRR) each light of the model shows at event `event` with the stick in
// the zones of `servoZoneMask`: its output's indicator colour, black while that is dark.
std::vector<std::uint32_t> LightColors(const ModelLayout& model, const LedSequence& sequence,
                                       EventIndex event, int servoZoneMask);

// The same for a frame whose outputs are lit or dark as given.
std::vector<std::uint32_t> LightColors(const ModelLayout& model, const LedSequence& sequence,
                                       const std::array<bool, kLedCount>& lit);

} // namespace zg
