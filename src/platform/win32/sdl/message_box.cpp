// MessageBoxA: the caption and text always go to standard error, so that a run without a
// display (or one whose output is logged) still shows them; where there is a display a real
// dialog is shown too and waits for OK. RW_NO_DIALOGS=1 skips the dialog, for unattended
// runs under a display (tests, benchmarks), where nobody would close it.
#include "sdl_window.h"

#include <windows.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool DialogsWanted() {
    const char* setting = std::getenv("RW_NO_DIALOGS");
    return setting == nullptr || std::strcmp(setting, "1") != 0;
}

Uint32 SdlFlags(UINT type) {
    switch (type & 0xF0) {
    case MB_ICONERROR:
        return SDL_MESSAGEBOX_ERROR;
    case MB_ICONWARNING:
        return SDL_MESSAGEBOX_WARNING;
    case MB_ICONINFORMATION:
        return SDL_MESSAGEBOX_INFORMATION;
    default:
        return 0;
    }
}

} // namespace

// Only the OK button is offered, whatever the type asks for, so the answer is always IDOK.
int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    // The platform's caption for a box given none.
    const char* title = caption != nullptr ? caption : "Error";
    const char* message = text != nullptr ? text : "";
    std::fprintf(stderr, "%s: %s\n", title, message);
    std::fflush(stderr);
    if (DialogsWanted()) {
        SDL_ShowSimpleMessageBox(SdlFlags(type), title, message, win32sdl::SdlWindowOf(owner));
    }
    return IDOK;
}
