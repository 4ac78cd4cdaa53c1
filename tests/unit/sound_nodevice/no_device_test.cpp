// With only a driver that does not exist there is no sound device: DirectSound cannot start
// and the game's player stays silent.
#include <gtest/gtest.h>

#include <dsound.h>

#include <cstdlib>

#include "sound/sound_device.h"
#include "sound/sound_player.h"

namespace {

[[maybe_unused]] const int kNoDevice = setenv("ALSOFT_DRIVERS", "no-such-driver", 1);

TEST(NoSoundDevice, NothingStartsAndThePlayerTouchesNoSound) {
    LPDIRECTSOUND8 ds = reinterpret_cast<LPDIRECTSOUND8>(1);
    EXPECT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(ds, nullptr);
    // A pointer that must never be followed: any use of it would crash.
    CSound* const untouched = reinterpret_cast<CSound*>(0x10);
    CSound* sound = untouched;
    char name[] = "anything.wav";
    EXPECT_EQ(CSoundDevice().CreateSound(&sound, name, 0, GUID_NULL, 1), CO_E_NOTINITIALIZED);
    CSoundPlayer player(nullptr);
    EXPECT_FALSE(player.IsReady());
    EXPECT_NE(player.CreateSound(&sound, name), 0);
    EXPECT_EQ(sound, untouched);
    EXPECT_EQ(player.Play(untouched), 0);
    EXPECT_FALSE(player.IsPlaying(untouched));
    EXPECT_EQ(player.Stop(untouched), 0);
}

} // namespace
