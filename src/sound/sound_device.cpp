#include "sound/sound_device.h"

#include <new>

#include "sound/sound.h"
#include "sound/wave_reader.h"

CSoundDevice::CSoundDevice() : m_pDS(nullptr) {}

CSoundDevice::~CSoundDevice() {
    if (m_pDS != nullptr) {
        m_pDS->Release();
    }
}

HRESULT CSoundDevice::Open(HWND window, DWORD cooperativeLevel) {
    if (m_pDS != nullptr) {
        m_pDS->Release();
        m_pDS = nullptr;
    }
    if (FAILED(DirectSoundCreate8(nullptr, &m_pDS, nullptr))) {
        m_pDS = nullptr;
        return 1;
    }
    if (FAILED(m_pDS->SetCooperativeLevel(window, cooperativeLevel))) {
        return 1;
    }
    return 0;
}

HRESULT CSoundDevice::SetPrimaryFormat(WORD channels, DWORD samplesPerSecond, WORD bitsPerSample) {
    if (m_pDS == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof(DSBUFFERDESC);
    desc.dwFlags = DSBCAPS_PRIMARYBUFFER;
    LPDIRECTSOUNDBUFFER primary = nullptr;
    if (FAILED(m_pDS->CreateSoundBuffer(&desc, &primary, nullptr))) {
        return 1;
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = samplesPerSecond;
    format.wBitsPerSample = bitsPerSample;
    format.nBlockAlign = WORD(bitsPerSample / 8 * channels);
    format.nAvgBytesPerSec = format.nBlockAlign * samplesPerSecond;
    HRESULT result = primary->SetFormat(&format);
    primary->Release();
    return FAILED(result) ? 1 : 0;
}

HRESULT CSoundDevice::CreateSound(CSound** sound, LPSTR fileName, DWORD creationFlags,
                                  GUID algorithm3D, DWORD bufferCount) {
    if (m_pDS == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    if (fileName == nullptr || sound == nullptr || bufferCount == 0) {
        return E_INVALIDARG;
    }
    auto* buffers = new (std::nothrow) LPDIRECTSOUNDBUFFER[bufferCount]();
    auto* wave = new (std::nothrow) CWaveReader;
    HRESULT result = S_OK;
    if (buffers == nullptr || wave == nullptr) {
        result = E_OUTOFMEMORY;
    } else {
        // The open's result is not needed: a file that could not be read has no sample data.
        wave->Open(fileName);
        if (wave->GetSize() == 0) {
            result = E_FAIL;
        }
    }
    if (SUCCEEDED(result)) {
        // The buffer holds exactly the sample bytes the file really has (the reader caps the
        // data chunk's claimed size at them).
        DSBUFFERDESC desc{};
        desc.dwSize = sizeof(DSBUFFERDESC);
        desc.dwFlags = creationFlags;
        desc.dwBufferBytes = wave->GetSize();
        desc.lpwfxFormat = wave->GetFormat();
        desc.guid3DAlgorithm = algorithm3D;
        result = m_pDS->CreateSoundBuffer(&desc, &buffers[0], nullptr);
        for (DWORD i = 1; SUCCEEDED(result) && i < bufferCount; ++i) {
            HRESULT made = (creationFlags & DSBCAPS_CTRLFX) != 0
                               ? m_pDS->CreateSoundBuffer(&desc, &buffers[i], nullptr)
                               : m_pDS->DuplicateSoundBuffer(buffers[0], &buffers[i]);
            if (FAILED(made)) {
                result = made;
            }
        }
    }
    if (SUCCEEDED(result)) {
        auto* made =
            new (std::nothrow) CSound(buffers, wave->GetSize(), bufferCount, wave, creationFlags);
        if (made != nullptr) {
            *sound = made;
            delete[] buffers;
            return result;
        }
        result = E_OUTOFMEMORY;
    }
    if (buffers != nullptr) {
        for (DWORD i = 0; i < bufferCount; ++i) {
            if (buffers[i] != nullptr) {
                buffers[i]->Release();
            }
        }
    }
    delete wave;
    delete[] buffers;
    return result;
}
