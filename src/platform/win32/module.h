// The handle of the program's own module, the only module the Linux build knows.
#pragma once

#include <windows.h>

namespace win32 {

HMODULE ProgramModule();

} // namespace win32
