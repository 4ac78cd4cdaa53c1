// Checks the .x header field by field, in the order the platform's reader does.
#include "xfile/xfile_header.h"

#include <d3d9.h>

#include "xfile/xfile_errors.h"

namespace d3dx::xfile {

HRESULT CheckHeader(std::string_view file) {
    if (file.size() < kHeaderSize || file.substr(0, 4) != "xof ") {
        return kBadFileType;
    }
    std::string_view version = file.substr(4, 4);
    std::string_view format = file.substr(8, 4);
    std::string_view floatSize = file.substr(12, 4);
    if (version != "0302" && version != "0303") {
        return kBadFileVersion;
    }
    bool text = format == "txt ";
    bool otherKnownFormat = format == "bin " || format == "tzip" || format == "bzip";
    if (!text && !otherKnownFormat) {
        return kBadFileType;
    }
    if (floatSize != "0032" && floatSize != "0064") {
        return kBadFileFloatSize;
    }
    return text ? D3D_OK : E_FAIL;
}

} // namespace d3dx::xfile
