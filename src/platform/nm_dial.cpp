#include "platform/nm_dial.h"

#include <QDBusObjectPath>

#include "platform/dbus_values.h"
#include "platform/network_manager.h"

namespace trivanto {

namespace {

const QString kStateChanged = QStringLiteral("StateChanged");

}  // namespace

NmDial::NmDial(NetworkManager& networkManager, QDBusConnection bus, ConnectionBackend::Done started,
               ConnectionBackend::DialNotify notify, QObject* parent)
    : QObject(parent),
      m_networkManager(networkManager),
      m_bus(std::move(bus)),
      m_started(std::move(started)),
      m_notify(std::move(notify)) {}

NmDial::~NmDial() {
    if (m_listening) {
        m_bus.disconnect(dbus::kService, QString(), dbus::kActiveInterface, kStateChanged, this,
                         SLOT(activeStateChanged(QDBusMessage)));
        m_bus.disconnect(dbus::kService, QString(), dbus::kDeviceInterface, kStateChanged, this,
                         SLOT(deviceStateChanged(QDBusMessage)));
    }
}

void NmDial::start(const QString& profilePath) {
    // Any path: the active connection's path is known only from the answer.
    m_listening = m_bus.connect(dbus::kService, QString(), dbus::kActiveInterface, kStateChanged,
                                this, SLOT(activeStateChanged(QDBusMessage))) &&
                  m_bus.connect(dbus::kService, QString(), dbus::kDeviceInterface, kStateChanged,
                                this, SLOT(deviceStateChanged(QDBusMessage)));
    const QDBusObjectPath none(QStringLiteral("/"));
    QDBusMessage message =
        dbus::methodCall(dbus::kPath, dbus::kInterface, QStringLiteral("ActivateConnection"),
                         {QVariant::fromValue(QDBusObjectPath(profilePath)),
                          QVariant::fromValue(none), QVariant::fromValue(none)});
    message.setInteractiveAuthorizationAllowed(true);
    m_networkManager.call(message, NetworkManager::kActivateTimeoutMs, this,
                          [this](const QDBusMessage& reply) { activated(reply); });
}

void NmDial::activated(const QDBusMessage& reply) {
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        m_finished = true;
        m_started(Status::failure(dbus::errorText(reply)));
        deleteLater();
        return;
    }
    m_activePath = dbus::objectPath(reply.arguments().first());
    m_started(Status::success());
    report({RasOpenPort, 0});
    // What happened before the signals could be matched to this connection.
    m_networkManager.call(dbus::getAllProperties(m_activePath, dbus::kActiveInterface),
                          NetworkManager::kCallTimeoutMs, this,
                          [this](const QDBusMessage& details) { detailsRead(details); });
}

void NmDial::detailsRead(const QDBusMessage& reply) {
    if (m_finished) {
        return;
    }
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        // The connection is gone already: the activation failed at once.
        report({RasDisconnected, nm::kActiveReasonBase});
        return;
    }
    const QVariantMap properties = dbus::propertyMap(reply.arguments().first());
    for (const QDBusObjectPath& device :
         dbus::objectPaths(properties.value(QStringLiteral("Devices")))) {
        m_devices.append(device.path());
    }
    const uint state = dbus::unsignedValue(properties.value(QStringLiteral("State")));
    if (const auto step = nm::stepForActiveState(state, 0, m_deviceFailure)) {
        report(*step);
    }
}

void NmDial::activeStateChanged(const QDBusMessage& message) {
    if (m_finished || m_activePath.isEmpty() || message.path() != m_activePath ||
        message.arguments().size() < 2) {
        return;
    }
    const uint state = dbus::unsignedValue(message.arguments()[0]);
    const uint reason = dbus::unsignedValue(message.arguments()[1]);
    if (const auto step = nm::stepForActiveState(state, reason, m_deviceFailure)) {
        report(*step);
    }
}

void NmDial::deviceStateChanged(const QDBusMessage& message) {
    if (m_finished || !m_devices.contains(message.path()) || message.arguments().size() < 3) {
        return;
    }
    const uint state = dbus::unsignedValue(message.arguments()[0]);
    if (state == nm::DeviceFailed) {
        m_deviceFailure = dbus::unsignedValue(message.arguments()[2]);
        return;
    }
    if (const auto step = nm::stepForDeviceState(state)) {
        report(*step);
    }
}

void NmDial::report(const nm::DialStep& step) {
    if (m_finished || m_last == step) {
        return;  // the same state twice in a row says nothing new
    }
    m_last = step;
    m_notify(step.state, step.error);
    if (nm::isFinal(step)) {
        finish();
    }
}

void NmDial::finish() {
    m_finished = true;
    deleteLater();
}

}  // namespace trivanto
