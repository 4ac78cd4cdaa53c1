#include "key_state.h"

#include "event_pump.h"

#include <windows.h>

#include <array>

namespace {

struct KeyState {
    bool down = false;
    bool pressedSinceQuery = false;
};

std::array<KeyState, 256>& Keys() {
    static std::array<KeyState, 256> keys;
    return keys;
}

bool IsKeyCode(int virtualKey) {
    return virtualKey > 0 && virtualKey < 256;
}

} // namespace

namespace win32 {

void RecordKeyEvent(int virtualKey, bool down) {
    if (!IsKeyCode(virtualKey)) {
        return;
    }
    KeyState& key = Keys()[virtualKey];
    key.down = down;
    if (down) {
        key.pressedSinceQuery = true;
    }
}

} // namespace win32

// Bit 15: down now. Bit 0: pressed since the previous query of this key, so a tap that
// began and ended between two queries is still reported once.
SHORT WINAPI GetAsyncKeyState(int virtualKey) {
    if (!IsKeyCode(virtualKey)) {
        return 0;
    }
    // The game polls between message pumps; take in what the window system has sent since.
    win32::PumpWindowEvents();
    KeyState& key = Keys()[virtualKey];
    const unsigned bits = (key.down ? 0x8000u : 0u) | (key.pressedSinceQuery ? 1u : 0u);
    key.pressedSinceQuery = false;
    return static_cast<SHORT>(bits);
}
