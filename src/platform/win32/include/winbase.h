// kernel32 for the Linux build: the module, the high-resolution counter, the current
// directory, sleeping and the program's own resources.
#pragma once

#include "windef.h"

// The program's entry point, written by the program; the platform's main calls it.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand);

// NULL gives the program's own module; any other name gives NULL (no other module is loaded).
HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName);

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* count);
BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency);

// The length of the path, without the terminator, when it fits in the buffer; otherwise the
// buffer size needed, terminator included, and the buffer is left untouched. 0 on failure.
DWORD WINAPI GetCurrentDirectoryA(DWORD bufferLength, LPSTR buffer);

VOID WINAPI Sleep(DWORD milliseconds);

// Resources embedded in the program when it was built. Names and types compare without case.
HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resource);
DWORD WINAPI SizeofResource(HMODULE module, HRSRC resource);
LPVOID WINAPI LockResource(HGLOBAL data);
