#include "texture_jpeg_check.h"

#include <array>
#include <optional>

namespace d3dx {
namespace {

constexpr std::uint8_t kSof0 = 0xC0, kSof1 = 0xC1, kSof2 = 0xC2, kDht = 0xC4, kSoi = 0xD8,
                       kEoi = 0xD9, kSos = 0xDA, kDqt = 0xDB, kDnl = 0xDC, kDri = 0xDD, kCom = 0xFE;
constexpr int kTables = 4; // of each kind: DC Huffman, AC Huffman, quantisation

bool IsAppOrComment(std::uint8_t marker) {
    return (marker >= 0xE0 && marker <= 0xEF) || marker == kCom;
}

// A restart marker or a stuffed zero: both belong to the entropy-coded data of a scan.
bool StaysInScan(std::uint8_t byte) {
    return byte == 0x00 || (byte >= 0xD0 && byte <= 0xD7);
}

struct FrameComponent {
    std::uint8_t id;
    std::uint8_t quantTable;
};

// Follows the file in the order stb_image reads it, remembering which tables are defined.
class JpegWalk {
public:
    JpegWalk(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Sound() {
        if (NextMarker() != kSoi) {
            return false;
        }
        // Up to the frame header the decoder skips stray bytes after each segment.
        std::optional<std::uint8_t> marker = NextMarker();
        while (marker != kSof0 && marker != kSof1 && marker != kSof2) {
            if (!marker || !Segment(*marker, false)) {
                return false;
            }
            while (at_ < size_ && data_[at_] != 0xFF) {
                ++at_;
            }
            marker = NextMarker();
        }
        progressive_ = marker == kSof2;
        if (!Frame()) {
            return false;
        }
        // From here every marker must follow the last segment or scan directly.
        for (marker = NextMarker(); marker != kEoi; marker = NextMarker()) {
            if (!marker) {
                return false;
            }
            if (*marker == kSos ? !Scan() || !SkipEntropyCodedData() : !Segment(*marker, true)) {
                return false;
            }
        }
        return true;
    }

private:
    // One FF, any fill FF bytes, then the marker; nullopt when no FF is next or the data ends.
    std::optional<std::uint8_t> NextMarker() {
        if (at_ >= size_ || data_[at_] != 0xFF) {
            return std::nullopt;
        }
        while (at_ < size_ && data_[at_] == 0xFF) {
            ++at_;
        }
        if (at_ >= size_) {
            return std::nullopt;
        }
        return data_[at_++];
    }

    // The bytes of the segment starting at at_ after its length, which must lie inside the
    // data; at_ moves past the segment.
    bool TakeSegment(std::size_t& begin, std::size_t& end) {
        if (size_ - at_ < 2) {
            return false;
        }
        std::size_t length = std::size_t{data_[at_]} << 8 | data_[at_ + 1];
        if (length < 2 || length > size_ - at_) {
            return false;
        }
        begin = at_ + 2;
        end = at_ + length;
        at_ = end;
        return true;
    }

    // A table, restart interval, application or comment segment (and a line count once the
    // frame is known); every other marker is one the decoder refuses too.
    bool Segment(std::uint8_t marker, bool afterFrame) {
        std::size_t begin = 0, end = 0;
        if (!TakeSegment(begin, end)) {
            return false;
        }
        switch (marker) {
        case kDht:
            return HuffmanTables(begin, end);
        case kDqt:
            return QuantisationTables(begin, end);
        case kDri:
            return end - begin == 2;
        case kDnl:
            return afterFrame && end - begin == 2;
        default:
            return IsAppOrComment(marker);
        }
    }

    // Each table: class and number, 16 counts of codes per length, then the symbols. The
    // counts must give at most 256 symbols and a prefix code (no more codes of a length than
    // the shorter codes leave room for).
    bool HuffmanTables(std::size_t at, std::size_t end) {
        constexpr std::size_t kLengths = 16, kMaxSymbols = 256;
        while (at < end) {
            if (end - at < 1 + kLengths) {
                return false;
            }
            int tableClass = data_[at] >> 4, number = data_[at] & 15;
            if (tableClass > 1 || number >= kTables) {
                return false;
            }
            std::size_t symbols = 0;
            std::uint32_t codes = 0; // codes of the current length, counting those not used
            for (std::size_t length = 1; length <= kLengths; ++length) {
                std::uint8_t count = data_[at + length];
                symbols += count;
                codes += count;
                if (codes > (std::uint32_t{1} << length)) {
                    return false;
                }
                codes <<= 1;
            }
            if (symbols > kMaxSymbols || symbols > end - at - 1 - kLengths) {
                return false;
            }
            (tableClass == 0 ? dcDefined_ : acDefined_)[number] = true;
            at += 1 + kLengths + symbols;
        }
        return true;
    }

    // Each table: precision and number, then 64 values of 8 or 16 bits.
    bool QuantisationTables(std::size_t at, std::size_t end) {
        while (at < end) {
            int precision = data_[at] >> 4, number = data_[at] & 15;
            std::size_t bytes = 1 + 64 * (precision == 0 ? 1 : 2);
            if (precision > 1 || number >= kTables || end - at < bytes) {
                return false;
            }
            quantDefined_[number] = true;
            at += bytes;
        }
        return true;
    }

    // 8-bit samples, both sides given, 1, 3 or 4 components with sampling factors 1 to 4.
    bool Frame() {
        std::size_t at = 0, end = 0;
        if (!TakeSegment(at, end) || end - at < 6) {
            return false;
        }
        std::size_t count = data_[at + 5];
        bool hasHeight = (data_[at + 1] | data_[at + 2]) != 0;
        bool hasWidth = (data_[at + 3] | data_[at + 4]) != 0;
        if (data_[at] != 8 || !hasHeight || !hasWidth || (count != 1 && count != 3 && count != 4) ||
            end - at != 6 + 3 * count) {
            return false;
        }
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* component = data_ + at + 6 + 3 * i;
            int horizontal = component[1] >> 4, vertical = component[1] & 15;
            if (horizontal < 1 || horizontal > 4 || vertical < 1 || vertical > 4 ||
                component[2] >= kTables) {
                return false;
            }
            components_[i] = {component[0], component[2]};
        }
        componentCount_ = count;
        return true;
    }

    // The scan's components must be the frame's, and every table the decoder will use for them
    // defined: a baseline scan decodes with both Huffman tables; a progressive scan with the DC
    // table in the first pass over DC, none in a DC refinement, the AC table in an AC pass.
    bool Scan() {
        std::size_t at = 0, end = 0;
        if (!TakeSegment(at, end) || end - at < 1) {
            return false;
        }
        std::size_t count = data_[at];
        if (count < 1 || count > componentCount_ || end - at != 4 + 2 * count) {
            return false;
        }
        const std::uint8_t* selection = data_ + at + 1 + 2 * count;
        bool dcPass = selection[0] == 0, firstPass = (selection[2] >> 4) == 0;
        bool needsDc = !progressive_ || (dcPass && firstPass);
        bool needsAc = !progressive_ || !dcPass;
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t* entry = data_ + at + 1 + 2 * i;
            const FrameComponent* component = FindComponent(entry[0]);
            int dc = entry[1] >> 4, ac = entry[1] & 15;
            if (!component || dc >= kTables || ac >= kTables ||
                !quantDefined_[component->quantTable] || (needsDc && !dcDefined_[dc]) ||
                (needsAc && !acDefined_[ac])) {
                return false;
            }
        }
        return true;
    }

    // The first component with `id`, as the decoder matches them.
    const FrameComponent* FindComponent(std::uint8_t id) const {
        for (std::size_t i = 0; i < componentCount_; ++i) {
            if (components_[i].id == id) {
                return &components_[i];
            }
        }
        return nullptr;
    }

    // Up to the FF bytes of the marker that ends the scan. Wherever the decoder stops inside
    // this data, it either fails or comes to the same marker.
    bool SkipEntropyCodedData() {
        while (at_ < size_) {
            if (data_[at_] != 0xFF) {
                ++at_;
                continue;
            }
            std::size_t marker = at_;
            while (at_ < size_ && data_[at_] == 0xFF) {
                ++at_;
            }
            if (at_ == size_) {
                return false;
            }
            if (!StaysInScan(data_[at_])) {
                at_ = marker;
                return true;
            }
            ++at_;
        }
        return false;
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    bool progressive_ = false;
    std::array<FrameComponent, 4> components_{};
    std::size_t componentCount_ = 0;
    bool dcDefined_[kTables] = {};
    bool acDefined_[kTables] = {};
    bool quantDefined_[kTables] = {};
};

} // namespace

bool JpegSafeToDecode(const std::uint8_t* data, std::size_t size) {
    std::size_t start = 0;
    while (start < size && data[start] == 0xFF) {
        ++start;
    }
    if (start == 0 || start == size || data[start] != kSoi) {
        return true; // no JPEG
    }
    return JpegWalk(data, size).Sound();
}

} // namespace d3dx
