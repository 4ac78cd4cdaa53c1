// Owns the DirectSound object and makes sounds from WAV files.
#pragma once

#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

class CSound;

class CSoundDevice {
public:
    CSoundDevice();
    ~CSoundDevice();
    CSoundDevice(const CSoundDevice&) = delete;
    CSoundDevice& operator=(const CSoundDevice&) = delete;

    // Makes the DirectSound object for the window at that cooperative level: 0 or 1.
    HRESULT Open(HWND window, DWORD cooperativeLevel);
    // Sets the primary buffer to PCM of that shape: 0, 1, or CO_E_NOTINITIALIZED.
    HRESULT SetPrimaryFormat(WORD channels, DWORD samplesPerSecond, WORD bitsPerSample);
    // Makes *sound from the WAV file with that many buffers: 0 (or DS_NO_VIRTUALIZATION)
    // on success; on failure an error result and *sound untouched.
    HRESULT CreateSound(CSound** sound, LPSTR fileName, DWORD creationFlags, GUID algorithm3D,
                        DWORD bufferCount);

private:
    LPDIRECTSOUND8 m_pDS;
};
