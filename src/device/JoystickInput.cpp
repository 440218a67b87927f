#include "JoystickInput.h"

#include <SDL.h>

namespace zg {

JoystickInput::~JoystickInput() {
    close();
    if (!started_)
        return;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_WasInit(0) == 0) // the last user: SDL lets go of all it holds
        SDL_Quit();
}

std::optional<std::string> JoystickInput::start() {
    if (started_)
        return std::nullopt;
    // The program is Qt's: SDL must leave its signals alone, and read a stick without a window of its own.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return std::string(SDL_GetError());
    started_ = true;
    return std::nullopt;
}

void JoystickInput::update() {
    if (started_)
        SDL_JoystickUpdate();
}

std::vector<JoystickInfo> JoystickInput::present() {
    std::vector<JoystickInfo> found;
    if (!started_)
        return found;
    update();
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        char guid[33] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(i), guid, sizeof guid);
        const char* name = SDL_JoystickNameForIndex(i);
        SDL_Joystick* open = SDL_JoystickOpen(i);
        const int axes = open ? SDL_JoystickNumAxes(open) : 0;
        if (open) // SDL counts each open; the one this program holds stays open
            SDL_JoystickClose(open);
        found.push_back({guid, name ? name : "", axes});
    }
    return found;
}

bool JoystickInput::open(const std::string& guid) {
    close();
    if (!started_)
        return false;
    update();
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        char text[33] = {};
        SDL_JoystickGetGUIDString(SDL_JoystickGetDeviceGUID(i), text, sizeof text);
        if (guid == text) {
            joystick_ = SDL_JoystickOpen(i);
            return joystick_ != nullptr;
        }
    }
    return false;
}

void JoystickInput::close() {
    if (joystick_)
        SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
}

bool JoystickInput::attached() const {
    return joystick_ && SDL_JoystickGetAttached(joystick_);
}

std::vector<int> JoystickInput::axes() const {
    std::vector<int> values;
    if (!attached())
        return values;
    for (int axis = 0; axis < SDL_JoystickNumAxes(joystick_); ++axis)
        values.push_back(SDL_JoystickGetAxis(joystick_, axis));
    return values;
}

} // namespace zg
