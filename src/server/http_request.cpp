#include "server/http_request.h"

#include <algorithm>

namespace trivanto {

namespace {

bool isTokenChar(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
        return true;
    }
    return QByteArrayView("!#$%&'*+-.^_`|~").contains(c);
}

bool isToken(const QByteArray& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

HttpHeadParse invalid(int status, const char* reason) {
    HttpHeadParse parse;
    parse.state = HttpHeadParse::State::Invalid;
    parse.status = status;
    parse.reason = QString::fromLatin1(reason);
    return parse;
}

// Splits the target into path and query; an absolute URL loses its scheme and host.
bool splitTarget(HttpRequestHead& head) {
    QByteArray target = head.target;
    for (const QByteArray& scheme : {QByteArray("http://"), QByteArray("https://")}) {
        if (target.size() > scheme.size() && target.left(scheme.size()).toLower() == scheme) {
            const qsizetype slash = target.indexOf('/', scheme.size());
            target = slash < 0 ? QByteArray("/") : target.mid(slash);
            break;
        }
    }
    if (!target.startsWith('/')) {
        return false;
    }
    const qsizetype fragment = target.indexOf('#');
    if (fragment >= 0) {
        target.truncate(fragment);
    }
    const qsizetype question = target.indexOf('?');
    head.hasQuery = question >= 0;
    head.path = head.hasQuery ? target.left(question) : target;
    head.query = head.hasQuery ? target.mid(question + 1) : QByteArray();
    return true;
}

}  // namespace

QByteArray HttpRequestHead::header(const QByteArray& name) const {
    for (const auto& [key, value] : headers) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

std::optional<QByteArray> percentDecode(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text.at(i);
        if (c != '%') {
            out += c;
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int high = hexValue(text.at(i + 1));
        const int low = hexValue(text.at(i + 2));
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += char(high * 16 + low);
        i += 2;
    }
    return out;
}

HttpHeadParse parseRequestHead(const QByteArray& buffer, const HttpLimits& limits) {
    // Empty lines before the request line are tolerated.
    qsizetype start = 0;
    while (start < buffer.size() && (buffer.at(start) == '\r' || buffer.at(start) == '\n')) {
        ++start;
    }
    qsizetype end = -1;
    qsizetype endLength = 0;
    for (qsizetype i = start; i < buffer.size(); ++i) {
        if (buffer.at(i) != '\n') {
            continue;
        }
        if (i + 1 < buffer.size() && buffer.at(i + 1) == '\n') {
            end = i;
            endLength = 2;
            break;
        }
        if (i + 2 < buffer.size() && buffer.at(i + 1) == '\r' && buffer.at(i + 2) == '\n') {
            end = i;
            endLength = 3;
            break;
        }
    }
    if (end < 0) {
        if (buffer.size() - start > limits.maxHeadBytes) {
            const qsizetype firstLine = buffer.indexOf('\n', start);
            if (firstLine < 0 && buffer.size() - start > limits.maxTargetBytes) {
                return invalid(414, "request line too long");
            }
            return invalid(431, "request head too large");
        }
        return {};
    }
    if (end - start > limits.maxHeadBytes) {
        return invalid(431, "request head too large");
    }

    QList<QByteArray> lines = buffer.mid(start, end - start).split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    HttpHeadParse parse;
    HttpRequestHead& head = parse.head;
    const QList<QByteArray> parts = lines.at(0).split(' ');
    if (parts.size() != 3 || !isToken(parts.at(0))) {
        return invalid(400, "malformed request line");
    }
    head.method = parts.at(0);
    head.target = parts.at(1);
    if (head.target.size() > limits.maxTargetBytes) {
        return invalid(414, "request target too long");
    }
    const bool controlInTarget = std::any_of(head.target.begin(), head.target.end(), [](char c) {
        return quint8(c) < 0x21 || quint8(c) == 0x7F;
    });
    if (head.target.isEmpty() || controlInTarget || !splitTarget(head)) {
        return invalid(400, "malformed request target");
    }
    if (parts.at(2) == "HTTP/1.1") {
        head.minorVersion = 1;
    } else if (parts.at(2) == "HTTP/1.0") {
        head.minorVersion = 0;
    } else if (parts.at(2).startsWith("HTTP/")) {
        return invalid(505, "HTTP version not supported");
    } else {
        return invalid(400, "malformed request line");
    }

    if (lines.size() - 1 > limits.maxHeaders) {
        return invalid(431, "too many header fields");
    }
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0 || !isToken(line.left(colon))) {
            return invalid(400, "malformed header field");
        }
        head.headers.append({line.left(colon).toLower(), line.mid(colon + 1).trimmed()});
    }
    if (!head.header("transfer-encoding").isEmpty()) {
        return invalid(501, "request bodies are not taken");
    }
    const auto lengths = std::count_if(head.headers.begin(), head.headers.end(),
                                       [](const auto& h) { return h.first == "content-length"; });
    if (lengths > 1) {
        return invalid(400, "more than one Content-Length");
    }
    if (lengths == 1) {
        const QByteArray length = head.header("content-length");
        bool ok = false;
        const qint64 value = length.toLongLong(&ok);
        if (!ok || value < 0) {
            return invalid(400, "malformed Content-Length");
        }
        if (value > 0) {
            return invalid(413, "request bodies are not taken");
        }
    }
    parse.state = HttpHeadParse::State::Complete;
    parse.consumed = end + endLength;
    return parse;
}

}  // namespace trivanto
