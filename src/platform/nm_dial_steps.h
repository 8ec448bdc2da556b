#pragma once

#include <QString>
#include <optional>

namespace trivanto::nm {

// NetworkManager's states of an active connection (NMActiveConnectionState).
enum ActiveState : uint {
    ActiveUnknown = 0,
    ActiveActivating = 1,
    ActiveActivated = 2,
    ActiveDeactivating = 3,
    ActiveDeactivated = 4,
};

// NetworkManager's states of a device (NMDeviceState) that a dial passes through.
enum DeviceState : uint {
    DevicePrepare = 40,
    DeviceConfig = 50,
    DeviceNeedAuth = 60,
    DeviceIpConfig = 70,
    DeviceIpCheck = 80,
    DeviceSecondaries = 90,
    DeviceActivated = 100,
    DeviceDeactivating = 110,
    DeviceFailed = 120,
};

// Error codes of this backend: NetworkManager's reason numbers, each kind in a range of its
// own, so 0 stays "no error" (as the dial notifications need) and the text can be found again.
inline constexpr int kActiveReasonBase = 1000;  // + NMActiveConnectionStateReason
inline constexpr int kDeviceReasonBase = 2000;  // + NMDeviceStateReason

// One notification of a dial: a state number of the remote-access numbering and an error.
struct DialStep {
    int state = 0;
    int error = 0;
    bool operator==(const DialStep&) const = default;
};

// What a change of the dialled device's state shows, if anything: preparing is "Port opened",
// connecting "Connecting device", asking for secrets "Start authenticating", configuring the
// address "Device connected", checking it "Projected", secondary connections "Logging on
// network". The active connection reports the end.
std::optional<DialStep> stepForDeviceState(uint state);

// What a change of the dialled active connection's state shows: activated is Connected;
// deactivated ends the dial with an error (the device's reason when it failed first,
// otherwise the connection's own). Activating and deactivating show nothing.
std::optional<DialStep> stepForActiveState(uint state, uint reason, uint deviceFailure);

// A step after which no more notifications follow.
bool isFinal(const DialStep& step);

// The English text of an error code above (at most 100 characters).
QString errorText(int error);

// A short device type for the connection list, from a NetworkManager connection type
// ("802-3-ethernet" is "ethernet", "802-11-wireless" is "wifi").
QString deviceTypeName(const QString& connectionType);

}  // namespace trivanto::nm
