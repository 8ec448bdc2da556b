#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QTest>
#include <optional>

#include "platform/system_connection_backend.h"

namespace trivanto {
namespace {

// Where no NetworkManager can be asked (no bus at all, as on this build machine and in CI),
// the backend answers from the interfaces, has nothing to dial and never hangs.
class Fallback : public ::testing::Test {
protected:
    Fallback() {
        interfaces = {{QStringLiteral("interface:eth0"), QStringLiteral("eth0"),
                       QStringLiteral("ethernet"), QStringLiteral("eth0"), RasConnected, 0}};
    }
    ~Fallback() override {
        backend.reset();
        QDBusConnection::disconnectFromBus(kNoBus);
    }
    template <typename Done>
    static bool arrives(Done done) {
        return QTest::qWaitFor(done, 10000);
    }

    static inline const QString kNoBus = QStringLiteral("no-bus");
    QList<ActiveConnection> interfaces;
    std::unique_ptr<SystemConnectionBackend> backend = std::make_unique<SystemConnectionBackend>(
        QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/trivanto-bus"),
                                      kNoBus),
        [this] { return interfaces; });
};

TEST_F(Fallback, ListsTheInterfacesAsTheyAreNow) {
    std::optional<Result<QList<ActiveConnection>>> result;
    backend->listConnections([&](Result<QList<ActiveConnection>> r) { result = r; });
    EXPECT_FALSE(result.has_value());
    ASSERT_TRUE(arrives([&] { return result.has_value(); }));
    ASSERT_TRUE(result->ok());
    ASSERT_EQ((*result)->size(), 1);
    EXPECT_EQ((*result)->first().deviceName, "eth0");

    interfaces.clear();  // the network goes down
    result.reset();
    backend->listConnections([&](Result<QList<ActiveConnection>> r) { result = r; });
    ASSERT_TRUE(arrives([&] { return result.has_value(); }));
    EXPECT_TRUE((*result)->isEmpty());
}

TEST_F(Fallback, HasNothingToDialAndCannotHangUpAnInterface) {
    std::optional<Result<QList<DialEntry>>> entries;
    backend->listEntries([&](Result<QList<DialEntry>> r) { entries = r; });
    ASSERT_TRUE(arrives([&] { return entries.has_value(); }));
    ASSERT_TRUE(entries->ok());
    EXPECT_TRUE((*entries)->isEmpty());

    std::optional<Status> hungUp;
    backend->hangUp(QStringLiteral("interface:eth0"), [&](Status s) { hungUp = s; });
    EXPECT_FALSE(hungUp.has_value());
    ASSERT_TRUE(arrives([&] { return hungUp.has_value(); }));
    EXPECT_FALSE(hungUp->ok());
    EXPECT_FALSE(hungUp->error().isEmpty());

    std::optional<Status> started;
    backend->dial(
        {QStringLiteral("/org/freedesktop/NetworkManager/Settings/1"),
         QStringLiteral("Home"),
         {},
         {}},
        [&](Status s) { started = s; }, [](int, int) {});
    ASSERT_TRUE(arrives([&] { return started.has_value(); }));
    EXPECT_FALSE(started->ok());
}

}  // namespace
}  // namespace trivanto
