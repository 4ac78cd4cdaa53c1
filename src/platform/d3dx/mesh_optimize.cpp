// Planning OptimizeInplace: attribute sort, compaction and vertex-cache order (meshoptimizer).
#include "mesh_optimize.h"

#include <meshoptimizer.h>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>

namespace d3dx {

namespace {

constexpr DWORD kUnused = 0xFFFFFFFF;
constexpr unsigned kCacheSize = 16; // the FIFO size meshoptimizer tunes for

std::vector<DWORD> Identity(std::size_t size) {
    std::vector<DWORD> order(size);
    std::iota(order.begin(), order.end(), 0u);
    return order;
}

std::vector<DWORD> SortedByAttribute(const std::vector<DWORD>& attributes) {
    std::vector<DWORD> order = Identity(attributes.size());
    std::stable_sort(order.begin(), order.end(),
                     [&attributes](DWORD a, DWORD b) { return attributes[a] < attributes[b]; });
    return order;
}

float CacheMissRatio(const std::vector<unsigned>& indices, std::size_t vertexCount) {
    return meshopt_analyzeVertexCache(indices.data(), indices.size(), vertexCount, kCacheSize, 0, 0)
        .acmr;
}

// Reorders faces[first, last) (old face numbers) for the vertex cache, keeping each face's
// corners as they are. The faces' vertices are numbered locally for meshoptimizer.
void OrderGroupForCache(const std::vector<DWORD>& indices, std::vector<DWORD>& faces,
                        std::size_t first, std::size_t last, std::vector<DWORD>& local) {
    std::vector<unsigned> before;
    std::vector<DWORD> used;
    for (std::size_t f = first; f < last; ++f) {
        for (int corner = 0; corner < 3; ++corner) {
            DWORD vertex = indices[3 * faces[f] + corner];
            if (local[vertex] == kUnused) {
                local[vertex] = static_cast<DWORD>(used.size());
                used.push_back(vertex);
            }
            before.push_back(local[vertex]);
        }
    }
    std::vector<unsigned> after(before.size());
    meshopt_optimizeVertexCache(after.data(), before.data(), before.size(), used.size());

    if (CacheMissRatio(after, used.size()) <= CacheMissRatio(before, used.size())) {
        // Find which face each output triangle is: the same corners, maybe turned round.
        auto key = [](unsigned a, unsigned b, unsigned c) {
            std::array<unsigned, 3> k{a, b, c};
            std::rotate(k.begin(), std::min_element(k.begin(), k.end()), k.end());
            return k;
        };
        std::map<std::array<unsigned, 3>, std::vector<DWORD>> facesWith;
        for (std::size_t f = last; f-- > first;) {
            std::size_t at = 3 * (f - first);
            facesWith[key(before[at], before[at + 1], before[at + 2])].push_back(faces[f]);
        }
        std::vector<DWORD> reordered;
        for (std::size_t at = 0; at < after.size(); at += 3) {
            std::vector<DWORD>& same = facesWith[key(after[at], after[at + 1], after[at + 2])];
            if (same.empty()) {
                break; // not a reordering of these faces: keep them as they were
            }
            reordered.push_back(same.back());
            same.pop_back();
        }
        if (reordered.size() == last - first) {
            std::copy(reordered.begin(), reordered.end(), faces.begin() + first);
        }
    }
    for (DWORD vertex : used) {
        local[vertex] = kUnused;
    }
}

void OrderFacesForCache(const std::vector<DWORD>& indices, const std::vector<DWORD>& attributes,
                        DWORD vertexCount, std::vector<DWORD>& faces) {
    std::vector<DWORD> local(vertexCount, kUnused);
    for (std::size_t first = 0; first < faces.size();) {
        std::size_t last = first;
        while (last < faces.size() && attributes[faces[last]] == attributes[faces[first]]) {
            ++last;
        }
        OrderGroupForCache(indices, faces, first, last, local);
        first = last;
    }
}

// Vertices in the order the faces first use them; the rest after them, in their old order,
// unless they are dropped.
std::vector<DWORD> VerticesByFirstUse(const std::vector<DWORD>& indices,
                                      const std::vector<DWORD>& faces, DWORD vertexCount,
                                      bool dropUnused) {
    std::vector<bool> placed(vertexCount, false);
    std::vector<DWORD> order;
    for (DWORD face : faces) {
        for (int corner = 0; corner < 3; ++corner) {
            DWORD vertex = indices[3 * face + corner];
            if (!placed[vertex]) {
                placed[vertex] = true;
                order.push_back(vertex);
            }
        }
    }
    for (DWORD vertex = 0; vertex < vertexCount && !dropUnused; ++vertex) {
        if (!placed[vertex]) {
            order.push_back(vertex);
        }
    }
    return order;
}

std::vector<DWORD> UsedVerticesInOrder(const std::vector<DWORD>& indices, DWORD vertexCount) {
    std::vector<bool> used(vertexCount, false);
    for (DWORD vertex : indices) {
        used[vertex] = true;
    }
    std::vector<DWORD> order;
    for (DWORD vertex = 0; vertex < vertexCount; ++vertex) {
        if (used[vertex]) {
            order.push_back(vertex);
        }
    }
    return order;
}

void SetVertexSpan(D3DXATTRIBUTERANGE& range, const std::vector<DWORD>& indices) {
    auto first = indices.begin() + 3 * range.FaceStart;
    auto [low, high] = std::minmax_element(first, first + 3 * range.FaceCount);
    range.VertexStart = *low;
    range.VertexCount = *high - *low + 1;
}

} // namespace

HRESULT PlanOptimization(DWORD flags, bool hasAdjacency, const std::vector<DWORD>& indices,
                         const std::vector<DWORD>& attributes, DWORD vertexCount,
                         OptimizePlan& plan) {
    const DWORD cacheFlags = D3DXMESHOPT_VERTEXCACHE | D3DXMESHOPT_STRIPREORDER;
    if (flags == 0 || (flags & cacheFlags) == cacheFlags ||
        ((flags & cacheFlags) && !hasAdjacency)) {
        return D3DERR_INVALIDCALL;
    }
    bool forCache = (flags & cacheFlags) != 0;
    bool keepVertices = (flags & D3DXMESHOPT_IGNOREVERTS) != 0;

    plan.groupsFaces = forCache || (flags & D3DXMESHOPT_ATTRSORT);
    plan.faceOrder = plan.groupsFaces ? SortedByAttribute(attributes) : Identity(attributes.size());
    if (forCache) {
        OrderFacesForCache(indices, attributes, vertexCount, plan.faceOrder);
    }

    const DWORD sortFlags = D3DXMESHOPT_COMPACT | D3DXMESHOPT_IGNOREVERTS | D3DXMESHOPT_ATTRSORT;
    if (forCache && !keepVertices) {
        plan.vertexOrder = VerticesByFirstUse(indices, plan.faceOrder, vertexCount,
                                              (flags & D3DXMESHOPT_COMPACT) != 0);
    } else if (!forCache && (flags & sortFlags) == D3DXMESHOPT_COMPACT) {
        plan.vertexOrder = UsedVerticesInOrder(indices, vertexCount);
    } else {
        plan.vertexOrder = Identity(vertexCount);
    }
    return D3D_OK;
}

std::vector<D3DXATTRIBUTERANGE> BuildAttributeTable(const std::vector<DWORD>& indices,
                                                    const std::vector<DWORD>& attributes) {
    std::vector<D3DXATTRIBUTERANGE> table;
    for (DWORD face = 0; face < attributes.size(); ++face) {
        if (table.empty() || table.back().AttribId != attributes[face]) {
            table.push_back({attributes[face], face, 0, 0, 0});
        }
        ++table.back().FaceCount;
    }
    for (D3DXATTRIBUTERANGE& range : table) {
        SetVertexSpan(range, indices);
    }
    return table;
}

void RefreshVertexSpans(std::vector<D3DXATTRIBUTERANGE>& table, const std::vector<DWORD>& indices) {
    std::size_t faceCount = indices.size() / 3;
    for (D3DXATTRIBUTERANGE& range : table) {
        bool covered = range.FaceCount > 0 && range.FaceStart < faceCount &&
                       range.FaceCount <= faceCount - range.FaceStart;
        if (covered) {
            SetVertexSpan(range, indices);
        }
    }
}

} // namespace d3dx
