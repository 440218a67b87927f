#pragma once

#include "LedTables.h"

#include <string>

namespace zg {

// Told about every change of the document, so that the window can update the matching control.
class LedSequenceObserver {
  public:
    virtual ~LedSequenceObserver() = default;
    virtual void cellChanged(LedChannel, EventIndex, int /*state*/) {}
    virtual void eventValueChanged(EventIndex, const std::string& /*text*/) {}
    virtual void endEventChanged(EventIndex /*previous*/, EventIndex /*current*/) {}
    virtual void ledColorChanged(int /*slot*/, LedColor) {}
    virtual void servoModeChanged(LedChannel, ServoControlMode) {}
};

} // namespace zg
