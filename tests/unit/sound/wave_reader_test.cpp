#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <dsound.h>

#include "sound/wave_reader.h"
#include "sound_test_util.h"

namespace {

using riff::Chunk;
using riff::Riff;
using riff::Word;

// Reads all sample data in pieces of that size.
std::string ReadAll(CWaveReader& reader, DWORD piece) {
    std::string all;
    std::vector<BYTE> buffer(piece);
    for (;;) {
        DWORD read = 0;
        EXPECT_EQ(reader.Read(buffer.data(), piece, &read), 0);
        if (read == 0) {
            return all;
        }
        all.append(reinterpret_cast<char*>(buffer.data()), read);
    }
}

HRESULT OpenFile(CWaveReader& reader, const std::string& bytes) {
    std::string path = sound_test::WriteTestFile("reader.wav", bytes);
    return reader.Open(path.data());
}

TEST(WaveReader, ReadsFormatAndDataFromFileAndMemory) {
    std::string data;
    for (int i = 0; i < 20000; ++i) {
        data += char(i * 7);
    }
    // Chunks before and between, and a data chunk larger than the I/O buffer.
    std::string bytes = Riff("WAVE", Chunk("junk", "x") + riff::PcmFormat(2, 22050, 16) +
                                         Chunk("LIST", "INFO") + Chunk("data", data));
    CWaveReader fromFile;
    ASSERT_EQ(OpenFile(fromFile, bytes), 0);
    CWaveReader fromMemory;
    ASSERT_EQ(fromMemory.OpenMemory(bytes.data(), DWORD(bytes.size())), 0);
    for (CWaveReader* reader : {&fromFile, &fromMemory}) {
        ASSERT_NE(reader->GetFormat(), nullptr);
        EXPECT_EQ(reader->GetFormat()->nChannels, 2);
        EXPECT_EQ(reader->GetFormat()->nSamplesPerSec, 22050u);
        EXPECT_EQ(reader->GetSize(), 20000u);
        EXPECT_EQ(ReadAll(*reader, 3001), data);
        ASSERT_EQ(reader->Rewind(), 0);
        EXPECT_EQ(ReadAll(*reader, 20000), data) << "rewind starts the data again";
    }
}

TEST(WaveReader, DataChunkLongerThanTheFileIsCutAtTheFile) {
    std::string bytes = Riff("WAVE", riff::PcmFormat(1, 8000, 8) + "data" +
                                         riff::Dword(0xFFFFFF00u) + std::string(100, 'a'));
    CWaveReader fromFile;
    ASSERT_EQ(OpenFile(fromFile, bytes), 0);
    CWaveReader fromMemory;
    ASSERT_EQ(fromMemory.OpenMemory(bytes.data(), DWORD(bytes.size())), 0);
    for (CWaveReader* reader : {&fromFile, &fromMemory}) {
        EXPECT_EQ(reader->GetSize(), 100u);
        EXPECT_EQ(ReadAll(*reader, 64), std::string(100, 'a'));
    }
}

TEST(WaveReader, NonPcmFormatKeepsItsExtraBytes) {
    std::string extra = "\x01\x02\x03\x04";
    std::string format = riff::FormatBody(2, 1, 8000, 4) + Word(4) + extra;
    CWaveReader reader;
    ASSERT_EQ(OpenFile(reader, Riff("WAVE", Chunk("fmt ", format) + Chunk("data", "zz"))), 0);
    ASSERT_NE(reader.GetFormat(), nullptr);
    EXPECT_EQ(reader.GetFormat()->wFormatTag, 2);
    ASSERT_EQ(reader.GetFormat()->cbSize, 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(reader.GetFormat() + 1), 4), extra);
    // A PCM format with extra-size bytes in its chunk keeps none.
    CWaveReader pcm;
    std::string pcmFormat = riff::FormatBody(1, 1, 8000, 8) + Word(6) + "abcdef";
    ASSERT_EQ(OpenFile(pcm, Riff("WAVE", Chunk("fmt ", pcmFormat) + Chunk("data", "zz"))), 0);
    EXPECT_EQ(pcm.GetFormat()->cbSize, 0);
}

TEST(WaveReader, BrokenHeadersAreRefused) {
    std::string pcm = riff::PcmFormat(1, 8000, 8);
    std::string data = Chunk("data", "abcd");
    std::string adpcm = riff::FormatBody(2, 1, 8000, 4);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty file", ""},
        {"not WAVE", Riff("AVI ", pcm + data)},
        {"no fmt", Riff("WAVE", data)},
        {"no data", Riff("WAVE", pcm)},
        {"fmt under 16 bytes", Riff("WAVE", Chunk("fmt ", std::string(14, '\1')) + data)},
        {"fmt cut short by the file", Riff("WAVE", "fmt " + riff::Dword(16) + "abc")},
        {"extra size beyond its chunk",
         Riff("WAVE", Chunk("fmt ", adpcm + Word(40) + "ab") + data)},
        {"extra size beyond the file",
         Riff("WAVE", "fmt " + riff::Dword(18 + 65535) + adpcm + Word(65535) + "ab")},
        {"no extra size", Riff("WAVE", Chunk("fmt ", adpcm) + data)},
    };
    for (const Case& test : cases) {
        CWaveReader fromFile;
        EXPECT_EQ(OpenFile(fromFile, test.bytes), 1) << test.what;
        EXPECT_EQ(fromFile.GetSize(), 0u) << test.what;
        CWaveReader fromMemory;
        EXPECT_EQ(fromMemory.OpenMemory(test.bytes.data(), DWORD(test.bytes.size())), 1)
            << test.what;
    }
}

TEST(WaveReader, CallsOutOfOrderMissingArgumentsAndFolders) {
    CWaveReader reader;
    BYTE byte = 0;
    DWORD read = 7;
    EXPECT_EQ(reader.Open(nullptr), E_INVALIDARG);
    EXPECT_EQ(reader.Read(&byte, 1, &read), CO_E_NOTINITIALIZED);
    char missing[] = "no_such_folder\\no_such_sound.wav";
    EXPECT_EQ(reader.Open(missing), 1);
    // File names use backslashes.
    std::filesystem::create_directories(sound_test::TestFolder() / "wave_folder");
    riff::WriteFile((sound_test::TestFolder() / "wave_folder" / "in.wav").string(),
                    riff::Wave(riff::PcmFormat(1, 8000, 8), "ab"));
    std::string inFolder = sound_test::TestPath("wave_folder\\in.wav");
    ASSERT_EQ(reader.Open(inFolder.data()), 0);
    EXPECT_EQ(reader.GetSize(), 2u);

    ASSERT_EQ(OpenFile(reader, riff::Wave(riff::PcmFormat(1, 8000, 8), "abc")), 0);
    EXPECT_EQ(reader.Read(nullptr, 1, &read), E_INVALIDARG);
    // An empty data chunk opens, with nothing to read.
    ASSERT_EQ(OpenFile(reader, riff::Wave(riff::PcmFormat(1, 8000, 8), "")), 0);
    EXPECT_EQ(reader.GetSize(), 0u);
    EXPECT_EQ(reader.Read(&byte, 1, &read), 0);
    EXPECT_EQ(read, 0u);
}

TEST(WaveReader, ResourcesStandInForMissingFiles) {
    CWaveReader reader;
    char tone[] = "resource_tone";
    ASSERT_EQ(reader.Open(tone), 0) << "a resource of type WAV";
    EXPECT_EQ(reader.GetSize(), 16u);
    EXPECT_EQ(reader.GetFormat()->wBitsPerSample, 8);
    // Type "WAVE" is looked for before "WAV".
    char both[] = "resource_both";
    ASSERT_EQ(reader.Open(both), 0);
    EXPECT_EQ(ReadAll(reader, 100), "WAVE-type");
    char junk[] = "resource_junk";
    EXPECT_EQ(reader.Open(junk), 1);
    EXPECT_EQ(reader.GetSize(), 0u);
}

} // namespace
