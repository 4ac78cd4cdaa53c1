// The game's sound player: sounds are made from WAV files through it and played, tested and
// stopped by handing it the CSound looked up by name in the catalog. A player whose
// DirectSound start failed stays silent: every operation does nothing.
#pragma once

#include <windows.h>

class CSound;
class CSoundDevice;

class CSoundPlayer {
public:
    explicit CSoundPlayer(HWND window);
    // The game keeps its player to the end; a player that is deleted closes its device.
    ~CSoundPlayer();
    CSoundPlayer(const CSoundPlayer&) = delete;
    CSoundPlayer& operator=(const CSoundPlayer&) = delete;

    // Makes a one-buffer sound from a WAV file into *sound: 0 on success, nonzero on failure
    // or when the player is not ready (then *sound is left alone).
    HRESULT CreateSound(CSound** sound, LPSTR fileName);
    // Plays the sound once from its start, restarting it if it already plays: 0 when it plays
    // or there was nothing to do, 1 when DirectSound refused.
    HRESULT Play(CSound* sound);
    bool IsPlaying(CSound* sound);
    // Stops and rewinds the sound if it plays; always 0.
    HRESULT Stop(CSound* sound);

    bool IsReady() const { return m_bReady; }

private:
    bool m_bReady;
    CSoundDevice* m_pDevice;
    HWND m_hWnd;
};
