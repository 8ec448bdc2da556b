// Feeds arbitrary bytes to the reader of the local top-list copy; what it accepts must write
// back to the same bytes and read back to the same entries.
#include <cstdint>
#include <cstdlib>

#include "core/scores/top_list_file.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Result<TTopListEntryList> read = readTopListFileBytes(bytes);
    if (!read.ok()) {
        if (read.error().isEmpty()) {
            std::abort();
        }
        return 0;
    }
    const QByteArray written = topListFileBytes(*read);
    // Only bytes after the last record are ignored.
    if (bytes.left(written.size()) != written) {
        std::abort();
    }
    const Result<TTopListEntryList> again = readTopListFileBytes(written);
    if (!again.ok() || *again != *read) {
        std::abort();
    }
    return 0;
}
