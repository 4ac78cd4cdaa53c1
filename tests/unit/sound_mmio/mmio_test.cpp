#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <mmsystem.h>

#include "../sound_support/riff_builder.h"
#include "../sound_support/test_folder.h"

namespace {

using riff::Chunk;

const FOURCC kData = mmioFOURCC('d', 'a', 't', 'a');
const FOURCC kFmt = mmioFOURCC('f', 'm', 't', ' ');

using sound_test::TestPath;

// One file's bytes, opened either from disk or as a memory file over a copy.
class MmioSource {
public:
    MmioSource(const std::string& bytes, bool fromMemory, LONG bufferSize = 0)
        : m_bytes(bytes.begin(), bytes.end()) {
        MMIOINFO info{};
        if (fromMemory) {
            info.fccIOProc = FOURCC_MEM;
            info.pchBuffer = m_bytes.data();
            info.cchBuffer = LONG(m_bytes.size());
            handle = mmioOpenA(nullptr, &info, MMIO_READ | MMIO_ALLOCBUF);
        } else {
            std::string path = TestPath("mmio_source.bin");
            riff::WriteFile(path, bytes);
            info.cchBuffer = bufferSize;
            handle = mmioOpenA(path.data(), &info, MMIO_READ | MMIO_ALLOCBUF);
        }
    }
    ~MmioSource() {
        if (handle != nullptr) {
            mmioClose(handle, 0);
        }
    }
    HMMIO handle = nullptr;

private:
    std::vector<char> m_bytes;
};

// A WAV with an odd-sized chunk (padded), a LIST chunk, then the data, then a chunk that lies
// after the end the RIFF chunk claims.
std::string SampleFile() {
    std::string body = riff::PcmFormat(1, 8000, 8) + Chunk("junk", "abc") +
                       Chunk("LIST", "INFOxyzw") + Chunk("data", "0123456789");
    return riff::Riff("WAVE", body) + Chunk("late", "zz");
}

class MmioChunks : public testing::TestWithParam<bool> {};

TEST_P(MmioChunks, DescendFindAndAscendWalkTheFile) {
    MmioSource file(SampleFile(), GetParam());
    ASSERT_NE(file.handle, nullptr);

    MMCKINFO riffChunk{};
    ASSERT_EQ(mmioDescend(file.handle, &riffChunk, nullptr, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(std::make_tuple(riffChunk.ckid, riffChunk.fccType, riffChunk.dwDataOffset),
              std::make_tuple(FOURCC_RIFF, mmioFOURCC('W', 'A', 'V', 'E'), DWORD{8}));
    EXPECT_EQ(mmioSeek(file.handle, 0, SEEK_CUR), 12) << "after the form type";

    // Past "fmt " and the padded 3-byte chunk.
    MMCKINFO list{};
    list.fccType = mmioFOURCC('I', 'N', 'F', 'O');
    ASSERT_EQ(mmioDescend(file.handle, &list, &riffChunk, MMIO_FINDLIST), MMSYSERR_NOERROR);
    EXPECT_EQ(std::make_pair(list.cksize, list.dwDataOffset),
              std::make_pair(8u, 12u + 24 + 12 + 8));

    MMCKINFO data{};
    data.ckid = kData;
    ASSERT_EQ(mmioAscend(file.handle, &list, 0), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioDescend(file.handle, &data, &riffChunk, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(data.cksize, 10u);
    char bytes[10] = {};
    EXPECT_EQ(mmioRead(file.handle, bytes, 10), 10);
    EXPECT_EQ(std::string(bytes, 10), "0123456789");

    // The chunk after the RIFF chunk's end is outside the parent.
    MMCKINFO late{};
    late.ckid = mmioFOURCC('l', 'a', 't', 'e');
    mmioSeek(file.handle, 12, SEEK_SET);
    EXPECT_EQ(mmioDescend(file.handle, &late, &riffChunk, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);
    // Without a parent it is found.
    mmioSeek(file.handle, 0, SEEK_SET);
    EXPECT_EQ(mmioDescend(file.handle, &late, nullptr, MMIO_FINDCHUNK), MMSYSERR_NOERROR);

    // Ascending from "fmt " lands on the next chunk.
    MMCKINFO format{};
    format.ckid = kFmt;
    mmioSeek(file.handle, 12, SEEK_SET);
    ASSERT_EQ(mmioDescend(file.handle, &format, &riffChunk, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    ASSERT_EQ(mmioAscend(file.handle, &format, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioSeek(file.handle, 0, SEEK_CUR), 12 + 24);

    MMCKINFO avi{};
    avi.fccType = mmioFOURCC('A', 'V', 'I', ' ');
    mmioSeek(file.handle, 0, SEEK_SET);
    EXPECT_EQ(mmioDescend(file.handle, &avi, nullptr, MMIO_FINDRIFF), MMIOERR_CHUNKNOTFOUND);
}

TEST_P(MmioChunks, SizesBeyondTheFileNeverReadPastIt) {
    // A chunk claiming almost 4 GiB, and a header cut short.
    std::string bytes = riff::Riff("WAVE", Chunk("fmt ", "", 0xFFFFFFF0u) + "da", 0xFFFFFFF0u);
    MmioSource file(bytes, GetParam());
    ASSERT_NE(file.handle, nullptr);
    MMCKINFO riffChunk{};
    ASSERT_EQ(mmioDescend(file.handle, &riffChunk, nullptr, 0), MMSYSERR_NOERROR);
    MMCKINFO data{};
    data.ckid = kData;
    EXPECT_EQ(mmioDescend(file.handle, &data, &riffChunk, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);

    mmioSeek(file.handle, 12, SEEK_SET);
    MMCKINFO format{};
    format.ckid = kFmt;
    ASSERT_EQ(mmioDescend(file.handle, &format, &riffChunk, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    std::vector<char> buffer(64, 'x');
    EXPECT_EQ(mmioRead(file.handle, buffer.data(), 64), 2) << "only the bytes that exist";
    EXPECT_EQ(mmioRead(file.handle, buffer.data(), 64), 0);

    // A header of less than 8 bytes is no chunk.
    MmioSource tiny("RIFF\x04", GetParam());
    MMCKINFO any{};
    EXPECT_EQ(mmioDescend(tiny.handle, &any, nullptr, 0), MMIOERR_CHUNKNOTFOUND);
    MmioSource empty("", GetParam());
    ASSERT_NE(empty.handle, nullptr);
    EXPECT_EQ(mmioDescend(empty.handle, &any, nullptr, 0), MMIOERR_CHUNKNOTFOUND);
    EXPECT_EQ(mmioRead(empty.handle, buffer.data(), 4), 0);
}

TEST_P(MmioChunks, SeekAndReadResults) {
    MmioSource file("abcdefghij", GetParam());
    ASSERT_NE(file.handle, nullptr);
    EXPECT_EQ(mmioSeek(file.handle, 0, SEEK_END), 10);
    EXPECT_EQ(mmioSeek(file.handle, -4, SEEK_CUR), 6);
    char bytes[8] = {};
    EXPECT_EQ(mmioRead(file.handle, bytes, 8), 4);
    EXPECT_EQ(std::string(bytes, 4), "ghij");
    EXPECT_EQ(mmioSeek(file.handle, 5, SEEK_SET), 5);
    EXPECT_EQ(mmioSeek(file.handle, -1, SEEK_SET), -1);
    EXPECT_EQ(mmioRead(file.handle, bytes, -1), -1);
    EXPECT_EQ(mmioSeek(file.handle, 0, SEEK_CUR), 5) << "failed calls leave the position";
}

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, MmioChunks, testing::Bool(),
                         [](const auto& info) { return info.param ? "Memory" : "Disk"; });

TEST(MmioBuffer, DirectAccessAdvancesThroughASmallBuffer) {
    std::string bytes;
    for (int i = 0; i < 100; ++i) {
        bytes += char('A' + i % 26);
    }
    MmioSource file(bytes, false, 16);
    ASSERT_NE(file.handle, nullptr);
    MMIOINFO info{};
    ASSERT_EQ(mmioGetInfo(file.handle, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(info.cchBuffer, 16);
    std::string read;
    int advances = 0;
    for (;;) {
        if (info.pchNext == info.pchEndRead) {
            ASSERT_EQ(mmioAdvance(file.handle, &info, MMIO_READ), MMSYSERR_NOERROR);
            if (info.pchNext == info.pchEndRead) {
                break; // the end of the file: success with an empty buffer
            }
            ASSERT_LE(info.pchEndRead - info.pchBuffer, 16);
            ++advances;
        }
        read += *info.pchNext++;
    }
    EXPECT_EQ(read, bytes);
    EXPECT_EQ(advances, 7);
    ASSERT_EQ(mmioSetInfo(file.handle, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioSeek(file.handle, 0, SEEK_CUR), 100);

    // mmioRead across several windows, then the buffered state matches.
    mmioSeek(file.handle, 5, SEEK_SET);
    char chunk[40] = {};
    EXPECT_EQ(mmioRead(file.handle, chunk, 40), 40);
    EXPECT_EQ(std::string(chunk, 40), bytes.substr(5, 40));
    ASSERT_EQ(mmioGetInfo(file.handle, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(info.lBufOffset + (info.pchNext - info.pchBuffer), 45);

    // A read pointer handed back from outside the buffer is ignored.
    MMIOINFO bad = info;
    bad.pchNext = info.pchBuffer + 1000;
    EXPECT_EQ(mmioSetInfo(file.handle, &bad, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioSeek(file.handle, 0, SEEK_CUR), 45);
}

TEST(MmioBuffer, MemoryFileIsItsOwnBuffer) {
    MmioSource file("0123456789", true);
    ASSERT_NE(file.handle, nullptr);
    MMIOINFO info{};
    ASSERT_EQ(mmioGetInfo(file.handle, &info, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(info.pchEndRead - info.pchNext, 10);
    EXPECT_EQ(std::string(info.pchNext, 10), "0123456789");
    info.pchNext = info.pchEndRead;
    ASSERT_EQ(mmioAdvance(file.handle, &info, MMIO_READ), MMSYSERR_NOERROR);
    EXPECT_EQ(info.pchNext, info.pchEndRead) << "nothing more to read";
    // A memory file cannot be positioned past its end, so its buffer pointers stay valid.
    EXPECT_EQ(mmioSeek(file.handle, 11, SEEK_SET), -1);
    MMCKINFO huge{};
    huge.cksize = 0x7FFFFFF0u;
    EXPECT_EQ(mmioAscend(file.handle, &huge, 0), MMIOERR_CANNOTSEEK);
}

// Failures say why; only reading is offered; backslash paths name files in folders.
TEST(MmioOpen, FailuresSayWhyAndBackslashPathsNameFilesInFolders) {
    MMIOINFO info{};
    char missing[] = "no_such_dir\\no_such.wav";
    EXPECT_EQ(mmioOpenA(missing, &info, MMIO_READ), nullptr);
    EXPECT_EQ(info.wErrorRet, UINT(MMIOERR_FILENOTFOUND));
    info = {};
    info.fccIOProc = FOURCC_MEM;
    info.cchBuffer = 10;
    EXPECT_EQ(mmioOpenA(nullptr, &info, MMIO_READ), nullptr) << "memory file without memory";
    EXPECT_EQ(info.wErrorRet, UINT(MMSYSERR_INVALPARAM));
    EXPECT_EQ(mmioClose(nullptr, 0), UINT(MMSYSERR_INVALHANDLE));

    std::filesystem::create_directories(sound_test::TestFolder() / "mmio_folder");
    riff::WriteFile((sound_test::TestFolder() / "mmio_folder" / "inner.bin").string(), "inside");
    std::string path = TestPath("mmio_folder\\inner.bin");
    EXPECT_EQ(mmioOpenA(path.data(), nullptr, MMIO_WRITE), nullptr);
    HMMIO file = mmioOpenA(path.data(), nullptr, MMIO_READ | MMIO_ALLOCBUF);
    ASSERT_NE(file, nullptr);
    char bytes[6] = {};
    EXPECT_EQ(mmioRead(file, bytes, 6), 6);
    EXPECT_EQ(std::string(bytes, 6), "inside");
    EXPECT_EQ(mmioClose(file, 0), UINT(MMSYSERR_NOERROR));
}

} // namespace
