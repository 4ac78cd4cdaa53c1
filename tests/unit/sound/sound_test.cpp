#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../sound_support/sine_tone.h"
#include "sound/sound.h"
#include "sound/sound_device.h"
#include "sound/wave_reader.h"
#include "sound_test_util.h"

namespace {

using sound_test::WaitFor;

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
    // The bytes a buffer holds, read through a lock of the whole buffer.
    static std::string Contents(LPDIRECTSOUNDBUFFER buffer) {
        void* part = nullptr;
        DWORD size = 0;
        EXPECT_EQ(buffer->Lock(0, 0, &part, &size, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
        std::string bytes(static_cast<char*>(part), size);
        buffer->Unlock(part, size, nullptr, 0);
        return bytes;
    }
    static DWORD Position(LPDIRECTSOUNDBUFFER buffer) {
        DWORD play = 0;
        buffer->GetCurrentPosition(&play, nullptr);
        return play;
    }

    CSoundDevice device;
};

TEST_F(SoundTest, CreateSoundFillsABufferOfTheRealDataSize) {
    CSound* sound = nullptr;
    ASSERT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 8000, 8), "abcdef")), 0);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(Contents(sound->GetFreeBuffer()), "abcdef");
    delete sound;

    // The data chunk claims a million bytes; the buffer gets the 6 the file holds.
    std::string lying =
        riff::Riff("WAVE", riff::PcmFormat(1, 8000, 8) + "data" + riff::Dword(1000000) + "ghijkl");
    ASSERT_EQ(Make(&sound, lying), 0);
    EXPECT_EQ(Contents(sound->GetFreeBuffer()), "ghijkl");
    delete sound;
}

TEST_F(SoundTest, CreateSoundFailuresLeaveTheOutArgumentAlone) {
    CSound* untouched = reinterpret_cast<CSound*>(0x20);
    CSound* sound = untouched;
    char missing[] = "no_such_sound.wav";
    EXPECT_EQ(device.CreateSound(&sound, missing, 0, GUID_NULL, 1), E_FAIL);
    EXPECT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 8000, 8), "")), E_FAIL) << "no data";
    EXPECT_EQ(device.CreateSound(nullptr, missing, 0, GUID_NULL, 1), E_INVALIDARG);
    EXPECT_EQ(device.CreateSound(&sound, missing, 0, GUID_NULL, 0), E_INVALIDARG);
    // A valid format that DirectSound cannot play here: its own result is passed on.
    std::string adpcm = riff::Chunk("fmt ", riff::FormatBody(2, 1, 8000, 8) + riff::Word(0));
    EXPECT_EQ(Make(&sound, riff::Wave(adpcm, "abcd")), DSERR_BADFORMAT);
    // Fewer bytes than the smallest buffer.
    EXPECT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 8000, 8), "ab")), DSERR_INVALIDPARAM);
    EXPECT_EQ(sound, untouched);
}

TEST_F(SoundTest, NonPcmFormatGoesToDirectSoundUnchanged) {
    // 32-bit float with an extra-size field of 0: DirectSound gets and plays it as it is.
    std::string format = riff::Chunk("fmt ", riff::FormatBody(3, 1, 8000, 32) + riff::Word(0));
    CSound* sound = nullptr;
    ASSERT_EQ(Make(&sound, riff::Wave(format, std::string(16, '\0'))), 0);
    EXPECT_EQ(Contents(sound->GetFreeBuffer()).size(), 16u);
    delete sound;
}

TEST_F(SoundTest, SeveralBuffersShareTheDataAndPlayInTurn) {
    CSound* sound = nullptr;
    std::string tone = riff::SineTone16(44100, 441, 1.0, 0.3);
    ASSERT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 44100, 16), tone), 0, 2), 0);
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
    EXPECT_EQ(Position(first), 0u);
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

TEST_F(SoundTest, PlayOnTheOnlyPlayingBufferGoesOnWhereItStands) {
    CSound* sound = nullptr;
    std::string tone = riff::SineTone16(44100, 441, 2.0, 0.3);
    ASSERT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 44100, 16), tone)), 0);
    ASSERT_EQ(sound->Play(0, 0, 0, -1, 0), DS_OK);
    LPDIRECTSOUNDBUFFER buffer = sound->GetFreeBuffer();
    ASSERT_TRUE(WaitFor([&] { return Position(buffer) > 4000; }));
    DWORD before = Position(buffer);
    ASSERT_EQ(sound->Play(0, 0, 0, -1, 0), DS_OK);
    EXPECT_GE(Position(buffer), before);
    delete sound;
}

TEST_F(SoundTest, PlayAppliesOnlyTheControlsTheSoundHas) {
    CSound* sound = nullptr;
    std::string tone = riff::SineTone16(44100, 441, 0.05, 0.3);
    ASSERT_EQ(Make(&sound, riff::Wave(riff::PcmFormat(1, 44100, 16), tone),
                   DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY),
              0);
    // Volume and frequency results are not looked at; the play result is passed back.
    EXPECT_EQ(sound->Play(0, 0, 1 /* out of range */, 99 /* too low */, 0), DS_OK);
    EXPECT_EQ(sound->Play(0, 0, 0, -1, 0), DS_OK);
    EXPECT_TRUE(WaitFor([&] { return !sound->IsPlaying(); }));
    delete sound;
}

} // namespace
