#include "platform/dbus_values.h"

#include <QDBusArgument>
#include <QDBusVariant>

namespace trivanto::dbus {

namespace {

template <typename T>
bool holds(const QVariant& value) {
    return value.metaType() == QMetaType::fromType<T>();
}

}  // namespace

QDBusMessage methodCall(const QString& path, const QString& interface, const QString& method,
                        const QVariantList& arguments) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, path, interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return message;
}

QDBusMessage getAllProperties(const QString& path, const QString& interface) {
    return methodCall(path, kPropertiesInterface, QStringLiteral("GetAll"), {interface});
}

QDBusMessage getProperty(const QString& path, const QString& interface, const QString& name) {
    return methodCall(path, kPropertiesInterface, QStringLiteral("Get"), {interface, name});
}

QVariantMap propertyMap(const QVariant& value) {
    if (holds<QDBusArgument>(value)) {
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    }
    return value.toMap();
}

QVariant propertyValue(const QVariant& value) {
    if (holds<QDBusVariant>(value)) {
        return value.value<QDBusVariant>().variant();
    }
    return value;
}

QList<QDBusObjectPath> objectPaths(const QVariant& value) {
    if (holds<QDBusArgument>(value)) {
        return qdbus_cast<QList<QDBusObjectPath>>(value.value<QDBusArgument>());
    }
    return value.value<QList<QDBusObjectPath>>();
}

QString objectPath(const QVariant& value) {
    if (holds<QDBusObjectPath>(value)) {
        return value.value<QDBusObjectPath>().path();
    }
    return value.toString();
}

SettingsMap settingsMap(const QVariant& value) {
    if (holds<QDBusArgument>(value)) {
        return qdbus_cast<SettingsMap>(value.value<QDBusArgument>());
    }
    return value.value<SettingsMap>();
}

uint unsignedValue(const QVariant& value) {
    bool ok = false;
    const uint number = value.toUInt(&ok);
    return ok ? number : 0;
}

QString errorText(const QDBusMessage& reply) {
    if (!reply.errorMessage().isEmpty()) {
        return reply.errorMessage();
    }
    return reply.errorName().isEmpty() ? QStringLiteral("NetworkManager did not answer.")
                                       : reply.errorName();
}

}  // namespace trivanto::dbus
