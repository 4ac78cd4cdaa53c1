// A secondary buffer: the sample bytes in memory, mirrored into one AL buffer on every
// Unlock, played by one AL source. Duplicates are further sources on the same samples.
#pragma once

#include <memory>
#include <vector>

#include "al_output.h"
#include "com_object.h"

namespace dsound {

class SecondaryBuffer;

// The samples that a buffer and its duplicates share.
struct SampleStore {
    SampleStore(std::shared_ptr<AlOutput> output, const WAVEFORMATEX& format, ALenum alFormat,
                DWORD size);
    ~SampleStore();
    SampleStore(const SampleStore&) = delete;
    SampleStore& operator=(const SampleStore&) = delete;

    // Copies the bytes into a new AL buffer and moves every user onto it.
    void Upload();
    // The bytes OpenAL plays: whole sample frames only.
    DWORD PlayableBytes() const;

    std::shared_ptr<AlOutput> output;
    WAVEFORMATEX format;
    ALenum alFormat;
    std::vector<BYTE> bytes;
    ALuint alBuffer = 0;
    std::vector<SecondaryBuffer*> users;
};

class SecondaryBuffer final : public ComObject<IDirectSoundBuffer> {
public:
    // A new buffer, or null when OpenAL has no source left; throws std::bad_alloc.
    static SecondaryBuffer* Create(std::shared_ptr<SampleStore> store, DWORD flags);
    SecondaryBuffer* Duplicate();

    HRESULT GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) override;
    HRESULT GetStatus(LPDWORD status) override;
    HRESULT Lock(DWORD offset, DWORD bytes, LPVOID* audio1, LPDWORD audioBytes1, LPVOID* audio2,
                 LPDWORD audioBytes2, DWORD flags) override;
    HRESULT Play(DWORD reserved, DWORD priority, DWORD flags) override;
    HRESULT SetCurrentPosition(DWORD newPosition) override;
    HRESULT SetFormat(LPCWAVEFORMATEX) override { return DSERR_INVALIDCALL; }
    HRESULT SetVolume(LONG volume) override;
    HRESULT SetPan(LONG pan) override;
    HRESULT SetFrequency(DWORD frequency) override;
    HRESULT Stop() override;
    HRESULT Unlock(LPVOID audio1, DWORD audioBytes1, LPVOID audio2, DWORD audioBytes2) override;
    HRESULT Restore() override { return DS_OK; }

    DWORD Flags() const { return m_flags; }
    // Puts the source on a new AL buffer, keeping where it stands and whether it plays.
    void SwitchAlBuffer(ALuint alBuffer);

private:
    SecondaryBuffer(std::shared_ptr<SampleStore> store, DWORD flags, ALuint source);
    ~SecondaryBuffer() override;
    bool IsPlaying() const;
    DWORD PlayPosition() const;
    void ApplyControls();

    std::shared_ptr<SampleStore> m_store;
    DWORD m_flags;
    ALuint m_source;
    // Where the next Play starts while the source does not play (AL reports 0 then).
    DWORD m_startPosition = 0;
    bool m_looping = false;
    LONG m_volume = DSBVOLUME_MAX;
    LONG m_pan = DSBPAN_CENTER;
    DWORD m_frequency = DSBFREQUENCY_ORIGINAL;
};

} // namespace dsound
