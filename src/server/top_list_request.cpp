#include "server/top_list_request.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <optional>

#include "core/text/cp1252.h"
#include "server/http_request.h"

namespace trivanto {

namespace {

AddUserParse answer(SendStatus status, const char* reason) {
    AddUserParse parse;
    parse.status = status;
    parse.reason = QString::fromLatin1(reason);
    return parse;
}

bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0);
    });
}

std::optional<QString> decodeField(const QByteArray& raw) {
    const std::optional<QByteArray> bytes = percentDecode(raw);
    if (!bytes) {
        return std::nullopt;
    }
    QString text = fromCp1252(*bytes);
    text.replace(QChar(0xB0), QLatin1Char(' '));
    text.replace(QLatin1Char('~'), QLatin1Char(' '));
    return text.trimmed();
}

std::optional<qint32> readScore(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^-?(?:[0-9]{1,3}(?:,[0-9]{3})+|[0-9]{1,10})$"));
    if (!form.match(text).hasMatch()) {
        return std::nullopt;
    }
    QString digits = text;
    digits.remove(QLatin1Char(','));
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() ||
        value > std::numeric_limits<qint32>::max()) {
        return std::nullopt;
    }
    return qint32(value);
}

}  // namespace

AddUserParse parseAddUserQuery(const QByteArray& rawQuery) {
    const QList<QByteArray> parts = rawQuery.split('&');
    if (parts.at(0) != "TLADDUSER") {
        return answer(SendStatus::Malformed, "not a TLADDUSER command");
    }
    if (parts.size() != 5) {
        return answer(SendStatus::Malformed, "TLADDUSER takes four fields");
    }
    std::optional<QString> fields[4];
    for (int i = 0; i < 4; ++i) {
        fields[i] = decodeField(parts.at(i + 1));
        if (!fields[i]) {
            return answer(SendStatus::Malformed, "broken percent escape");
        }
    }
    const std::optional<qint32> score = readScore(*fields[2]);
    if (!score) {
        return answer(SendStatus::Malformed, "the score is not a whole number");
    }
    static const QRegularExpression languageForm(
        QStringLiteral("^[a-z]{1,%1}$").arg(kMaxLanguageLength));
    if (!languageForm.match(*fields[3]).hasMatch()) {
        return answer(SendStatus::Malformed, "the language is not a lower-case word");
    }
    const QString& name = *fields[0];
    if (name.isEmpty() || name.size() > kMaxNameLength || hasControlCharacter(name)) {
        return answer(SendStatus::Refused, "name refused");
    }
    const QString& email = *fields[1];
    if (email.size() > kMaxEmailLength || !email.contains(QLatin1Char('@')) ||
        !email.contains(QLatin1Char('.')) || hasControlCharacter(email)) {
        return answer(SendStatus::Refused, "e-mail refused");
    }
    AddUserParse parse;
    parse.status = SendStatus::Accepted;
    parse.request = {name, email, *score, *fields[3]};
    return parse;
}

}  // namespace trivanto
