// Reading the catalog's list files: whitespace-separated tokens, a fixed number per record.
#pragma once

#include <istream>

// Reads one record's fields in order with the stream's own extraction. False when the list
// ends here: the file ended (an incomplete record adds nothing), a token could not be read as
// its field's type, or the file was never opened. The stream then stays failed, so every
// later call is false too.
template <class... Fields> bool ReadListRecord(std::istream& list, Fields&... fields) {
    return static_cast<bool>((list >> ... >> fields));
}

// A list's result once ReadListRecord gave false: 0 when the file was read to its end, 1 when
// reading stopped at an unopenable file or an unreadable token.
inline int ListEndResult(const std::istream& list) {
    return list.eof() ? 0 : 1;
}
