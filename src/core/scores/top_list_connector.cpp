#include "core/scores/top_list_connector.h"

#include <algorithm>
#include <memory>

#include "core/net/http_transfer.h"
#include "core/net/web_address.h"

namespace trivanto {

TTopListConnector::TTopListConnector(HttpClient& network, Clock& clock, QObject* parent)
    : QObject(parent), m_network(network), m_clock(clock) {}

TTopListConnector::~TTopListConnector() {
    Cancel();
}

void TTopListConnector::SendCommand(const QString& CommandText, TextDone done) {
    fetch(QStringLiteral("/toplist.pl"), commandQuery(CommandText), kMaxReplyBytes,
          std::move(done));
}

void TTopListConnector::FetchListText(TextDone done) {
    fetch(QStringLiteral("/toplist.dat"), QByteArray(), kMaxListBytes, std::move(done));
}

void TTopListConnector::AddUser(const QString& Name, const QString& EMail, qint32 Score,
                                const QString& Language, SendDone done) {
    SendCommand(addUserCommand(Name, EMail, Score, Language),
                [done = std::move(done)](bool ok, const QByteArray& text) {
                    done(ok ? readSendReply(text) : TopListSendReply{});
                });
}

void TTopListConnector::GetList(ListDone done) {
    FetchListText([done = std::move(done)](bool ok, const QByteArray& text) {
        if (!ok) {
            done(tlrNoConnection, {});
            return;
        }
        const std::optional<TTopListEntryList> list = readListText(text);
        done(list ? tlrOk : tlrBadReply, list.value_or(TTopListEntryList()));
    });
}

void TTopListConnector::Cancel() {
    for (HttpTransfer* transfer : findChildren<HttpTransfer*>(Qt::FindDirectChildrenOnly)) {
        transfer->abort();
        transfer->setParent(nullptr);
        transfer->deleteLater();
    }
}

bool TTopListConnector::isBusy() const {
    const QList<HttpTransfer*> transfers = findChildren<HttpTransfer*>(Qt::FindDirectChildrenOnly);
    return std::any_of(transfers.begin(), transfers.end(),
                       [](const HttpTransfer* transfer) { return transfer->isRunning(); });
}

void TTopListConnector::fetch(const QString& path, const QByteArray& query, qint64 maxBytes,
                              TextDone done) {
    QString base = m_url.trimmed();
    while (base.endsWith(QLatin1Char('/'))) {
        base.chop(1);
    }
    Result<QUrl> url = webAddress(base + path);
    HttpRequestOptions options;
    if (!m_agent.isEmpty() && !base.isEmpty() && url.ok()) {
        options.url = url.value();
        if (!query.isEmpty()) {
            options.url.setQuery(QString::fromLatin1(query), QUrl::TolerantMode);
        }
    }
    // An empty or unusable address or agent leaves the URL empty: the transfer then fails
    // without touching the network.
    options.agent = m_agent;
    options.maxBytes = maxBytes;
    options.inactivityTimeoutMs = kInactivityTimeoutMs;
    auto body = std::make_shared<QByteArray>();
    HttpTransfer::Handlers handlers;
    handlers.block = [body](const QByteArray& block) {
        body->append(block);
        return Status::success();
    };
    auto* transfer = new HttpTransfer(m_network, m_clock, std::move(options), {}, this);
    handlers.finished = [transfer, body, done = std::move(done)](const Status& outcome, qint64) {
        transfer->setParent(nullptr);
        transfer->deleteLater();
        done(outcome.ok(), outcome.ok() ? *body : QByteArray());
    };
    transfer->setHandlers(std::move(handlers));
    transfer->start();
}

}  // namespace trivanto
