// Feeds arbitrary bytes to the readers of the top-list server's replies: a send reply and
// the served list.
#include <cstdint>
#include <cstdlib>

#include "core/scores/top_list_protocol.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const TopListSendReply reply = readSendReply(bytes);
    if (reply.result < tlrBadReply || reply.result > tlrStatus4 ||
        (reply.result != tlrOk && (reply.Rank != 0 || !reply.Message.isEmpty()))) {
        std::abort();
    }
    const std::optional<TTopListEntryList> list = readListText(bytes);
    if (!list) {
        return 0;
    }
    if (list->size() != splitLines(bytes).size()) {
        std::abort();
    }
    for (qsizetype i = 0; i < list->size(); ++i) {
        const TTopListEntry& entry = list->at(i);
        if (entry.Rank != i + 1 || entry.Name.contains(QLatin1Char('~')) ||
            entry.Name.contains(QLatin1Char('\n'))) {
            std::abort();
        }
    }
    return 0;
}
