#include "core/app/server_config.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <QRegularExpression>
#include <QUrl>
#include <algorithm>
#include <optional>

namespace trivanto {

namespace {

const QString kUpdateHostKey = QStringLiteral("Servers/UpdateHost");
const QString kTopListUrlKey = QStringLiteral("Servers/TopListUrl");
const QString kUpdateHostVariable = QStringLiteral("TRIVANTO_UPDATE_HOST");
const QString kTopListUrlVariable = QStringLiteral("TRIVANTO_TOPLIST_URL");
const QString kUpdateHostOption = QStringLiteral("--update-host");
const QString kTopListUrlOption = QStringLiteral("--toplist-url");

bool isValidDnsName(const QString& host) {
    static const QRegularExpression label(
        QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"));
    if (host.isEmpty() || host.size() > 253) {
        return false;
    }
    const QStringList labels = host.split(QLatin1Char('.'));
    return std::all_of(labels.begin(), labels.end(),
                       [](const QString& part) { return label.match(part).hasMatch(); });
}

bool isValidPort(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch()) {
        return false;
    }
    const int port = text.toInt();
    return port >= 1 && port <= 65535;
}

// The last value of `option` in the arguments, either as "--option value" or "--option=value".
std::optional<QString> optionValue(const QStringList& arguments, const QString& option) {
    std::optional<QString> found;
    const QString withEquals = option + QLatin1Char('=');
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (arg == option) {
            found = i + 1 < arguments.size() ? arguments.at(++i) : QString();
        } else if (arg.startsWith(withEquals)) {
            found = arg.mid(withEquals.size());
        }
    }
    return found;
}

struct Candidate {
    std::optional<QString> value;
    ServerAddressSource source;
    QString origin;  // for the warning
};

// The first usable candidate, highest precedence first; the default when none is.
void choose(const QList<Candidate>& candidates, bool (*valid)(const QString&),
            const QString& fallback, QString& value, ServerAddressSource& source,
            QStringList& warnings) {
    for (const Candidate& candidate : candidates) {
        if (!candidate.value) {
            continue;
        }
        const QString text = candidate.value->trimmed();
        if (valid(text)) {
            value = text;
            source = candidate.source;
            return;
        }
        warnings.append(QStringLiteral("%1: \"%2\" is not a usable server address; ignored")
                            .arg(candidate.origin, candidate.value->left(200)));
    }
    value = fallback;
    source = ServerAddressSource::Default;
}

std::optional<QString> settingValue(const SettingsStore& settings, const QString& key) {
    return settings.contains(key) ? std::optional<QString>(settings.stringValue(key))
                                  : std::nullopt;
}

std::optional<QString> environmentValue(const QProcessEnvironment& environment,
                                        const QString& name) {
    return environment.contains(name) ? std::optional<QString>(environment.value(name))
                                      : std::nullopt;
}

}  // namespace

QString defaultUpdateHost() {
    return QStringLiteral("update.velmora.engineering");
}

QString defaultTopListUrl() {
    return QStringLiteral("http://toplist.velmora.engineering/orvalquest/top50");
}

bool isValidHostAndPort(const QString& text) {
    QString host = text;
    QString port;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        if (close < 0) {
            return false;
        }
        host = text.mid(1, close - 1);
        const QString rest = text.mid(close + 1);
        if (!rest.isEmpty()) {
            if (!rest.startsWith(QLatin1Char(':'))) {
                return false;
            }
            port = rest.mid(1);
            if (!isValidPort(port)) {
                return false;
            }
        }
        in6_addr address{};
        return !host.contains(QChar(0)) &&
               inet_pton(AF_INET6, host.toLatin1().constData(), &address) == 1;
    }
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon >= 0) {
        host = text.left(colon);
        port = text.mid(colon + 1);
        if (!isValidPort(port)) {
            return false;
        }
    }
    return isValidDnsName(host);
}

bool isValidTopListUrl(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty() && !url.hasQuery() && !url.hasFragment() &&
           url.userInfo().isEmpty();
}

ServerConfig resolveServerConfig(const QStringList& arguments,
                                 const QProcessEnvironment& environment,
                                 const SettingsStore& settings) {
    ServerConfig config;
    choose(
        {{optionValue(arguments, kUpdateHostOption), ServerAddressSource::Option,
          kUpdateHostOption},
         {environmentValue(environment, kUpdateHostVariable), ServerAddressSource::Environment,
          kUpdateHostVariable},
         {settingValue(settings, kUpdateHostKey), ServerAddressSource::Settings, kUpdateHostKey}},
        &isValidHostAndPort, defaultUpdateHost(), config.updateHost, config.updateHostSource,
        config.warnings);
    choose(
        {{optionValue(arguments, kTopListUrlOption), ServerAddressSource::Option,
          kTopListUrlOption},
         {environmentValue(environment, kTopListUrlVariable), ServerAddressSource::Environment,
          kTopListUrlVariable},
         {settingValue(settings, kTopListUrlKey), ServerAddressSource::Settings, kTopListUrlKey}},
        &isValidTopListUrl, defaultTopListUrl(), config.topListUrl, config.topListUrlSource,
        config.warnings);
    // The top-list client appends "/toplist.pl?..." itself.
    while (config.topListUrl.endsWith(QLatin1Char('/'))) {
        config.topListUrl.chop(1);
    }
    return config;
}

}  // namespace trivanto
