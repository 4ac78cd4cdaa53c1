// Message boxes for failed Direct3D calls, chosen by the set-up step and the result.
#pragma once

#include <windows.h>

// The call a step code stands for; device set-up checks steps 0 to 5 in this order and the
// per-frame drawing reuses 4 and 5.
enum D3DStep {
    StepGetDeviceCaps = 0,
    StepGetDisplayMode = 1,
    StepCheckDeviceMultiSampleType = 2,
    StepCreateDevice = 3,
    StepClear = 4,
    StepPresent = 5,
};

// The message for a failed call at that step, or null for a step outside 0 to 5.
const char* D3DErrorMessage(HRESULT result, int step);
// Shows the step's message box; a step outside 0 to 5 shows nothing.
void ReportD3DError(HRESULT result, int step);
// A modal box with the text, the caption "Error" and an OK button.
void ShowErrorBox(const char* text);
