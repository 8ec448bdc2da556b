#include "core/net/ras_state_text.h"

#include <optional>

#include "core/app/connection_backend.h"
#include "core/lang/message_catalogue.h"

namespace trivanto {

namespace {

std::optional<Msg> catalogueKey(int state) {
    switch (state) {
        case RasOpenPort:
            return Msg::MsgRasOpenPort;
        case RasPortOpened:
            return Msg::MsgRasPortOpened;
        case RasConnectDevice:
            return Msg::MsgRasConnectDevice;
        case RasDeviceConnected:
            return Msg::MsgRasDeviceConnected;
        case RasAllDevicesConnected:
            return Msg::MsgRasAllDevicesConnected;
        case RasAuthenticate:
            return Msg::MsgRasAuthenticate;
        case RasAuthenticated:
            return Msg::MsgRasAuthenticated;
        case RasStartAuthentication:
            return Msg::MsgRasStartAuthentication;
        case RasLogonNetwork:
            return Msg::MsgRasLogonNetwork;
        case RasConnected:
            return Msg::MsgRasConnected;
        case RasDisconnected:
            return Msg::MsgRasDisconnected;
        default:
            return std::nullopt;
    }
}

QString fixedText(int state) {
    switch (state) {
        case RasAuthNotify:
            return QStringLiteral("Authentication: notify");
        case RasAuthRetry:
            return QStringLiteral("Authentication: retry");
        case RasAuthCallback:
            return QStringLiteral("Authentication: callback");
        case RasAuthChangePassword:
            return QStringLiteral("Authentication: change password");
        case RasAuthProject:
            return QStringLiteral("Authentication: projecting");
        case RasAuthLinkSpeed:
            return QStringLiteral("Authentication: link speed");
        case RasAuthAck:
            return QStringLiteral("Authentication: acknowledge");
        case RasReAuthenticate:
            return QStringLiteral("Authentication: reauthenticate");
        case RasPrepareForCallback:
            return QStringLiteral("Preparing for callback");
        case RasWaitForModemReset:
            return QStringLiteral("Waiting for modem reset");
        case RasWaitForCallback:
            return QStringLiteral("Waiting for callback");
        case RasProjected:
            return QStringLiteral("Projected");
        case RasCallbackComplete:
            return QStringLiteral("Callback complete");
        case RasInteractive:
            return QStringLiteral("Interactive");
        case RasRetryAuthentication:
            return QStringLiteral("Retry Authentication");
        case RasCallbackSetByCaller:
            return QStringLiteral("Callback set by caller");
        case RasPasswordExpired:
            return QStringLiteral("Password expired");
        default:
            return {};
    }
}

}  // namespace

QString RasStateText(int state, int error, const MessageCatalogue& catalogue,
                     const std::function<QString(int)>& systemErrorText) {
    if (error != 0) {
        return systemErrorText ? systemErrorText(error).left(kRasErrorTextCapacity) : QString();
    }
    if (const std::optional<Msg> key = catalogueKey(state)) {
        return catalogue.text(*key);
    }
    return fixedText(state);
}

}  // namespace trivanto
