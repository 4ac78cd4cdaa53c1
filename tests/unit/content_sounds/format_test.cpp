// Every sound is a plain 16-bit mono PCM WAV file at the expected path and rate, and the
// generator writes the same bytes every time.
#include "generated_sounds.h"

#include "sounds/sounds.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::vector<std::string> AllNames() {
    std::vector<std::string> names = kCueNames;
    names.push_back(kMusicName);
    return names;
}

TEST(SoundFiles, OneFilePerSoundUnderItsName) {
    std::set<std::string> paths;
    for (const ContentFile& file : GeneratedSounds()) {
        EXPECT_TRUE(paths.insert(file.path).second) << file.path << " twice";
    }
    std::set<std::string> expected;
    for (const std::string& name : AllNames()) {
        expected.insert("sounds/" + name + ".wav");
    }
    EXPECT_EQ(paths, expected);
}

TEST(SoundFiles, AreSixteenBitMonoPcm) {
    for (const std::string& name : AllNames()) {
        SCOPED_TRACE(name);
        const DecodedWav& wav = Sound(name);
        ASSERT_EQ(wav.problem, "");
        EXPECT_EQ(wav.formatSize, 16u);
        EXPECT_EQ(wav.formatTag, 1);
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.bitsPerSample, 16);
        EXPECT_EQ(wav.blockAlign, 2);
        EXPECT_EQ(wav.byteRate, wav.sampleRate * 2);
        EXPECT_FALSE(wav.samples.empty());
    }
}

TEST(SoundFiles, CuesAreAtCdRateAndMusicAtCdOrHalfRate) {
    for (const std::string& name : kCueNames) {
        EXPECT_EQ(Sound(name).sampleRate, 44100u) << name;
    }
    EXPECT_TRUE(Sound(kMusicName).sampleRate == 44100u || Sound(kMusicName).sampleRate == 22050u)
        << Sound(kMusicName).sampleRate;
}

// The decoder above must itself catch broken files, or the checks on it prove nothing.
TEST(SoundFiles, DecoderRefusesCutAndPaddedFiles) {
    const std::string& bytes = GeneratedSounds().front().bytes;
    // Cut short, with the RIFF size made to agree: the data chunk claims more than is there.
    std::string cut = bytes.substr(0, bytes.size() - 2);
    const std::size_t riffSize = cut.size() - 8;
    for (int i = 0; i < 4; ++i) {
        cut[4 + i] = static_cast<char>((riffSize >> (8 * i)) & 0xFF);
    }
    EXPECT_NE(DecodeWav(cut).problem, "");
    EXPECT_NE(DecodeWav(bytes + std::string(4, '\0')).problem, "");
    std::string noData = bytes;
    noData.replace(36, 4, "junk");
    EXPECT_NE(DecodeWav(noData).problem, "");
}

TEST(SoundFiles, MusicFitsTheContentBudget) {
    for (const ContentFile& file : GeneratedSounds()) {
        if (file.path == "sounds/" + kMusicName + ".wav") {
            EXPECT_LE(file.bytes.size(), 1'800'000u);
        }
    }
}

TEST(SoundFiles, SameBytesOnEveryRun) {
    const std::vector<ContentFile> again = MakeSounds();
    ASSERT_EQ(again.size(), GeneratedSounds().size());
    for (std::size_t i = 0; i < again.size(); ++i) {
        EXPECT_EQ(again[i].path, GeneratedSounds()[i].path);
        EXPECT_TRUE(again[i].bytes == GeneratedSounds()[i].bytes) << again[i].path;
    }
}

} // namespace
