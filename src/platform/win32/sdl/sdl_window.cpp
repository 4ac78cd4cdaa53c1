#include "sdl_window.h"

#include "window_class.h"
#include "window_record.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace win32sdl {
namespace {

// Live windows in creation order, so that paints and lookups go oldest window first.
std::vector<std::unique_ptr<HWND__>>& Handles() {
    static std::vector<std::unique_ptr<HWND__>> handles;
    return handles;
}

} // namespace

HWND AdoptSdlWindow(SDL_Window* window) {
    Handles().push_back(std::make_unique<HWND__>(HWND__{window, nullptr, {}, false, false, false}));
    return Handles().back().get();
}

void ForgetSdlWindow(HWND handle) {
    std::erase_if(Handles(), [handle](const auto& record) { return record.get() == handle; });
}

SDL_Window* SdlWindowOf(HWND handle) {
    const HWND__* record = WindowRecord(handle);
    return record == nullptr ? nullptr : record->window;
}

HWND__* WindowRecord(HWND handle) {
    for (const auto& record : Handles()) {
        if (record.get() == handle) {
            return record.get();
        }
    }
    return nullptr;
}

HWND WindowOfSdlId(Uint32 windowId) {
    for (const auto& record : Handles()) {
        if (SDL_GetWindowID(record->window) == windowId) {
            return record.get();
        }
    }
    return nullptr;
}

HWND WindowNeedingPaint() {
    for (const auto& record : Handles()) {
        if (record->needsPaint) {
            return record.get();
        }
    }
    return nullptr;
}

} // namespace win32sdl

namespace win32 {

bool AnyWindowOfClass(const std::string& className) {
    return std::any_of(win32sdl::Handles().begin(), win32sdl::Handles().end(),
                       [&className](const auto& record) {
                           return !record->className.empty() && record->className == className;
                       });
}

} // namespace win32
