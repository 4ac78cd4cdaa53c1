#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <mmsystem.h>

#include "../sound_support/riff_builder.h"

namespace {

// One file's bytes, opened from disk with a 16-byte buffer or as a memory file over a copy.
struct MmioFile {
    MmioFile(const std::string& bytes, bool fromMemory) : copy(bytes.begin(), bytes.end()) {
        std::string path = sound_test::WriteTestFile("folder/mmio.bin", bytes);
        path[path.rfind('/')] = '\\'; // as the game names files
        MMIOINFO info{};
        info.fccIOProc = fromMemory ? FOURCC_MEM : 0;
        info.cchBuffer = fromMemory ? LONG(copy.size()) : 16;
        info.pchBuffer = fromMemory ? copy.data() : nullptr;
        handle = mmioOpenA(fromMemory ? nullptr : path.data(), &info, MMIO_READ | MMIO_ALLOCBUF);
    }
    ~MmioFile() { mmioClose(handle, 0); }
    std::vector<char> copy;
    HMMIO handle;
};

class Mmio : public testing::TestWithParam<bool> {};

// Chunks claiming almost 4 GiB, cut headers, reads at the end and bad arguments never reach
// past the end of the file; failed calls leave the position where it was.
TEST_P(Mmio, NothingReachesPastTheEnd) {
    MmioFile file(riff::Riff("WAVE", riff::Chunk("fmt ", "", 0xFFFFFFF0u) + "da", 0xFFFFFFF0u),
                  GetParam());
    MMCKINFO riffChunk{}, chunk{};
    ASSERT_EQ(mmioDescend(file.handle, &riffChunk, nullptr, 0), MMSYSERR_NOERROR);
    chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    EXPECT_EQ(mmioDescend(file.handle, &chunk, &riffChunk, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);
    EXPECT_EQ(mmioSeek(file.handle, 20, SEEK_SET), 20);
    EXPECT_EQ(mmioDescend(file.handle, &chunk, nullptr, 0), MMIOERR_CHUNKNOTFOUND) << "cut header";
    EXPECT_EQ(mmioSeek(file.handle, -3, SEEK_END), 19);
    std::string read(64, '\0');
    EXPECT_EQ(mmioRead(file.handle, read.data(), 64), 3);
    EXPECT_EQ(read.substr(0, 3), riff::Dword(0xFFFFFFF0u).substr(3) + "da");
    EXPECT_EQ(mmioRead(file.handle, read.data(), 64), 0);
    EXPECT_EQ(mmioSeek(file.handle, 5, SEEK_SET), 5);
    EXPECT_EQ(mmioSeek(file.handle, -1, SEEK_SET), -1);
    EXPECT_EQ(mmioRead(file.handle, read.data(), -1), -1);
    MMIOINFO info{};
    ASSERT_EQ(mmioGetInfo(file.handle, &info, 0), MMSYSERR_NOERROR);
    info.pchNext = info.pchBuffer + 1000;
    EXPECT_EQ(mmioSetInfo(file.handle, &info, 0), MMSYSERR_NOERROR) << "the pointer is ignored";
    EXPECT_EQ(mmioSeek(file.handle, 0, SEEK_CUR), 5);
    EXPECT_EQ(mmioSeek(file.handle, 30, SEEK_SET), GetParam() ? -1 : 30) << "past the end on disk";
    MMCKINFO huge{0, 0x7FFFFFF0u, 0, 0, 0};
    EXPECT_EQ(mmioAscend(file.handle, &huge, 0), GetParam() ? MMIOERR_CANNOTSEEK : 0u);
    MmioFile empty("", GetParam());
    EXPECT_EQ(mmioDescend(empty.handle, &chunk, nullptr, 0), MMIOERR_CHUNKNOTFOUND);
    // Opening fails, saying why; only reading is offered.
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = nullptr; // a memory file without memory
    EXPECT_EQ(mmioOpenA(nullptr, &info, MMIO_READ), nullptr);
    EXPECT_EQ(info.wErrorRet, UINT(MMSYSERR_INVALPARAM));
    char missing[] = "no_such_dir\\no_such.wav";
    info.fccIOProc = 0;
    EXPECT_EQ(mmioOpenA(missing, &info, MMIO_READ), nullptr);
    EXPECT_EQ(info.wErrorRet, UINT(MMIOERR_FILENOTFOUND));
    EXPECT_EQ(mmioOpenA(missing, nullptr, MMIO_WRITE), nullptr);
    EXPECT_EQ(mmioClose(nullptr, 0), UINT(MMSYSERR_INVALHANDLE));
}

INSTANTIATE_TEST_SUITE_P(DiskAndMemory, Mmio, testing::Bool(),
                         [](const auto& info) { return info.param ? "Memory" : "Disk"; });

} // namespace
