#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace trivanto {

// The head of one HTTP/1.x request, as far as the top-list server reads it.
struct HttpRequestHead {
    QByteArray method;
    QByteArray target;  // as sent: "/path?query"
    QByteArray path;    // still percent-encoded, without the query
    QByteArray query;   // still percent-encoded, without "?"
    bool hasQuery = false;
    int minorVersion = 1;                          // HTTP/1.0 or HTTP/1.1
    QList<QPair<QByteArray, QByteArray>> headers;  // names in lower case

    // The first value of a header (name in lower case); empty when missing.
    QByteArray header(const QByteArray& name) const;
};

struct HttpLimits {
    int maxHeadBytes = 8 * 1024;
    int maxTargetBytes = 4 * 1024;
    int maxHeaders = 64;
};

// Reading a head that may not have arrived whole yet.
struct HttpHeadParse {
    enum class State { NeedMore, Complete, Invalid };
    State state = State::NeedMore;
    HttpRequestHead head;
    qsizetype consumed = 0;  // bytes of the head, with its empty line (Complete)
    int status = 0;          // the error status to answer (Invalid): 400, 413, 414, 431, 501, 505
    QString reason;          // what was wrong (Invalid), for the log
};

// Reads the request head at the start of `buffer`. Requests with a body are refused: the
// server takes GET and HEAD only, and everything it needs is in the target.
HttpHeadParse parseRequestHead(const QByteArray& buffer, const HttpLimits& limits = {});

// Decodes "%XX" escapes; "+" stays "+". None when an escape is broken.
std::optional<QByteArray> percentDecode(const QByteArray& text);

}  // namespace trivanto
