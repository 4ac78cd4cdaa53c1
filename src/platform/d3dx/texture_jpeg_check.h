// A walk over a JPEG file's marker segments before stb_image decodes it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace d3dx {

// Whether data that stb_image would take for a JPEG (any FF bytes, then FF D8) is sound enough
// for this stb_image (2.27) to decode without harm; data that is no JPEG passes. The decoder
// reads Huffman tables that were never defined (they hold whatever its allocation held) and
// writes past its tables when one lists more than 256 symbols, so this walks the file as the
// decoder will and demands: every segment inside the data, every Huffman and quantisation
// table well formed, one sane frame header, every table a scan decodes with defined before
// it, and an end-of-image marker (without one the decoder fails anyway).
bool JpegSafeToDecode(const std::uint8_t* data, std::size_t size);

} // namespace d3dx
