#include "ParentConsole.h"

#include <windows.h>

#include <cstdio>

namespace zg {

namespace {

bool hasHandle(DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

} // namespace

void UseParentConsole() {
    // Output led into a file or a pipe (a script, a test) stays there.
    if (hasHandle(STD_OUTPUT_HANDLE) || hasHandle(STD_ERROR_HANDLE))
        return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return; // started from Explorer or the Start menu: no console to write to
    (void)std::freopen("CONOUT$", "w", stdout);
    (void)std::freopen("CONOUT$", "w", stderr);
}

} // namespace zg
