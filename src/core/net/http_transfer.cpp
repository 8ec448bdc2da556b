#include "core/net/http_transfer.h"

#include <QPointer>
#include <algorithm>

namespace trivanto {

namespace {

// The announced body length: -1 when there is none, -2 when it is not a number.
qint64 announcedLength(const HttpExchange& reply) {
    const std::optional<QByteArray> header = reply.header("Content-Length");
    if (!header.has_value()) {
        return -1;
    }
    const QByteArray text = header->trimmed();
    bool ok = false;
    const qint64 length = text.toLongLong(&ok);
    const bool digitsOnly = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    return ok && digitsOnly && length >= 0 ? length : -2;
}

}  // namespace

HttpTransfer::HttpTransfer(HttpClient& network, Clock& clock, HttpRequestOptions options,
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
    m_reply = m_network.start(m_options, *this);
    if (!m_reply) {
        const Status unavailable = Status::failure(m_network.unavailableReason());
        QMetaObject::invokeMethod(
            this, [this, unavailable] { finish(unavailable); }, Qt::QueuedConnection);
        return;
    }
    touch();
}

std::optional<HttpCredentials> HttpTransfer::credentialsFor(const QString& /*realm*/) {
    // Credentials are offered once; a second question means they were refused.
    if (!m_running || m_credentialsGiven || m_options.userName.isEmpty()) {
        return std::nullopt;
    }
    m_credentialsGiven = true;
    return HttpCredentials{m_options.userName, m_options.password};
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
    const std::optional<int> code = m_reply->statusCode();
    if (!code.has_value()) {
        return Status::failure(m_reply->errorString());
    }
    const int status = *code;
    if (status < 200 || status > 299) {
        return Status::failure(
            QStringLiteral("the server answered %1 %2").arg(status).arg(m_reply->reasonPhrase()));
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

void HttpTransfer::bodyReadable() {
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

void HttpTransfer::replyFinished() {
    if (!m_running) {
        return;
    }
    const QPointer<HttpTransfer> self(this);
    if (!m_headAccepted && m_reply->statusCode().has_value()) {
        if (const Status head = acceptHead(); !head.ok()) {
            finish(head);
            return;
        }
    }
    if (m_reply->bytesAvailable() > 0) {
        bodyReadable();
        if (!self || !m_running) {
            return;
        }
    }
    if (m_reply->failed()) {
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
    // Destroying the exchange stops its request; it may be the caller of this.
    m_reply.reset();
}

}  // namespace trivanto
