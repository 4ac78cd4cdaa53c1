// The registered window classes.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// The procedure of a registered class, or null when no such class is registered.
WNDPROC WindowClassProcedure(LPCSTR className);
// The class name as it was registered (names compare without case).
std::string CanonicalClassName(LPCSTR className);

// True while a window of that class exists (defined by the window registry).
bool AnyWindowOfClass(const std::string& className);

} // namespace win32
