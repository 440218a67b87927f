#include "TestStep.h"

namespace zg {

namespace {
constexpr int kDefaultStepMs = 20;
constexpr int kSlowestStepMs = 100;
} // namespace

bool LedLit(int cell, ServoControlMode mode, int servoZoneMask) {
    const auto mask = static_cast<std::uint16_t>(static_cast<std::int16_t>(mode));
    return cell != 0 && (servoZoneMask & mask) > 0;
}

bool IsServoControlled(const LedSequence& sequence) {
    for (LedChannel led = 0; led < kLedCount; ++led)
        if (sequence.servoMode(led) < kServoNone)
            return true;
    return false;
}

std::array<std::uint32_t, kLedCount> IndicatorColors(const LedSequence& sequence, EventIndex event,
                                                     int servoZoneMask) {
    std::array<std::uint32_t, kLedCount> colors{};
    for (LedChannel led = 0; led < kLedCount; ++led) {
        if (LedLit(sequence.cell(led, event), sequence.servoMode(led), servoZoneMask))
            colors[led] = LedColorTable[sequence.ledColor(led)].value;
    }
    return colors;
}

int StepIntervalMs(int testSpeed) {
    if (testSpeed < 1)
        return kDefaultStepMs;
    return testSpeed > kSlowestStepMs ? kSlowestStepMs : testSpeed;
}

} // namespace zg
