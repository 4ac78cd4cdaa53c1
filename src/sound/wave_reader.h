// Reads the sample data of a RIFF WAVE file, from disk or from a "WAVE"/"WAV" resource of
// the program, through the multimedia file functions.
#pragma once

#include <windows.h>
#include <mmsystem.h>

class CWaveReader {
public:
    CWaveReader();
    ~CWaveReader();
    CWaveReader(const CWaveReader&) = delete;
    CWaveReader& operator=(const CWaveReader&) = delete;

    // Opens the file, or failing that the resource of that name: 0, E_INVALIDARG for no
    // name, 1 when neither holds a readable WAV.
    HRESULT Open(LPSTR fileName);
    // Opens a copy of the bytes as a memory file: 0, or 1 when they are no readable WAV.
    HRESULT OpenMemory(const void* bytes, DWORD size);
    HRESULT ReadHeader();
    // Positions reading at the first sample byte: 0, 1, or CO_E_NOTINITIALIZED.
    HRESULT Rewind();
    // Copies up to count sample bytes; *read gets how many (0 at the end of the data).
    HRESULT Read(BYTE* destination, DWORD count, DWORD* read);
    // The bytes of sample data: the data chunk's size, or what the file holds if less.
    DWORD GetSize() const { return m_dwSize; }
    WAVEFORMATEX* GetFormat() const { return m_pwfx; }

private:
    // Reads the header and finds the data of the file just opened: 0 or 1.
    HRESULT Start();
    void Close();

    WAVEFORMATEX* m_pwfx;
    HMMIO m_hmmio;
    MMCKINFO m_ck;
    MMCKINFO m_ckRiff;
    DWORD m_dwSize;
    MMIOINFO m_mmioinfoOut;
    DWORD m_dwFlags;
    CHAR* m_pResourceBuffer;
};
