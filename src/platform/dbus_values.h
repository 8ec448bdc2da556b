#pragma once

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QList>
#include <QMap>
#include <QString>
#include <QVariant>

namespace trivanto::dbus {

// NetworkManager's names on the bus.
inline const QString kService = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kPath = QStringLiteral("/org/freedesktop/NetworkManager");
inline const QString kSettingsPath = QStringLiteral("/org/freedesktop/NetworkManager/Settings");
inline const QString kInterface = QStringLiteral("org.freedesktop.NetworkManager");
inline const QString kSettingsInterface = QStringLiteral("org.freedesktop.NetworkManager.Settings");
inline const QString kProfileInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Settings.Connection");
inline const QString kActiveInterface =
    QStringLiteral("org.freedesktop.NetworkManager.Connection.Active");
inline const QString kDeviceInterface = QStringLiteral("org.freedesktop.NetworkManager.Device");
inline const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");

// A connection's settings: group ("connection", "vpn", ...) to values (a{sa{sv}}).
using SettingsMap = QMap<QString, QVariantMap>;

// A call to NetworkManager that never starts the service when it is not running.
QDBusMessage methodCall(const QString& path, const QString& interface, const QString& method,
                        const QVariantList& arguments = {});
QDBusMessage getAllProperties(const QString& path, const QString& interface);
QDBusMessage getProperty(const QString& path, const QString& interface, const QString& name);

// Readers of reply values that the bus may hand over demarshalled or still marshalled.
QVariantMap propertyMap(const QVariant& value);
QVariant propertyValue(const QVariant& value);  // unwraps the variant of Properties.Get
QList<QDBusObjectPath> objectPaths(const QVariant& value);
QString objectPath(const QVariant& value);
SettingsMap settingsMap(const QVariant& value);
uint unsignedValue(const QVariant& value);

// The text of a failed reply, for the user.
QString errorText(const QDBusMessage& reply);

}  // namespace trivanto::dbus
