// The DirectSound object: one OpenAL device and context, and the buffers made on it.
#include <cstring>
#include <new>

#include "primary_buffer.h"
#include "secondary_buffer.h"
#include "wave_format.h"

const GUID GUID_NULL = {};

namespace dsound {

namespace {

bool IsNullGuid(const GUID& guid) {
    return std::memcmp(&guid, &GUID_NULL, sizeof(GUID)) == 0;
}

class DirectSound final : public ComObject<IDirectSound8> {
public:
    explicit DirectSound(std::shared_ptr<AlOutput> output) : m_output(std::move(output)) {}

    HRESULT CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER buffer,
                              IUnknown* outer) override;
    HRESULT DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                 LPLPDIRECTSOUNDBUFFER duplicate) override;
    HRESULT SetCooperativeLevel(HWND window, DWORD level) override;

private:
    HRESULT CreateSecondary(const DSBUFFERDESC& desc, LPLPDIRECTSOUNDBUFFER buffer);

    std::shared_ptr<AlOutput> m_output;
};

HRESULT DirectSound::CreateSoundBuffer(LPCDSBUFFERDESC desc, LPLPDIRECTSOUNDBUFFER buffer,
                                       IUnknown* outer) {
    if (desc == nullptr || buffer == nullptr || desc->dwSize != sizeof(DSBUFFERDESC)) {
        return DSERR_INVALIDPARAM;
    }
    *buffer = nullptr;
    if (outer != nullptr) {
        return DSERR_NOAGGREGATION;
    }
    if ((desc->dwFlags & DSBCAPS_PRIMARYBUFFER) == 0) {
        return CreateSecondary(*desc, buffer);
    }
    if (desc->dwBufferBytes != 0 || desc->lpwfxFormat != nullptr ||
        (desc->dwFlags & (DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLFX)) != 0) {
        return DSERR_INVALIDPARAM;
    }
    *buffer = new (std::nothrow) PrimaryBuffer(m_output, desc->dwFlags);
    return *buffer != nullptr ? DS_OK : DSERR_OUTOFMEMORY;
}

HRESULT DirectSound::CreateSecondary(const DSBUFFERDESC& desc, LPLPDIRECTSOUNDBUFFER buffer) {
    if (desc.lpwfxFormat == nullptr || desc.dwBufferBytes < DSBSIZE_MIN ||
        desc.dwBufferBytes > DSBSIZE_MAX) {
        return DSERR_INVALIDPARAM;
    }
    const WAVEFORMATEX& format = *desc.lpwfxFormat;
    if ((desc.dwFlags & DSBCAPS_CTRL3D) != 0 && format.nChannels != 1) {
        return DSERR_INVALIDPARAM;
    }
    m_output->MakeCurrent();
    ALenum alFormat = AL_NONE;
    HRESULT result = ChooseAlFormat(format, &alFormat);
    if (result != DS_OK) {
        return result;
    }
    try {
        auto store = std::make_shared<SampleStore>(m_output, format, alFormat, desc.dwBufferBytes);
        *buffer = SecondaryBuffer::Create(std::move(store), desc.dwFlags);
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    return *buffer != nullptr ? DS_OK : DSERR_OUTOFMEMORY;
}

HRESULT DirectSound::DuplicateSoundBuffer(LPDIRECTSOUNDBUFFER original,
                                          LPLPDIRECTSOUNDBUFFER duplicate) {
    if (original == nullptr || duplicate == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *duplicate = nullptr;
    auto* secondary = dynamic_cast<SecondaryBuffer*>(original);
    if (secondary == nullptr || (secondary->Flags() & DSBCAPS_CTRLFX) != 0) {
        return DSERR_INVALIDCALL;
    }
    try {
        *duplicate = secondary->Duplicate();
    } catch (const std::bad_alloc&) {
        return DSERR_OUTOFMEMORY;
    }
    return *duplicate != nullptr ? DS_OK : DSERR_OUTOFMEMORY;
}

HRESULT DirectSound::SetCooperativeLevel(HWND, DWORD level) {
    if (level < DSSCL_NORMAL || level > DSSCL_WRITEPRIMARY) {
        return DSERR_INVALIDPARAM;
    }
    m_output->cooperativeLevel = level;
    return DS_OK;
}

} // namespace

} // namespace dsound

HRESULT WINAPI DirectSoundCreate8(LPCGUID device, LPDIRECTSOUND8* directSound, LPUNKNOWN outer) {
    if (directSound == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *directSound = nullptr;
    if (outer != nullptr) {
        return DSERR_NOAGGREGATION;
    }
    // Only the default playback device exists here.
    if (device != nullptr && !dsound::IsNullGuid(*device)) {
        return DSERR_NODRIVER;
    }
    std::shared_ptr<dsound::AlOutput> output = dsound::AlOutput::OpenDefault();
    if (output == nullptr) {
        return DSERR_NODRIVER;
    }
    *directSound = new (std::nothrow) dsound::DirectSound(std::move(output));
    return *directSound != nullptr ? DS_OK : DSERR_OUTOFMEMORY;
}
