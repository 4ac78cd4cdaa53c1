// Test control for the recording Direct3D 9 device.
//
// Linking platform::d3d9_recording gives a program a Direct3DCreate9 whose objects draw
// nothing: they answer like the real device (buffers and textures hold real memory, states
// read back what was set, bad arguments get D3DERR_INVALIDCALL) and append every call, with
// its arguments and result, to one global log that tests read through this header.
//
// Log conventions:
//  - Call::method is the bare method name ("SetRenderState", "Lock", "Direct3DCreate9");
//    Call::object is the id of the object it was called on (0 for Direct3DCreate9).
//  - Call::args[i] is parameter i of the signature. Integers and enums are kept as integers,
//    floats as floats, handles (HWND) as their integer value. Pointers to input structures
//    are kept as copies (null Value for a null pointer). Interface pointers are kept as
//    ObjectRef (id 0 for null). Out parameters keep the value written: Create* (the new
//    object's ObjectRef), GetDevice / GetDirect3D (ObjectRef), GetRenderState (the DWORD),
//    GetTransform (the matrix), GetViewport, GetAdapterDisplayMode and
//    CheckDeviceMultiSampleType (the quality levels). Other out parameters (caps, descs,
//    Lock's data pointer) are kept as a null Value.
//    A failed call keeps a null Value in its out slots. Direct3DCreate9 keeps the object
//    it returns as args[1].
//  - AddRef, Release, GetType and GetLevelCount are not logged (see RefCount, LiveObjects).
//  - DrawPrimitive / DrawIndexedPrimitive that draw something carry Call::drawn: copies of
//    the vertices and indices actually read, so a test sees what was drawn.
//  - Everything here is single-threaded, like the game's rendering.
#pragma once

#include <d3d9.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace d3d9rec {

// Every recording object gets an id; ids count from 1 again after Reset() when no object is
// alive. Id 0 means "no object".
using ObjectId = std::uint32_t;

struct ObjectRef {
    ObjectId id = 0;
    bool operator==(const ObjectRef&) const = default;
};

using Bytes = std::vector<std::uint8_t>;

// One logged argument. Read it with As<T>() (throws std::bad_variant_access on a type
// mismatch) or the shortcuts below.
class Value {
public:
    using Storage = std::variant<std::monostate, std::int64_t, float, std::string, ObjectRef, Bytes,
                                 RECT, std::vector<D3DRECT>, D3DMATRIX, D3DMATERIAL9, D3DLIGHT9,
                                 D3DVIEWPORT9, D3DPRESENT_PARAMETERS, D3DDISPLAYMODE>;

    Value() = default;
    template <class T>
    requires(std::is_integral_v<T> || std::is_enum_v<T>) Value(T v)
        : storage_(static_cast<std::int64_t>(v)) {}
    Value(float v) : storage_(v) {}
    Value(std::string v) : storage_(std::move(v)) {}
    Value(ObjectRef v) : storage_(v) {}
    Value(Bytes v) : storage_(std::move(v)) {}
    Value(const RECT& v) : storage_(v) {}
    Value(std::vector<D3DRECT> v) : storage_(std::move(v)) {}
    Value(const D3DMATRIX& v) : storage_(v) {}
    Value(const D3DMATERIAL9& v) : storage_(v) {}
    Value(const D3DLIGHT9& v) : storage_(v) {}
    Value(const D3DVIEWPORT9& v) : storage_(v) {}
    Value(const D3DPRESENT_PARAMETERS& v) : storage_(v) {}
    Value(const D3DDISPLAYMODE& v) : storage_(v) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(storage_); }
    template <class T> bool Is() const { return std::holds_alternative<T>(storage_); }
    template <class T> const T& As() const { return std::get<T>(storage_); }
    std::int64_t Int() const { return As<std::int64_t>(); }
    DWORD UInt() const { return static_cast<DWORD>(As<std::int64_t>()); }
    float Float() const { return As<float>(); }
    ObjectId Object() const { return As<ObjectRef>().id; }
    const Storage& Raw() const { return storage_; }

    std::string ToString() const;

private:
    Storage storage_;
};

// What one draw call read from the bound buffers.
struct Drawn {
    DWORD fvf = 0;
    UINT stride = 0;
    // Vertex number (counted from the stream offset) of the first vertex kept in `vertices`:
    // StartVertex for DrawPrimitive, BaseVertexIndex + MinVertexIndex for indexed draws.
    INT firstVertex = 0;
    INT baseVertexIndex = 0;
    Bytes vertices;            // `stride` bytes per vertex, in buffer order
    std::vector<UINT> indices; // indexed draws: the index values read, in order
    ObjectRef texture;         // texture bound on stage 0 when drawing
    D3DMATRIX world{};         // D3DTS_WORLD when drawing

    std::size_t VertexCount() const { return stride == 0 ? 0 : vertices.size() / stride; }

    // The i-th kept vertex as the caller's vertex struct (its size must not exceed the stride).
    template <class V> V Vertex(std::size_t i) const {
        static_assert(std::is_trivially_copyable_v<V>);
        if (sizeof(V) > stride || i >= VertexCount()) {
            throw std::out_of_range("d3d9rec::Drawn::Vertex");
        }
        V v;
        std::memcpy(&v, vertices.data() + i * stride, sizeof(V));
        return v;
    }
    // The kept vertices in buffer order.
    template <class V> std::vector<V> Vertices() const {
        std::vector<V> out;
        for (std::size_t i = 0; i < VertexCount(); ++i) {
            out.push_back(Vertex<V>(i));
        }
        return out;
    }
    // The vertices in the order the primitives use them: one per index for indexed draws.
    template <class V> std::vector<V> VerticesInDrawOrder() const {
        if (indices.empty()) {
            return Vertices<V>();
        }
        std::vector<V> out;
        for (UINT index : indices) {
            std::int64_t kept = std::int64_t{baseVertexIndex} + index - firstVertex;
            if (kept < 0) {
                throw std::out_of_range("d3d9rec::Drawn::VerticesInDrawOrder");
            }
            out.push_back(Vertex<V>(static_cast<std::size_t>(kept)));
        }
        return out;
    }
};

struct Call {
    std::string method;
    ObjectId object = 0;
    std::vector<Value> args;
    HRESULT result = D3D_OK;
    std::optional<Drawn> drawn;

    // e.g. "SetRenderState@2(22, 3) -> D3D_OK"
    std::string ToString() const;
};

// --- The log ---------------------------------------------------------------------------
const std::vector<Call>& Log();
std::vector<Call> CallsNamed(std::string_view method);
std::vector<Call> CallsOn(ObjectId object);
std::vector<std::string> MethodNames();
std::string LogText(); // one Call::ToString() per line
void ClearLog();

// --- Chosen results ----------------------------------------------------------------------
// Calls of `method` (on any object) return `result`. A failing result makes the call do
// nothing (out pointers of Create* are set to NULL; Direct3DCreate9 returns NULL); a success
// code replaces the result of a call that succeeds. FailCall holds until cleared;
// FailNextCalls holds for the next `count` calls only.
void FailCall(std::string_view method, HRESULT result);
void FailNextCalls(std::string_view method, HRESULT result, unsigned count = 1);
void ClearFailure(std::string_view method);

// --- Reactions ---------------------------------------------------------------------------
// After each logged call of `method` succeeds or fails, `reaction` runs with that call: a
// test's script, such as pressing a key after the first Present. One reaction per method; an
// empty function removes it.
void OnCall(std::string_view method, std::function<void(const Call&)> reaction);

// --- Configuration -----------------------------------------------------------------------
D3DCAPS9 DefaultCaps(); // HAL, DevCaps HWTRANSFORMANDLIGHT, intervals ONE|IMMEDIATE, 4096^2

struct Config {
    D3DDISPLAYMODE displayMode{1280, 1024, 0, D3DFMT_X8R8G8B8};
    // Client area of the device window: what a windowed 0 x 0 back buffer takes.
    UINT clientWidth = 1016;
    UINT clientHeight = 741;
    D3DCAPS9 caps = DefaultCaps();
    // CheckDeviceMultiSampleType's answer for every type but D3DMULTISAMPLE_NONE, and the
    // quality levels it reports when that answer succeeds.
    HRESULT multiSampleResult = D3D_OK;
    DWORD multiSampleQualityLevels = 1;
    // Total bytes of live buffers and textures; a Create* beyond it gets
    // D3DERR_OUTOFVIDEOMEMORY.
    std::size_t videoMemoryBytes = std::size_t{256} << 20;
};
Config& Settings(); // change before the call that reads it

// --- Lifetime ----------------------------------------------------------------------------
// Clears the log, the chosen results, the reactions and the configuration. Live objects
// stay alive.
void Reset();
// Recording objects created and not yet destroyed.
std::size_t LiveObjects();
// Id of a recording object (0 for null or an object of another implementation).
ObjectId IdOf(const IUnknown* object);
// References the program holds on a recording object (0 for null or a foreign object).
ULONG RefCount(const IUnknown* object);
// "D3D_OK", "D3DERR_INVALIDCALL", ... or the value in hex.
std::string ResultName(HRESULT result);

} // namespace d3d9rec
