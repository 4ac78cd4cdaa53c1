// The face and vertex orders ID3DXMesh::OptimizeInplace gives, and attribute tables.
#pragma once

#include <d3d9.h>
#include <d3dx9mesh.h>

#include <vector>

namespace d3dx {

struct OptimizePlan {
    std::vector<DWORD> faceOrder;   // new face -> old face
    std::vector<DWORD> vertexOrder; // new vertex -> old vertex, for the vertices kept
    bool groupsFaces = false;       // faces end up sorted by attribute: build the table
};

// D3DERR_INVALIDCALL for flags the call refuses: none at all, VERTEXCACHE with
// STRIPREORDER, or either of them without adjacency. Otherwise:
//  - ATTRSORT stably sorts the faces by attribute and leaves the vertices alone, COMPACT or
//    not (as Wine's library does);
//  - COMPACT alone drops the vertices no face uses, keeping the others in order;
//  - VERTEXCACHE (or STRIPREORDER) sorts by attribute, reorders each attribute's faces for
//    the vertex cache (never leaving the cache miss ratio worse) and, unless IGNOREVERTS,
//    orders the vertices by first use; unused ones go last, or are dropped with COMPACT.
HRESULT PlanOptimization(DWORD flags, bool hasAdjacency, const std::vector<DWORD>& indices,
                         const std::vector<DWORD>& attributes, DWORD vertexCount,
                         OptimizePlan& plan);

// One entry per run of equal attributes in face order; the vertex span of an entry runs from
// the lowest to the highest vertex its faces use.
std::vector<D3DXATTRIBUTERANGE> BuildAttributeTable(const std::vector<DWORD>& indices,
                                                    const std::vector<DWORD>& attributes);

// Recomputes the vertex span of each entry from the faces it covers (after the vertices
// were renumbered). Entries that cover no valid face keep their span.
void RefreshVertexSpans(std::vector<D3DXATTRIBUTERANGE>& table, const std::vector<DWORD>& indices);

} // namespace d3dx
