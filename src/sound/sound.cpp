#include "sound/sound.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "sound/wave_reader.h"

CSound::CSound(LPDIRECTSOUNDBUFFER* buffers, DWORD bufferSize, DWORD bufferCount, CWaveReader* wave,
               DWORD creationFlags)
    : m_apDSBuffer(new LPDIRECTSOUNDBUFFER[bufferCount]), m_dwDSBufferSize(bufferSize),
      m_pWaveFile(wave), m_dwNumBuffers(bufferCount), m_dwCreationFlags(creationFlags) {
    std::copy(buffers, buffers + bufferCount, m_apDSBuffer);
    // Duplicates share buffer 0's samples; buffers made on their own need their own fill.
    DWORD filled = (creationFlags & DSBCAPS_CTRLFX) != 0 ? bufferCount : 1;
    for (DWORD i = 0; i < filled; ++i) {
        FillBuffer(m_apDSBuffer[i], false);
    }
}

CSound::~CSound() {
    for (DWORD i = 0; i < m_dwNumBuffers; ++i) {
        if (m_apDSBuffer[i] != nullptr) {
            m_apDSBuffer[i]->Release();
        }
    }
    delete[] m_apDSBuffer;
    delete m_pWaveFile;
}

HRESULT CSound::RestoreBuffer(LPDIRECTSOUNDBUFFER buffer, bool* restored) {
    if (restored != nullptr) {
        *restored = false;
    }
    if (buffer == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    DWORD status = 0;
    if (FAILED(buffer->GetStatus(&status))) {
        return 1;
    }
    if ((status & DSBSTATUS_BUFFERLOST) == 0) {
        return 1;
    }
    // The application that took the sound device may still hold it: wait and try again.
    HRESULT result;
    do {
        if (buffer->Restore() == DSERR_BUFFERLOST) {
            Sleep(10);
        }
        result = buffer->Restore();
    } while (result == DSERR_BUFFERLOST);
    if (restored != nullptr) {
        *restored = true;
    }
    return 0;
}

HRESULT CSound::FillBuffer(LPDIRECTSOUNDBUFFER buffer, bool repeatIfShort) {
    if (buffer == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    RestoreBuffer(buffer, nullptr);
    void* locked = nullptr;
    DWORD lockedSize = 0;
    if (FAILED(buffer->Lock(0, m_dwDSBufferSize, &locked, &lockedSize, nullptr, nullptr, 0))) {
        return 1;
    }
    BYTE* bytes = static_cast<BYTE*>(locked);
    DWORD read = 0;
    if (m_pWaveFile->Rewind() != 0 || m_pWaveFile->Read(bytes, lockedSize, &read) != 0) {
        buffer->Unlock(locked, lockedSize, nullptr, 0);
        return 1;
    }
    BYTE silence = m_pWaveFile->GetFormat()->wBitsPerSample == 8 ? 128 : 0;
    DWORD filled = read;
    // Repeating stops when a pass brings nothing, so an empty wave cannot loop forever.
    while (repeatIfShort && filled != 0 && filled < lockedSize) {
        DWORD more = 0;
        if (m_pWaveFile->Rewind() != 0 ||
            m_pWaveFile->Read(bytes + filled, lockedSize - filled, &more) != 0) {
            buffer->Unlock(locked, lockedSize, nullptr, 0);
            return 1;
        }
        if (more == 0) {
            break;
        }
        filled += more;
    }
    std::memset(bytes + filled, silence, lockedSize - filled);
    return FAILED(buffer->Unlock(locked, lockedSize, nullptr, 0)) ? 1 : 0;
}

LPDIRECTSOUNDBUFFER CSound::GetFreeBuffer() {
    for (DWORD i = 0; i < m_dwNumBuffers; ++i) {
        if (m_apDSBuffer[i] == nullptr) {
            continue;
        }
        DWORD status = 0;
        m_apDSBuffer[i]->GetStatus(&status);
        if ((status & DSBSTATUS_PLAYING) == 0) {
            return m_apDSBuffer[i];
        }
    }
    if (m_dwNumBuffers == 0) {
        return nullptr;
    }
    return m_apDSBuffer[std::rand() % m_dwNumBuffers];
}

HRESULT CSound::Play(DWORD priority, DWORD flags, LONG volume, LONG frequency, LONG pan) {
    if (m_apDSBuffer == nullptr || m_dwNumBuffers == 0) {
        return CO_E_NOTINITIALIZED;
    }
    LPDIRECTSOUNDBUFFER buffer = GetFreeBuffer();
    if (buffer == nullptr) {
        return 1;
    }
    bool restored = false;
    RestoreBuffer(buffer, &restored);
    if (restored) {
        FillBuffer(buffer, false);
    }
    if ((m_dwCreationFlags & DSBCAPS_CTRLVOLUME) != 0) {
        buffer->SetVolume(volume);
    }
    if (frequency != -1 && (m_dwCreationFlags & DSBCAPS_CTRLFREQUENCY) != 0) {
        buffer->SetFrequency(DWORD(frequency));
    }
    if ((m_dwCreationFlags & DSBCAPS_CTRLPAN) != 0) {
        buffer->SetPan(pan);
    }
    return buffer->Play(0, priority, flags);
}

HRESULT CSound::Stop() {
    if (m_apDSBuffer == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    HRESULT result = S_OK;
    for (DWORD i = 0; i < m_dwNumBuffers; ++i) {
        if (m_apDSBuffer[i] != nullptr) {
            result |= m_apDSBuffer[i]->Stop();
        }
    }
    return result;
}

HRESULT CSound::Rewind() {
    if (m_apDSBuffer == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    HRESULT result = S_OK;
    for (DWORD i = 0; i < m_dwNumBuffers; ++i) {
        if (m_apDSBuffer[i] != nullptr) {
            result |= m_apDSBuffer[i]->SetCurrentPosition(0);
        }
    }
    return result;
}

bool CSound::IsPlaying() {
    for (DWORD i = 0; i < m_dwNumBuffers; ++i) {
        DWORD status = 0;
        if (m_apDSBuffer[i] != nullptr && SUCCEEDED(m_apDSBuffer[i]->GetStatus(&status)) &&
            (status & DSBSTATUS_PLAYING) != 0) {
            return true;
        }
    }
    return false;
}
