#include "JoystickInput.h"

namespace zg {

JoystickInput::~JoystickInput() {
    close();
    if (!started_)
        return;
    sdl_.QuitSubSystem(SDL_INIT_JOYSTICK);
    if (sdl_.WasInit(0) == 0) // the last user: SDL lets go of all it holds
        sdl_.Quit();
}

std::optional<std::string> JoystickInput::start() {
    if (started_)
        return std::nullopt;
    if (auto missing = sdl_.load())
        return missing;
    // The program is Qt's: SDL must leave its signals alone, and read a stick without a window of its own.
    sdl_.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    sdl_.SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl_.InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return std::string(sdl_.GetError());
    // The axes are polled: events nobody reads would pile up in SDL's queue during a long test.
    sdl_.JoystickEventState(SDL_IGNORE);
    started_ = true;
    return std::nullopt;
}

void JoystickInput::update() {
    if (started_)
        sdl_.JoystickUpdate();
}

// SDL's text for the GUID of the joystick at `index`, which names it from one start to the next.
std::string JoystickInput::guidAt(int index) const {
    char text[33] = {};
    sdl_.JoystickGetGUIDString(sdl_.JoystickGetDeviceGUID(index), text, sizeof text);
    return text;
}

std::vector<std::string> JoystickInput::guids() {
    std::vector<std::string> found;
    if (!started_)
        return found;
    update();
    for (int i = 0; i < sdl_.NumJoysticks(); ++i)
        found.push_back(guidAt(i));
    return found;
}

std::vector<JoystickInfo> JoystickInput::present() {
    std::vector<JoystickInfo> found;
    if (!started_)
        return found;
    update();
    for (int i = 0; i < sdl_.NumJoysticks(); ++i) {
        const char* name = sdl_.JoystickNameForIndex(i);
        SDL_Joystick* open = sdl_.JoystickOpen(i);
        const int axes = open ? sdl_.JoystickNumAxes(open) : 0;
        if (open) // SDL counts each open; the one this program holds stays open
            sdl_.JoystickClose(open);
        found.push_back({guidAt(i), name ? name : "", axes});
    }
    return found;
}

bool JoystickInput::open(const std::string& guid) {
    close();
    if (!started_)
        return false;
    update();
    for (int i = 0; i < sdl_.NumJoysticks(); ++i) {
        if (guidAt(i) == guid) {
            joystick_ = sdl_.JoystickOpen(i);
            return joystick_ != nullptr;
        }
    }
    return false;
}

void JoystickInput::close() {
    if (joystick_)
        sdl_.JoystickClose(joystick_);
    joystick_ = nullptr;
}

bool JoystickInput::attached() const {
    return joystick_ && sdl_.JoystickGetAttached(joystick_);
}

std::vector<int> JoystickInput::axes() const {
    std::vector<int> values;
    if (!attached())
        return values;
    for (int axis = 0; axis < sdl_.JoystickNumAxes(joystick_); ++axis)
        values.push_back(sdl_.JoystickGetAxis(joystick_, axis));
    return values;
}

} // namespace zg
