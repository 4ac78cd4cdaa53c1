// Readable text for logged calls, for test failure messages and LogText().
#include "d3d9_recording.h"

#include <cstdio>

namespace d3d9rec {
namespace {

std::string Number(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(v));
    return text;
}

std::string Colour(const D3DCOLORVALUE& c) {
    return "(" + Number(c.r) + " " + Number(c.g) + " " + Number(c.b) + " " + Number(c.a) + ")";
}

std::string Vector(const D3DVECTOR& v) {
    return "(" + Number(v.x) + " " + Number(v.y) + " " + Number(v.z) + ")";
}

struct ValueText {
    std::string operator()(std::monostate) const { return "null"; }
    std::string operator()(std::int64_t v) const { return std::to_string(v); }
    std::string operator()(float v) const { return Number(v); }
    std::string operator()(const std::string& v) const { return "\"" + v + "\""; }
    std::string operator()(ObjectRef v) const {
        return v.id == 0 ? "null" : "#" + std::to_string(v.id);
    }
    std::string operator()(const Bytes& v) const {
        return "<" + std::to_string(v.size()) + " bytes>";
    }
    std::string operator()(const RECT& r) const {
        return "rect(" + std::to_string(r.left) + " " + std::to_string(r.top) + " " +
               std::to_string(r.right) + " " + std::to_string(r.bottom) + ")";
    }
    std::string operator()(const std::vector<D3DRECT>& rects) const {
        std::string text = "rects[";
        for (const D3DRECT& r : rects) {
            text += "(" + std::to_string(r.x1) + " " + std::to_string(r.y1) + " " +
                    std::to_string(r.x2) + " " + std::to_string(r.y2) + ")";
        }
        return text + "]";
    }
    std::string operator()(const D3DMATRIX& m) const {
        std::string text = "matrix[";
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 4; ++col) {
                text += Number(m.m[row][col]);
                text += col < 3 ? " " : (row < 3 ? "; " : "]");
            }
        }
        return text;
    }
    std::string operator()(const D3DMATERIAL9& m) const {
        return "material{D" + Colour(m.Diffuse) + " A" + Colour(m.Ambient) + " S" +
               Colour(m.Specular) + " E" + Colour(m.Emissive) + " P" + Number(m.Power) + "}";
    }
    std::string operator()(const D3DLIGHT9& l) const {
        return "light{type " + std::to_string(l.Type) + " D" + Colour(l.Diffuse) + " S" +
               Colour(l.Specular) + " A" + Colour(l.Ambient) + " pos" + Vector(l.Position) +
               " dir" + Vector(l.Direction) + " range " + Number(l.Range) + "}";
    }
    std::string operator()(const D3DVIEWPORT9& v) const {
        return "viewport{" + std::to_string(v.X) + " " + std::to_string(v.Y) + " " +
               std::to_string(v.Width) + "x" + std::to_string(v.Height) + " z " + Number(v.MinZ) +
               ".." + Number(v.MaxZ) + "}";
    }
    std::string operator()(const D3DPRESENT_PARAMETERS& p) const {
        return "present{" + std::to_string(p.BackBufferWidth) + "x" +
               std::to_string(p.BackBufferHeight) + " fmt " + std::to_string(p.BackBufferFormat) +
               " windowed " + std::to_string(p.Windowed) + " depth " +
               std::to_string(p.EnableAutoDepthStencil) + "/" +
               std::to_string(p.AutoDepthStencilFormat) + " ms " +
               std::to_string(p.MultiSampleType) + " interval " +
               std::to_string(p.PresentationInterval) + "}";
    }
    std::string operator()(const D3DDISPLAYMODE& m) const {
        return "mode{" + std::to_string(m.Width) + "x" + std::to_string(m.Height) + " @" +
               std::to_string(m.RefreshRate) + " fmt " + std::to_string(m.Format) + "}";
    }
};

} // namespace

std::string Value::ToString() const {
    return std::visit(ValueText{}, storage_);
}

std::string Call::ToString() const {
    std::string text = method;
    if (object != 0) {
        text += "@" + std::to_string(object);
    }
    text += "(";
    for (std::size_t i = 0; i < args.size(); ++i) {
        text += (i ? ", " : "") + args[i].ToString();
    }
    text += ") -> " + ResultName(result);
    if (drawn) {
        text += " drew " + std::to_string(drawn->VertexCount()) + " vertices";
        if (!drawn->indices.empty()) {
            text += ", " + std::to_string(drawn->indices.size()) + " indices";
        }
    }
    return text;
}

std::string ResultName(HRESULT result) {
    struct Named {
        HRESULT value;
        const char* name;
    };
    static constexpr Named kNames[] = {
        {D3D_OK, "D3D_OK"},
        {S_FALSE, "S_FALSE"},
        {E_FAIL, "E_FAIL"},
        {E_OUTOFMEMORY, "E_OUTOFMEMORY"},
        {E_INVALIDARG, "E_INVALIDARG"},
        {E_NOTIMPL, "E_NOTIMPL"},
        {D3DERR_WRONGTEXTUREFORMAT, "D3DERR_WRONGTEXTUREFORMAT"},
        {D3DERR_DRIVERINTERNALERROR, "D3DERR_DRIVERINTERNALERROR"},
        {D3DERR_NOTFOUND, "D3DERR_NOTFOUND"},
        {D3DERR_MOREDATA, "D3DERR_MOREDATA"},
        {D3DERR_DEVICELOST, "D3DERR_DEVICELOST"},
        {D3DERR_DEVICENOTRESET, "D3DERR_DEVICENOTRESET"},
        {D3DERR_NOTAVAILABLE, "D3DERR_NOTAVAILABLE"},
        {D3DERR_INVALIDDEVICE, "D3DERR_INVALIDDEVICE"},
        {D3DERR_INVALIDCALL, "D3DERR_INVALIDCALL"},
        {D3DERR_OUTOFVIDEOMEMORY, "D3DERR_OUTOFVIDEOMEMORY"},
    };
    for (const Named& named : kNames) {
        if (named.value == result) {
            return named.name;
        }
    }
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", static_cast<unsigned>(result));
    return text;
}

} // namespace d3d9rec
