// Feeds arbitrary bytes to the top-list server's readers: the request head, the send command
// in its query and the static folder's path check. Whatever a send is accepted with must read
// back the same when the game sends it again.
#include <cstdint>
#include <cstdlib>

#include "core/scores/top_list_protocol.h"
#include "server/http_request.h"
#include "server/top_list_request.h"

using namespace trivanto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const HttpHeadParse parse = parseRequestHead(bytes);
    if (parse.state == HttpHeadParse::State::Complete) {
        if (parse.consumed <= 0 || parse.consumed > bytes.size() || parse.head.method.isEmpty() ||
            !parse.head.path.startsWith('/')) {
            std::abort();
        }
    } else if (parse.state == HttpHeadParse::State::Invalid &&
               (parse.status < 400 || parse.status > 599)) {
        std::abort();
    }

    // The query of a send, taken from the head when there is one, else the bytes themselves.
    const QByteArray query =
        parse.state == HttpHeadParse::State::Complete ? parse.head.query : bytes;
    const AddUserParse send = parseAddUserQuery(query);
    if (send.status != SendStatus::Accepted) {
        return 0;
    }
    const AddUserRequest& request = send.request;
    if (request.name.isEmpty() || request.name.size() > kMaxNameLength ||
        request.name.contains(QLatin1Char('~')) || request.email.contains(QLatin1Char('~'))) {
        std::abort();
    }
    const AddUserParse again = parseAddUserQuery(
        commandQuery(addUserCommand(request.name, request.email, request.score, request.language)));
    if (again.status != SendStatus::Accepted || again.request.name != request.name ||
        again.request.email != request.email || again.request.score != request.score ||
        again.request.language != request.language) {
        std::abort();
    }
    return 0;
}
