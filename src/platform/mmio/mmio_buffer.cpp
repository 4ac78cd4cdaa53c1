// Reading and seeking through the I/O buffer, and the caller's direct access to it.
#include <algorithm>
#include <climits>
#include <cstring>

#include "mmio_file.h"

namespace mmio {

long long File::Size() const {
    if (IsMemory()) {
        return info.cchBuffer;
    }
    if (std::fseek(disk, 0, SEEK_END) != 0) {
        return -1;
    }
    return std::ftell(disk);
}

bool File::MoveTo(long long position) {
    if (position < 0 || position > LONG_MAX) {
        return false;
    }
    long long bufferEnd = info.lBufOffset + (info.pchEndRead - info.pchBuffer);
    if (position >= info.lBufOffset && position <= bufferEnd) {
        info.pchNext = info.pchBuffer + (position - info.lBufOffset);
        return true;
    }
    if (IsMemory()) {
        return false;
    }
    // A disk file may be positioned anywhere, even past its end; the window is loaded lazily.
    info.lBufOffset = LONG(position);
    info.pchNext = info.pchEndRead = info.pchBuffer;
    return true;
}

bool File::Refill() {
    if (IsMemory()) {
        return true;
    }
    LONG position = Position();
    if (std::fseek(disk, position, SEEK_SET) != 0) {
        return false;
    }
    size_t got = std::fread(info.pchBuffer, 1, size_t(info.cchBuffer), disk);
    if (got == 0 && std::ferror(disk)) {
        std::clearerr(disk);
        return false;
    }
    info.lBufOffset = position;
    info.pchNext = info.pchBuffer;
    info.pchEndRead = info.pchBuffer + got;
    info.lDiskOffset = LONG(position + got);
    return true;
}

} // namespace mmio

LONG WINAPI mmioRead(HMMIO handle, HPSTR destination, LONG count) {
    mmio::File* file = mmio::FromHandle(handle);
    if (file == nullptr || count < 0 || (destination == nullptr && count > 0)) {
        return -1;
    }
    LONG copied = 0;
    while (copied < count) {
        if (file->info.pchNext == file->info.pchEndRead) {
            if (file->IsMemory()) {
                break;
            }
            if (!file->Refill()) {
                return -1;
            }
            if (file->info.pchNext == file->info.pchEndRead) {
                break;
            }
        }
        LONG part =
            LONG(std::min<long long>(count - copied, file->info.pchEndRead - file->info.pchNext));
        std::memcpy(destination + copied, file->info.pchNext, size_t(part));
        file->info.pchNext += part;
        copied += part;
    }
    return copied;
}

LONG WINAPI mmioSeek(HMMIO handle, LONG offset, int origin) {
    mmio::File* file = mmio::FromHandle(handle);
    if (file == nullptr) {
        return -1;
    }
    long long base = 0;
    if (origin == SEEK_CUR) {
        base = file->Position();
    } else if (origin == SEEK_END) {
        base = file->Size();
        if (base < 0) {
            return -1;
        }
    } else if (origin != SEEK_SET) {
        return -1;
    }
    if (!file->MoveTo(base + offset)) {
        return -1;
    }
    return file->Position();
}

MMRESULT WINAPI mmioGetInfo(HMMIO handle, LPMMIOINFO info, UINT) {
    if (const MMRESULT refused = mmio::CheckHandleAndArgument(handle, info);
        refused != MMSYSERR_NOERROR) {
        return refused;
    }
    mmio::File* file = mmio::FromHandle(handle);
    *info = file->info;
    return MMSYSERR_NOERROR;
}

namespace {

// Takes the caller's read pointer back, kept inside the bytes the buffer holds.
void TakeReadPointer(mmio::File* file, LPCMMIOINFO info) {
    HPSTR next = info->pchNext;
    if (next < file->info.pchBuffer || next > file->info.pchEndRead) {
        return;
    }
    file->info.pchNext = next;
}

} // namespace

MMRESULT WINAPI mmioSetInfo(HMMIO handle, LPCMMIOINFO info, UINT) {
    if (const MMRESULT refused = mmio::CheckHandleAndArgument(handle, info);
        refused != MMSYSERR_NOERROR) {
        return refused;
    }
    mmio::File* file = mmio::FromHandle(handle);
    TakeReadPointer(file, info);
    return MMSYSERR_NOERROR;
}

MMRESULT WINAPI mmioAdvance(HMMIO handle, LPMMIOINFO info, UINT flags) {
    mmio::File* file = mmio::FromHandle(handle);
    if (file == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    if (flags != MMIO_READ) {
        return MMIOERR_CANNOTWRITE;
    }
    if (info != nullptr) {
        TakeReadPointer(file, info);
    }
    if (!file->Refill()) {
        return MMIOERR_CANNOTREAD;
    }
    if (info != nullptr) {
        *info = file->info;
    }
    return MMSYSERR_NOERROR;
}
