#include "wave_format.h"

namespace dsound {

namespace {

bool FieldsAgree(const WAVEFORMATEX& format) {
    return format.nChannels != 0 && format.wBitsPerSample % 8 == 0 &&
           format.nBlockAlign == format.nChannels * format.wBitsPerSample / 8 &&
           format.nBlockAlign != 0 && format.nSamplesPerSec >= DSBFREQUENCY_MIN &&
           format.nSamplesPerSec <= DSBFREQUENCY_MAX;
}

} // namespace

HRESULT CheckPcmFormat(const WAVEFORMATEX& format) {
    if (format.wFormatTag != WAVE_FORMAT_PCM) {
        return DSERR_BADFORMAT;
    }
    if (!FieldsAgree(format)) {
        return DSERR_INVALIDPARAM;
    }
    bool playable = (format.nChannels == 1 || format.nChannels == 2) &&
                    (format.wBitsPerSample == 8 || format.wBitsPerSample == 16);
    return playable ? DS_OK : DSERR_BADFORMAT;
}

HRESULT ChooseAlFormat(const WAVEFORMATEX& format, ALenum* alFormat) {
    bool mono = format.nChannels == 1;
    if (format.wFormatTag == WAVE_FORMAT_PCM) {
        HRESULT result = CheckPcmFormat(format);
        if (result != DS_OK) {
            return result;
        }
        if (format.wBitsPerSample == 8) {
            *alFormat = mono ? AL_FORMAT_MONO8 : AL_FORMAT_STEREO8;
        } else {
            *alFormat = mono ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
        }
        return DS_OK;
    }
    if (format.wFormatTag == WAVE_FORMAT_IEEE_FLOAT) {
        if (!FieldsAgree(format)) {
            return DSERR_INVALIDPARAM;
        }
        if (format.wBitsPerSample != 32 || format.nChannels > 2 ||
            !alIsExtensionPresent("AL_EXT_FLOAT32")) {
            return DSERR_BADFORMAT;
        }
        *alFormat = alGetEnumValue(mono ? "AL_FORMAT_MONO_FLOAT32" : "AL_FORMAT_STEREO_FLOAT32");
        return DS_OK;
    }
    return DSERR_BADFORMAT;
}

} // namespace dsound
