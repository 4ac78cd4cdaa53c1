// Reading Mesh objects and the objects that belong to them.
#include "xfile/xfile_mesh_reader.h"

#include <algorithm>

#include "xfile/xfile_values.h"

namespace d3dx::xfile {

namespace {

constexpr DWORD kUncolouredVertex = 0x00FFFFFF; // white, alpha 0: vertices no colour names

bool ReadVector(ValueReader& reader, D3DXVECTOR3& out) {
    return reader.ReadFloat(out.x) && reader.ReadFloat(out.y) && reader.ReadFloat(out.z);
}

BYTE ColourByte(float value) {
    return static_cast<BYTE>(std::clamp(value, 0.0f, 1.0f) * 255.0f + 0.5f);
}

HRESULT ReadMaterial(const Document& document, const DataObject& object, FileMaterial& out) {
    ValueReader reader(object.values);
    D3DMATERIAL9& material = out.material;
    float face[4];
    float specular[3];
    float emissive[3];
    if (!reader.ReadFloats(face, 4) || !reader.ReadFloat(material.Power) ||
        !reader.ReadFloats(specular, 3) || !reader.ReadFloats(emissive, 3) ||
        reader.Remaining() != 0) {
        return E_FAIL;
    }
    material.Diffuse = {face[0], face[1], face[2], face[3]};
    material.Ambient = {0.0f, 0.0f, 0.0f, 1.0f};
    material.Specular = {specular[0], specular[1], specular[2], 1.0f};
    material.Emissive = {emissive[0], emissive[1], emissive[2], 1.0f};
    for (ObjectId id : object.children) {
        const DataObject& child = document.objects[id];
        if (child.type != "TextureFilename") {
            continue;
        }
        ValueReader name(child.values);
        std::string_view text;
        if (!name.ReadString(text) || name.Remaining() != 0) {
            return E_FAIL;
        }
        // The name is handed out as a C string: it ends at its first NUL.
        out.texture = std::string(text.substr(0, text.find('\0')));
        out.hasTexture = true;
    }
    return D3D_OK;
}

HRESULT ReadMaterialList(const Document& document, const DataObject& object, FileMesh& mesh) {
    mesh.materials.clear();
    mesh.polygonMaterials.clear();
    ValueReader reader(object.values);
    DWORD materialCount = 0;
    if (!reader.ReadDword(materialCount)) {
        return E_FAIL;
    }
    if (materialCount == 0) {
        return D3D_OK;
    }
    // One index per polygon, as the platform insists (it refuses a shorter list too).
    DWORD indexCount = 0;
    if (!reader.ReadDword(indexCount) || indexCount != mesh.polygonSizes.size() ||
        !reader.CanHold(indexCount, 1)) {
        return E_FAIL;
    }
    mesh.polygonMaterials.resize(indexCount);
    for (DWORD& index : mesh.polygonMaterials) {
        if (!reader.ReadDword(index) || index >= materialCount) {
            return E_FAIL;
        }
    }
    if (reader.Remaining() != 0) {
        return E_FAIL;
    }
    for (ObjectId id : object.children) {
        const DataObject& child = document.objects[id];
        if (child.type != "Material") {
            continue;
        }
        if (mesh.materials.size() >= materialCount) {
            return E_FAIL;
        }
        mesh.materials.emplace_back();
        if (HRESULT hr = ReadMaterial(document, child, mesh.materials.back()); FAILED(hr)) {
            return hr;
        }
    }
    return mesh.materials.size() == materialCount ? D3D_OK : E_FAIL;
}

HRESULT ReadNormals(const DataObject& object, FileMesh& mesh) {
    ValueReader reader(object.values);
    DWORD normalCount = 0;
    if (!reader.ReadDword(normalCount) || !reader.CanHold(normalCount, 3)) {
        return E_FAIL;
    }
    mesh.normals.resize(normalCount);
    for (D3DXVECTOR3& normal : mesh.normals) {
        if (!ReadVector(reader, normal)) {
            return E_FAIL;
        }
        D3DXVec3Normalize(&normal, &normal);
    }
    DWORD faceCount = 0;
    if (!reader.ReadDword(faceCount) || faceCount != mesh.polygonSizes.size()) {
        return E_FAIL;
    }
    mesh.normalCorners.clear();
    mesh.normalCorners.reserve(mesh.corners.size());
    for (DWORD size : mesh.polygonSizes) {
        DWORD count = 0;
        if (!reader.ReadDword(count) || count != size) {
            return E_FAIL;
        }
        for (DWORD i = 0; i < count; ++i) {
            DWORD index = 0;
            if (!reader.ReadDword(index) || index >= normalCount) {
                return E_FAIL;
            }
            mesh.normalCorners.push_back(index);
        }
    }
    mesh.hasNormals = true;
    return reader.Remaining() == 0 ? D3D_OK : E_FAIL;
}

HRESULT ReadTextureCoords(const DataObject& object, FileMesh& mesh) {
    ValueReader reader(object.values);
    DWORD count = 0;
    if (!reader.ReadDword(count) || count != mesh.positions.size() || !reader.CanHold(count, 2)) {
        return E_FAIL;
    }
    mesh.texCoords.resize(count);
    for (D3DXVECTOR2& uv : mesh.texCoords) {
        if (!reader.ReadFloat(uv.x) || !reader.ReadFloat(uv.y)) {
            return E_FAIL;
        }
    }
    return reader.Remaining() == 0 ? D3D_OK : E_FAIL;
}

HRESULT ReadVertexColors(const DataObject& object, FileMesh& mesh) {
    ValueReader reader(object.values);
    DWORD count = 0;
    if (!reader.ReadDword(count) || !reader.CanHold(count, 5)) {
        return E_FAIL;
    }
    mesh.colors.assign(mesh.positions.size(), kUncolouredVertex);
    for (DWORD i = 0; i < count; ++i) {
        DWORD index = 0;
        float rgba[4];
        if (!reader.ReadDword(index) || index >= mesh.positions.size() ||
            !reader.ReadFloats(rgba, 4)) {
            return E_FAIL;
        }
        mesh.colors[index] = D3DCOLOR_ARGB(ColourByte(rgba[3]), ColourByte(rgba[0]),
                                           ColourByte(rgba[1]), ColourByte(rgba[2]));
    }
    return reader.Remaining() == 0 ? D3D_OK : E_FAIL;
}

HRESULT ReadGeometry(const DataObject& object, FileMesh& mesh) {
    ValueReader reader(object.values);
    DWORD vertexCount = 0;
    if (!reader.ReadDword(vertexCount) || !reader.CanHold(vertexCount, 3)) {
        return E_FAIL;
    }
    mesh.positions.resize(vertexCount);
    for (D3DXVECTOR3& position : mesh.positions) {
        if (!ReadVector(reader, position)) {
            return E_FAIL;
        }
    }
    // A polygon takes at least four values: its size and three indices.
    DWORD polygonCount = 0;
    if (!reader.ReadDword(polygonCount) || !reader.CanHold(polygonCount, 4)) {
        return E_FAIL;
    }
    mesh.polygonSizes.reserve(polygonCount);
    for (DWORD p = 0; p < polygonCount; ++p) {
        DWORD size = 0;
        if (!reader.ReadDword(size) || size < 3 || !reader.CanHold(size, 1)) {
            return E_FAIL;
        }
        mesh.polygonSizes.push_back(size);
        for (DWORD i = 0; i < size; ++i) {
            DWORD index = 0;
            if (!reader.ReadDword(index) || index >= vertexCount) {
                return E_FAIL;
            }
            mesh.corners.push_back(index);
        }
    }
    return reader.Remaining() == 0 ? D3D_OK : E_FAIL;
}

} // namespace

HRESULT ReadMesh(const Document& document, ObjectId mesh, FileMesh& out) {
    const DataObject& object = document.objects[mesh];
    out = FileMesh{};
    if (HRESULT hr = ReadGeometry(object, out); FAILED(hr)) {
        return hr;
    }
    // A later object of the same kind replaces an earlier one.
    for (ObjectId id : object.children) {
        const DataObject& child = document.objects[id];
        HRESULT hr = D3D_OK;
        if (child.type == "MeshNormals") {
            hr = ReadNormals(child, out);
        } else if (child.type == "MeshTextureCoords") {
            hr = ReadTextureCoords(child, out);
        } else if (child.type == "MeshVertexColors") {
            hr = ReadVertexColors(child, out);
        } else if (child.type == "MeshMaterialList") {
            hr = ReadMaterialList(document, child, out);
        }
        if (FAILED(hr)) {
            return hr;
        }
    }
    return D3D_OK;
}

HRESULT ReadFrameTransform(const Document& document, ObjectId transform, D3DXMATRIX& out) {
    ValueReader reader(document.objects[transform].values);
    float m[16];
    if (!reader.ReadFloats(m, 16) || reader.Remaining() != 0) {
        return E_FAIL;
    }
    out = D3DXMATRIX(m);
    return D3D_OK;
}

} // namespace d3dx::xfile
