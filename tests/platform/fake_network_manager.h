#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QMap>
#include <QObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QVariantMap>
#include <memory>
#include <vector>

namespace trivanto::fake {

using SettingsMap = QMap<QString, QVariantMap>;

// A private message bus for one test: a dbus-daemon of its own, so no test touches the
// system's bus. Empty address() when dbus-daemon is not installed or does not start.
class PrivateBus {
public:
    PrivateBus();
    ~PrivateBus();
    const QString& address() const { return m_address; }

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
};

class Device final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager.Device")
    Q_PROPERTY(QString Interface READ interfaceName)
public:
    explicit Device(QString name) : m_name(std::move(name)) {}
    QString interfaceName() const { return m_name; }
signals:
    void StateChanged(uint newState, uint oldState, uint reason);

private:
    QString m_name;
};

class Active final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager.Connection.Active")
    Q_PROPERTY(QString Id MEMBER id)
    Q_PROPERTY(QString Type MEMBER type)
    Q_PROPERTY(uint State MEMBER state)
    Q_PROPERTY(bool Default MEMBER isDefault)
    Q_PROPERTY(bool Default6 MEMBER isDefault6)
    Q_PROPERTY(QList<QDBusObjectPath> Devices MEMBER devices)
public:
    QString id;
    QString type;
    uint state = 2;
    bool isDefault = true;
    bool isDefault6 = false;
    QList<QDBusObjectPath> devices;
signals:
    void StateChanged(uint state, uint reason);
};

class Profile final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager.Settings.Connection")
    Q_PROPERTY(uint Flags MEMBER flags)
public:
    SettingsMap settings;
    uint flags = 0;
public slots:
    QMap<QString, QVariantMap> GetSettings() { return settings; }
};

class NetworkManager;

class Settings final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager.Settings")
public:
    explicit Settings(NetworkManager& owner) : m_owner(owner) {}
public slots:
    QList<QDBusObjectPath> ListConnections();

private:
    NetworkManager& m_owner;
};

// Just enough of NetworkManager for the backend: active connections with their devices,
// profiles, activation (which answers with a new active connection whose states the test
// then sends) and deactivation.
class NetworkManager final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.NetworkManager")
    Q_PROPERTY(QList<QDBusObjectPath> ActiveConnections READ activePaths)
    Q_PROPERTY(QDBusObjectPath PrimaryConnection READ primary)
public:
    explicit NetworkManager(QDBusConnection bus);
    ~NetworkManager() override;
    bool registered() const { return m_registered; }

    QString addDevice(const QString& name);
    QString addActive(const QString& id, const QString& type, const QString& device, uint state = 2,
                      bool isDefault = true);
    QString addProfile(const SettingsMap& settings, uint flags = 0);
    void setPrimary(const QString& path) { m_primary = path; }
    // Changes a state and sends its signal.
    void setActiveState(const QString& path, uint state, uint reason = 0);
    void setDeviceState(const QString& path, uint state, uint oldState, uint reason = 0);

    QString refuseActivation;    // not empty: ActivateConnection fails with this message
    QString refuseDeactivation;  // the same for DeactivateConnection
    QStringList activated;       // profiles asked for
    QStringList deactivated;
    QString lastActive;  // the active connection the last activation made

    QList<QDBusObjectPath> activePaths() const;
    QDBusObjectPath primary() const { return QDBusObjectPath(m_primary); }
    QList<QDBusObjectPath> profilePaths() const;

public slots:
    QDBusObjectPath ActivateConnection(const QDBusObjectPath& connection,
                                       const QDBusObjectPath& device,
                                       const QDBusObjectPath& specificObject);
    void DeactivateConnection(const QDBusObjectPath& active);

private:
    QString publish(const QString& kind, QObject* object);

    QDBusConnection m_bus;
    bool m_registered = false;
    Settings m_settings{*this};
    std::vector<std::unique_ptr<QObject>> m_objects;
    QStringList m_activeOrder;
    QMap<QString, Active*> m_active;
    QMap<QString, Device*> m_devices;
    QMap<QString, Profile*> m_profiles;
    QStringList m_profileOrder;
    QString m_primary = QStringLiteral("/");
    int m_next = 1;
};

}  // namespace trivanto::fake
