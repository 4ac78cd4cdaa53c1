// DirectSound, the wave reader, CSound and the player on OpenAL's null device (real time).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "sound/sound.h"
#include "sound/sound_player.h"
#include "sound/wave_reader.h"
#include "sound_test_util.h"

namespace {

using riff::Chunk, riff::Riff, sound_test::Contents;

[[maybe_unused]] const int kNullDevice = setenv("ALSOFT_DRIVERS", "null", 1);

WAVEFORMATEX Format(WORD tag, WORD channels, DWORD rate, WORD bits, WORD block = 0) {
    block = block != 0 ? block : WORD(channels * bits / 8);
    return {tag, channels, rate, block * rate, block, bits, 0};
}

class DirectSoundTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(DirectSoundCreate8(nullptr, &ds, nullptr), DS_OK); }
    void TearDown() override {
        std::erase(buffers, nullptr);
        for (LPDIRECTSOUNDBUFFER buffer : buffers) {
            buffer->Release();
        }
        if (ds != nullptr) {
            ds->Release();
        }
    }
    // A buffer of that size; the result of making it in `made`.
    LPDIRECTSOUNDBUFFER Create(DWORD bytes, WAVEFORMATEX format = Format(1, 1, 44100, 16),
                               DWORD flags = 0) {
        DSBUFFERDESC desc{sizeof(desc), flags, bytes, 0, &format, {}};
        made = ds->CreateSoundBuffer(&desc, &buffers.emplace_back(), nullptr);
        return buffers.back();
    }

    LPDIRECTSOUND8 ds = nullptr;
    HRESULT made = E_FAIL;
    std::vector<LPDIRECTSOUNDBUFFER> buffers;
};

// Bad arguments, formats, sizes and controls; locks past the buffer (one across its end goes on
// at its start); the primary buffer takes only PCM formats, at priority level, and only loops.
TEST_F(DirectSoundTest, RefusesWhatItCannotDo) {
    EXPECT_EQ(DirectSoundCreate8(nullptr, nullptr, nullptr), DSERR_INVALIDPARAM);
    GUID device = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    LPDIRECTSOUND8 other = nullptr;
    EXPECT_EQ(DirectSoundCreate8(&device, &other, nullptr), DSERR_NODRIVER);
    const std::pair<WAVEFORMATEX, HRESULT> formats[] = {
        {Format(1, 2, 22050, 8), DS_OK},
        {Format(WAVE_FORMAT_IEEE_FLOAT, 2, 44100, 32), DS_OK},
        {Format(2, 1, 44100, 16), DSERR_BADFORMAT},        // ADPCM
        {Format(1, 2, 44100, 16, 2), DSERR_INVALIDPARAM}}; // misaligned
    for (const auto& [format, result] : formats) {
        Create(800, format);
        EXPECT_EQ(made, result) << format.wFormatTag;
    }
    EXPECT_EQ(Create(3), nullptr) << "too small";
    EXPECT_EQ(Create(100)->SetVolume(-100), DSERR_CONTROLUNAVAIL);
    LPDIRECTSOUNDBUFFER buffer = Create(100, Format(1, 1, 8000, 8), DSBCAPS_CTRLPAN);
    EXPECT_EQ(buffer->SetPan(DSBPAN_RIGHT + 1), DSERR_INVALIDPARAM);
    void* parts[2] = {};
    DWORD sizes[2] = {};
    EXPECT_EQ(buffer->Lock(0, 101, &parts[0], &sizes[0], nullptr, nullptr, 0), DSERR_INVALIDPARAM);
    char elsewhere[10];
    EXPECT_EQ(buffer->Unlock(elsewhere, 10, nullptr, 0), DSERR_INVALIDPARAM);
    ASSERT_EQ(buffer->Lock(80, 50, &parts[0], &sizes[0], &parts[1], &sizes[1], 0), DS_OK);
    EXPECT_EQ(sizes[0] * 100 + sizes[1], 2030u);
    EXPECT_EQ(static_cast<BYTE*>(parts[0]) - static_cast<BYTE*>(parts[1]), 80);

    DSBUFFERDESC desc{sizeof(desc), DSBCAPS_PRIMARYBUFFER, 0, 0, nullptr, {}};
    ASSERT_EQ(ds->SetCooperativeLevel(nullptr, DSSCL_PRIORITY), DS_OK);
    ASSERT_EQ(ds->CreateSoundBuffer(&desc, &buffers.emplace_back(), nullptr), DS_OK);
    WAVEFORMATEX pcm = Format(1, 1, 44100, 16), adpcm = Format(2, 1, 44100, 16);
    EXPECT_EQ(buffers.back()->SetFormat(&pcm), DS_OK);
    EXPECT_EQ(buffers.back()->SetFormat(&adpcm), DSERR_BADFORMAT);
    EXPECT_EQ(buffers.back()->Play(0, 0, 0), DSERR_INVALIDPARAM);
    ASSERT_EQ(ds->SetCooperativeLevel(nullptr, DSSCL_NORMAL), DS_OK);
    EXPECT_EQ(buffers.back()->SetFormat(&pcm), DSERR_PRIOLEVELNEEDED);
}

// Reads all sample data in pieces of that size.
std::string ReadAll(CWaveReader& reader, DWORD piece) {
    std::string all, buffer(piece, '\0');
    DWORD read = 0;
    while (reader.Read(reinterpret_cast<BYTE*>(buffer.data()), piece, &read) == 0 && read != 0) {
        all += buffer.substr(0, read);
    }
    return all;
}

HRESULT OpenFile(CWaveReader& reader, const std::string& bytes) {
    return reader.Open(sound_test::WriteTestFile("reader.wav", bytes).data());
}

// From a file and from memory: other chunks are skipped, data larger than the I/O buffer is
// read whole (and again after a rewind), data claiming more than the file holds is cut at its
// end, and a format other than PCM keeps its extra bytes.
TEST(WaveReader, ReadsFormatAndDataFromFileAndMemory) {
    std::string data(20000, '\0'), extra = "\x01\x02\x03\x04";
    std::generate(data.begin(), data.end(), [i = 0]() mutable { return char(7 * i++); });
    for (const std::string& bytes :
         {Riff("WAVE", Chunk("junk", "x") + riff::PcmFormat(2, 22050, 16) + Chunk("LIST", "INFO") +
                           Chunk("data", data)),
          Riff("WAVE", Chunk("fmt ", riff::FormatBody(2, 2, 22050, 16) + riff::Word(4) + extra) +
                           "data" + riff::Dword(0xFFFFFF00u) + data)}) {
        CWaveReader fromFile, fromMemory;
        ASSERT_EQ(OpenFile(fromFile, bytes), 0);
        ASSERT_EQ(fromMemory.OpenMemory(bytes.data(), DWORD(bytes.size())), 0);
        for (CWaveReader* reader : {&fromFile, &fromMemory}) {
            const WAVEFORMATEX* format = reader->GetFormat();
            std::string kept(reinterpret_cast<const char*>(format + 1), format->cbSize);
            EXPECT_EQ(kept, format->wFormatTag == WAVE_FORMAT_PCM ? "" : extra);
            EXPECT_EQ(reader->GetSize(), 20000u);
            EXPECT_EQ(ReadAll(*reader, 3001), data);
            ASSERT_EQ(reader->Rewind(), 0);
            EXPECT_EQ(ReadAll(*reader, 20000), data);
        }
    }
}

// Broken headers, missing files and arguments, calls before opening; resources of type WAVE
// (looked for first) or WAV stand in for missing files.
TEST(WaveReader, RefusesBrokenFilesAndFindsResources) {
    std::string pcm = riff::PcmFormat(1, 8000, 8), data = Chunk("data", "abcd");
    std::string adpcm = riff::FormatBody(2, 1, 8000, 4);
    for (const std::string& bytes :
         {std::string(), Riff("AVI ", pcm + data), Riff("WAVE", data), Riff("WAVE", pcm) + data,
          Riff("WAVE", Chunk("fmt ", std::string(14, '\1')) + data),
          Riff("WAVE", "fmt " + riff::Dword(16) + "abc"), Riff("WAVE", Chunk("fmt ", adpcm) + data),
          Riff("WAVE", Chunk("fmt ", adpcm + riff::Word(40) + "ab") + data),
          Riff("WAVE", "fmt " + riff::Dword(18 + 65535) + adpcm + riff::Word(65535) + "ab")}) {
        CWaveReader fromFile, fromMemory;
        EXPECT_EQ(OpenFile(fromFile, bytes), 1) << bytes;
        EXPECT_EQ(fromFile.GetSize(), 0u);
        EXPECT_EQ(fromMemory.OpenMemory(bytes.data(), DWORD(bytes.size())), 1) << bytes;
    }
    CWaveReader reader;
    BYTE byte = 0;
    DWORD read = 7;
    EXPECT_EQ(reader.Open(nullptr), E_INVALIDARG);
    EXPECT_EQ(reader.Read(&byte, 1, &read), CO_E_NOTINITIALIZED);
    ASSERT_EQ(OpenFile(reader, riff::Wave(pcm, "")), 0) << "no data is no error";
    EXPECT_EQ(reader.Read(nullptr, 1, &read), E_INVALIDARG);
    char missing[] = "no_such_folder\\no_such_sound.wav", tone[] = "resource_tone",
         both[] = "resource_both", junk[] = "resource_junk";
    EXPECT_EQ(reader.Open(missing), 1);
    ASSERT_EQ(reader.Open(tone), 0);
    EXPECT_EQ(reader.GetSize(), 16u);
    ASSERT_EQ(reader.Open(both), 0);
    EXPECT_EQ(ReadAll(reader, 100), "WAVE-type");
    EXPECT_EQ(reader.Open(junk), 1);
}

// A buffer larger than the wave: the rest is silence, or the wave again when repeating (an
// empty wave repeats as silence).
TEST_F(DirectSoundTest, ShortWaveIsPaddedWithSilenceOrRepeated) {
    for (const std::string samples : {"\x10\x20\x30\x40\x50\x60", "\x10\x20\x30\x40", ""}) {
        const WORD bits = samples.size() == 4 ? 16 : 8;
        const char silence = bits == 8 ? char(128) : '\0';
        auto* wave = new CWaveReader;
        ASSERT_EQ(OpenFile(*wave, riff::Wave(riff::PcmFormat(1, 8000, bits), samples)), 0);
        LPDIRECTSOUNDBUFFER buffer = Create(20, *wave->GetFormat());
        buffer->AddRef(); // the sound releases its reference; the test keeps one
        CSound sound(&buffer, 20, 1, wave, 0);
        EXPECT_EQ(Contents(buffer), samples + std::string(20 - samples.size(), silence));
        ASSERT_EQ(sound.FillBuffer(buffer, true), 0);
        std::string repeated(20, silence);
        for (size_t i = 0; !samples.empty() && i < 20; ++i) {
            repeated[i] = samples[i % samples.size()];
        }
        EXPECT_EQ(Contents(buffer), repeated) << bits;
    }
}

// The buffer holds the bytes the file has, not what its data chunk claims. DirectSound goes on
// from where a buffer stands; the player restarts a playing cue and rewinds a stopped one, and a
// cue that has ended is no longer playing. Nothing is done with no sound; a file that cannot be
// played leaves the sound alone.
TEST(SoundPlayer, PlaysCuesFromTheStart) {
    CSoundPlayer player(nullptr);
    ASSERT_TRUE(player.IsReady());
    std::string pcm = riff::PcmFormat(1, 44100, 16), data(44100, '\1');
    CSound* sound = nullptr;
    std::string path = sound_test::WriteTestFile(
        "cue.wav", Riff("WAVE", pcm + "data" + riff::Dword(1000000) + data));
    ASSERT_EQ(player.CreateSound(&sound, path.data()), 0);
    LPDIRECTSOUNDBUFFER buffer = sound->GetFreeBuffer();
    auto position = [&] { return sound_test::PlayPosition(buffer); };
    EXPECT_EQ(Contents(buffer), data);
    ASSERT_EQ(buffer->SetCurrentPosition(10001), DS_OK);
    EXPECT_EQ(position(), 10000u) << "rounded down to whole samples";
    EXPECT_EQ(buffer->SetCurrentPosition(44100), DSERR_INVALIDPARAM);
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    EXPECT_GE(position(), 10000u);
    ASSERT_TRUE(sound_test::WaitFor([&] { return position() > 20000; }));
    DWORD before = position();
    ASSERT_EQ(buffer->Play(0, 0, 0), DS_OK);
    ASSERT_EQ(buffer->Stop(), DS_OK);
    EXPECT_GE(position(), before);
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_GE(position(), before) << "a stopped cue goes on";
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_LT(position(), before);
    EXPECT_TRUE(sound_test::WaitFor([&] { return !player.IsPlaying(sound); }));
    EXPECT_EQ(position(), 0u);
    ASSERT_EQ(player.Play(sound), 0);
    EXPECT_TRUE(player.IsPlaying(sound));
    EXPECT_EQ(player.Stop(sound), 0);
    EXPECT_FALSE(player.IsPlaying(sound));
    EXPECT_EQ(position(), 0u);
    delete std::exchange(sound, reinterpret_cast<CSound*>(0x30)); // never to be followed
    EXPECT_EQ(player.Play(nullptr), 0);
    EXPECT_FALSE(player.IsPlaying(nullptr));
    std::string adpcm = Chunk("fmt ", riff::FormatBody(2, 1, 8000, 8) + riff::Word(0));
    for (const std::string& bytes : {riff::Wave(pcm, ""), riff::Wave(adpcm, "abcd"),
                                     riff::Wave(pcm, "ab"), std::string("missing")}) {
        path = bytes == "missing" ? "no_such_cue.wav" : sound_test::WriteTestFile("x.wav", bytes);
        EXPECT_EQ(player.CreateSound(&sound, path.data()), 1) << bytes;
        EXPECT_EQ(sound, reinterpret_cast<CSound*>(0x30));
    }
}

} // namespace
