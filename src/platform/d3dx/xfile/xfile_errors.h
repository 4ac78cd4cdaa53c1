// Result codes the .x reader gives for files it cannot read. The header and template checks
// answer with the file layer's own codes (facility 0x876, codes 850 and up), as the platform's
// loader passes them through unchanged.
#pragma once

#include <windows.h>

namespace d3dx::xfile {

inline constexpr HRESULT kBadFileType = MAKE_HRESULT(1, 0x876, 861);
inline constexpr HRESULT kBadFileVersion = MAKE_HRESULT(1, 0x876, 862);
inline constexpr HRESULT kBadFileFloatSize = MAKE_HRESULT(1, 0x876, 863);
inline constexpr HRESULT kParseError = MAKE_HRESULT(1, 0x876, 866);

} // namespace d3dx::xfile
