#include "core/net/http_transfer.h"

#include <QAuthenticator>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <algorithm>

namespace trivanto {

namespace {

// Enough to keep the socket busy, small enough that a slow reader holds little in memory.
constexpr qint64 kReadBuffer = 4 * HttpTransfer::kBlockSize;
constexpr int kMaxRedirects = 5;

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

// The announced body length: -1 when there is none, -2 when it is not a number.
qint64 announcedLength(const QNetworkReply& reply) {
    if (!reply.hasRawHeader("Content-Length")) {
        return -1;
    }
    const QByteArray text = reply.rawHeader("Content-Length").trimmed();
    bool ok = false;
    const qint64 length = text.toLongLong(&ok);
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    return ok && digitsOnly && length >= 0 ? length : -2;
}

}  // namespace

HttpTransfer::HttpTransfer(QNetworkAccessManager& network, Clock& clock, HttpRequestOptions options,
                           Handlers handlers, QObject* parent)
    : QObject(parent),
      m_network(network),
      m_options(std::move(options)),
      m_handlers(std::move(handlers)),
      m_idleTimer(clock.createTimer(
          [this] {
              finish(Status::failure(QStringLiteral("no answer from the server for %1 s")
                                         .arg(m_options.inactivityTimeoutMs / 1000)));
          },
          TimerMode::SingleShot)) {}

HttpTransfer::~HttpTransfer() {
    abort();
}

void HttpTransfer::start() {
    if (m_running) {
        return;
    }
    m_running = true;
    m_headAccepted = false;
    m_credentialsGiven = false;
    m_announced = -1;
    m_received = 0;
    const QString scheme = m_options.url.scheme();
    if (!m_options.url.isValid() || m_options.url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        const Status refused =
            Status::failure(QStringLiteral("\"%1\" is not an http or https address")
                                .arg(m_options.url.toDisplayString().left(200)));
        QMetaObject::invokeMethod(
            this, [this, refused] { finish(refused); }, Qt::QueuedConnection);
        return;
    }
    const QNetworkRequest request = buildRequest(m_options);
    m_reply = m_options.post ? m_network.post(request, m_options.postBody) : m_network.get(request);
    m_reply->setReadBufferSize(kReadBuffer);
    connect(m_reply, &QNetworkReply::readyRead, this, &HttpTransfer::onReadyRead);
    connect(m_reply, &QNetworkReply::finished, this, &HttpTransfer::onFinished);
    connect(m_reply, &QNetworkReply::metaDataChanged, this, &HttpTransfer::touch);
    connect(m_reply, &QNetworkReply::uploadProgress, this, &HttpTransfer::touch);
    connect(&m_network, &QNetworkAccessManager::authenticationRequired, this,
            [this](QNetworkReply* reply, QAuthenticator* authenticator) {
                // Credentials are offered once; a second question means they were refused.
                if (reply != m_reply || m_credentialsGiven || m_options.userName.isEmpty()) {
                    return;
                }
                m_credentialsGiven = true;
                authenticator->setUser(m_options.userName);
                authenticator->setPassword(m_options.password);
            });
    touch();
}

void HttpTransfer::abort() {
    if (!m_running) {
        return;
    }
    m_running = false;
    m_idleTimer->stop();
    dropReply();
}

void HttpTransfer::touch() {
    if (m_running && m_options.inactivityTimeoutMs > 0) {
        m_idleTimer->start(m_options.inactivityTimeoutMs);
    }
}

Status HttpTransfer::acceptHead() {
    const QVariant code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!code.isValid()) {
        return Status::failure(m_reply->errorString());
    }
    const int status = code.toInt();
    if (status < 200 || status > 299) {
        return Status::failure(
            QStringLiteral("the server answered %1 %2")
                .arg(status)
                .arg(m_reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
    }
    m_announced = announcedLength(*m_reply);
    if (m_announced == -2) {
        return Status::failure(QStringLiteral("the server announced a length that is no number"));
    }
    if (m_options.maxBytes > 0 && m_announced > m_options.maxBytes) {
        return Status::failure(QStringLiteral("the server announced %1 bytes, more than the %2 "
                                              "allowed")
                                   .arg(m_announced)
                                   .arg(m_options.maxBytes));
    }
    m_headAccepted = true;
    return m_handlers.headers ? m_handlers.headers(m_announced) : Status::success();
}

void HttpTransfer::onReadyRead() {
    if (!m_running) {
        return;
    }
    touch();
    if (!m_headAccepted) {
        if (const Status head = acceptHead(); !head.ok()) {
            finish(head);
            return;
        }
    }
    // A handler may abort or even destroy this transfer.
    const QPointer<HttpTransfer> self(this);
    while (self && m_running && m_reply && m_reply->bytesAvailable() > 0) {
        const QByteArray block = m_reply->read(kBlockSize);
        m_received += block.size();
        if (m_options.maxBytes > 0 && m_received > m_options.maxBytes) {
            finish(Status::failure(QStringLiteral("the body is larger than the %1 bytes allowed")
                                       .arg(m_options.maxBytes)));
            return;
        }
        if (m_handlers.block) {
            if (const Status written = m_handlers.block(block); !written.ok()) {
                if (self && m_running) {
                    finish(written);
                }
                return;
            }
        }
    }
}

void HttpTransfer::onFinished() {
    if (!m_running) {
        return;
    }
    const QPointer<HttpTransfer> self(this);
    const QVariant code = m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!m_headAccepted && code.isValid()) {
        if (const Status head = acceptHead(); !head.ok()) {
            finish(head);
            return;
        }
    }
    if (m_reply->bytesAvailable() > 0) {
        onReadyRead();
        if (!self || !m_running) {
            return;
        }
    }
    if (m_reply->error() != QNetworkReply::NoError) {
        finish(Status::failure(m_reply->errorString()));
    } else if (!m_headAccepted) {
        finish(Status::failure(QStringLiteral("the server sent no reply")));
    } else if (m_announced >= 0 && m_received != m_announced) {
        finish(Status::failure(QStringLiteral("the body ended after %1 of %2 bytes")
                                   .arg(m_received)
                                   .arg(m_announced)));
    } else {
        finish(Status::success());
    }
}

void HttpTransfer::finish(const Status& outcome) {
    if (!m_running) {
        return;
    }
    m_running = false;
    m_idleTimer->stop();
    dropReply();
    if (m_handlers.finished) {
        m_handlers.finished(outcome, m_received);
    }
}

void HttpTransfer::dropReply() {
    if (!m_reply) {
        return;
    }
    QNetworkReply* reply = m_reply;
    m_reply = nullptr;
    disconnect(reply, nullptr, this, nullptr);
    disconnect(&m_network, &QNetworkAccessManager::authenticationRequired, this, nullptr);
    // Deleting a running reply stops its request. abort() would do the same, but it races
    // with the error a reply with an HTTP error status is about to report.
    reply->deleteLater();
}

}  // namespace trivanto
