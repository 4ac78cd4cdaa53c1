// Without any sound device: DirectSound cannot start and the game's player stays silent.
#include <gtest/gtest.h>

#include <dsound.h>

#include "../sound_support/openal_config.h"
#include "sound/sound.h"
#include "sound/sound_device.h"
#include "sound/sound_player.h"

namespace {

[[maybe_unused]] const bool kConfigured = openal_test::UseNoDevice();

TEST(NoSoundDevice, DirectSoundCreateFails) {
    LPDIRECTSOUND8 ds = reinterpret_cast<LPDIRECTSOUND8>(1);
    EXPECT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(ds, nullptr);
}

TEST(NoSoundDevice, SoundDeviceReportsMissingObject) {
    CSoundDevice device;
    EXPECT_EQ(device.Open(nullptr, DSSCL_PRIORITY), 1);
    EXPECT_EQ(device.SetPrimaryFormat(1, 44100, 16), CO_E_NOTINITIALIZED);
    CSound* sound = nullptr;
    char name[] = "anything.wav";
    EXPECT_EQ(device.CreateSound(&sound, name, 0, GUID_NULL, 1), CO_E_NOTINITIALIZED);
    EXPECT_EQ(sound, nullptr);
}

TEST(NoSoundDevice, PlayerIsSilentAndTouchesNoSound) {
    CSoundPlayer player(nullptr);
    EXPECT_FALSE(player.IsReady());
    CSound* untouched = reinterpret_cast<CSound*>(0x10);
    CSound* sound = untouched;
    char name[] = "anything.wav";
    EXPECT_NE(player.CreateSound(&sound, name), 0);
    EXPECT_EQ(sound, untouched);
    // A pointer that must never be followed: any use of it would crash.
    EXPECT_EQ(player.Play(untouched), 0);
    EXPECT_FALSE(player.IsPlaying(untouched));
    EXPECT_EQ(player.Stop(untouched), 0);
    EXPECT_EQ(player.Play(nullptr), 0);
}

} // namespace
