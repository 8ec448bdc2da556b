#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include "core/app/settings_store.h"

namespace trivanto {

// Where a server address came from; a higher level wins.
enum class ServerAddressSource { Default, Settings, Environment, Option };

// The addresses of the two servers the game talks to.
struct ServerConfig {
    // Host of the update server with an optional ":port", no scheme ("update.velmora.engineering").
    // The language table appends "/Orvalquest/" or "/orvalquest/" to it.
    QString updateHost;
    // Base URL of the top-list server, scheme included, no trailing slash.
    QString topListUrl;
    ServerAddressSource updateHostSource = ServerAddressSource::Default;
    ServerAddressSource topListUrlSource = ServerAddressSource::Default;
    // One line per value that was given but could not be used (it was skipped).
    QStringList warnings;
};

QString defaultUpdateHost();  // "update.velmora.engineering"
QString defaultTopListUrl();  // "http://toplist.velmora.engineering/orvalquest/top50"

// Settings keys, environment variables and options that override the defaults, in rising
// precedence: "Servers/UpdateHost" and "Servers/TopListUrl"; TRIVANTO_UPDATE_HOST and
// TRIVANTO_TOPLIST_URL; --update-host HOST[:PORT] and --toplist-url URL (also written
// --option=value). `arguments` are the program's arguments without the program name; others
// are ignored. A value that is not a usable address is skipped with a warning, and the next
// lower level is used.
ServerConfig resolveServerConfig(const QStringList& arguments,
                                 const QProcessEnvironment& environment,
                                 const SettingsStore& settings);

// Whether `text` is "host" or "host:port" (a DNS name, an IPv4 address or a bracketed IPv6
// address; port 1 to 65535).
bool isValidHostAndPort(const QString& text);
// Whether `text` is an absolute http or https URL with a host and without query or fragment.
bool isValidTopListUrl(const QString& text);

}  // namespace trivanto
