#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zg {

// Which axis of which joystick stands for the servo stick, and its two ends as learnt.
struct StickAxis {
    std::string guid; // SDL's text for the joystick's GUID
    std::string name;
    int axis = 0;
    int low = -32768;
    int high = 32767;
    bool reverse = false;

    // The servo stick's value 100..199 for a raw axis value, linear between the two ends.
    int stickValue(int raw) const;
};

// Learns the axis the user moves: the one whose values spread most, with the ends it reached.
class AxisLearner {
  public:
    void sample(const std::vector<int>& axes);
    // The axis that moved most, with its ends, once one has moved by a tenth of its range.
    std::optional<std::pair<int, std::pair<int, int>>> learnt() const;

  private:
    std::vector<std::pair<int, int>> ranges_; // lowest and highest seen, axis by axis
};

} // namespace zg
