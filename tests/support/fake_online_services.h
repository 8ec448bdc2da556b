#pragma once

#include "core/app/online_services.h"
#include "core/net/connection_manager.h"
#include "core/net/online_state.h"
#include "core/update/banner_update.h"
#include "net/qt_http_client.h"
#include "support/fake_services.h"
#include "support/recording_plain_message_box.h"
#include "support/scripted_connection_backend.h"

namespace trivanto {

// The online services on fakes, beside a FakeServices whose clock, dialog, catalogue and
// program folder they use: a scripted system for the connection manager and a network access
// manager without proxy for servers the test starts on 127.0.0.1. To fetch from such a server,
// give the FakeServices a catalogue on its address before building this:
//     fake.catalogue = MessageCatalogue(QStringLiteral("127.0.0.1:%1").arg(server.port()));
//     fake.catalogue.apply(Language::Englisch);
class FakeOnlineServices {
public:
    explicit FakeOnlineServices(FakeServices& fake)
        : manager(backend, online, fake.clock, fake.dialog, plain, fake.catalogue),
          banner(network, fake.clock, online, fake.catalogue, fake.paths.progDir) {}

    OnlineServices services() { return {network, online, manager, banner}; }

    ScriptedConnectionBackend backend;
    RecordingPlainMessageBox plain;
    QtHttpClient network{QtHttpClient::Proxy::None};
    OnlineState online;
    ConnectionManager manager;
    BannerUpdater banner;
};

}  // namespace trivanto
