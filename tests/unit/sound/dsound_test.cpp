#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

#include <dsound.h>

#include "../sound_support/openal_config.h"
#include "sound_test_util.h"

namespace {

using sound_test::WaitFor;
const auto Position = sound_test::PlayPosition;

WAVEFORMATEX Format(WORD tag, WORD channels, DWORD rate, WORD bits) {
    WAVEFORMATEX format{};
    format.wFormatTag = tag;
    format.nChannels = channels;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = bits;
    format.nBlockAlign = WORD(channels * bits / 8);
    format.nAvgBytesPerSec = format.nBlockAlign * rate;
    return format;
}

class DirectSoundTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DS_OK);
        ASSERT_EQ(ds->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
    }
    void TearDown() override {
        for (LPDIRECTSOUNDBUFFER buffer : buffers) {
            buffer->Release();
        }
        if (ds != nullptr) {
            ds->Release();
        }
    }
    HRESULT Create(WAVEFORMATEX format, DWORD bytes, DWORD flags = 0,
                   LPDIRECTSOUNDBUFFER* out = nullptr) {
        DSBUFFERDESC desc{};
        desc.dwSize = sizeof(desc);
        desc.dwFlags = flags;
        desc.dwBufferBytes = bytes;
        desc.lpwfxFormat = &format;
        LPDIRECTSOUNDBUFFER buffer = nullptr;
        HRESULT result = ds->CreateSoundBuffer(&desc, &buffer, nullptr);
        if (buffer != nullptr) {
            buffers.push_back(buffer);
        }
        if (out != nullptr) {
            *out = buffer;
        }
        return result;
    }
    // A 16-bit mono 44.1 kHz buffer of that many seconds, filled with a tone.
    LPDIRECTSOUNDBUFFER Tone(double seconds, DWORD flags = 0) {
        std::string samples = riff::SineTone16(44100, 441, seconds, 0.5);
        LPDIRECTSOUNDBUFFER buffer = nullptr;
        EXPECT_EQ(
            Create(Format(WAVE_FORMAT_PCM, 1, 44100, 16), DWORD(samples.size()), flags, &buffer),
            DS_OK);
        Write(buffer, samples);
        return buffer;
    }
    static void Write(LPDIRECTSOUNDBUFFER buffer, const std::string& bytes) {
        void* part = nullptr;
        DWORD size = 0;
        ASSERT_EQ(buffer->Lock(0, 0, &part, &size, nullptr, nullptr, DSBLOCK_ENTIREBUFFER), DS_OK);
        ASSERT_EQ(size, bytes.size());
        std::memcpy(part, bytes.data(), size);
        ASSERT_EQ(buffer->Unlock(part, size, nullptr, 0), DS_OK);
    }
    static DWORD Status(LPDIRECTSOUNDBUFFER buffer) {
        DWORD status = 0xFFFF;
        EXPECT_EQ(buffer->GetStatus(&status), DS_OK);
        return status;
    }

    LPDIRECTSOUND8 ds = nullptr;
    std::vector<LPDIRECTSOUNDBUFFER> buffers;
};

TEST(DirectSoundCreate, ArgumentsAreChecked) {
    LPDIRECTSOUND8 ds = nullptr;
    EXPECT_EQ(DirectSoundCreate8(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
    GUID other = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(DirectSoundCreate8(&other, &ds, nullptr), DSERR_NODRIVER);
    EXPECT_EQ(ds, nullptr);
}

TEST_F(DirectSoundTest, PrimaryBufferTakesPcmFormatsAtPriorityLevel) {
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof(desc);
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    LPDIRECTSOUNDBUFFER primary = nullptr;
    ASSERT_EQ(ds->CreateSoundBuffer(&desc, &primary, nullptr), DS_OK);
    WAVEFORMATEX pcm = Format(WAVE_FORMAT_PCM, 1, 44100, 16);
    EXPECT_EQ(primary->SetFormat(&pcm), DS_OK);
    WAVEFORMATEX adpcm = Format(2, 1, 44100, 16);
    EXPECT_EQ(primary->SetFormat(&adpcm), DSERR_BADFORMAT);
    void* part = nullptr;
    DWORD size = 0;
    EXPECT_EQ(primary->Lock(0, 0, &part, &size, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
              DSERR_PRIOLEVELNEEDED);
    EXPECT_EQ(primary->Play(0, 0, 0), DSERR_INVALIDPARAM) << "the primary buffer only loops";
    EXPECT_EQ(primary->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    LPDIRECTSOUNDBUFFER copy = nullptr;
    EXPECT_EQ(ds->DuplicateSoundBuffer(primary, &copy), DSERR_INVALIDCALL);
    ASSERT_EQ(ds->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(primary->SetFormat(&pcm), DSERR_PRIOLEVELNEEDED);
    primary->Release();
}

TEST_F(DirectSoundTest, SecondaryBufferFormatsAndDescriptions) {
    EXPECT_EQ(Create(Format(WAVE_FORMAT_PCM, 2, 22050, 8), 100), DS_OK);
    EXPECT_EQ(Create(Format(WAVE_FORMAT_IEEE_FLOAT, 2, 44100, 32), 800), DS_OK);
    EXPECT_EQ(Create(Format(2, 1, 44100, 16), 100), DSERR_BADFORMAT) << "ADPCM: OpenAL cannot";
    WAVEFORMATEX misaligned = Format(WAVE_FORMAT_PCM, 2, 44100, 16);
    misaligned.nBlockAlign = 2;
    EXPECT_EQ(Create(misaligned, 100), DSERR_INVALIDPARAM);
    EXPECT_EQ(Create(Format(WAVE_FORMAT_PCM, 1, 8000, 8), 3), DSERR_INVALIDPARAM) << "too small";
}

TEST_F(DirectSoundTest, ControlsNeedTheirCapabilityFlags) {
    EXPECT_EQ(Tone(0.01)->SetVolume(-100), DSERR_CONTROLUNAVAIL);
    LPDIRECTSOUNDBUFFER controlled =
        Tone(0.01, DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY);
    EXPECT_EQ(controlled->SetVolume(-100), DS_OK);
    EXPECT_EQ(controlled->SetVolume(1), DSERR_INVALIDPARAM);
    EXPECT_EQ(controlled->SetPan(DSBPAN_RIGHT + 1), DSERR_INVALIDPARAM);
    EXPECT_EQ(controlled->SetFrequency(DSBFREQUENCY_ORIGINAL), DS_OK);
    EXPECT_EQ(controlled->SetFrequency(DSBFREQUENCY_MIN - 1), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundTest, LockGivesTwoPartsAcrossTheEnd) {
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    ASSERT_EQ(Create(Format(WAVE_FORMAT_PCM, 1, 8000, 8), 100, 0, &buffer), DS_OK);
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstSize = 0;
    DWORD secondSize = 0;
    ASSERT_EQ(buffer->Lock(80, 50, &first, &firstSize, &second, &secondSize, 0), DS_OK);
    EXPECT_EQ(std::make_pair(firstSize, secondSize), std::make_pair(20u, 30u));
    EXPECT_EQ(static_cast<BYTE*>(first) - static_cast<BYTE*>(second), 80);
    EXPECT_EQ(buffer->Unlock(first, firstSize, second, secondSize), DS_OK);
    ASSERT_EQ(buffer->Lock(60, 0, &first, &firstSize, nullptr, nullptr, DSBLOCK_ENTIREBUFFER),
              DS_OK);
    EXPECT_EQ(firstSize, 40u) << "without a second pointer only the first part";
    EXPECT_EQ(buffer->Lock(0, 101, &first, &firstSize, nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    char elsewhere[10];
    EXPECT_EQ(buffer->Unlock(elsewhere, 10, nullptr, 0), DSERR_INVALIDPARAM);
}

TEST_F(DirectSoundTest, OneShotStopsAtTheStartAndLoopingPlaysOnPastTheEnd) {
    LPDIRECTSOUNDBUFFER once = Tone(0.05);
    ASSERT_EQ(once->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Status(once), DWORD(DSBSTATUS_PLAYING));
    EXPECT_TRUE(WaitFor([&] { return Status(once) == 0; }));
    EXPECT_EQ(Position(once), 0u);

    LPDIRECTSOUNDBUFFER looping = Tone(0.02);
    ASSERT_EQ(looping->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    // Wait until the position has come round twice, well after one pass.
    DWORD last = 0;
    int wraps = 0;
    EXPECT_TRUE(WaitFor([&] {
        DWORD now = Position(looping);
        wraps += now < last ? 1 : 0;
        last = now;
        return wraps >= 2;
    }));
    EXPECT_EQ(Status(looping), DWORD(DSBSTATUS_PLAYING | DSBSTATUS_LOOPING));
    EXPECT_EQ(looping->Stop(), DS_OK);
    EXPECT_EQ(Status(looping), 0u);
}

// SetCurrentPosition moves the cursor (a playing buffer jumps); Play on a playing buffer does
// not restart it; Stop keeps the position and Play goes on from it.
TEST_F(DirectSoundTest, PositionIsSetKeptByStopAndNotRestartedByPlay) {
    LPDIRECTSOUNDBUFFER buffer = Tone(2.0);
    DWORD size = DWORD(riff::SineTone16(44100, 441, 2.0, 0.5).size());
    ASSERT_EQ(buffer->SetCurrentPosition(10001), DS_OK);
    EXPECT_EQ(Position(buffer), 10000u) << "rounded down to whole samples";
    EXPECT_EQ(buffer->SetCurrentPosition(size), DSERR_INVALIDPARAM);
    ASSERT_EQ(buffer->SetCurrentPosition(size / 2), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_GE(Position(buffer), size / 2);
    ASSERT_EQ(buffer->SetCurrentPosition(0), DS_OK);
    EXPECT_LT(Position(buffer), size / 2);

    ASSERT_TRUE(WaitFor([&] { return Position(buffer) > 4000; }));
    DWORD before = Position(buffer);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_GE(Position(buffer), before);
    ASSERT_EQ(buffer->Stop(), DS_OK);
    DWORD stopped = Position(buffer);
    EXPECT_GE(stopped, before);
    EXPECT_EQ(stopped % 2, 0u);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_GE(Position(buffer), stopped);
    ASSERT_EQ(buffer->Stop(), DS_OK);
}

// Reads the 16-bit stereo frames the wave backend wrote, left channel only.
std::vector<int16_t> CapturedLeftChannel() {
    std::ifstream file(openal_test::CaptureFile(), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    size_t data = bytes.find("data");
    std::vector<int16_t> left;
    if (data == std::string::npos) {
        return left;
    }
    for (size_t i = data + 8; i + 4 <= bytes.size(); i += 4) {
        int16_t sample = 0;
        std::memcpy(&sample, bytes.data() + i, 2);
        left.push_back(sample);
    }
    return left;
}

TEST_F(DirectSoundTest, DuplicatePlaysTheSharedSamples) {
    const double seconds = 0.25;
    std::string tone = riff::SineTone16(44100, 441, seconds, 0.5);
    LPDIRECTSOUNDBUFFER original = nullptr;
    ASSERT_EQ(Create(Format(WAVE_FORMAT_PCM, 1, 44100, 16), DWORD(tone.size()), 0, &original),
              DS_OK);
    LPDIRECTSOUNDBUFFER copy = nullptr;
    ASSERT_EQ(ds->DuplicateSoundBuffer(original, &copy), DS_OK);
    buffers.push_back(copy);
    // Written through the original after duplication, played through the copy.
    Write(original, tone);
    ASSERT_EQ(copy->Play(0, 0, 0), DS_OK);
    EXPECT_EQ(Status(original), 0u) << "each has its own play state";
    ASSERT_TRUE(WaitFor([&] { return Status(copy) == 0; }));
    // Closing the device finishes the captured file.
    for (LPDIRECTSOUNDBUFFER buffer : buffers) {
        buffer->Release();
    }
    buffers.clear();
    ds->Release();
    ds = nullptr;

    std::vector<int16_t> left = CapturedLeftChannel();
    // Sign changes count only between clearly positive and clearly negative samples, so the
    // mixer's dither around zero adds none.
    size_t loud = 0;
    size_t crossings = 0;
    int side = 0;
    for (int16_t sample : left) {
        if (std::abs(sample) <= 2000) {
            continue;
        }
        ++loud;
        int now = sample > 0 ? 1 : -1;
        crossings += side != 0 && now != side ? 1 : 0;
        side = now;
    }
    // About 0.25 s of a 441 Hz tone: some 11000 loud frames and 220 sign changes.
    EXPECT_GT(loud, 8000u);
    EXPECT_LT(loud, 12000u);
    EXPECT_GT(crossings, 180u);
    EXPECT_LT(crossings, 260u);
}

} // namespace
