#include "core/net/lazy_http_client.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "core/net/http_module_loader.h"
#include "core/net/http_transfer.h"
#include "net/qt_http_client.h"
#include "support/core_application.h"
#include "support/event_relay.h"
#include "support/loopback_http_server.h"
#include "support/manual_clock.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

constexpr int kBoundMs = 10000;  // a real socket on loopback; generous, never reached

// One transfer to its end.
struct Outcome {
    bool endedInsideStart = false;
    bool ended = false;
    Status status;
    QByteArray body;
};

class LazyHttpClientTest : public ::testing::Test, private WithCoreApplication {
protected:
    Outcome fetch(HttpClient& client) {
        Outcome outcome;
        HttpTransfer::Handlers handlers;
        handlers.block = [&outcome](const QByteArray& block) {
            outcome.body += block;
            return Status::success();
        };
        handlers.finished = [this, &outcome](const Status& status, qint64) {
            outcome.ended = true;
            outcome.status = status;
            m_relay.fire();
        };
        HttpRequestOptions options;
        options.url = QUrl(m_server.url(QStringLiteral("/banner.dat")));
        HttpTransfer transfer(client, m_clock, options, handlers);
        QSignalSpy ended(&m_relay, &EventRelay::fired);
        transfer.start();
        outcome.endedInsideStart = outcome.ended;
        if (!outcome.ended) {
            EXPECT_TRUE(ended.wait(kBoundMs));
        }
        return outcome;
    }

    ManualClock m_clock;
    LoopbackHttpServer m_server;
    EventRelay m_relay;
};

TEST_F(LazyHttpClientTest, MakesTheClientAtTheFirstExchangeAndKeepsIt) {
    LoopbackReply reply;
    reply.body = "picture";
    m_server.setReply(reply);
    int loads = 0;
    LazyHttpClient client([&loads]() -> Result<std::unique_ptr<HttpClient>> {
        ++loads;
        return std::unique_ptr<HttpClient>(
            std::make_unique<QtHttpClient>(QtHttpClient::Proxy::None));
    });
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(client.unavailableReason().isEmpty());

    const Outcome first = fetch(client);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(first.status.ok()) << first.status.error().toStdString();
    EXPECT_EQ(first.body, "picture");

    const Outcome second = fetch(client);
    EXPECT_EQ(loads, 1);
    EXPECT_TRUE(second.status.ok()) << second.status.error().toStdString();
    EXPECT_EQ(m_server.requests().size(), 2);
}

TEST_F(LazyHttpClientTest, AClientThatCannotBeMadeFailsEveryExchangeWithItsReasonLater) {
    int loads = 0;
    LazyHttpClient client([&loads]() -> Result<std::unique_ptr<HttpClient>> {
        ++loads;
        return Result<std::unique_ptr<HttpClient>>::failure(QStringLiteral("no module here"));
    });
    for (int exchange = 0; exchange < 2; ++exchange) {
        const Outcome outcome = fetch(client);
        EXPECT_FALSE(outcome.endedInsideStart);
        ASSERT_TRUE(outcome.ended);
        EXPECT_EQ(outcome.status.error(), QStringLiteral("no module here"));
        EXPECT_TRUE(outcome.body.isEmpty());
    }
    // Asked once: a missing module does not come back during a run.
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(client.unavailableReason(), QStringLiteral("no module here"));
    EXPECT_TRUE(m_server.requests().isEmpty());
}

// The network module as the game finds it: the first folder that holds one wins.
class HttpModuleLoaderTest : public LazyHttpClientTest {
protected:
    QString folder(const QString& name) {
        QDir(m_dir.path()).mkpath(name);
        return m_dir.filePath(name);
    }
    static QString moduleIn(const QString& folder) {
        return QDir(folder).filePath(QLatin1String(kHttpModuleFileName));
    }

    QTemporaryDir m_dir;
};

// Takes the proxy settings out of the environment while it lives: the module's client asks
// the system's, and the test talks to its own server.
class WithoutProxySettings {
public:
    WithoutProxySettings() {
        for (const char* name : kNames) {
            if (qEnvironmentVariableIsSet(name)) {
                m_saved.insert(QByteArray(name), qgetenv(name));
                qunsetenv(name);
            }
        }
    }
    ~WithoutProxySettings() {
        for (auto it = m_saved.cbegin(); it != m_saved.cend(); ++it) {
            qputenv(it.key().constData(), it.value());
        }
    }

private:
    static constexpr const char* kNames[] = {"http_proxy",  "HTTP_PROXY", "https_proxy",
                                             "HTTPS_PROXY", "all_proxy",  "ALL_PROXY"};
    QMap<QByteArray, QByteArray> m_saved;
};

TEST_F(HttpModuleLoaderTest, TheBuiltModuleLoadsFromTheFirstFolderThatHoldsItAndFetches) {
    const QString empty = folder(QStringLiteral("empty"));
    const QString program = QStringLiteral(TRIVANTO_BUILD_PROG_DIR);
    ASSERT_TRUE(QFile::exists(moduleIn(program)));
    Result<std::unique_ptr<HttpClient>> loaded = loadHttpModule({empty, program});
    ASSERT_TRUE(loaded.ok()) << loaded.error().toStdString();
    ASSERT_NE(loaded.value().get(), nullptr);

    LoopbackReply reply;
    reply.body = "from the module";
    m_server.setReply(reply);
    const WithoutProxySettings direct;
    const Outcome outcome = fetch(*loaded.value());
    EXPECT_TRUE(outcome.status.ok()) << outcome.status.error().toStdString();
    EXPECT_EQ(outcome.body, "from the module");
    // The game looks beside itself first, then in its installed modules folder.
    const QStringList folders = httpModuleFolders(QStringLiteral("/opt/game/bin"));
    ASSERT_EQ(folders.size(), 2);
    EXPECT_EQ(folders[0], QStringLiteral("/opt/game/bin"));
    EXPECT_TRUE(folders[1].startsWith(QStringLiteral("/opt/game/")));
    EXPECT_TRUE(folders[1].contains(QStringLiteral("/trivanto")));
}

struct BrokenModuleCase {
    const char* name;
    // Puts what stands for the module into `folder`.
    void (*place)(const QString& folder);
    const char* reason;  // a part of the failure
};

class BrokenHttpModule : public HttpModuleLoaderTest,
                         public ::testing::WithParamInterface<BrokenModuleCase> {};

TEST_P(BrokenHttpModule, FailsTheExchangeWithItsReasonAndNoCrash) {
    const QString place = folder(QStringLiteral("lib"));
    GetParam().place(moduleIn(place));
    const QStringList folders{folder(QStringLiteral("bin")), place};
    LazyHttpClient client([folders] { return loadHttpModule(folders); });

    const Outcome outcome = fetch(client);
    EXPECT_FALSE(outcome.endedInsideStart);
    ASSERT_TRUE(outcome.ended);
    EXPECT_FALSE(outcome.status.ok());
    EXPECT_TRUE(outcome.status.error().contains(QLatin1String(GetParam().reason)))
        << outcome.status.error().toStdString();
    EXPECT_TRUE(m_server.requests().isEmpty());
}

void nothing(const QString&) {}

void notALibrary(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no shared library\n");
}

void libraryWithoutFactory(const QString& path) {
    ASSERT_TRUE(QFile::copy(QStringLiteral(TRIVANTO_TEST_NO_FACTORY_MODULE), path));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenHttpModule,
    ::testing::Values(BrokenModuleCase{"missing", nothing, "is not in"},
                      BrokenModuleCase{"not_a_library", notALibrary, "cannot be loaded"},
                      BrokenModuleCase{"library_without_factory", libraryWithoutFactory,
                                       "lacks trivanto_make_http_client"}),
    [](const ::testing::TestParamInfo<BrokenModuleCase>& info) {
        return testName(info.param.name);
    });

}  // namespace
}  // namespace trivanto
