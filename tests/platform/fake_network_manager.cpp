#include "fake_network_manager.h"

#include <QDBusMetaType>
#include <QFile>
#include <QStandardPaths>

namespace trivanto::fake {

namespace {

const QString kRoot = QStringLiteral("/org/freedesktop/NetworkManager");

// A bus that lets everyone own and call everything, listening in the test's own folder.
QByteArray busConfig(const QString& folder) {
    return QByteArrayLiteral(
               "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\""
               " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
               "<busconfig><type>session</type><listen>unix:dir=") +
           folder.toUtf8() +
           QByteArrayLiteral(
               "</listen><policy context=\"default\"><allow send_destination=\"*\"/>"
               "<allow receive_sender=\"*\"/><allow own=\"*\"/></policy></busconfig>\n");
}

}  // namespace

PrivateBus::PrivateBus() {
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty() || !m_dir.isValid()) {
        return;
    }
    const QString config = m_dir.filePath(QStringLiteral("bus.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(busConfig(m_dir.path())) < 0) {
        return;
    }
    file.close();
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.start(daemon,
                   {QStringLiteral("--config-file=") + config, QStringLiteral("--print-address"),
                    QStringLiteral("--nofork"), QStringLiteral("--nopidfile")});
    // The daemon prints its address once it listens; a test bus is up within milliseconds.
    if (!m_daemon.waitForStarted(5000)) {
        return;
    }
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(5000)) {
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
}

PrivateBus::~PrivateBus() {
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }
}

QList<QDBusObjectPath> Settings::ListConnections() {
    return m_owner.profilePaths();
}

NetworkManager::NetworkManager(QDBusConnection bus) : m_bus(std::move(bus)) {
    qDBusRegisterMetaType<SettingsMap>();
    const auto everything = QDBusConnection::ExportAllContents;
    m_registered =
        m_bus.registerObject(kRoot, this, everything) &&
        m_bus.registerObject(kRoot + QStringLiteral("/Settings"), &m_settings, everything) &&
        m_bus.registerService(QStringLiteral("org.freedesktop.NetworkManager"));
}

NetworkManager::~NetworkManager() {
    m_bus.unregisterService(QStringLiteral("org.freedesktop.NetworkManager"));
    m_bus.unregisterObject(kRoot, QDBusConnection::UnregisterTree);
}

QString NetworkManager::publish(const QString& kind, QObject* object) {
    const QString path =
        kRoot + QLatin1Char('/') + kind + QLatin1Char('/') + QString::number(m_next++);
    m_bus.registerObject(path, object, QDBusConnection::ExportAllContents);
    m_objects.emplace_back(object);
    return path;
}

QString NetworkManager::addDevice(const QString& name) {
    auto* device = new Device(name);
    const QString path = publish(QStringLiteral("Devices"), device);
    m_devices.insert(path, device);
    return path;
}

QString NetworkManager::addActive(const QString& id, const QString& type, const QString& device,
                                  uint state, bool isDefault) {
    auto* active = new Active;
    active->id = id;
    active->type = type;
    active->state = state;
    active->isDefault = isDefault;
    if (!device.isEmpty()) {
        active->devices = {QDBusObjectPath(device)};
    }
    const QString path = publish(QStringLiteral("ActiveConnection"), active);
    m_active.insert(path, active);
    m_activeOrder.append(path);
    return path;
}

QString NetworkManager::addProfile(const SettingsMap& settings, uint flags) {
    auto* profile = new Profile;
    profile->settings = settings;
    profile->flags = flags;
    const QString path = publish(QStringLiteral("Settings"), profile);
    m_profiles.insert(path, profile);
    m_profileOrder.append(path);
    return path;
}

void NetworkManager::setActiveState(const QString& path, uint state, uint reason) {
    Active* active = m_active.value(path);
    if (active != nullptr) {
        active->state = state;
        emit active->StateChanged(state, reason);
    }
}

void NetworkManager::setDeviceState(const QString& path, uint state, uint oldState, uint reason) {
    if (Device* device = m_devices.value(path)) {
        emit device->StateChanged(state, oldState, reason);
    }
}

QList<QDBusObjectPath> NetworkManager::activePaths() const {
    QList<QDBusObjectPath> paths;
    for (const QString& path : m_activeOrder) {
        paths.append(QDBusObjectPath(path));
    }
    return paths;
}

QList<QDBusObjectPath> NetworkManager::profilePaths() const {
    QList<QDBusObjectPath> paths;
    for (const QString& path : m_profileOrder) {
        paths.append(QDBusObjectPath(path));
    }
    return paths;
}

QDBusObjectPath NetworkManager::ActivateConnection(const QDBusObjectPath& connection,
                                                   const QDBusObjectPath&, const QDBusObjectPath&) {
    activated.append(connection.path());
    if (!refuseActivation.isEmpty()) {
        sendErrorReply(QStringLiteral("org.freedesktop.NetworkManager.PermissionDenied"),
                       refuseActivation);
        return {};
    }
    Profile* profile = m_profiles.value(connection.path());
    if (profile == nullptr) {
        sendErrorReply(QStringLiteral("org.freedesktop.NetworkManager.UnknownConnection"),
                       QStringLiteral("Connection not found"));
        return {};
    }
    const QVariantMap settings = profile->settings.value(QStringLiteral("connection"));
    const QString device = m_devices.isEmpty() ? QString() : m_devices.firstKey();
    lastActive = addActive(settings.value(QStringLiteral("id")).toString(),
                           settings.value(QStringLiteral("type")).toString(), device, 1);
    return QDBusObjectPath(lastActive);
}

void NetworkManager::DeactivateConnection(const QDBusObjectPath& active) {
    deactivated.append(active.path());
    if (!refuseDeactivation.isEmpty()) {
        sendErrorReply(QStringLiteral("org.freedesktop.NetworkManager.PermissionDenied"),
                       refuseDeactivation);
        return;
    }
    m_activeOrder.removeAll(active.path());
}

}  // namespace trivanto::fake
