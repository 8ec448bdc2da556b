#include "core/scores/top_list_protocol.h"

#include <limits>

#include "core/text/cp1252.h"

namespace trivanto {

namespace {

constexpr char kDegree = char(0xB0);

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bytes that may stand in a URL query as they are (RFC 3986), "%" included: our own escapes.
bool keptInQuery(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || isDigit(c)) {
        return true;
    }
    return QByteArrayView("-._!$&'()*+,;=:@/?%").contains(c);
}

}  // namespace

QString formatThousands(qint32 score) {
    const qint64 value = score;
    const QString digits = QString::number(value < 0 ? -value : value);
    QString out;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            out += QLatin1Char(',');
        }
        out += digits.at(i);
    }
    return value < 0 ? QLatin1Char('-') + out : out;
}

qint32 strictNumber(const QByteArray& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text.at(i) == '-' || text.at(i) == '+')) {
        negative = text.at(i) == '-';
        ++i;
    }
    if (i == text.size()) {
        return 0;
    }
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text.at(i))) {
            return 0;
        }
        value = value * 10 + (text.at(i) - '0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1) {
            return 0;
        }
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max()) {
        return 0;
    }
    return qint32(value);
}

qint32 looseNumber(const QByteArray& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == ' ') {
        ++i;
    }
    const bool negative = i < text.size() && text.at(i) == '-';
    QByteArray digits;
    for (; i < text.size(); ++i) {
        if (isDigit(text.at(i))) {
            digits += text.at(i);
        }
    }
    if (digits.isEmpty()) {
        digits = "0";
    }
    return strictNumber(negative ? '-' + digits : digits);
}

QList<QByteArray> splitLines(const QByteArray& text) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        const qsizetype end = text.indexOf('\n', start);
        if (end < 0) {
            lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, end - start));
        start = end + 1;
    }
    return lines;
}

QByteArray cutField(QByteArray& rest) {
    const qsizetype tilde = rest.indexOf('~');
    QByteArray field;
    if (tilde < 0) {
        field = rest;
        rest.clear();
    } else {
        field = rest.left(tilde);
        rest.remove(0, tilde + 1);
    }
    return field;
}

QString escapeCommandField(const QString& field) {
    QString out;
    out.reserve(field.size());
    for (const QChar c : field) {
        switch (c.unicode()) {
            case '%':
                out += QLatin1String("%25");
                break;
            case '&':
                out += QLatin1String("%26");
                break;
            case '#':
                out += QLatin1String("%23");
                break;
            case '+':
                out += QLatin1String("%2B");
                break;
            case '=':
                out += QLatin1String("%3D");
                break;
            default:
                out += c;
        }
    }
    return out;
}

QByteArray commandQuery(const QString& commandText) {
    QByteArray bytes = toCp1252(commandText);
    bytes.replace('~', kDegree);
    bytes.replace(' ', kDegree);
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (keptInQuery(c)) {
            out += c;
        } else {
            out += '%';
            out += QByteArray::number(quint8(c), 16).toUpper().rightJustified(2, '0');
        }
    }
    return out;
}

QString addUserCommand(const QString& name, const QString& email, qint32 score,
                       const QString& language) {
    return QStringList{QStringLiteral("TLADDUSER"), escapeCommandField(name),
                       escapeCommandField(email), formatThousands(score),
                       escapeCommandField(language)}
        .join(QLatin1Char('&'));
}

TopListSendReply readSendReply(const QByteArray& body) {
    TopListSendReply reply;
    const QList<QByteArray> lines = splitLines(body);
    if (lines.isEmpty()) {
        reply.result = tlrBadReply;
        return reply;
    }
    switch (strictNumber(lines.at(0))) {
        case 1:
            break;
        case 2:
            reply.result = tlrStatus2;
            return reply;
        case 3:
            reply.result = tlrStatus3;
            return reply;
        case 4:
            reply.result = tlrStatus4;
            return reply;
        default:
            reply.result = tlrBadReply;
            return reply;
    }
    if (lines.size() < 3) {
        reply.result = tlrBadReply;
        return reply;
    }
    reply.result = tlrOk;
    reply.Message = fromCp1252(lines.at(1));
    reply.Rank = strictNumber(lines.at(2));
    return reply;
}

std::optional<TTopListEntryList> readListText(const QByteArray& body) {
    const QList<QByteArray> lines = splitLines(body);
    if (lines.size() > std::numeric_limits<qint16>::max()) {
        return std::nullopt;
    }
    TTopListEntryList entries;
    entries.reserve(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray rest = lines.at(i);
        TTopListEntry entry;
        entry.Rank = qint16(i + 1);
        entry.Name = fromCp1252(cutField(rest));
        entry.EMail = fromCp1252(cutField(rest));
        entry.Score = looseNumber(cutField(rest));
        entry.Language = fromCp1252(cutField(rest));
        entry.Extra = fromCp1252(cutField(rest));
        entries.append(entry);
    }
    return entries;
}

}  // namespace trivanto
