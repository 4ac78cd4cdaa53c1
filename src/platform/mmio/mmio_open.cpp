// Opening and closing multimedia files.
#include <climits>
#include <new>

#include "data_file.h"
#include "mmio_file.h"

namespace {

HMMIO Fail(LPMMIOINFO info, UINT error) {
    if (info != nullptr) {
        info->wErrorRet = error;
    }
    return nullptr;
}

// The caller's block is the whole file and the buffer at once (an empty file needs none).
HMMIO OpenMemory(LPMMIOINFO info) {
    if ((info->pchBuffer == nullptr && info->cchBuffer != 0) || info->cchBuffer < 0) {
        return Fail(info, MMSYSERR_INVALPARAM);
    }
    auto* file = new (std::nothrow) mmio::File;
    if (file == nullptr) {
        return Fail(info, MMIOERR_OUTOFMEMORY);
    }
    file->info.fccIOProc = FOURCC_MEM;
    file->info.cchBuffer = info->cchBuffer;
    file->info.pchBuffer = info->pchBuffer;
    file->info.pchNext = info->pchBuffer;
    file->info.pchEndRead = info->pchBuffer + info->cchBuffer;
    file->info.lDiskOffset = info->cchBuffer;
    return reinterpret_cast<HMMIO>(file);
}

HMMIO OpenDisk(LPSTR fileName, LPMMIOINFO info, DWORD openFlags) {
    if (fileName == nullptr) {
        return Fail(info, MMIOERR_CANNOTOPEN);
    }
    LONG bufferSize = MMIO_DEFAULTBUFFER;
    if ((openFlags & MMIO_ALLOCBUF) != 0 && info != nullptr && info->cchBuffer > 0) {
        bufferSize = info->cchBuffer;
    }
    auto* file = new (std::nothrow) mmio::File;
    if (file == nullptr) {
        return Fail(info, MMIOERR_OUTOFMEMORY);
    }
    try {
        file->buffer.resize(size_t(bufferSize));
    } catch (const std::bad_alloc&) {
        delete file;
        return Fail(info, MMIOERR_OUTOFMEMORY);
    }
    file->disk = OpenDataFile(fileName, "rb");
    if (file->disk == nullptr) {
        delete file;
        return Fail(info, MMIOERR_FILENOTFOUND);
    }
    file->info.fccIOProc = FOURCC_DOS;
    file->info.dwFlags = MMIO_ALLOCBUF;
    file->info.cchBuffer = bufferSize;
    file->info.pchBuffer = file->buffer.data();
    file->info.pchNext = file->info.pchBuffer;
    file->info.pchEndRead = file->info.pchBuffer;
    return reinterpret_cast<HMMIO>(file);
}

} // namespace

HMMIO WINAPI mmioOpenA(LPSTR fileName, LPMMIOINFO info, DWORD openFlags) {
    if ((openFlags & MMIO_RWMODE) != MMIO_READ) {
        return Fail(info, MMSYSERR_NOTSUPPORTED);
    }
    HMMIO handle = (info != nullptr && info->fccIOProc == FOURCC_MEM)
                       ? OpenMemory(info)
                       : OpenDisk(fileName, info, openFlags);
    if (handle != nullptr) {
        mmio::FromHandle(handle)->info.hmmio = handle;
        if (info != nullptr) {
            info->wErrorRet = MMSYSERR_NOERROR;
        }
    }
    return handle;
}

MMRESULT WINAPI mmioClose(HMMIO handle, UINT) {
    mmio::File* file = mmio::FromHandle(handle);
    if (file == nullptr) {
        return MMSYSERR_INVALHANDLE;
    }
    bool closed = file->disk == nullptr || std::fclose(file->disk) == 0;
    delete file;
    return closed ? MMSYSERR_NOERROR : MMIOERR_CANNOTCLOSE;
}
