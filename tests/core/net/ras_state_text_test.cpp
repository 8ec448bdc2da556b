#include <gtest/gtest.h>

#include "core/app/connection_backend.h"
#include "core/lang/message_catalogue.h"
#include "core/net/ras_state_text.h"

namespace trivanto {
namespace {

struct StateCase {
    int state;
    const char* english;
    const char* german;
};

// Every state of the interface: the common ones come from the catalogue, the rare ones are
// the same English text in both languages.
const StateCase kStates[] = {
    {RasOpenPort, "Opening port", "Verbindung herstellen"},
    {RasPortOpened, "Port opened", "Verbindung hergestellt"},
    {RasConnectDevice, "Connecting device", "Computer verbinden"},
    {RasDeviceConnected, "Device connected", "Computer verbunden"},
    {RasAllDevicesConnected, "All devices connected", "Verbindung hergestellt"},
    {RasAuthenticate, "Start authenticating", "Überprüfen von Benutzername und Kennwort"},
    {RasAuthNotify, "Authentication: notify", nullptr},
    {RasAuthRetry, "Authentication: retry", nullptr},
    {RasAuthCallback, "Authentication: callback", nullptr},
    {RasAuthChangePassword, "Authentication: change password", nullptr},
    {RasAuthProject, "Authentication: projecting", nullptr},
    {RasAuthLinkSpeed, "Authentication: link speed", nullptr},
    {RasAuthAck, "Authentication: acknowledge", nullptr},
    {RasReAuthenticate, "Authentication: reauthenticate", nullptr},
    {RasAuthenticated, "Authenticated", "Benutzername und Kennwort gültig"},
    {RasPrepareForCallback, "Preparing for callback", nullptr},
    {RasWaitForModemReset, "Waiting for modem reset", nullptr},
    {RasWaitForCallback, "Waiting for callback", nullptr},
    {RasProjected, "Projected", nullptr},
    {RasStartAuthentication, "Start authentication", "Überprüfen von Benutzername und Kennwort"},
    {RasCallbackComplete, "Callback complete", nullptr},
    {RasLogonNetwork, "Logging on network", "Verbinden mit Remote-Netzwerk"},
    {RasInteractive, "Interactive", nullptr},
    {RasRetryAuthentication, "Retry Authentication", nullptr},
    {RasCallbackSetByCaller, "Callback set by caller", nullptr},
    {RasPasswordExpired, "Password expired", nullptr},
    {RasConnected, "Connected", "Verbunden"},
    {RasDisconnected, "Disconnected", "Nicht verbunden"},
    // Numbers the interface does not know have no text.
    {22, "", nullptr},
    {-1, "", nullptr},
    {4100, "", nullptr},
    {8194, "", nullptr},
};

class RasStateTextTest : public ::testing::TestWithParam<StateCase> {};

TEST_P(RasStateTextTest, InBothLanguages) {
    const StateCase c = GetParam();
    MessageCatalogue english;
    english.apply(Language::Englisch);
    MessageCatalogue german;
    german.apply(Language::Deutsch);
    const auto noSystem = [](int) { return QStringLiteral("unexpected"); };
    EXPECT_EQ(RasStateText(c.state, 0, english, noSystem), QString::fromUtf8(c.english));
    EXPECT_EQ(RasStateText(c.state, 0, german, noSystem),
              QString::fromUtf8(c.german != nullptr ? c.german : c.english));
}

INSTANTIATE_TEST_SUITE_P(States, RasStateTextTest, ::testing::ValuesIn(kStates),
                         [](const ::testing::TestParamInfo<StateCase>& info) {
                             const int state = info.param.state;
                             return state < 0 ? std::string("minus") + std::to_string(-state)
                                              : "state" + std::to_string(state);
                         });

TEST(RasStateTextErrors, AnErrorShowsTheSystemTextCutToAHundredCharacters) {
    MessageCatalogue catalogue;
    catalogue.apply(Language::Deutsch);
    int asked = 0;
    const auto system = [&](int code) {
        asked = code;
        return code == 691 ? QString(150, QLatin1Char('x')) : QStringLiteral("Line busy");
    };
    EXPECT_EQ(RasStateText(RasConnected, 676, catalogue, system), "Line busy");
    EXPECT_EQ(asked, 676);
    EXPECT_EQ(RasStateText(RasAuthenticate, 691, catalogue, system),
              QString(kRasErrorTextCapacity, QLatin1Char('x')));
}

}  // namespace
}  // namespace trivanto
