#include "window_class.h"

#include <map>
#include <strings.h>

namespace {

struct NoCaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
};

struct WindowClass {
    std::string name;
    WNDPROC procedure;
    HINSTANCE instance;
};

std::map<std::string, WindowClass, NoCaseLess>& Classes() {
    static std::map<std::string, WindowClass, NoCaseLess> classes;
    return classes;
}

// Class atoms are numbered from 0xC000, as the platform numbers its string atoms.
ATOM NextAtom() {
    static ATOM next = 0xC000;
    return next++;
}

bool IsClassName(LPCSTR name) {
    return name != nullptr && !IS_INTRESOURCE(name) && *name != '\0';
}

} // namespace

namespace win32 {

WNDPROC WindowClassProcedure(LPCSTR className) {
    if (!IsClassName(className)) {
        return nullptr;
    }
    const auto found = Classes().find(className);
    return found == Classes().end() ? nullptr : found->second.procedure;
}

std::string CanonicalClassName(LPCSTR className) {
    if (!IsClassName(className)) {
        return {};
    }
    const auto found = Classes().find(className);
    return found == Classes().end() ? std::string() : found->second.name;
}

} // namespace win32

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* windowClass) {
    if (windowClass == nullptr || windowClass->cbSize != sizeof(WNDCLASSEXA) ||
        windowClass->lpfnWndProc == nullptr || !IsClassName(windowClass->lpszClassName)) {
        return 0;
    }
    const std::string name = windowClass->lpszClassName;
    if (Classes().count(name) != 0) {
        return 0;
    }
    Classes().emplace(name, WindowClass{name, windowClass->lpfnWndProc, windowClass->hInstance});
    return NextAtom();
}

// Fails for a class that is not registered to that instance or still has windows.
BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE instance) {
    if (!IsClassName(className)) {
        return FALSE;
    }
    const auto found = Classes().find(className);
    if (found == Classes().end() || found->second.instance != instance ||
        win32::AnyWindowOfClass(found->second.name)) {
        return FALSE;
    }
    Classes().erase(found);
    return TRUE;
}
