#include "texture.h"

#include "device.h"
#include "fvf.h"

namespace d3d9gl::detail {
namespace {

struct GlFormat {
    D3DFORMAT format;
    GLint internalFormat;
    GLenum layout;
    GLenum type;
    bool opaque; // the format has no alpha (or ignores it): alpha reads as 1
};

// Texel bytes as the platform lays them out in memory, read by GL unchanged.
constexpr GlFormat kFormats[] = {
    {D3DFMT_A8R8G8B8, GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, false},
    {D3DFMT_X8R8G8B8, GL_RGBA8, GL_BGRA, GL_UNSIGNED_BYTE, true},
    {D3DFMT_R8G8B8, GL_RGB8, GL_BGR, GL_UNSIGNED_BYTE, true},
    {D3DFMT_R5G6B5, GL_RGB8, GL_RGB, GL_UNSIGNED_SHORT_5_6_5, true},
    {D3DFMT_X1R5G5B5, GL_RGB5_A1, GL_BGRA, GL_UNSIGNED_SHORT_1_5_5_5_REV, true},
    {D3DFMT_A1R5G5B5, GL_RGB5_A1, GL_BGRA, GL_UNSIGNED_SHORT_1_5_5_5_REV, false},
};

const GlFormat* FindFormat(D3DFORMAT format) {
    for (const GlFormat& known : kFormats) {
        if (known.format == format) {
            return &known;
        }
    }
    return nullptr;
}

} // namespace

bool TextureFormatKnown(D3DFORMAT format) {
    return FindFormat(format) != nullptr;
}

Texture::Texture(Device* device, const TextureShape& shape)
    : RefCounted(device), device_(device), shape_(shape),
      pixelBytes_(d3d9common::TextureFormatBytes(shape.format)) {
    const GlFormat& format = *FindFormat(shape.format);
    GlState& gl = device_->Gl();
    gl.Call(glGenTextures, 1, &name_);
    gl.BindTexture(name_);
    gl.Call(glTexParameteri, GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, GLint(shape.levels - 1));
    if (format.opaque) {
        gl.Call(glTexParameteri, GL_TEXTURE_2D, GL_TEXTURE_SWIZZLE_A, GL_ONE);
    }
    // Every level starts out all zero, as the platform's new textures do.
    const std::vector<std::uint8_t> zeros(std::size_t{shape.width} * shape.height * pixelBytes_);
    for (UINT level = 0; level < shape.levels; ++level) {
        UINT w = d3d9common::MipLevelSide(shape.width, level);
        UINT h = d3d9common::MipLevelSide(shape.height, level);
        levels_.push_back(Level{w, h, {}});
        gl.Call(glTexImage2D, GL_TEXTURE_2D, GLint(level), format.internalFormat, GLsizei(w),
                GLsizei(h), 0, format.layout, format.type, zeros.data());
    }
}

Texture::~Texture() {
    device_->ForgetTexture(name_);
    device_->Gl().Call(glDeleteTextures, 1, &name_);
}

HRESULT Texture::GetDevice(IDirect3DDevice9** device) {
    if (!device) {
        return D3DERR_INVALIDCALL;
    }
    device_->AddRef();
    *device = device_;
    return D3D_OK;
}

HRESULT Texture::GetLevelDesc(UINT level, D3DSURFACE_DESC* desc) {
    if (!desc || level >= levels_.size()) {
        return D3DERR_INVALIDCALL;
    }
    *desc = D3DSURFACE_DESC{shape_.format,        D3DRTYPE_SURFACE,     shape_.usage,
                            shape_.pool,          D3DMULTISAMPLE_NONE,  0,
                            levels_[level].width, levels_[level].height};
    return D3D_OK;
}

HRESULT Texture::LockRect(UINT level, D3DLOCKED_RECT* locked, const RECT* rect, DWORD flags) {
    if (locked) {
        *locked = D3DLOCKED_RECT{0, nullptr};
    }
    if (!locked || level >= levels_.size() || levels_[level].locked) {
        return D3DERR_INVALIDCALL;
    }
    Level& target = levels_[level];
    RECT whole{0, 0, static_cast<LONG>(target.width), static_cast<LONG>(target.height)};
    RECT area = rect ? *rect : whole;
    if (area.left < 0 || area.top < 0 || area.left >= area.right || area.top >= area.bottom ||
        area.right > whole.right || area.bottom > whole.bottom) {
        return D3DERR_INVALIDCALL;
    }
    std::size_t pitch = std::size_t{target.width} * pixelBytes_;
    Download(level);
    locked->Pitch = static_cast<INT>(pitch);
    locked->pBits =
        target.pixels.data() + std::size_t(area.top) * pitch + std::size_t(area.left) * pixelBytes_;
    target.locked = true;
    target.written = !(flags & D3DLOCK_READONLY);
    return D3D_OK;
}

HRESULT Texture::UnlockRect(UINT level) {
    if (level >= levels_.size() || !levels_[level].locked) {
        return D3DERR_INVALIDCALL;
    }
    levels_[level].locked = false;
    if (levels_[level].written) {
        Upload(level);
    }
    // GL keeps the texels from here on; the level's copy lives only while it is locked.
    std::vector<std::uint8_t>().swap(levels_[level].pixels);
    return D3D_OK;
}

void Texture::Download(UINT level) {
    const GlFormat& format = *FindFormat(shape_.format);
    Level& target = levels_[level];
    target.pixels.resize(std::size_t{target.width} * target.height * pixelBytes_);
    GlState& gl = device_->Gl();
    gl.BindTexture(name_);
    gl.Call(glGetTexImage, GL_TEXTURE_2D, GLint(level), format.layout, format.type,
            target.pixels.data());
}

void Texture::Upload(UINT level) {
    const GlFormat& format = *FindFormat(shape_.format);
    const Level& source = levels_[level];
    GlState& gl = device_->Gl();
    gl.BindTexture(name_);
    gl.Call(glTexSubImage2D, GL_TEXTURE_2D, GLint(level), 0, 0, GLsizei(source.width),
            GLsizei(source.height), format.layout, format.type, source.pixels.data());
}

} // namespace d3d9gl::detail
