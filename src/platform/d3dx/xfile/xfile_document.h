// The data objects of a text .x file as a tree, before any meaning is given to them.
//
// An object is `Type [Name] { values... child objects... }`; a child may also be a reference
// `{ Name }` to a named object that ends earlier in the file, so a document is a graph without
// cycles. Templates are skipped. Nesting (and references) may go kMaxDepth levels deep.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace d3dx::xfile {

inline constexpr std::uint32_t kMaxDepth = 128;

using ObjectId = std::uint32_t;

// A number or a "string" among an object's data, as written.
struct Value {
    std::string_view text;
    bool quoted = false;
};

struct DataObject {
    std::string_view type;
    std::string_view name;
    std::vector<Value> values;
    std::vector<ObjectId> children; // nested objects and resolved references, in file order
    std::uint32_t height = 1;       // levels from here down to the deepest reachable object
};

struct Document {
    std::vector<DataObject> objects; // each object after everything it refers to
    std::vector<ObjectId> topLevel;  // in file order
};

// Reads `text`, the file after its header. D3D_OK with the top-level objects that were
// complete before the first malformed data object (later ones are lost, as with the
// platform's reader); kParseError when a template before the first data object is
// malformed. `text` must outlive the document, whose strings point into it.
HRESULT ParseDocument(std::string_view text, Document& document);

} // namespace d3dx::xfile
