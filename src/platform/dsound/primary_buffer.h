// The primary buffer: it only carries the output format and, with DSBCAPS_CTRLVOLUME, the
// master volume. Mixing itself is OpenAL's.
#pragma once

#include <memory>

#include "al_output.h"
#include "com_object.h"

namespace dsound {

class PrimaryBuffer final : public ComObject<IDirectSoundBuffer> {
public:
    PrimaryBuffer(std::shared_ptr<AlOutput> output, DWORD flags)
        : m_output(std::move(output)), m_flags(flags) {}

    HRESULT GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) override;
    HRESULT GetStatus(LPDWORD status) override;
    HRESULT Lock(DWORD, DWORD, LPVOID*, LPDWORD, LPVOID*, LPDWORD, DWORD) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT SetCurrentPosition(DWORD) override { return DSERR_INVALIDCALL; }
    HRESULT SetFormat(LPCWAVEFORMATEX format) override;
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT SetFrequency(DWORD) override { return DSERR_CONTROLUNAVAIL; }
    HRESULT Stop() override;
    HRESULT Unlock(LPVOID, DWORD, LPVOID, DWORD) override { return DSERR_INVALIDCALL; }
    HRESULT Restore() override { return DS_OK; }

private:
    std::shared_ptr<AlOutput> m_output;
    DWORD m_flags;
    bool m_playing = false;
};

} // namespace dsound
