#pragma once

#include <SDL.h>

#include <QLibrary>

#include <optional>
#include <string>

namespace zg {

enum class Platform { Linux, Windows, MacOS };
Platform ThisPlatform();
// SDL2's file as each system's package or installer names it: the runtime library, not the
// development link that only a build machine has.
QString SdlLibraryFile(Platform platform);

// The few functions of SDL2 that reading a joystick needs, from the library loaded when first
// asked for: linked to the program, SDL and the sound and X11 libraries it brings along would be
// loaded at every start, for a joystick most users never plug in.
struct SdlLibrary {
    decltype(&SDL_SetHint) SetHint = nullptr;
    decltype(&SDL_InitSubSystem) InitSubSystem = nullptr;
    decltype(&SDL_QuitSubSystem) QuitSubSystem = nullptr;
    decltype(&SDL_WasInit) WasInit = nullptr;
    decltype(&SDL_Quit) Quit = nullptr;
    decltype(&SDL_GetError) GetError = nullptr;
    decltype(&SDL_JoystickUpdate) JoystickUpdate = nullptr;
    decltype(&SDL_NumJoysticks) NumJoysticks = nullptr;
    decltype(&SDL_JoystickGetDeviceGUID) JoystickGetDeviceGUID = nullptr;
    decltype(&SDL_JoystickGetGUIDString) JoystickGetGUIDString = nullptr;
    decltype(&SDL_JoystickNameForIndex) JoystickNameForIndex = nullptr;
    decltype(&SDL_JoystickOpen) JoystickOpen = nullptr;
    decltype(&SDL_JoystickClose) JoystickClose = nullptr;
    decltype(&SDL_JoystickNumAxes) JoystickNumAxes = nullptr;
    decltype(&SDL_JoystickGetAxis) JoystickGetAxis = nullptr;
    decltype(&SDL_JoystickGetAttached) JoystickGetAttached = nullptr;
    decltype(&SDL_JoystickEventState) JoystickEventState = nullptr;

    // Loads SDL2 and finds its functions; why not, where the library is missing.
    std::optional<std::string> load();

  private:
    QLibrary library_{SdlLibraryFile(ThisPlatform())};
};

} // namespace zg
