#pragma once

#include "SdlLibrary.h"

#include <optional>
#include <string>
#include <vector>

namespace zg {

struct JoystickInfo {
    std::string guid;
    std::string name;
    int axes = 0;
};

// The joysticks present, through SDL's joystick subsystem alone (no SDL window): a transmitter
// plugged in by USB shows up as one. SDL starts on the first use, never at program start.
class JoystickInput {
  public:
    JoystickInput() = default;
    JoystickInput(const JoystickInput&) = delete;
    JoystickInput& operator=(const JoystickInput&) = delete;
    ~JoystickInput();

    // Starts SDL's joystick subsystem; why it cannot, if it cannot.
    std::optional<std::string> start();
    bool started() const { return started_; }

    // Looks again for joysticks plugged in or out and reads the open one's axes.
    void update();
    std::vector<JoystickInfo> present();
    // The GUIDs of the joysticks present, without opening any: cheap enough to poll.
    std::vector<std::string> guids();

    // Opens the joystick with this GUID, if it is present; false otherwise.
    bool open(const std::string& guid);
    void close();
    // The open joystick is still plugged in.
    bool attached() const;
    // Its axes' raw values, -32768..32767; empty when none is open.
    std::vector<int> axes() const;

  private:
    std::string guidAt(int index) const;

    SdlLibrary sdl_;
    bool started_ = false;
    SDL_Joystick* joystick_ = nullptr;
};

} // namespace zg
