// libFuzzer target for WAV reading: the input is a whole WAV file, opened as a memory file by
// the game's wave reader and read to the end of its sample data, twice; then its chunks are
// walked with the multimedia file functions. The reader must never offer more sample bytes
// than the input holds, and the data read must be the same on both passes.
#include <mmsystem.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sound/wave_reader.h"

namespace {

// Every sample byte, read in pieces of an awkward size.
std::vector<BYTE> ReadAll(CWaveReader& reader) {
    std::vector<BYTE> all;
    BYTE piece[777];
    for (;;) {
        DWORD read = 0;
        if (reader.Read(piece, sizeof(piece), &read) != 0) {
            std::abort();
        }
        if (read == 0) {
            return all;
        }
        all.insert(all.end(), piece, piece + read);
    }
}

void CheckReader(const uint8_t* data, size_t size) {
    CWaveReader reader;
    if (reader.OpenMemory(data, DWORD(size)) != 0) {
        if (reader.GetSize() != 0) {
            std::abort();
        }
        return;
    }
    const WAVEFORMATEX* format = reader.GetFormat();
    if (format == nullptr || reader.GetSize() > size || format->cbSize > size) {
        std::abort();
    }
    std::vector<BYTE> first = ReadAll(reader);
    if (first.size() != reader.GetSize() || reader.Rewind() != 0 || ReadAll(reader) != first) {
        std::abort();
    }
}

// Descends into every chunk, into the chunks of RIFF and LIST chunks a few levels deep.
void WalkChunks(HMMIO file, const MMCKINFO* parent, int depth, size_t size) {
    MMCKINFO chunk{};
    for (int count = 0; count < 64 && mmioDescend(file, &chunk, parent, 0) == 0; ++count) {
        if (chunk.dwDataOffset > size) {
            std::abort();
        }
        char bytes[64];
        LONG read = mmioRead(file, bytes, sizeof(bytes));
        if (read < 0 || size_t(mmioSeek(file, 0, SEEK_CUR)) > size) {
            std::abort();
        }
        if (depth < 3 && (chunk.ckid == FOURCC_RIFF || chunk.ckid == FOURCC_LIST) &&
            mmioSeek(file, LONG(chunk.dwDataOffset + 4), SEEK_SET) != -1) {
            WalkChunks(file, &chunk, depth + 1, size);
        }
        if (mmioAscend(file, &chunk, 0) != 0) {
            return;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 1 << 20) {
        return 0;
    }
    CheckReader(data, size);
    std::vector<char> copy(data, data + size);
    MMIOINFO info{};
    info.fccIOProc = FOURCC_MEM;
    info.pchBuffer = copy.data();
    info.cchBuffer = LONG(size);
    HMMIO file = mmioOpenA(nullptr, &info, MMIO_READ | MMIO_ALLOCBUF);
    if (file == nullptr) {
        std::abort();
    }
    WalkChunks(file, nullptr, 0, size);
    mmioClose(file, 0);
    return 0;
}
