#include "core/net/web_address.h"

#include "core/app/server_config.h"

namespace trivanto {

Result<QUrl> webAddress(const QString& text) {
    const QString trimmed = text.trimmed();
    QString scheme = QStringLiteral("http");
    QString rest = trimmed;
    const qsizetype schemeEnd = trimmed.indexOf(QLatin1String("://"));
    if (schemeEnd >= 0) {
        scheme = trimmed.left(schemeEnd).toLower();
        rest = trimmed.mid(schemeEnd + 3);
        if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) {
            return Result<QUrl>::failure(
                QStringLiteral("\"%1\" is not an http or https address").arg(text.left(200)));
        }
    }
    if (!rest.contains(QLatin1Char('/'))) {
        rest += QLatin1Char('/');
    }
    if (!isValidHostAndPort(rest.left(rest.indexOf(QLatin1Char('/'))))) {
        return Result<QUrl>::failure(
            QStringLiteral("\"%1\" names no usable host and port").arg(text.left(200)));
    }
    QUrl url(scheme + QLatin1String("://") + rest, QUrl::TolerantMode);
    url.setFragment(QString());
    if (!url.isValid() || url.host().isEmpty()) {
        return Result<QUrl>::failure(
            QStringLiteral("\"%1\" names no host that can be reached").arg(text.left(200)));
    }
    return url;
}

}  // namespace trivanto
