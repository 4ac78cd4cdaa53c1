#include "primary_buffer.h"

#include <cmath>

#include "wave_format.h"

namespace dsound {

HRESULT PrimaryBuffer::GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) {
    if (playCursor == nullptr && writeCursor == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (playCursor != nullptr) {
        *playCursor = 0;
    }
    if (writeCursor != nullptr) {
        *writeCursor = 0;
    }
    return DS_OK;
}

HRESULT PrimaryBuffer::GetStatus(LPDWORD status) {
    if (status == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *status = m_playing ? DSBSTATUS_PLAYING | DSBSTATUS_LOOPING : 0;
    return DS_OK;
}

// Writing the primary buffer directly needs DSSCL_WRITEPRIMARY, which this output lacks.
HRESULT PrimaryBuffer::Lock(DWORD, DWORD, LPVOID*, LPDWORD, LPVOID*, LPDWORD, DWORD) {
    return DSERR_PRIOLEVELNEEDED;
}

HRESULT PrimaryBuffer::Play(DWORD reserved, DWORD, DWORD flags) {
    if (reserved != 0 || (flags & DSBPLAY_LOOPING) == 0) {
        return DSERR_INVALIDPARAM;
    }
    m_playing = true;
    return DS_OK;
}

HRESULT PrimaryBuffer::SetFormat(LPCWAVEFORMATEX format) {
    if (format == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if (m_output->cooperativeLevel < DSSCL_PRIORITY) {
        return DSERR_PRIOLEVELNEEDED;
    }
    return CheckPcmFormat(*format);
}

HRESULT PrimaryBuffer::SetVolume(LONG volume) {
    if ((m_flags & DSBCAPS_CTRLVOLUME) == 0) {
        return DSERR_CONTROLUNAVAIL;
    }
    if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) {
        return DSERR_INVALIDPARAM;
    }
    m_output->MakeCurrent();
    alListenerf(AL_GAIN, float(std::pow(10.0, volume / 2000.0)));
    return DS_OK;
}

HRESULT PrimaryBuffer::SetPan(LONG pan) {
    if ((m_flags & DSBCAPS_CTRLPAN) == 0) {
        return DSERR_CONTROLUNAVAIL;
    }
    return pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT ? DSERR_INVALIDPARAM : DS_OK;
}

HRESULT PrimaryBuffer::Stop() {
    m_playing = false;
    return DS_OK;
}

} // namespace dsound
