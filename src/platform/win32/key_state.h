// The state behind GetAsyncKeyState, fed by the window events of the platform's backend.
#pragma once

namespace win32 {

// A key (virtual-key code 1..255) went down or up. Other codes are ignored.
void RecordKeyEvent(int virtualKey, bool down);

} // namespace win32
