#include "net/qt_http_client.h"

#include <QAuthenticator>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace trivanto {

namespace {

// Enough to keep the socket busy, small enough that a slow reader holds little in memory.
constexpr qint64 kReadBuffer = 4 * kHttpBlockSize;
constexpr int kMaxRedirects = 5;

// The environment's http_proxy, https_proxy and no_proxy on Linux, read per request, so a
// change of the settings needs no restart.
class SystemProxyFactory final : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return systemProxyForQuery(query);
    }
};

QNetworkRequest buildRequest(const HttpRequestOptions& options) {
    QNetworkRequest request(options.url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setAttribute(
        QNetworkRequest::CacheLoadControlAttribute,
        options.useCache ? QNetworkRequest::PreferCache : QNetworkRequest::AlwaysNetwork);
    if (!options.useCache) {
        request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
        request.setRawHeader("Cache-Control", "no-cache");
        request.setRawHeader("Pragma", "no-cache");
    }
    // The body is counted against its Content-Length: it must arrive as sent, not unpacked.
    request.setRawHeader("Accept-Encoding", "identity");
    if (!options.agent.isEmpty()) {
        request.setHeader(QNetworkRequest::UserAgentHeader, options.agent);
    }
    if (!options.acceptTypes.isEmpty()) {
        request.setRawHeader("Accept", options.acceptTypes.toLatin1());
    }
    if (!options.referer.isEmpty()) {
        request.setRawHeader("Referer", options.referer.toLatin1());
    }
    if (options.post) {
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QByteArrayLiteral("application/x-www-form-urlencoded"));
    }
    return request;
}

// One reply. The connections have this object as their context, so none reaches the listener
// once it is gone.
class QtHttpExchange final : public QObject, public HttpExchange {
public:
    QtHttpExchange(QNetworkAccessManager& manager, QNetworkReply* reply, Listener& listener)
        : m_reply(reply) {
        reply->setReadBufferSize(kReadBuffer);
        Listener* to = &listener;
        connect(reply, &QNetworkReply::readyRead, this, [to] { to->bodyReadable(); });
        connect(reply, &QNetworkReply::finished, this, [to] { to->replyFinished(); });
        connect(reply, &QNetworkReply::metaDataChanged, this, [to] { to->activity(); });
        connect(reply, &QNetworkReply::uploadProgress, this, [to] { to->activity(); });
        connect(&manager, &QNetworkAccessManager::authenticationRequired, this,
                [this, to](QNetworkReply* asking, QAuthenticator* authenticator) {
                    if (asking != m_reply) {
                        return;
                    }
                    if (const auto answer = to->credentialsFor(authenticator->realm())) {
                        authenticator->setUser(answer->user);
                        authenticator->setPassword(answer->password);
                    }
                });
    }

    ~QtHttpExchange() override {
        if (m_reply) {
            disconnect(m_reply, nullptr, this, nullptr);
            // Deleting a running reply stops its request. abort() would do the same, but it
            // races with the error a reply with an HTTP error status is about to report.
            m_reply->deleteLater();
        }
    }

    qint64 bytesAvailable() const override { return m_reply ? m_reply->bytesAvailable() : 0; }
    QByteArray read(qint64 maxBytes) override {
        return m_reply ? m_reply->read(maxBytes) : QByteArray();
    }

    std::optional<int> statusCode() const override {
        const QVariant code =
            m_reply ? m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute) : QVariant();
        return code.isValid() ? std::optional<int>(code.toInt()) : std::nullopt;
    }

    QString reasonPhrase() const override {
        return m_reply ? m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()
                       : QString();
    }

    std::optional<QByteArray> header(const QByteArray& name) const override {
        if (!m_reply || !m_reply->hasRawHeader(name)) {
            return std::nullopt;
        }
        return m_reply->rawHeader(name);
    }

    bool failed() const override { return !m_reply || m_reply->error() != QNetworkReply::NoError; }

    QString errorString() const override {
        return m_reply ? m_reply->errorString() : QStringLiteral("the request was dropped");
    }

private:
    QPointer<QNetworkReply> m_reply;
};

}  // namespace

QtHttpClient::QtHttpClient(Proxy proxy) {
    if (proxy == Proxy::System) {
        m_manager.setProxyFactory(new SystemProxyFactory);  // the manager owns it
    } else {
        m_manager.setProxy(QNetworkProxy::NoProxy);
    }
}

QtHttpClient::~QtHttpClient() = default;

std::unique_ptr<HttpExchange> QtHttpClient::start(const HttpRequestOptions& options,
                                                  HttpExchange::Listener& listener) {
    const QNetworkRequest request = buildRequest(options);
    QNetworkReply* reply =
        options.post ? m_manager.post(request, options.postBody) : m_manager.get(request);
    return std::make_unique<QtHttpExchange>(m_manager, reply, listener);
}

}  // namespace trivanto
