#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QTest>
#include <optional>

#include "fake_network_manager.h"
#include "platform/nm_dial_steps.h"
#include "platform/system_connection_backend.h"

namespace trivanto {
namespace {

using fake::SettingsMap;

SettingsMap profile(const char* id, const char* type, QVariantMap extra = {},
                    const char* extraGroup = nullptr) {
    SettingsMap settings{{QStringLiteral("connection"),
                          {{QStringLiteral("id"), QLatin1String(id)},
                           {QStringLiteral("type"), QLatin1String(type)}}}};
    if (extraGroup != nullptr) {
        settings.insert(QLatin1String(extraGroup), extra);
    }
    return settings;
}

// The backend against a fake NetworkManager on a private bus of the test's own.
class NetworkManagerBackend : public ::testing::Test {
protected:
    void SetUp() override {
        if (bus.address().isEmpty()) {
            GTEST_SKIP() << "dbus-daemon is not available";
        }
        service.emplace(QDBusConnection::connectToBus(bus.address(), serviceName));
        ASSERT_TRUE(service->isConnected());
        networkManager = std::make_unique<fake::NetworkManager>(*service);
        ASSERT_TRUE(networkManager->registered());
        const QDBusConnection client = QDBusConnection::connectToBus(bus.address(), clientName);
        ASSERT_TRUE(client.isConnected());
        backend = std::make_unique<SystemConnectionBackend>(client, [this] { return interfaces; });
    }
    void TearDown() override {
        backend.reset();
        networkManager.reset();
        QDBusConnection::disconnectFromBus(clientName);
        QDBusConnection::disconnectFromBus(serviceName);
    }

    // Waits for an answer of the bus; the bus is a process of this test, so it is quick.
    template <typename Done>
    static bool arrives(Done done) {
        return QTest::qWaitFor(done, 10000);
    }
    QList<ActiveConnection> listConnections() {
        std::optional<Result<QList<ActiveConnection>>> result;
        backend->listConnections([&](Result<QList<ActiveConnection>> r) { result = r; });
        EXPECT_FALSE(result.has_value()) << "answered inside the call";
        EXPECT_TRUE(arrives([&] { return result.has_value(); }));
        EXPECT_TRUE(result && result->ok());
        return result && result->ok() ? **result : QList<ActiveConnection>{};
    }
    // Returns once everything the fake sent before has reached the backend and everything the
    // backend asked before has been answered: the bus keeps the order of each connection.
    void syncWithBus() { listConnections(); }
    QList<DialEntry> listEntries() {
        std::optional<Result<QList<DialEntry>>> result;
        backend->listEntries([&](Result<QList<DialEntry>> r) { result = r; });
        EXPECT_TRUE(arrives([&] { return result.has_value(); }));
        return result && result->ok() ? **result : QList<DialEntry>{};
    }

    // Dials a profile; `started` and `steps` record what the backend reports.
    void dial(const QString& profilePath) {
        backend->dial(
            {profilePath, QStringLiteral("name"), {}, {}}, [this](Status s) { started = s; },
            [this](int state, int error) {
                steps.append({state, error});
            });
    }

    const QString serviceName = QStringLiteral("fake-network-manager");
    const QString clientName = QStringLiteral("trivanto");
    fake::PrivateBus bus;
    std::optional<QDBusConnection> service;
    std::unique_ptr<fake::NetworkManager> networkManager;
    QList<ActiveConnection> interfaces;
    std::unique_ptr<SystemConnectionBackend> backend;
    std::optional<Status> started;
    QList<nm::DialStep> steps;
};

TEST_F(NetworkManagerBackend, ListsActivatedConnectionsWithADefaultRoutePrimaryFirst) {
    const QString eth = networkManager->addDevice(QStringLiteral("enp3s0"));
    const QString wlan = networkManager->addDevice(QStringLiteral("wlp2s0"));
    const QString lo = networkManager->addDevice(QStringLiteral("lo"));
    const QString docker = networkManager->addDevice(QStringLiteral("docker0"));
    networkManager->addActive(QStringLiteral("lo"), QStringLiteral("loopback"), lo);
    const QString wired = networkManager->addActive(QStringLiteral("Wired connection 1"),
                                                    QStringLiteral("802-3-ethernet"), eth);
    networkManager->addActive(QStringLiteral("docker0"), QStringLiteral("bridge"), docker, 2,
                              false);
    networkManager->addActive(QStringLiteral("Cafe"), QStringLiteral("802-11-wireless"), wlan, 1);
    const QString home =
        networkManager->addActive(QStringLiteral("Home"), QStringLiteral("802-11-wireless"), wlan);
    networkManager->setPrimary(home);

    const QList<ActiveConnection> rows = listConnections();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].handle, home);
    EXPECT_EQ(rows[0].name, "Home");
    EXPECT_EQ(rows[0].deviceType, "wifi");
    EXPECT_EQ(rows[0].deviceName, "wlp2s0");
    EXPECT_EQ(rows[0].state, RasConnected);
    EXPECT_EQ(rows[1].handle, wired);
    EXPECT_EQ(rows[1].deviceType, "ethernet");
    EXPECT_EQ(rows[1].deviceName, "enp3s0");
}

TEST_F(NetworkManagerBackend, NothingActiveFallsBackToTheInterfaces) {
    // NetworkManager runs but leaves a device alone that carries the internet.
    interfaces = {{QStringLiteral("interface:usb0"), QStringLiteral("usb0"),
                   QStringLiteral("ethernet"), QStringLiteral("usb0"), RasConnected, 0}};
    const QList<ActiveConnection> rows = listConnections();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].name, "usb0");
}

TEST_F(NetworkManagerBackend, OffersDialableProfilesWithTheirUserNames) {
    networkManager->addProfile(profile("lo", "loopback"));
    const QString dsl = networkManager->addProfile(profile(
        "DSL", "pppoe", {{QStringLiteral("username"), QStringLiteral("anna@isp")}}, "pppoe"));
    networkManager->addProfile(profile("docker0", "bridge"), 0x8);  // external
    SettingsMap port = profile("bond port", "802-3-ethernet");
    port[QStringLiteral("connection")][QStringLiteral("master")] = QStringLiteral("bond0");
    networkManager->addProfile(port);
    const QString office = networkManager->addProfile(profile(
        "Office VPN", "vpn", {{QStringLiteral("user-name"), QStringLiteral("bob")}}, "vpn"));
    const QString wifi = networkManager->addProfile(profile("Home", "802-11-wireless"));

    const QList<DialEntry> entries = listEntries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].handle, dsl);
    EXPECT_EQ(entries[0].name, "DSL");
    EXPECT_EQ(entries[0].userName, "anna@isp");
    EXPECT_EQ(entries[1].handle, office);
    EXPECT_EQ(entries[1].userName, "bob");
    EXPECT_EQ(entries[2].handle, wifi);
    EXPECT_EQ(entries[2].userName, "");
    for (const DialEntry& entry : entries) {
        EXPECT_FALSE(entry.passwordStored);  // secrets stay with NetworkManager
    }
}

TEST_F(NetworkManagerBackend, ActivatingAProfileIsReportedAsADial) {
    const QString device = networkManager->addDevice(QStringLiteral("wlp2s0"));
    const QString home = networkManager->addProfile(profile("Home", "802-11-wireless"));
    dial(home);
    ASSERT_TRUE(arrives([&] { return started.has_value(); }));
    EXPECT_TRUE(started->ok());
    EXPECT_EQ(networkManager->activated, QStringList{home});
    // The answer itself opens the "port"; the states follow once the dial knows its device.
    ASSERT_TRUE(arrives([&] { return !steps.isEmpty(); }));
    syncWithBus();  // the dial has read its connection's details
    const QString active = networkManager->lastActive;
    networkManager->setDeviceState(device, nm::DevicePrepare, 30);
    networkManager->setDeviceState(device, nm::DeviceConfig, 40);
    networkManager->setDeviceState(device, nm::DeviceNeedAuth, 50);
    networkManager->setDeviceState(device, nm::DeviceIpConfig, 60);
    networkManager->setActiveState(active, nm::ActiveActivated);
    networkManager->setActiveState(active, nm::ActiveDeactivated, 2);  // after the end: unheard
    ASSERT_TRUE(arrives([&] { return steps.size() >= 6; }));
    syncWithBus();
    EXPECT_EQ(steps, (QList<nm::DialStep>{{RasOpenPort, 0},
                                          {RasPortOpened, 0},
                                          {RasConnectDevice, 0},
                                          {RasAuthenticate, 0},
                                          {RasDeviceConnected, 0},
                                          {RasConnected, 0}}));
}

TEST_F(NetworkManagerBackend, AFailedActivationCarriesTheDevicesReason) {
    const QString device = networkManager->addDevice(QStringLiteral("wlp2s0"));
    const QString cafe = networkManager->addProfile(profile("Cafe", "802-11-wireless"));
    dial(cafe);
    ASSERT_TRUE(arrives([&] { return !steps.isEmpty(); }));
    syncWithBus();
    networkManager->setDeviceState(device, nm::DeviceFailed, 50, 53);  // SSID not found
    networkManager->setActiveState(networkManager->lastActive, nm::ActiveDeactivated, 3);
    ASSERT_TRUE(arrives([&] { return steps.size() >= 2; }));
    EXPECT_EQ(steps.last(), (nm::DialStep{RasDisconnected, nm::kDeviceReasonBase + 53}));
    EXPECT_EQ(backend->errorText(steps.last().error), "The wireless network was not found.");
}

TEST_F(NetworkManagerBackend, ARefusedActivationDoesNotStart) {
    const QString home = networkManager->addProfile(profile("Home", "802-11-wireless"));
    networkManager->refuseActivation = QStringLiteral("Not authorized to control networking.");
    dial(home);
    ASSERT_TRUE(arrives([&] { return started.has_value(); }));
    EXPECT_EQ(started->error(), "Not authorized to control networking.");
    syncWithBus();
    EXPECT_TRUE(steps.isEmpty());
}

TEST_F(NetworkManagerBackend, HangingUpDeactivatesTheActiveConnection) {
    const QString wired =
        networkManager->addActive(QStringLiteral("Wired"), QStringLiteral("802-3-ethernet"), {});
    std::optional<Status> done;
    backend->hangUp(wired, [&](Status s) { done = s; });
    ASSERT_TRUE(arrives([&] { return done.has_value(); }));
    EXPECT_TRUE(done->ok());
    EXPECT_EQ(networkManager->deactivated, QStringList{wired});
    EXPECT_TRUE(listConnections().isEmpty());

    networkManager->refuseDeactivation = QStringLiteral("Not authorized");
    done.reset();
    backend->hangUp(wired, [&](Status s) { done = s; });
    ASSERT_TRUE(arrives([&] { return done.has_value(); }));
    EXPECT_EQ(done->error(), "Not authorized");
}

}  // namespace
}  // namespace trivanto
