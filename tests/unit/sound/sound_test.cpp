// CSound and CSoundPlayer over DirectSound on OpenAL Soft's wave backend, which records what
// is played (the whole program runs on it).
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "../sound_support/openal_config.h"
#include "sound/sound.h"
#include "sound/sound_device.h"
#include "sound/sound_player.h"
#include "sound/wave_reader.h"
#include "sound_test_util.h"

namespace {

using sound_test::Contents;
using sound_test::PlayPosition;
using sound_test::WaitFor;

[[maybe_unused]] const bool kConfigured = openal_test::UseWaveCapture();

std::string ToneWave(double seconds) {
    return riff::Wave(riff::PcmFormat(1, 44100, 16), riff::SineTone16(44100, 441, seconds, 0.3));
}

class SoundTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(device.Open(nullptr, DSSCL_PRIORITY), 0);
        ASSERT_EQ(device.SetPrimaryFormat(1, 44100, 16), 0);
    }
    HRESULT Make(CSound** sound, const std::string& bytes, DWORD flags = 0, DWORD count = 1) {
        std::string path = sound_test::WriteTestFile("sound.wav", bytes);
        return device.CreateSound(sound, path.data(), flags, GUID_NULL, count);
    }

    CSoundDevice device;
};

// The buffer gets the bytes the file holds (not the million its data chunk claims), and a
// format other than PCM (here 32-bit float) goes to DirectSound unchanged.
TEST_F(SoundTest, CreateSoundFillsABufferOfTheRealDataSize) {
    const std::string floatFormat =
        riff::Chunk("fmt ", riff::FormatBody(3, 1, 8000, 32) + riff::Word(0));
    const std::pair<std::string, std::string> cases[] = {
        {riff::Wave(riff::PcmFormat(1, 8000, 8), "abcdef"), "abcdef"},
        {riff::Riff("WAVE", riff::PcmFormat(1, 8000, 8) + "data" + riff::Dword(1000000) + "ghijkl"),
         "ghijkl"},
        {riff::Wave(floatFormat, std::string(16, 'f')), std::string(16, 'f')},
    };
    for (const auto& [bytes, expected] : cases) {
        CSound* sound = nullptr;
        ASSERT_EQ(Make(&sound, bytes), 0) << expected;
        EXPECT_EQ(Contents(sound->GetFreeBuffer()), expected);
        delete sound;
    }
}

TEST_F(SoundTest, CreateSoundFailuresLeaveTheOutArgumentAlone) {
    CSound* untouched = reinterpret_cast<CSound*>(0x20);
    CSound* sound = untouched;
    char missing[] = "no_such_sound.wav";
    EXPECT_EQ(device.CreateSound(&sound, missing, 0, GUID_NULL, 1), E_FAIL);
    EXPECT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 8000, 8), "")), E_FAIL) << "no data";
    EXPECT_EQ(device.CreateSound(&sound, missing, 0, GUID_NULL, 0), E_INVALIDARG);
    // DirectSound's own refusals are passed on: a format it cannot play, too few bytes.
    std::string adpcm = riff::Chunk("fmt ", riff::FormatBody(2, 1, 8000, 8) + riff::Word(0));
    EXPECT_EQ(Make(&sound, riff::Wave(adpcm, "abcd")), DSERR_BADFORMAT);
    EXPECT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 8000, 8), "ab")), DSERR_INVALIDPARAM);
    EXPECT_EQ(sound, untouched);
}

TEST_F(SoundTest, SeveralBuffersShareTheDataAndPlayInTurn) {
    CSound* sound = nullptr;
    const std::string tone = riff::SineTone16(44100, 441, 1.0, 0.3);
    ASSERT_EQ(Make(&sound, ToneWave(1.0), 0, 2), 0);
    LPDIRECTSOUNDBUFFER first = sound->GetFreeBuffer();
    EXPECT_EQ(Contents(first), tone);
    ASSERT_EQ(sound->Play(0, 0, 0, -1, 0), DS_OK);
    LPDIRECTSOUNDBUFFER second = sound->GetFreeBuffer();
    EXPECT_NE(second, first) << "the playing buffer is passed over";
    EXPECT_EQ(Contents(second), tone) << "the duplicate shares the samples";
    EXPECT_TRUE(sound->IsPlaying());
    EXPECT_EQ(sound->Stop(), DS_OK);
    EXPECT_FALSE(sound->IsPlaying());
    EXPECT_EQ(sound->Rewind(), DS_OK);
    EXPECT_EQ(PlayPosition(first), 0u);
    delete sound;
}

// A buffer larger than the wave: the rest is silence, or the wave again when repeating (an
// empty wave repeats as silence).
TEST_F(SoundTest, ShortWaveIsPaddedWithSilenceOrRepeated) {
    struct Case {
        WORD bits;
        std::string samples;
        char silence;
    };
    const Case cases[] = {{8, "\x10\x20\x30\x40\x50\x60", char(128)},
                          {16, "\x10\x20\x30\x40", '\0'},
                          {8, "", char(128)}};
    LPDIRECTSOUND8 ds = nullptr;
    ASSERT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DS_OK);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        std::string path = sound_test::WriteTestFile(
            "short.wav", riff::Wave(riff::PcmFormat(1, 8000, c.bits), c.samples));
        auto* wave = new CWaveReader;
        ASSERT_EQ(wave->Open(path.data()), 0);
        DSBUFFERDESC desc{};
        desc.dwSize = sizeof(desc);
        desc.dwBufferBytes = 20;
        desc.lpwfxFormat = wave->GetFormat();
        LPDIRECTSOUNDBUFFER buffer = nullptr;
        ASSERT_EQ(ds->CreateSoundBuffer(&desc, &buffer, nullptr), DS_OK);
        buffer->AddRef(); // the sound releases its reference; the test keeps one

        CSound sound(&buffer, 20, 1, wave, 0);
        EXPECT_EQ(Contents(buffer), c.samples + std::string(20 - c.samples.size(), c.silence));
        ASSERT_EQ(sound.FillBuffer(buffer, true), 0);
        std::string repeated;
        while (!c.samples.empty() && repeated.size() < 20) {
            repeated += c.samples;
        }
        repeated.resize(20, c.silence);
        EXPECT_EQ(Contents(buffer), repeated);
        buffer->Release();
    }
    ds->Release();
}

// Volume and frequency results are not looked at (both out of range here); Play on the only
// buffer, already playing, goes on where it stands.
TEST_F(SoundTest, PlayAppliesOnlyTheControlsTheSoundHasAndGoesOn) {
    CSound* sound = nullptr;
    ASSERT_EQ(Make(&sound, ToneWave(2.0), DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY), 0);
    ASSERT_EQ(sound->Play(0, 0, 1, 99, 0), DS_OK);
    LPDIRECTSOUNDBUFFER buffer = sound->GetFreeBuffer();
    ASSERT_TRUE(WaitFor([&] { return PlayPosition(buffer) > 4000; }));
    DWORD before = PlayPosition(buffer);
    ASSERT_EQ(sound->Play(0, 0, 0, -1, 0), DS_OK);
    EXPECT_GE(PlayPosition(buffer), before);
    delete sound;
}

class SoundPlayerTest : public testing::Test {
protected:
    CSound* Load(double seconds) {
        std::string path = sound_test::WriteTestFile("cue.wav", ToneWave(seconds));
        CSound* sound = nullptr;
        EXPECT_EQ(player.CreateSound(&sound, path.data()), 0);
        return sound;
    }
    static DWORD Position(CSound* sound) { return PlayPosition(sound->GetFreeBuffer()); }
    CSoundPlayer player{nullptr};
};

TEST_F(SoundPlayerTest, ReadyWithADeviceAndAMissingFileLeavesTheSoundAlone) {
    ASSERT_TRUE(player.IsReady());
    CSound* untouched = reinterpret_cast<CSound*>(0x30);
    CSound* missing = untouched;
    char name[] = "no_such_cue.wav";
    EXPECT_EQ(player.CreateSound(&missing, name), 1);
    EXPECT_EQ(missing, untouched);
    EXPECT_EQ(player.Play(nullptr), 0);
    EXPECT_FALSE(player.IsPlaying(nullptr));
    EXPECT_EQ(player.Stop(nullptr), 0);
}

// Play again restarts a playing cue; Stop rewinds it (twice is harmless).
TEST_F(SoundPlayerTest, PlayRestartsAndStopRewinds) {
    CSound* sound = Load(2.0);
    ASSERT_EQ(player.Play(sound), 0);
    ASSERT_TRUE(WaitFor([&] { return Position(sound) > 20000; }));
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_TRUE(player.IsPlaying(sound));
    EXPECT_LT(Position(sound), 20000u);
    ASSERT_TRUE(WaitFor([&] { return Position(sound) > 4000; }));
    EXPECT_EQ(player.Stop(sound), 0);
    EXPECT_FALSE(player.IsPlaying(sound));
    EXPECT_EQ(Position(sound), 0u);
    EXPECT_EQ(player.Stop(sound), 0);
    delete sound;
}

TEST_F(SoundPlayerTest, CueIsNoLongerPlayingOnceItEndsAndPlaysAgain) {
    CSound* sound = Load(0.05);
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_TRUE(WaitFor([&] { return !player.IsPlaying(sound); }));
    EXPECT_EQ(Position(sound), 0u);
    ASSERT_EQ(player.Play(sound), 0); // as the frame loop does with the music
    EXPECT_TRUE(player.IsPlaying(sound));
    delete sound;
}

} // namespace
