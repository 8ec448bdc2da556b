#include "platform/nm_dial_steps.h"

#include <QHash>

#include "core/app/connection_backend.h"

namespace trivanto::nm {

namespace {

// NMActiveConnectionStateReason.
const QHash<uint, QString>& activeReasonTexts() {
    static const QHash<uint, QString> texts{
        {2, QStringLiteral("The connection was ended by the user.")},
        {3, QStringLiteral("The network device was disconnected.")},
        {4, QStringLiteral("The VPN service stopped unexpectedly.")},
        {5, QStringLiteral("The network returned an unusable address configuration.")},
        {6, QStringLiteral("The connection attempt timed out.")},
        {7, QStringLiteral("The VPN service did not start in time.")},
        {8, QStringLiteral("The VPN service failed to start.")},
        {9, QStringLiteral("No password or key was given for the connection.")},
        {10, QStringLiteral("The login was refused: check user name and password.")},
        {11, QStringLiteral("The connection was deleted.")},
        {12, QStringLiteral("A connection this one needs failed.")},
        {13, QStringLiteral("The network device could not be set up.")},
        {14, QStringLiteral("The network device was removed.")},
    };
    return texts;
}

// NMDeviceStateReason, the ones a user can act on.
const QHash<uint, QString>& deviceReasonTexts() {
    static const QHash<uint, QString> texts{
        {4, QStringLiteral("The network device could not be configured.")},
        {5, QStringLiteral("No network address could be obtained.")},
        {6, QStringLiteral("The network address expired.")},
        {7, QStringLiteral("No password or key was given for the connection.")},
        {8, QStringLiteral("The wireless network refused the connection.")},
        {9, QStringLiteral("The wireless settings are invalid.")},
        {10, QStringLiteral("Wireless authentication failed.")},
        {11, QStringLiteral("Wireless authentication timed out: check the password.")},
        {12, QStringLiteral("The dial-up (PPP) service could not start.")},
        {13, QStringLiteral("The dial-up (PPP) connection was ended.")},
        {14, QStringLiteral("The dial-up (PPP) connection failed.")},
        {15, QStringLiteral("No network address could be requested (DHCP).")},
        {16, QStringLiteral("The network's address server (DHCP) reported an error.")},
        {17, QStringLiteral("The network's address server (DHCP) did not answer.")},
        {23, QStringLiteral("The line is busy.")},
        {24, QStringLiteral("There is no dial tone.")},
        {25, QStringLiteral("The modem found no carrier.")},
        {26, QStringLiteral("The modem dial timed out.")},
        {27, QStringLiteral("The modem dial failed.")},
        {28, QStringLiteral("The modem could not be initialised.")},
        {29, QStringLiteral("The mobile access point (APN) was refused.")},
        {31, QStringLiteral("The mobile network refused the registration.")},
        {32, QStringLiteral("The mobile network registration timed out.")},
        {33, QStringLiteral("The mobile network registration failed.")},
        {34, QStringLiteral("The SIM PIN check failed.")},
        {35, QStringLiteral("The network device needs firmware that is missing.")},
        {36, QStringLiteral("The network device was removed.")},
        {37, QStringLiteral("The system is going to sleep.")},
        {38, QStringLiteral("The connection was deleted.")},
        {39, QStringLiteral("The connection was ended by the user.")},
        {40, QStringLiteral("The network cable is unplugged.")},
        {43, QStringLiteral("The modem was not found.")},
        {44, QStringLiteral("The Bluetooth connection failed.")},
        {45, QStringLiteral("There is no SIM card.")},
        {46, QStringLiteral("The SIM card needs its PIN.")},
        {47, QStringLiteral("The SIM card needs its PUK.")},
        {48, QStringLiteral("The SIM card is not the right one.")},
        {53, QStringLiteral("The wireless network was not found.")},
        {54, QStringLiteral("A secondary connection (VPN) failed.")},
        {57, QStringLiteral("The modem failed.")},
        {59, QStringLiteral("The SIM PIN is wrong.")},
        {64, QStringLiteral("The network address is already used by another computer.")},
    };
    return texts;
}

}  // namespace

std::optional<DialStep> stepForDeviceState(uint state) {
    switch (state) {
        case DevicePrepare:
            return DialStep{RasPortOpened, 0};
        case DeviceConfig:
            return DialStep{RasConnectDevice, 0};
        case DeviceNeedAuth:
            return DialStep{RasAuthenticate, 0};
        case DeviceIpConfig:
            return DialStep{RasDeviceConnected, 0};
        case DeviceIpCheck:
            return DialStep{RasProjected, 0};
        case DeviceSecondaries:
            return DialStep{RasLogonNetwork, 0};
        default:
            return std::nullopt;
    }
}

std::optional<DialStep> stepForActiveState(uint state, uint reason, uint deviceFailure) {
    switch (state) {
        case ActiveActivated:
            return DialStep{RasConnected, 0};
        case ActiveDeactivated:
            if (deviceFailure != 0) {
                return DialStep{RasDisconnected,
                                kDeviceReasonBase + static_cast<int>(deviceFailure)};
            }
            return DialStep{RasDisconnected, kActiveReasonBase + static_cast<int>(reason)};
        default:
            return std::nullopt;
    }
}

bool isFinal(const DialStep& step) {
    return step.state == RasConnected || step.state == RasDisconnected || step.error != 0;
}

QString errorText(int error) {
    if (error >= kDeviceReasonBase) {
        const QString text = deviceReasonTexts().value(uint(error - kDeviceReasonBase));
        if (!text.isEmpty()) {
            return text;
        }
    } else if (error >= kActiveReasonBase) {
        const QString text = activeReasonTexts().value(uint(error - kActiveReasonBase));
        if (!text.isEmpty()) {
            return text;
        }
    }
    return QStringLiteral("The connection could not be established (error %1).").arg(error);
}

QString deviceTypeName(const QString& connectionType) {
    static const QHash<QString, QString> names{
        {QStringLiteral("802-3-ethernet"), QStringLiteral("ethernet")},
        {QStringLiteral("802-11-wireless"), QStringLiteral("wifi")},
        {QStringLiteral("802-11-olpc-mesh"), QStringLiteral("mesh")},
        {QStringLiteral("gsm"), QStringLiteral("mobile")},
        {QStringLiteral("cdma"), QStringLiteral("mobile")},
        {QStringLiteral("pppoe"), QStringLiteral("dsl")},
        {QStringLiteral("adsl"), QStringLiteral("dsl")},
        {QStringLiteral("bluetooth"), QStringLiteral("bluetooth")},
        {QStringLiteral("vpn"), QStringLiteral("vpn")},
        {QStringLiteral("wireguard"), QStringLiteral("vpn")},
    };
    return names.value(connectionType, connectionType);
}

}  // namespace trivanto::nm
