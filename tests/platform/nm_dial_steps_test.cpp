#include <gtest/gtest.h>

#include "core/app/connection_backend.h"
#include "platform/nm_dial_steps.h"

namespace trivanto::nm {
namespace {

struct DeviceCase {
    uint state;
    std::optional<int> ras;
};

// Every state a device passes on the way up, and the ones that show nothing.
const DeviceCase kDeviceCases[] = {
    {0, std::nullopt},                     // unknown
    {10, std::nullopt},                    // unmanaged
    {20, std::nullopt},                    // unavailable
    {30, std::nullopt},                    // disconnected
    {DevicePrepare, RasPortOpened},        // "Port opened"
    {DeviceConfig, RasConnectDevice},      // "Connecting device"
    {DeviceNeedAuth, RasAuthenticate},     // "Start authenticating"
    {DeviceIpConfig, RasDeviceConnected},  // "Device connected"
    {DeviceIpCheck, RasProjected},         // "Projected"
    {DeviceSecondaries, RasLogonNetwork},  // "Logging on network"
    {DeviceActivated, std::nullopt},       // the active connection says Connected
    {DeviceDeactivating, std::nullopt},
    {DeviceFailed, std::nullopt},  // the active connection ends the dial
};

class DeviceSteps : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(DeviceSteps, MapOntoTheDialStates) {
    const DeviceCase c = GetParam();
    const std::optional<DialStep> step = stepForDeviceState(c.state);
    ASSERT_EQ(step.has_value(), c.ras.has_value());
    if (step) {
        EXPECT_EQ(step->state, *c.ras);
        EXPECT_EQ(step->error, 0);
        EXPECT_FALSE(isFinal(*step));
    }
}

INSTANTIATE_TEST_SUITE_P(NetworkManager, DeviceSteps, ::testing::ValuesIn(kDeviceCases),
                         [](const ::testing::TestParamInfo<DeviceCase>& info) {
                             return "device" + std::to_string(info.param.state);
                         });

TEST(ActiveSteps, ActivatedConnectsAndDeactivatedFailsWithTheBestReason) {
    EXPECT_EQ(stepForActiveState(ActiveUnknown, 0, 0), std::nullopt);
    EXPECT_EQ(stepForActiveState(ActiveActivating, 0, 0), std::nullopt);
    EXPECT_EQ(stepForActiveState(ActiveDeactivating, 2, 0), std::nullopt);
    const auto connected = stepForActiveState(ActiveActivated, 0, 0);
    ASSERT_TRUE(connected);
    EXPECT_EQ(*connected, (DialStep{RasConnected, 0}));
    EXPECT_TRUE(isFinal(*connected));

    // NO_SECRETS of the connection; a device failure (SSID_NOT_FOUND) says more.
    const auto noSecrets = stepForActiveState(ActiveDeactivated, 9, 0);
    ASSERT_TRUE(noSecrets);
    EXPECT_EQ(*noSecrets, (DialStep{RasDisconnected, kActiveReasonBase + 9}));
    EXPECT_TRUE(isFinal(*noSecrets));
    const auto ssid = stepForActiveState(ActiveDeactivated, 3, 53);
    ASSERT_TRUE(ssid);
    EXPECT_EQ(ssid->error, kDeviceReasonBase + 53);
    // Even without any reason a failed dial carries an error, so it shows in red.
    EXPECT_NE(stepForActiveState(ActiveDeactivated, 0, 0)->error, 0);
}

TEST(ErrorTexts, NameTheReasonOrTheNumber) {
    EXPECT_EQ(errorText(kActiveReasonBase + 10),
              "The login was refused: check user name and password.");
    EXPECT_EQ(errorText(kDeviceReasonBase + 53), "The wireless network was not found.");
    EXPECT_EQ(errorText(kDeviceReasonBase + 40), "The network cable is unplugged.");
    EXPECT_EQ(errorText(kActiveReasonBase + 1),
              "The connection could not be established (error 1001).");
    EXPECT_EQ(errorText(7), "The connection could not be established (error 7).");
    for (int code = kActiveReasonBase; code < kDeviceReasonBase + 100; ++code) {
        EXPECT_LE(errorText(code).size(), 100) << code;
    }
}

TEST(DeviceTypes, AreShortForTheList) {
    EXPECT_EQ(deviceTypeName(QStringLiteral("802-3-ethernet")), "ethernet");
    EXPECT_EQ(deviceTypeName(QStringLiteral("802-11-wireless")), "wifi");
    EXPECT_EQ(deviceTypeName(QStringLiteral("gsm")), "mobile");
    EXPECT_EQ(deviceTypeName(QStringLiteral("wireguard")), "vpn");
    EXPECT_EQ(deviceTypeName(QStringLiteral("infiniband")), "infiniband");
}

}  // namespace
}  // namespace trivanto::nm
