#include "ModelLights.h"

#include "TestStep.h"

namespace zg {

std::vector<std::uint32_t> LightColors(const ModelLayout& model, const LedSequence& sequence,
                                       EventIndex event, int servoZoneMask) {
    const auto indicators = IndicatorColors(sequence, event, servoZoneMask);
    std::vector<std::uint32_t> colors;
    colors.reserve(model.lights.size());
    for (const ModelLight& light : model.lights)
        colors.push_back(light.led >= 0 && light.led < kLedCount ? indicators[std::size_t(light.led)] : 0);
    return colors;
}

std::vector<std::uint32_t> LightColors(const ModelLayout& model, const LedSequence& sequence,
                                       const std::array<bool, kLedCount>& lit) {
    std::vector<std::uint32_t> colors;
    colors.reserve(model.lights.size());
    for (const ModelLight& light : model.lights) {
        const bool on = light.led >= 0 && light.led < kLedCount && lit[std::size_t(light.led)];
        colors.push_back(on ? LedColorTable[std::size_t(sequence.ledColor(light.led))].value : 0);
    }
    return colors;
}

} // namespace zg
