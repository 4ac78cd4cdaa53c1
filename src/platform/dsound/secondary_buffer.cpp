#include "secondary_buffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dsound {

SecondaryBuffer* SecondaryBuffer::Create(std::shared_ptr<SampleStore> store, DWORD flags) {
    store->output->MakeCurrent();
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) {
        return nullptr;
    }
    // Sounds play where the listener stands, unless panned.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSourcei(source, AL_BUFFER, ALint(store->alBuffer));
    return new SecondaryBuffer(std::move(store), flags, source);
}

SecondaryBuffer::SecondaryBuffer(std::shared_ptr<SampleStore> store, DWORD flags, ALuint source)
    : m_store(std::move(store)), m_flags(flags), m_source(source) {
    m_store->users.push_back(this);
}

SecondaryBuffer::~SecondaryBuffer() {
    m_store->output->MakeCurrent();
    alDeleteSources(1, &m_source);
    std::erase(m_store->users, this);
}

SecondaryBuffer* SecondaryBuffer::Duplicate() {
    SecondaryBuffer* copy = Create(m_store, m_flags);
    if (copy != nullptr) {
        copy->m_volume = m_volume;
        copy->m_pan = m_pan;
        copy->m_frequency = m_frequency;
        copy->ApplyControls();
    }
    return copy;
}

bool SecondaryBuffer::IsPlaying() const {
    m_store->output->MakeCurrent();
    ALint state = AL_STOPPED;
    alGetSourcei(m_source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING;
}

DWORD SecondaryBuffer::PlayPosition() const {
    if (!IsPlaying()) {
        return m_startPosition;
    }
    ALint offset = 0;
    alGetSourcei(m_source, AL_BYTE_OFFSET, &offset);
    return DWORD(std::max(offset, 0));
}

void SecondaryBuffer::SwitchAlBuffer(ALuint alBuffer) {
    bool playing = IsPlaying();
    DWORD position = PlayPosition();
    alSourceStop(m_source);
    alSourcei(m_source, AL_BUFFER, ALint(alBuffer));
    m_startPosition = position < m_store->PlayableBytes() ? position : 0;
    if (playing) {
        Play(0, 0, m_looping ? DSBPLAY_LOOPING : 0);
    }
}

HRESULT SecondaryBuffer::GetCurrentPosition(LPDWORD playCursor, LPDWORD writeCursor) {
    if (playCursor == nullptr && writeCursor == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    DWORD position = PlayPosition();
    if (playCursor != nullptr) {
        *playCursor = position;
    }
    if (writeCursor != nullptr) {
        *writeCursor = position;
    }
    return DS_OK;
}

HRESULT SecondaryBuffer::GetStatus(LPDWORD status) {
    if (status == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    *status = 0;
    if (IsPlaying()) {
        *status = DSBSTATUS_PLAYING | (m_looping ? DSBSTATUS_LOOPING : 0);
    }
    return DS_OK;
}

HRESULT SecondaryBuffer::Lock(DWORD offset, DWORD bytes, LPVOID* audio1, LPDWORD audioBytes1,
                              LPVOID* audio2, LPDWORD audioBytes2, DWORD flags) {
    DWORD size = DWORD(m_store->bytes.size());
    if (audio1 == nullptr || audioBytes1 == nullptr) {
        return DSERR_INVALIDPARAM;
    }
    if ((flags & DSBLOCK_FROMWRITECURSOR) != 0) {
        offset = PlayPosition();
    }
    if ((flags & DSBLOCK_ENTIREBUFFER) != 0) {
        bytes = size;
    }
    if (offset >= size || bytes == 0 || bytes > size) {
        return DSERR_INVALIDPARAM;
    }
    // A lock running past the end continues at the start, as the second part.
    DWORD first = std::min(bytes, size - offset);
    *audio1 = m_store->bytes.data() + offset;
    *audioBytes1 = first;
    if (audio2 != nullptr) {
        DWORD second = bytes - first;
        *audio2 = second != 0 ? m_store->bytes.data() : nullptr;
        if (audioBytes2 != nullptr) {
            *audioBytes2 = second;
        }
    }
    return DS_OK;
}

HRESULT SecondaryBuffer::Unlock(LPVOID audio1, DWORD audioBytes1, LPVOID audio2,
                                DWORD audioBytes2) {
    BYTE* begin = m_store->bytes.data();
    BYTE* end = begin + m_store->bytes.size();
    auto inside = [&](LPVOID part, DWORD count) {
        BYTE* p = static_cast<BYTE*>(part);
        return part == nullptr ? count == 0 : p >= begin && p <= end && DWORD(end - p) >= count;
    };
    if (audio1 == nullptr || !inside(audio1, audioBytes1) || !inside(audio2, audioBytes2)) {
        return DSERR_INVALIDPARAM;
    }
    m_store->Upload();
    return DS_OK;
}

HRESULT SecondaryBuffer::Play(DWORD reserved, DWORD, DWORD flags) {
    if (reserved != 0) {
        return DSERR_INVALIDPARAM;
    }
    m_looping = (flags & DSBPLAY_LOOPING) != 0;
    m_store->output->MakeCurrent();
    alSourcei(m_source, AL_LOOPING, m_looping ? AL_TRUE : AL_FALSE);
    // A playing buffer keeps playing from where it is; AL would restart it.
    if (IsPlaying()) {
        return DS_OK;
    }
    alSourceRewind(m_source);
    if (m_startPosition != 0) {
        alSourcei(m_source, AL_BYTE_OFFSET, ALint(m_startPosition));
    }
    alSourcePlay(m_source);
    // From now on a stop at the end of the data leaves the buffer at its start.
    m_startPosition = 0;
    return DS_OK;
}

HRESULT SecondaryBuffer::SetCurrentPosition(DWORD newPosition) {
    if (newPosition >= m_store->bytes.size()) {
        return DSERR_INVALIDPARAM;
    }
    DWORD block = m_store->format.nBlockAlign;
    DWORD position = newPosition / block * block;
    if (position >= m_store->PlayableBytes()) {
        position = 0;
    }
    if (IsPlaying()) {
        alSourcei(m_source, AL_BYTE_OFFSET, ALint(position));
    } else {
        m_startPosition = position;
    }
    return DS_OK;
}

HRESULT SecondaryBuffer::Stop() {
    if (IsPlaying()) {
        DWORD position = PlayPosition();
        alSourceStop(m_source);
        m_startPosition = position;
    }
    return DS_OK;
}

HRESULT SecondaryBuffer::SetVolume(LONG volume) {
    if ((m_flags & DSBCAPS_CTRLVOLUME) == 0) {
        return DSERR_CONTROLUNAVAIL;
    }
    if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) {
        return DSERR_INVALIDPARAM;
    }
    m_volume = volume;
    ApplyControls();
    return DS_OK;
}

HRESULT SecondaryBuffer::SetPan(LONG pan) {
    if ((m_flags & DSBCAPS_CTRLPAN) == 0) {
        return DSERR_CONTROLUNAVAIL;
    }
    if (pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT) {
        return DSERR_INVALIDPARAM;
    }
    m_pan = pan;
    ApplyControls();
    return DS_OK;
}

HRESULT SecondaryBuffer::SetFrequency(DWORD frequency) {
    if ((m_flags & DSBCAPS_CTRLFREQUENCY) == 0) {
        return DSERR_CONTROLUNAVAIL;
    }
    if (frequency != DSBFREQUENCY_ORIGINAL &&
        (frequency < DSBFREQUENCY_MIN || frequency > DSBFREQUENCY_MAX)) {
        return DSERR_INVALIDPARAM;
    }
    m_frequency = frequency;
    ApplyControls();
    return DS_OK;
}

// Volume is in hundredths of a decibel; pan turns a mono source towards one side (stereo
// sources are not placed by OpenAL); frequency becomes a pitch against the format's rate.
void SecondaryBuffer::ApplyControls() {
    m_store->output->MakeCurrent();
    alSourcef(m_source, AL_GAIN, float(std::pow(10.0, m_volume / 2000.0)));
    double angle = m_pan / 10000.0 * std::numbers::pi / 2;
    alSource3f(m_source, AL_POSITION, float(std::sin(angle)), 0.0f, float(-std::cos(angle)));
    double rate = m_store->format.nSamplesPerSec;
    alSourcef(m_source, AL_PITCH,
              m_frequency == DSBFREQUENCY_ORIGINAL ? 1.0f : float(m_frequency / rate));
}

} // namespace dsound
