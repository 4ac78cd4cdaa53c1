// One playable sound: one or more DirectSound buffers, each holding the whole sample data.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

class CWaveReader;

class CSound {
public:
    // Takes the buffers (the array is copied) and the wave reader, and fills buffer 0.
    CSound(LPDIRECTSOUNDBUFFER* buffers, DWORD bufferSize, DWORD bufferCount, CWaveReader* wave,
           DWORD creationFlags);
    virtual ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // Plays one buffer: DirectSound's result, 1 when no buffer could be prepared,
    // CO_E_NOTINITIALIZED without buffers.
    HRESULT Play(DWORD priority, DWORD flags, LONG volume, LONG frequency, LONG pan);
    HRESULT Stop();
    HRESULT Rewind();
    bool IsPlaying();
    LPDIRECTSOUNDBUFFER GetFreeBuffer();
    // Restores a lost buffer: 0 with *restored true; 1 when it was not lost or its status
    // could not be read.
    HRESULT RestoreBuffer(LPDIRECTSOUNDBUFFER buffer, bool* restored);
    // Writes the sample data into the buffer, repeating it or padding with silence.
    HRESULT FillBuffer(LPDIRECTSOUNDBUFFER buffer, bool repeatIfShort);

private:
    LPDIRECTSOUNDBUFFER* m_apDSBuffer;
    DWORD m_dwDSBufferSize;
    CWaveReader* m_pWaveFile;
    DWORD m_dwNumBuffers;
    DWORD m_dwCreationFlags;
};
