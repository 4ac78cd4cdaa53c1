// Walking the chunks of a RIFF file: each is a four-character id, a 32-bit little-endian size
// and that many data bytes, padded to an even length; "RIFF" and "LIST" chunks begin their
// data with a form type.
#include <cstdint>

#include "mmio_file.h"

namespace {

bool ReadDword(HMMIO handle, DWORD* value) {
    unsigned char bytes[4];
    if (mmioRead(handle, reinterpret_cast<HPSTR>(bytes), 4) != 4) {
        return false;
    }
    *value = DWORD(bytes[0]) | DWORD(bytes[1]) << 8 | DWORD(bytes[2]) << 16 | DWORD(bytes[3]) << 24;
    return true;
}

bool HasFormType(FOURCC id) {
    return id == FOURCC_RIFF || id == FOURCC_LIST;
}

// Whether the chunk just read is the one the search asks for.
bool Matches(const MMCKINFO& found, const MMCKINFO& wanted, UINT flags) {
    if ((flags & MMIO_FINDCHUNK) != 0) {
        return found.ckid == wanted.ckid;
    }
    if ((flags & MMIO_FINDRIFF) != 0) {
        return found.ckid == FOURCC_RIFF && found.fccType == wanted.fccType;
    }
    if ((flags & MMIO_FINDLIST) != 0) {
        return found.ckid == FOURCC_LIST && found.fccType == wanted.fccType;
    }
    return true;
}

} // namespace

MMRESULT WINAPI mmioDescend(HMMIO handle, LPMMCKINFO chunk, const MMCKINFO* parent, UINT flags) {
    if (const MMRESULT refused = mmio::CheckHandleAndArgument(handle, chunk);
        refused != MMSYSERR_NOERROR) {
        return refused;
    }
    mmio::File* file = mmio::FromHandle(handle);
    uint64_t end = parent != nullptr ? uint64_t(parent->dwDataOffset) + parent->cksize : UINT64_MAX;
    // Each pass moves at least 8 bytes on, and positions are bounded, so the walk ends.
    for (;;) {
        uint64_t start = uint64_t(file->Position());
        if (start + 8 > end) {
            return MMIOERR_CHUNKNOTFOUND;
        }
        MMCKINFO found{};
        if (!ReadDword(handle, &found.ckid) || !ReadDword(handle, &found.cksize)) {
            return MMIOERR_CHUNKNOTFOUND;
        }
        found.dwDataOffset = DWORD(start + 8);
        if (HasFormType(found.ckid) && !ReadDword(handle, &found.fccType)) {
            return MMIOERR_CHUNKNOTFOUND;
        }
        if (Matches(found, *chunk, flags)) {
            *chunk = found;
            long long dataStart = found.dwDataOffset + (HasFormType(found.ckid) ? 4 : 0);
            return file->MoveTo(dataStart) ? MMSYSERR_NOERROR : MMIOERR_CANNOTSEEK;
        }
        uint64_t next = start + 8 + found.cksize + (found.cksize & 1);
        if (next > end || !file->MoveTo(static_cast<long long>(next))) {
            return MMIOERR_CHUNKNOTFOUND;
        }
    }
}

MMRESULT WINAPI mmioAscend(HMMIO handle, LPMMCKINFO chunk, UINT) {
    if (const MMRESULT refused = mmio::CheckHandleAndArgument(handle, chunk);
        refused != MMSYSERR_NOERROR) {
        return refused;
    }
    mmio::File* file = mmio::FromHandle(handle);
    long long next = (long long)chunk->dwDataOffset + chunk->cksize + (chunk->cksize & 1);
    return file->MoveTo(next) ? MMSYSERR_NOERROR : MMIOERR_CANNOTSEEK;
}
