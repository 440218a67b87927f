#include "SdlLibrary.h"

#include <QLibrary>

namespace zg {

namespace {

template <typename F> bool resolve(QLibrary& library, F& function, const char* name) {
    function = reinterpret_cast<F>(library.resolve(name));
    return function != nullptr;
}

} // namespace

std::optional<std::string> SdlLibrary::load() {
    if (!library_.load())
        return library_.errorString().toStdString();
    QLibrary& l = library_;
    const bool found =
        resolve(l, SetHint, "SDL_SetHint") && resolve(l, InitSubSystem, "SDL_InitSubSystem") &&
        resolve(l, QuitSubSystem, "SDL_QuitSubSystem") && resolve(l, WasInit, "SDL_WasInit") &&
        resolve(l, Quit, "SDL_Quit") && resolve(l, GetError, "SDL_GetError") &&
        resolve(l, JoystickUpdate, "SDL_JoystickUpdate") && resolve(l, NumJoysticks, "SDL_NumJoysticks") &&
        resolve(l, JoystickGetDeviceGUID, "SDL_JoystickGetDeviceGUID") &&
        resolve(l, JoystickGetGUIDString, "SDL_JoystickGetGUIDString") &&
        resolve(l, JoystickNameForIndex, "SDL_JoystickNameForIndex") &&
        resolve(l, JoystickOpen, "SDL_JoystickOpen") && resolve(l, JoystickClose, "SDL_JoystickClose") &&
        resolve(l, JoystickNumAxes, "SDL_JoystickNumAxes") &&
        resolve(l, JoystickGetAxis, "SDL_JoystickGetAxis") &&
        resolve(l, JoystickGetAttached, "SDL_JoystickGetAttached");
    if (!found)
        return library_.errorString().toStdString();
    return std::nullopt;
}

} // namespace zg
