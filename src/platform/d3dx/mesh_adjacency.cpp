// Adjacency by matching each directed edge with the reversed edge of another face, corners
// being grouped first into sets that count as the same point.
#include "mesh_adjacency.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <unordered_map>

namespace d3dx {

namespace {

std::uint64_t Mix(std::uint64_t hash, std::uint64_t part) {
    return (hash ^ part) * 0x9E3779B97F4A7C15ull + (hash >> 29);
}

struct PositionKey {
    std::uint32_t bits[3];

    explicit PositionKey(const D3DXVECTOR3& p) {
        // +0 and -0 are the same point.
        const float parts[3] = {p.x == 0.0f ? 0.0f : p.x, p.y == 0.0f ? 0.0f : p.y,
                                p.z == 0.0f ? 0.0f : p.z};
        std::memcpy(bits, parts, sizeof(bits));
    }
    bool operator==(const PositionKey& other) const {
        return std::equal(bits, bits + 3, other.bits);
    }
};

struct CellKey {
    std::int64_t cell[3];
    bool operator==(const CellKey& other) const { return std::equal(cell, cell + 3, other.cell); }
};

struct KeyHash {
    std::size_t operator()(const PositionKey& key) const {
        return Mix(Mix(key.bits[0], key.bits[1]), key.bits[2]);
    }
    std::size_t operator()(const CellKey& key) const {
        return Mix(Mix(static_cast<std::uint64_t>(key.cell[0]), key.cell[1]), key.cell[2]);
    }
};

class UnionFind {
public:
    explicit UnionFind(std::size_t size) : parent_(size) {
        std::iota(parent_.begin(), parent_.end(), 0u);
    }
    DWORD Find(DWORD x) {
        while (parent_[x] != x) {
            parent_[x] = parent_[parent_[x]];
            x = parent_[x];
        }
        return x;
    }
    void Unite(DWORD a, DWORD b) {
        a = Find(a);
        b = Find(b);
        if (a != b) {
            parent_[std::max(a, b)] = std::min(a, b);
        }
    }

private:
    std::vector<DWORD> parent_;
};

CellKey CellOf(const D3DXVECTOR3& p, float size) {
    constexpr double kLimit = 4.0e18; // keeps neighbouring cells inside int64
    CellKey key;
    const float parts[3] = {p.x, p.y, p.z};
    for (int i = 0; i < 3; ++i) {
        double cell = std::floor(static_cast<double>(parts[i]) / size);
        // A NaN coordinate is near nothing (every distance test fails): any cell will do.
        if (std::isnan(cell)) {
            cell = 0.0;
        }
        key.cell[i] = static_cast<std::int64_t>(std::clamp(cell, -kLimit, kLimit));
    }
    return key;
}

float DistanceSquared(const D3DXVECTOR3& a, const D3DXVECTOR3& b) {
    float dx = a.x - b.x;
    float dy = a.y - b.y;
    float dz = a.z - b.z;
    return dx * dx + dy * dy + dz * dz;
}

// Joins distinct positions closer than epsilon, looking only in neighbouring grid cells.
void JoinNearPositions(const std::vector<D3DXVECTOR3>& positions,
                       const std::vector<DWORD>& distinct, float epsilon, UnionFind& sets) {
    std::unordered_map<CellKey, std::vector<DWORD>, KeyHash> grid;
    float limit = epsilon * epsilon;
    for (DWORD u : distinct) {
        CellKey home = CellOf(positions[u], epsilon);
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dz = -1; dz <= 1; ++dz) {
                    CellKey near{{home.cell[0] + dx, home.cell[1] + dy, home.cell[2] + dz}};
                    auto found = grid.find(near);
                    if (found == grid.end()) {
                        continue;
                    }
                    for (DWORD w : found->second) {
                        if (DistanceSquared(positions[u], positions[w]) < limit) {
                            sets.Unite(u, w);
                        }
                    }
                }
            }
        }
        grid[home].push_back(u);
    }
}

// For each vertex, the lowest vertex that counts as the same corner.
std::vector<DWORD> CornerGroups(const std::vector<D3DXVECTOR3>& positions, float epsilon) {
    std::vector<DWORD> group(positions.size());
    std::iota(group.begin(), group.end(), 0u);
    if (!(epsilon >= 0.0f)) {
        return group;
    }
    std::unordered_map<PositionKey, DWORD, KeyHash> firstAt;
    std::vector<DWORD> distinct;
    for (DWORD i = 0; i < positions.size(); ++i) {
        auto [slot, added] = firstAt.emplace(PositionKey(positions[i]), i);
        group[i] = slot->second;
        if (added) {
            distinct.push_back(i);
        }
    }
    if (epsilon == 0.0f || !std::isfinite(epsilon)) {
        return group;
    }
    UnionFind sets(positions.size());
    JoinNearPositions(positions, distinct, epsilon, sets);
    for (DWORD& g : group) {
        g = sets.Find(g);
    }
    return group;
}

// The edge slots (3 * face + edge) running from one corner group to another, in face order.
struct EdgeSlots {
    std::vector<DWORD> slots;
    std::size_t firstOpen = 0; // slots before it are all taken
};

std::uint64_t EdgeKey(DWORD from, DWORD to) {
    return (static_cast<std::uint64_t>(from) << 32) | to;
}

} // namespace

std::vector<DWORD> ComputeAdjacency(const std::vector<D3DXVECTOR3>& positions,
                                    const std::vector<DWORD>& indices, float epsilon) {
    std::vector<DWORD> group = CornerGroups(positions, epsilon);
    std::size_t slotCount = indices.size() - indices.size() % 3;
    auto from = [&](std::size_t slot) { return group[indices[slot]]; };
    auto to = [&](std::size_t slot) { return group[indices[slot - slot % 3 + (slot + 1) % 3]]; };

    std::unordered_map<std::uint64_t, EdgeSlots> edges;
    for (std::size_t slot = 0; slot < slotCount; ++slot) {
        edges[EdgeKey(from(slot), to(slot))].slots.push_back(static_cast<DWORD>(slot));
    }

    std::vector<DWORD> adjacency(slotCount, kNoNeighbour);
    auto neighbours = [&adjacency](DWORD a, DWORD b) {
        return adjacency[3 * a] == b || adjacency[3 * a + 1] == b || adjacency[3 * a + 2] == b;
    };
    for (std::size_t slot = 0; slot < slotCount; ++slot) {
        if (adjacency[slot] != kNoNeighbour) {
            continue;
        }
        auto found = edges.find(EdgeKey(to(slot), from(slot)));
        if (found == edges.end()) {
            continue;
        }
        EdgeSlots& reversed = found->second;
        while (reversed.firstOpen < reversed.slots.size() &&
               adjacency[reversed.slots[reversed.firstOpen]] != kNoNeighbour) {
            ++reversed.firstOpen;
        }
        DWORD face = static_cast<DWORD>(slot / 3);
        for (std::size_t k = reversed.firstOpen; k < reversed.slots.size(); ++k) {
            DWORD other = reversed.slots[k];
            DWORD otherFace = other / 3;
            if (otherFace == face || adjacency[other] != kNoNeighbour ||
                neighbours(face, otherFace)) {
                continue;
            }
            adjacency[slot] = otherFace;
            adjacency[other] = face;
            break;
        }
    }
    return adjacency;
}

} // namespace d3dx
