// Walking frames, building each Mesh object once and merging its placed copies.
#include "mesh_scene.h"

#include <unordered_map>

#include "mesh_adjacency.h"
#include "mesh_build.h"

namespace d3dx {

namespace {

// References may place one mesh many times; these bound the work a small file can ask for.
// (A mesh placed once is bounded by the size of the file already.)
constexpr std::size_t kMaxObjectVisits = std::size_t{1} << 20;
constexpr std::size_t kMaxRepeatedItems = std::size_t{1} << 23; // vertices + indices

D3DXMATRIX Identity() {
    D3DXMATRIX m;
    D3DXMatrixIdentity(&m);
    return m;
}

xfile::FileMaterial DefaultMaterial() {
    xfile::FileMaterial material;
    material.material.Diffuse = {0.5f, 0.5f, 0.5f, 0.0f};
    material.material.Specular = {0.5f, 0.5f, 0.5f, 0.0f};
    return material;
}

class SceneWalker {
public:
    SceneWalker(const xfile::Document& document, bool withAdjacency)
        : document_(document), withAdjacency_(withAdjacency) {}

    HRESULT Walk();
    void Merge(LoadedScene& scene) const;

private:
    struct Part {
        BuiltMesh mesh;
        std::vector<DWORD> adjacency;
    };
    struct Placement {
        std::size_t part;
        D3DXMATRIX transform;
    };

    HRESULT CountVisit();
    HRESULT PlaceMesh(xfile::ObjectId id, const D3DXMATRIX& transform);
    HRESULT VisitFrame(xfile::ObjectId id, const D3DXMATRIX& outer);

    const xfile::Document& document_;
    bool withAdjacency_;
    std::vector<Part> parts_;
    std::unordered_map<xfile::ObjectId, std::size_t> partOf_;
    std::vector<Placement> placements_;
    std::size_t visits_ = 0;
    std::size_t repeatedItems_ = 0;
};

HRESULT SceneWalker::CountVisit() {
    return ++visits_ > kMaxObjectVisits ? E_OUTOFMEMORY : D3D_OK;
}

HRESULT SceneWalker::PlaceMesh(xfile::ObjectId id, const D3DXMATRIX& transform) {
    auto known = partOf_.find(id);
    if (known != partOf_.end()) {
        const BuiltMesh& mesh = parts_[known->second].mesh;
        repeatedItems_ += mesh.vertices.size() + mesh.indices.size();
        if (repeatedItems_ > kMaxRepeatedItems) {
            return E_OUTOFMEMORY;
        }
    } else {
        xfile::FileMesh file;
        if (HRESULT hr = xfile::ReadMesh(document_, id, file); FAILED(hr)) {
            return hr;
        }
        if (file.positions.empty() || file.polygonSizes.empty()) {
            return D3DERR_INVALIDCALL;
        }
        Part part{BuildMesh(file), {}};
        if (withAdjacency_) {
            std::vector<D3DXVECTOR3> positions;
            positions.reserve(part.mesh.vertices.size());
            for (const MeshVertex& v : part.mesh.vertices) {
                positions.push_back(v.position);
            }
            part.adjacency = ComputeAdjacency(positions, part.mesh.indices, 0.0f);
        }
        known = partOf_.emplace(id, parts_.size()).first;
        parts_.push_back(std::move(part));
    }
    placements_.push_back({known->second, transform});
    return D3D_OK;
}

HRESULT SceneWalker::VisitFrame(xfile::ObjectId id, const D3DXMATRIX& outer) {
    // What the frame's matrices place is then placed by the frames around it.
    D3DXMATRIX local = Identity();
    D3DXMATRIX placement = outer;
    for (xfile::ObjectId childId : document_.objects[id].children) {
        if (HRESULT hr = CountVisit(); FAILED(hr)) {
            return hr;
        }
        const xfile::DataObject& child = document_.objects[childId];
        HRESULT hr = D3D_OK;
        if (child.type == "Mesh") {
            hr = PlaceMesh(childId, placement);
        } else if (child.type == "FrameTransformMatrix") {
            D3DXMATRIX matrix;
            hr = xfile::ReadFrameTransform(document_, childId, matrix);
            D3DXMatrixMultiply(&local, &local, &matrix);
            D3DXMatrixMultiply(&placement, &local, &outer);
        } else if (child.type == "Frame") {
            hr = VisitFrame(childId, placement);
        }
        if (FAILED(hr)) {
            return hr;
        }
    }
    return D3D_OK;
}

HRESULT SceneWalker::Walk() {
    const D3DXMATRIX identity = Identity();
    for (xfile::ObjectId id : document_.topLevel) {
        if (HRESULT hr = CountVisit(); FAILED(hr)) {
            return hr;
        }
        const xfile::DataObject& object = document_.objects[id];
        HRESULT hr = D3D_OK;
        if (object.type == "Mesh") {
            hr = PlaceMesh(id, identity);
        } else if (object.type == "Frame") {
            hr = VisitFrame(id, identity);
        }
        if (FAILED(hr)) {
            return hr;
        }
    }
    return placements_.empty() ? E_FAIL : D3D_OK;
}

void SceneWalker::Merge(LoadedScene& scene) const {
    for (const Placement& placement : placements_) {
        const Part& part = parts_[placement.part];
        const BuiltMesh& mesh = part.mesh;
        const DWORD vertexBase = static_cast<DWORD>(scene.vertices.size());
        const DWORD faceBase = static_cast<DWORD>(scene.attributes.size());
        const DWORD materialBase = static_cast<DWORD>(scene.materials.size());
        scene.fvf |= mesh.fvf;
        for (const MeshVertex& vertex : mesh.vertices) {
            MeshVertex placed = vertex;
            D3DXVec3TransformCoord(&placed.position, &vertex.position, &placement.transform);
            if (mesh.fvf & D3DFVF_NORMAL) {
                D3DXVec3TransformNormal(&placed.normal, &vertex.normal, &placement.transform);
            }
            scene.vertices.push_back(placed);
        }
        for (DWORD index : mesh.indices) {
            scene.indices.push_back(vertexBase + index);
        }
        for (DWORD attribute : mesh.attributes) {
            scene.attributes.push_back(materialBase + attribute);
        }
        for (DWORD neighbour : part.adjacency) {
            scene.adjacency.push_back(neighbour == kNoNeighbour ? kNoNeighbour
                                                                : faceBase + neighbour);
        }
        scene.materials.insert(scene.materials.end(), mesh.materials.begin(), mesh.materials.end());
    }
    if (scene.materials.empty()) {
        scene.materials.push_back(DefaultMaterial());
    }
}

} // namespace

HRESULT LoadScene(const xfile::Document& document, bool withAdjacency, LoadedScene& scene) {
    SceneWalker walker(document, withAdjacency);
    if (HRESULT hr = walker.Walk(); FAILED(hr)) {
        return hr;
    }
    scene = LoadedScene{};
    walker.Merge(scene);
    return D3D_OK;
}

} // namespace d3dx
