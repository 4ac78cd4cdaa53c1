// The 16-byte header that opens every .x file: "xof " version format float-size.
#pragma once

#include <windows.h>

#include <string_view>

namespace d3dx::xfile {

inline constexpr std::size_t kHeaderSize = 16;

// D3D_OK for a text file ("xof 0302txt 0032", version 0302 or 0303, float size 0032 or
// 0064); otherwise the code for what is wrong. This reader handles text only: binary and
// compressed files give E_FAIL, what the platform answers when it finds no mesh in them.
HRESULT CheckHeader(std::string_view file);

} // namespace d3dx::xfile
