#include "sound/sound_player.h"

#include "sound/sound.h"
#include "sound/sound_device.h"

CSoundPlayer::CSoundPlayer(HWND window)
    : m_bReady(false), m_pDevice(new CSoundDevice), m_hWnd(window) {
    // Only a missing DirectSound object stops the player: a refused cooperative level or
    // primary format (1) still leaves it usable.
    if (FAILED(m_pDevice->Open(m_hWnd, DSSCL_PRIORITY))) {
        return;
    }
    if (FAILED(m_pDevice->SetPrimaryFormat(1, 44100, 16))) {
        return;
    }
    m_bReady = true;
}

CSoundPlayer::~CSoundPlayer() {
    delete m_pDevice;
}

HRESULT CSoundPlayer::CreateSound(CSound** sound, LPSTR fileName) {
    if (!m_bReady) {
        return 1;
    }
    HRESULT result = m_pDevice->CreateSound(sound, fileName, 0, GUID_NULL, 1);
    return FAILED(result) ? 1 : result;
}

HRESULT CSoundPlayer::Play(CSound* sound) {
    if (!m_bReady || sound == nullptr) {
        return 0;
    }
    if (sound->IsPlaying()) {
        sound->Stop();
        sound->Rewind();
    }
    return FAILED(sound->Play(0, 0, 0, -1, 0)) ? 1 : 0;
}

bool CSoundPlayer::IsPlaying(CSound* sound) {
    return m_bReady && sound != nullptr && sound->IsPlaying();
}

HRESULT CSoundPlayer::Stop(CSound* sound) {
    if (m_bReady && sound != nullptr && sound->IsPlaying()) {
        sound->Stop();
        sound->Rewind();
    }
    return 0;
}
