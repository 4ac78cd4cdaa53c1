// The state behind an HMMIO: the I/O buffer as the caller sees it through MMIOINFO, and where
// its bytes come from (a disk file read in windows of the buffer's size, or a memory block
// that is itself the buffer).
#pragma once

#include <cstdio>
#include <vector>

#include <mmsystem.h>

namespace mmio {

struct File {
    MMIOINFO info{};
    FILE* disk = nullptr;     // null for a memory file
    std::vector<char> buffer; // the window of a disk file
    bool IsMemory() const { return disk == nullptr; }
    LONG Position() const { return info.lBufOffset + LONG(info.pchNext - info.pchBuffer); }
    // The size of the whole file, or -1 when it cannot be told.
    long long Size() const;
    // Moves to an absolute position; false when the position is not allowed.
    bool MoveTo(long long position);
    // Loads the window that starts at the current position; false on a read error.
    bool Refill();
};

inline File* FromHandle(HMMIO handle) {
    return reinterpret_cast<File*>(handle);
}

// What a call taking a handle and a structure answers before anything else: an unknown handle
// first, then a missing structure; MMSYSERR_NOERROR when both are there.
inline MMRESULT CheckHandleAndArgument(HMMIO handle, const void* argument) {
    if (FromHandle(handle) == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    return argument == nullptr ? MMSYSERR_INVALPARAM : MMSYSERR_NOERROR;
}

} // namespace mmio
