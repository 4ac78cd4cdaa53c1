// Printing a mesh's buffers and attribute table, each line labelled "<label>/<what>".
#pragma once

#include <d3dx9.h>

#include <string>

// Every vertex as floats (all of GetNumBytesPerVertex), the 16-bit indices, the attributes.
// The vertex lines are labelled vertexLabel, so that positions Wine is known to get wrong can
// be printed as informational.
void PrintMeshContents(const std::string& label, const std::string& vertexLabel, ID3DXMesh* mesh);
void PrintAttributeTable(const std::string& label, ID3DXMesh* mesh);
// D3DXComputeBoundingSphere over the vertex buffer, stride GetNumBytesPerVertex.
void PrintBoundingSphere(const std::string& label, ID3DXMesh* mesh);
