#include "SdlLibrary.h"

#include <QLibrary>

namespace zg {

namespace {

template <typename F> bool resolve(QLibrary& library, F& function, const char* name) {
    function = reinterpret_cast<F>(library.resolve(name));
    return function != nullptr;
}

} // namespace

Platform ThisPlatform() {
#if defined(Q_OS_WIN)
    return Platform::Windows;
#elif defined(Q_OS_MACOS)
    return Platform::MacOS;
#else
    return Platform::Linux;
#endif
}

QString SdlLibraryFile(Platform platform) {
    switch (platform) {
    case Platform::Windows:
        return QStringLiteral("SDL2.dll");
    case Platform::MacOS:
        return QStringLiteral("libSDL2-2.0.0.dylib");
    case Platform::Linux:
        break;
    }
    return QStringLiteral("libSDL2-2.0.so.0");
}

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
        resolve(l, JoystickGetAttached, "SDL_JoystickGetAttached") &&
        resolve(l, JoystickEventState, "SDL_JoystickEventState");
    if (!found)
        return library_.errorString().toStdString();
    return std::nullopt;
}

} // namespace zg
