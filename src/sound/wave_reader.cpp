#include "sound/wave_reader.h"

#include <dsound.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>

namespace {

const DWORD WAVEFILE_READ = 1;

// The bytes from the current position to the end of the file, or -1.
LONG BytesLeft(HMMIO file) {
    LONG here = mmioSeek(file, 0, SEEK_CUR);
    LONG end = mmioSeek(file, 0, SEEK_END);
    if (here == -1 || end == -1 || mmioSeek(file, here, SEEK_SET) == -1) {
        return -1;
    }
    return end - here;
}

} // namespace

CWaveReader::CWaveReader()
    : m_pwfx(nullptr), m_hmmio(nullptr), m_ck{}, m_ckRiff{}, m_dwSize(0), m_mmioinfoOut{},
      m_dwFlags(0), m_pResourceBuffer(nullptr) {}

CWaveReader::~CWaveReader() {
    Close();
    delete[] m_pResourceBuffer;
    delete[] reinterpret_cast<BYTE*>(m_pwfx);
}

void CWaveReader::Close() {
    if (m_hmmio != nullptr) {
        mmioClose(m_hmmio, 0);
        m_hmmio = nullptr;
    }
}

HRESULT CWaveReader::Open(LPSTR fileName) {
    if (fileName == nullptr) {
        return E_INVALIDARG;
    }
    Close();
    m_dwSize = 0;
    m_hmmio = mmioOpenA(fileName, nullptr, MMIO_ALLOCBUF | MMIO_READ);
    if (m_hmmio == nullptr) {
        HRSRC resource = FindResourceA(nullptr, fileName, "WAVE");
        if (resource == nullptr) {
            resource = FindResourceA(nullptr, fileName, "WAV");
        }
        if (resource == nullptr) {
            return 1;
        }
        HGLOBAL loaded = LoadResource(nullptr, resource);
        if (loaded == nullptr) {
            return 1;
        }
        DWORD size = SizeofResource(nullptr, resource);
        if (size == 0) {
            return 1;
        }
        const void* bytes = LockResource(loaded);
        if (bytes == nullptr) {
            return 1;
        }
        return OpenMemory(bytes, size);
    }
    delete[] m_pResourceBuffer;
    m_pResourceBuffer = nullptr;
    return Start();
}

HRESULT CWaveReader::OpenMemory(const void* bytes, DWORD size) {
    Close();
    delete[] m_pResourceBuffer;
    m_dwSize = 0;
    m_pResourceBuffer = new (std::nothrow) CHAR[std::max<DWORD>(size, 1)];
    if (m_pResourceBuffer == nullptr || bytes == nullptr || size > DWORD(LONG_MAX)) {
        return 1;
    }
    std::memcpy(m_pResourceBuffer, bytes, size);
    MMIOINFO info{};
    info.fccIOProc = FOURCC_MEM;
    info.cchBuffer = LONG(size);
    info.pchBuffer = m_pResourceBuffer;
    m_hmmio = mmioOpenA(nullptr, &info, MMIO_ALLOCBUF | MMIO_READ);
    if (m_hmmio == nullptr) {
        return 1;
    }
    return Start();
}

HRESULT CWaveReader::Start() {
    m_dwFlags = WAVEFILE_READ;
    m_dwSize = 0;
    if (ReadHeader() != 0) {
        Close();
        return 1;
    }
    if (Rewind() != 0) {
        return 1;
    }
    m_dwSize = m_ck.cksize;
    return 0;
}

HRESULT CWaveReader::ReadHeader() {
    if (m_hmmio == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    delete[] reinterpret_cast<BYTE*>(m_pwfx);
    m_pwfx = nullptr;
    auto fail = [this] {
        delete[] reinterpret_cast<BYTE*>(m_pwfx);
        m_pwfx = nullptr;
        return HRESULT(1);
    };
    if (mmioDescend(m_hmmio, &m_ckRiff, nullptr, 0) != 0 || m_ckRiff.ckid != FOURCC_RIFF ||
        m_ckRiff.fccType != mmioFOURCC('W', 'A', 'V', 'E')) {
        return fail();
    }
    MMCKINFO ckIn{};
    ckIn.ckid = mmioFOURCC('f', 'm', 't', ' ');
    if (mmioDescend(m_hmmio, &ckIn, &m_ckRiff, MMIO_FINDCHUNK) != 0 || ckIn.cksize < 16) {
        return fail();
    }
    WAVEFORMATEX pcm{};
    const LONG pcmBytes = 16;
    if (mmioRead(m_hmmio, reinterpret_cast<HPSTR>(&pcm), pcmBytes) != pcmBytes) {
        return fail();
    }
    WORD extraBytes = 0;
    if (pcm.wFormatTag != WAVE_FORMAT_PCM) {
        if (mmioRead(m_hmmio, reinterpret_cast<HPSTR>(&extraBytes), sizeof(WORD)) !=
            LONG(sizeof(WORD))) {
            return fail();
        }
        // The extra bytes must lie inside the chunk and inside the file: a size that claims
        // more is refused before anything is allocated for it.
        LONG left = BytesLeft(m_hmmio);
        if (ckIn.cksize < 18u + extraBytes || left < LONG(extraBytes)) {
            return fail();
        }
    }
    m_pwfx =
        reinterpret_cast<WAVEFORMATEX*>(new (std::nothrow) BYTE[sizeof(WAVEFORMATEX) + extraBytes]);
    if (m_pwfx == nullptr) {
        return fail();
    }
    std::memcpy(m_pwfx, &pcm, pcmBytes);
    m_pwfx->cbSize = extraBytes;
    if (extraBytes != 0 &&
        mmioRead(m_hmmio, reinterpret_cast<HPSTR>(m_pwfx + 1), extraBytes) != extraBytes) {
        return fail();
    }
    if (mmioAscend(m_hmmio, &ckIn, 0) != 0) {
        return fail();
    }
    return 0;
}

HRESULT CWaveReader::Rewind() {
    if (m_hmmio == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    if (mmioSeek(m_hmmio, LONG(m_ckRiff.dwDataOffset + sizeof(FOURCC)), SEEK_SET) == -1) {
        return 1;
    }
    m_ck.ckid = mmioFOURCC('d', 'a', 't', 'a');
    if (mmioDescend(m_hmmio, &m_ck, &m_ckRiff, MMIO_FINDCHUNK) != 0) {
        return 1;
    }
    // A data chunk that claims more bytes than the file holds is read as far as the file goes.
    LONG left = BytesLeft(m_hmmio);
    if (left < 0) {
        return 1;
    }
    m_ck.cksize = std::min(m_ck.cksize, DWORD(left));
    return 0;
}

HRESULT CWaveReader::Read(BYTE* destination, DWORD count, DWORD* read) {
    if (m_hmmio == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    if (destination == nullptr || read == nullptr) {
        return E_INVALIDARG;
    }
    *read = 0;
    if (mmioGetInfo(m_hmmio, &m_mmioinfoOut, 0) != 0) {
        return 1;
    }
    DWORD wanted = std::min(count, m_ck.cksize);
    m_ck.cksize -= wanted;
    DWORD copied = 0;
    while (copied < wanted) {
        if (m_mmioinfoOut.pchNext == m_mmioinfoOut.pchEndRead) {
            if (mmioAdvance(m_hmmio, &m_mmioinfoOut, MMIO_READ) != 0 ||
                m_mmioinfoOut.pchNext == m_mmioinfoOut.pchEndRead) {
                return 1;
            }
        }
        DWORD part =
            std::min(wanted - copied, DWORD(m_mmioinfoOut.pchEndRead - m_mmioinfoOut.pchNext));
        std::memcpy(destination + copied, m_mmioinfoOut.pchNext, part);
        m_mmioinfoOut.pchNext += part;
        copied += part;
    }
    if (mmioSetInfo(m_hmmio, &m_mmioinfoOut, 0) != 0) {
        return 1;
    }
    *read = wanted;
    return 0;
}
