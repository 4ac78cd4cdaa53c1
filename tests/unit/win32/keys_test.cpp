// GetAsyncKeyState: bit 0x8000 while a key is down, bit 1 once for a press since the
// previous query of that key, for the keys the game polls.
#include "win32_test_support.h"

namespace win32_test {
namespace {

constexpr SHORT kDown = static_cast<SHORT>(0x8000);
constexpr SHORT kPressed = 1;

TEST_F(WindowTest, ATapBetweenTwoQueriesIsSeenOnceWithoutTheDownBit) {
    PushKey(SDLK_SPACE, true);
    PushKey(SDLK_SPACE, false);
    EXPECT_EQ(GetAsyncKeyState(VK_SPACE), kPressed);
    EXPECT_EQ(GetAsyncKeyState(VK_SPACE), 0);
}

TEST_F(WindowTest, AHeldKeyIsPressedOnceThenDownUntilReleased) {
    PushKey(SDLK_w, true);
    EXPECT_EQ(GetAsyncKeyState('W'), kDown | kPressed);
    EXPECT_EQ(GetAsyncKeyState('W'), kDown);
    PushKey(SDLK_w, true, true); // the keyboard's auto-repeat is no new press
    EXPECT_EQ(GetAsyncKeyState('W'), kDown);
    PushKey(SDLK_w, false);
    EXPECT_EQ(GetAsyncKeyState('W'), 0);
    // Two taps between queries still count as one press.
    for (int i = 0; i < 2; ++i) {
        PushKey(SDLK_w, true);
        PushKey(SDLK_w, false);
    }
    EXPECT_EQ(GetAsyncKeyState('W'), kPressed);
    EXPECT_EQ(GetAsyncKeyState('W'), 0);
}

TEST_F(WindowTest, EachKeyKeepsItsOwnPressSinceItsOwnQuery) {
    PushKey(SDLK_g, true);
    PushKey(SDLK_g, false);
    PushKey(SDLK_v, true);
    EXPECT_EQ(GetAsyncKeyState('V'), kDown | kPressed);
    EXPECT_EQ(GetAsyncKeyState('G'), kPressed) << "querying V did not clear G";
    EXPECT_EQ(GetAsyncKeyState('V'), kDown);
    PushKey(SDLK_v, false);
}

TEST_F(WindowTest, TheGamesKeysHaveTheirVirtualKeyCodes) {
    const std::pair<SDL_Keycode, int> keys[] = {
        {SDLK_a, 'A'},      {SDLK_m, 'M'},      {SDLK_z, 'Z'},       {SDLK_0, '0'},
        {SDLK_9, '9'},      {SDLK_SPACE, 0x20}, {SDLK_ESCAPE, 0x1B}, {SDLK_PAUSE, 0x13},
        {SDLK_END, 0x23},   {SDLK_F1, 0x70},    {SDLK_LEFT, 0x25},   {SDLK_UP, 0x26},
        {SDLK_RIGHT, 0x27}, {SDLK_DOWN, 0x28},
    };
    for (const auto& [sdlKey, virtualKey] : keys) {
        PushKey(sdlKey, true);
        EXPECT_EQ(GetAsyncKeyState(virtualKey), kDown | kPressed) << virtualKey;
        PushKey(sdlKey, false);
        EXPECT_EQ(GetAsyncKeyState(virtualKey), 0) << virtualKey;
    }
    // A key the game does not use changes nothing, and codes outside 1..255 answer 0.
    PushKey(SDLK_KP_ENTER, true);
    for (int key = 1; key < 256; ++key) {
        EXPECT_EQ(GetAsyncKeyState(key), 0) << key;
    }
    PushKey(SDLK_KP_ENTER, false);
    EXPECT_EQ(GetAsyncKeyState(0), 0);
    EXPECT_EQ(GetAsyncKeyState(-1), 0);
    EXPECT_EQ(GetAsyncKeyState(256), 0);
    EXPECT_EQ(GetAsyncKeyState(0x10020), 0);
}

TEST_F(WindowTest, TheLeftButtonIsAKeyToo) {
    PushButton(true, 1, 1);
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), kDown | kPressed);
    PushButton(false, 1, 1);
    EXPECT_EQ(GetAsyncKeyState(VK_LBUTTON), 0);
}

// The game polls keys between message pumps; the poll takes in the events itself and
// leaves the pointer messages it met on the queue, in order.
TEST_F(WindowTest, PollingKeysKeepsTheMessagesItPumps) {
    PushMotion(4, 5);
    PushKey(SDLK_ESCAPE, true);
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), kDown | kPressed);
    PushKey(SDLK_ESCAPE, false);
    EXPECT_EQ(DispatchAll(), 1);
    EXPECT_EQ(ReceivedMessages(),
              (std::vector<Received>{{window_, WM_MOUSEMOVE, 0, MAKELPARAM(4, 5)}}));
    EXPECT_EQ(GetAsyncKeyState(VK_ESCAPE), 0);
}

} // namespace
} // namespace win32_test
