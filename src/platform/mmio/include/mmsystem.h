// Windows multimedia file I/O (winmm) for the Linux build: the buffered reading of RIFF files,
// from disk or from memory, that WAV loading needs. Names, layouts, values and result codes
// are the platform's.
#pragma once

#include <cstdio>

#include <windows.h>

typedef UINT MMRESULT;
typedef DWORD FOURCC;
typedef char* HPSTR;
typedef struct HMMIO__* HMMIO;
typedef HANDLE HTASK;
typedef LRESULT(CALLBACK MMIOPROC)(LPSTR info, UINT message, LPARAM param1, LPARAM param2);
typedef MMIOPROC* LPMMIOPROC;

#define MMSYSERR_BASE 0
#define MMSYSERR_NOERROR 0
#define MMSYSERR_ERROR (MMSYSERR_BASE + 1)
#define MMSYSERR_INVALHANDLE (MMSYSERR_BASE + 5)
#define MMSYSERR_NOMEM (MMSYSERR_BASE + 7)
#define MMSYSERR_NOTSUPPORTED (MMSYSERR_BASE + 8)
#define MMSYSERR_INVALFLAG (MMSYSERR_BASE + 10)
#define MMSYSERR_INVALPARAM (MMSYSERR_BASE + 11)

#define MMIOERR_BASE 256
#define MMIOERR_FILENOTFOUND (MMIOERR_BASE + 1)
#define MMIOERR_OUTOFMEMORY (MMIOERR_BASE + 2)
#define MMIOERR_CANNOTOPEN (MMIOERR_BASE + 3)
#define MMIOERR_CANNOTCLOSE (MMIOERR_BASE + 4)
#define MMIOERR_CANNOTREAD (MMIOERR_BASE + 5)
#define MMIOERR_CANNOTWRITE (MMIOERR_BASE + 6)
#define MMIOERR_CANNOTSEEK (MMIOERR_BASE + 7)
#define MMIOERR_CANNOTEXPAND (MMIOERR_BASE + 8)
#define MMIOERR_CHUNKNOTFOUND (MMIOERR_BASE + 9)
#define MMIOERR_UNBUFFERED (MMIOERR_BASE + 10)

#define MMIO_RWMODE 0x00000003
#define MMIO_READ 0x00000000
#define MMIO_WRITE 0x00000001
#define MMIO_READWRITE 0x00000002
#define MMIO_ALLOCBUF 0x00010000
#define MMIO_FINDCHUNK 0x0010
#define MMIO_FINDRIFF 0x0020
#define MMIO_FINDLIST 0x0040
#define MMIO_DEFAULTBUFFER 8192

#define mmioFOURCC(ch0, ch1, ch2, ch3) MAKEFOURCC(ch0, ch1, ch2, ch3)
#define FOURCC_RIFF mmioFOURCC('R', 'I', 'F', 'F')
#define FOURCC_LIST mmioFOURCC('L', 'I', 'S', 'T')
#define FOURCC_DOS mmioFOURCC('D', 'O', 'S', ' ')
#define FOURCC_MEM mmioFOURCC('M', 'E', 'M', ' ')

typedef struct _MMIOINFO {
    DWORD dwFlags;
    FOURCC fccIOProc;
    LPMMIOPROC pIOProc;
    UINT wErrorRet;
    HTASK htask;
    LONG cchBuffer;
    HPSTR pchBuffer;
    HPSTR pchNext;
    HPSTR pchEndRead;
    HPSTR pchEndWrite;
    LONG lBufOffset;
    LONG lDiskOffset;
    DWORD adwInfo[3];
    DWORD dwReserved1;
    DWORD dwReserved2;
    HMMIO hmmio;
} MMIOINFO, *PMMIOINFO, *LPMMIOINFO;
typedef const MMIOINFO* LPCMMIOINFO;

typedef struct _MMCKINFO {
    FOURCC ckid;
    DWORD cksize;
    FOURCC fccType;
    DWORD dwDataOffset;
    DWORD dwFlags;
} MMCKINFO, *PMMCKINFO, *LPMMCKINFO;
typedef const MMCKINFO* LPCMMCKINFO;

#define WAVE_FORMAT_PCM 1
#define WAVE_FORMAT_IEEE_FLOAT 0x0003

// The wave format is packed: 18 bytes, extra format bytes follow cbSize.
#pragma pack(push, 1)
typedef struct tWAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
} WAVEFORMATEX, *PWAVEFORMATEX, *LPWAVEFORMATEX;
#pragma pack(pop)
typedef const WAVEFORMATEX* LPCWAVEFORMATEX;

// Opens a file by name (backslashes separate the parts of the path), or, when info names the
// "MEM " I/O procedure, the caller's block pchBuffer / cchBuffer as a read-only file. Only
// reading is supported. NULL on failure, with the reason in info->wErrorRet.
HMMIO WINAPI mmioOpenA(LPSTR fileName, LPMMIOINFO info, DWORD openFlags);
#define mmioOpen mmioOpenA
MMRESULT WINAPI mmioClose(HMMIO file, UINT closeFlags);
// Bytes copied (0 at the end of the file), or -1 on error.
LONG WINAPI mmioRead(HMMIO file, HPSTR destination, LONG count);
// The new position, or -1 when it would lie before the start (or, for a memory file, past its
// end).
LONG WINAPI mmioSeek(HMMIO file, LONG offset, int origin);
// Direct access to the I/O buffer: the bytes between pchNext and pchEndRead are readable.
MMRESULT WINAPI mmioGetInfo(HMMIO file, LPMMIOINFO info, UINT flags);
MMRESULT WINAPI mmioSetInfo(HMMIO file, LPCMMIOINFO info, UINT flags);
// Refills the buffer from the current position; at the end of the file it succeeds with
// pchNext == pchEndRead.
MMRESULT WINAPI mmioAdvance(HMMIO file, LPMMIOINFO info, UINT flags);
MMRESULT WINAPI mmioDescend(HMMIO file, LPMMCKINFO chunk, const MMCKINFO* parent,
                            UINT descendFlags);
MMRESULT WINAPI mmioAscend(HMMIO file, LPMMCKINFO chunk, UINT ascendFlags);
