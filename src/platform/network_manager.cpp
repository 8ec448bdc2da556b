#include "platform/network_manager.h"

#include <QDBusError>
#include <QDBusPendingCallWatcher>
#include <QTimer>
#include <memory>

#include "platform/dbus_values.h"
#include "platform/nm_dial.h"
#include "platform/nm_dial_steps.h"

namespace trivanto {

namespace {

// Settings.Connection flags: shown only for a device NetworkManager does not run itself.
constexpr uint kProfileExternal = 0x8;

QString userNameOf(const dbus::SettingsMap& settings) {
    const std::pair<const char*, const char*> places[] = {
        {"pppoe", "username"}, {"gsm", "username"},    {"cdma", "username"},
        {"vpn", "user-name"},  {"802-1x", "identity"},
    };
    for (const auto& [group, key] : places) {
        const QString name =
            settings.value(QLatin1String(group)).value(QLatin1String(key)).toString();
        if (!name.isEmpty()) {
            return name;
        }
    }
    return {};
}

bool dialable(const dbus::SettingsMap& settings, uint flags) {
    const QVariantMap connection = settings.value(QStringLiteral("connection"));
    const QString type = connection.value(QStringLiteral("type")).toString();
    const bool port = !connection.value(QStringLiteral("master")).toString().isEmpty() ||
                      !connection.value(QStringLiteral("controller")).toString().isEmpty();
    return !type.isEmpty() && type != QStringLiteral("loopback") && !port &&
           (flags & kProfileExternal) == 0;
}

}  // namespace

NetworkManager::NetworkManager(QDBusConnection bus, QObject* parent)
    : QObject(parent), m_bus(std::move(bus)) {}

void NetworkManager::call(const QDBusMessage& message, int timeoutMs, QObject* context,
                          std::function<void(const QDBusMessage&)> done) {
    if (!m_bus.isConnected()) {
        // No bus to ask (none on this machine): the call fails, later like any answer.
        QTimer::singleShot(0, context, [done = std::move(done)] {
            done(QDBusMessage::createError(QDBusError::Disconnected,
                                           QStringLiteral("The system bus is not available.")));
        });
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, watcher, &QObject::deleteLater);
    connect(watcher, &QDBusPendingCallWatcher::finished, context,
            [watcher, done = std::move(done)] { done(watcher->reply()); });
}

void NetworkManager::callAll(const QList<QDBusMessage>& messages,
                             std::function<void(const QList<QDBusMessage>&)> done) {
    struct Gathering {
        QList<QDBusMessage> replies;
        qsizetype waiting = 0;
        std::function<void(const QList<QDBusMessage>&)> done;
    };
    auto gathering = std::make_shared<Gathering>();
    gathering->replies.resize(messages.size());
    gathering->waiting = messages.size();
    gathering->done = std::move(done);
    if (messages.isEmpty()) {
        gathering->done({});
        return;
    }
    for (qsizetype i = 0; i < messages.size(); ++i) {
        call(messages[i], kCallTimeoutMs, this, [gathering, i](const QDBusMessage& reply) {
            gathering->replies[i] = reply;
            if (--gathering->waiting == 0) {
                gathering->done(gathering->replies);
            }
        });
    }
}

void NetworkManager::activeConnections(ConnectionBackend::ConnectionsDone done) {
    call(dbus::getAllProperties(dbus::kPath, dbus::kInterface), kCallTimeoutMs, this,
         [this, done = std::move(done)](const QDBusMessage& reply) {
             if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                 done(Status::failure(dbus::errorText(reply)));
                 return;
             }
             const QVariantMap properties = dbus::propertyMap(reply.arguments().first());
             const QString primary =
                 dbus::objectPath(properties.value(QStringLiteral("PrimaryConnection")));
             QList<QString> paths;
             QList<QDBusMessage> calls;
             for (const QDBusObjectPath& path :
                  dbus::objectPaths(properties.value(QStringLiteral("ActiveConnections")))) {
                 paths.append(path.path());
                 calls.append(dbus::getAllProperties(path.path(), dbus::kActiveInterface));
             }
             callAll(calls, [this, paths, primary, done](const QList<QDBusMessage>& replies) {
                 activeListed(replies, paths, primary, done);
             });
         });
}

void NetworkManager::activeListed(const QList<QDBusMessage>& replies, const QList<QString>& paths,
                                  const QString& primary, ConnectionBackend::ConnectionsDone done) {
    QList<ActiveConnection> rows;
    QList<QString> devices;  // per row the path of its (first) device, if any
    for (qsizetype i = 0; i < replies.size(); ++i) {
        const QDBusMessage& reply = replies[i];
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            continue;  // gone meanwhile
        }
        const QVariantMap p = dbus::propertyMap(reply.arguments().first());
        const QString type = p.value(QStringLiteral("Type")).toString();
        const bool carriesInternet = p.value(QStringLiteral("Default")).toBool() ||
                                     p.value(QStringLiteral("Default6")).toBool();
        if (dbus::unsignedValue(p.value(QStringLiteral("State"))) != nm::ActiveActivated ||
            type == QStringLiteral("loopback") || !carriesInternet) {
            continue;
        }
        const QList<QDBusObjectPath> own = dbus::objectPaths(p.value(QStringLiteral("Devices")));
        const ActiveConnection row{paths[i],
                                   p.value(QStringLiteral("Id")).toString(),
                                   nm::deviceTypeName(type),
                                   QString(),
                                   RasConnected,
                                   0};
        const QString device = own.isEmpty() ? QString() : own.first().path();
        // The connection that carries the internet is the one a hang-up ends first.
        const qsizetype at = paths[i] == primary ? 0 : rows.size();
        rows.insert(at, row);
        devices.insert(at, device);
    }
    QList<qsizetype> asked;
    QList<QDBusMessage> calls;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!devices[i].isEmpty()) {
            asked.append(i);
            calls.append(
                dbus::getProperty(devices[i], dbus::kDeviceInterface, QStringLiteral("Interface")));
        }
    }
    callAll(calls, [rows, asked, done](const QList<QDBusMessage>& names) mutable {
        for (qsizetype k = 0; k < asked.size(); ++k) {
            const QDBusMessage& reply = names[k];
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                rows[asked[k]].deviceName =
                    dbus::propertyValue(reply.arguments().first()).toString();
            }
        }
        done(rows);
    });
}

void NetworkManager::profiles(ConnectionBackend::EntriesDone done) {
    call(dbus::methodCall(dbus::kSettingsPath, dbus::kSettingsInterface,
                          QStringLiteral("ListConnections")),
         kCallTimeoutMs, this, [this, done = std::move(done)](const QDBusMessage& reply) {
             if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                 done(Status::failure(dbus::errorText(reply)));
                 return;
             }
             QList<QString> paths;
             QList<QDBusMessage> calls;  // per profile its settings and its flags
             for (const QDBusObjectPath& path : dbus::objectPaths(reply.arguments().first())) {
                 paths.append(path.path());
                 calls.append(dbus::methodCall(path.path(), dbus::kProfileInterface,
                                               QStringLiteral("GetSettings")));
                 calls.append(dbus::getProperty(path.path(), dbus::kProfileInterface,
                                                QStringLiteral("Flags")));
             }
             callAll(calls, [paths, done](const QList<QDBusMessage>& replies) {
                 QList<DialEntry> entries;
                 for (qsizetype i = 0; i < paths.size(); ++i) {
                     const QDBusMessage& settingsReply = replies[2 * i];
                     const QDBusMessage& flagsReply = replies[2 * i + 1];
                     if (settingsReply.type() != QDBusMessage::ReplyMessage ||
                         settingsReply.arguments().isEmpty()) {
                         continue;
                     }
                     const dbus::SettingsMap settings =
                         dbus::settingsMap(settingsReply.arguments().first());
                     // An older NetworkManager has no flags: nothing is external then.
                     const uint flags = flagsReply.type() == QDBusMessage::ReplyMessage &&
                                                !flagsReply.arguments().isEmpty()
                                            ? dbus::unsignedValue(dbus::propertyValue(
                                                  flagsReply.arguments().first()))
                                            : 0;
                     if (!dialable(settings, flags)) {
                         continue;
                     }
                     // Secrets stay with NetworkManager and its agents: no password is stored
                     // here, and none is shown.
                     entries.append({paths[i],
                                     settings.value(QStringLiteral("connection"))
                                         .value(QStringLiteral("id"))
                                         .toString(),
                                     userNameOf(settings), QString(), false});
                 }
                 done(entries);
             });
         });
}

void NetworkManager::activate(const QString& profilePath, ConnectionBackend::Done started,
                              ConnectionBackend::DialNotify notify) {
    auto* dial = new NmDial(*this, m_bus, std::move(started), std::move(notify), this);
    dial->start(profilePath);
}

void NetworkManager::deactivate(const QString& activePath, ConnectionBackend::Done done) {
    QDBusMessage message =
        dbus::methodCall(dbus::kPath, dbus::kInterface, QStringLiteral("DeactivateConnection"),
                         {QVariant::fromValue(QDBusObjectPath(activePath))});
    message.setInteractiveAuthorizationAllowed(true);
    call(message, kActivateTimeoutMs, this, [done = std::move(done)](const QDBusMessage& reply) {
        done(reply.type() == QDBusMessage::ReplyMessage ? Status::success()
                                                        : Status::failure(dbus::errorText(reply)));
    });
}

}  // namespace trivanto
