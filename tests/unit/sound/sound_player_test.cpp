#include <gtest/gtest.h>

#include <string>

#include "../sound_support/sine_tone.h"
#include "sound/sound.h"
#include "sound/sound_player.h"
#include "sound_test_util.h"

namespace {

using sound_test::WaitFor;

DWORD Position(CSound* sound) {
    DWORD play = 0;
    sound->GetFreeBuffer()->GetCurrentPosition(&play, nullptr);
    return play;
}

class SoundPlayerTest : public testing::Test {
protected:
    CSound* Load(double seconds) {
        std::string tone = riff::SineTone16(44100, 441, seconds, 0.3);
        std::string path =
            sound_test::WriteTestFile("cue.wav", riff::Wave(riff::PcmFormat(1, 44100, 16), tone));
        CSound* sound = nullptr;
        EXPECT_EQ(player.CreateSound(&sound, path.data()), 0);
        return sound;
    }
    CSoundPlayer player{nullptr};
};

TEST_F(SoundPlayerTest, ReadyWithADeviceAndCreatesSounds) {
    ASSERT_TRUE(player.IsReady());
    CSound* sound = Load(0.01);
    ASSERT_NE(sound, nullptr);
    delete sound;
    CSound* untouched = reinterpret_cast<CSound*>(0x30);
    CSound* missing = untouched;
    char name[] = "no_such_cue.wav";
    EXPECT_EQ(player.CreateSound(&missing, name), 1);
    EXPECT_EQ(missing, untouched);
    EXPECT_EQ(player.Play(nullptr), 0);
    EXPECT_FALSE(player.IsPlaying(nullptr));
    EXPECT_EQ(player.Stop(nullptr), 0);
}

TEST_F(SoundPlayerTest, PlayingACueAgainStartsItOver) {
    CSound* sound = Load(2.0);
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_TRUE(player.IsPlaying(sound));
    ASSERT_TRUE(WaitFor([&] { return Position(sound) > 20000; }));
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_TRUE(player.IsPlaying(sound));
    EXPECT_LT(Position(sound), 20000u);
    delete sound;
}

TEST_F(SoundPlayerTest, StopRewindsAndPlayThenStartsFromTheBeginning) {
    CSound* sound = Load(2.0);
    ASSERT_EQ(player.Play(sound), 0);
    ASSERT_TRUE(WaitFor([&] { return Position(sound) > 4000; }));
    EXPECT_EQ(player.Stop(sound), 0);
    EXPECT_FALSE(player.IsPlaying(sound));
    EXPECT_EQ(Position(sound), 0u);
    EXPECT_EQ(player.Stop(sound), 0) << "stopping a stopped sound";
    delete sound;
}

TEST_F(SoundPlayerTest, CueIsNoLongerPlayingOnceItEnds) {
    CSound* sound = Load(0.05);
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_TRUE(WaitFor([&] { return !player.IsPlaying(sound); }));
    EXPECT_EQ(Position(sound), 0u);
    // The next Play starts it again, as the frame loop does with the music.
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_TRUE(player.IsPlaying(sound));
    delete sound;
}

} // namespace
