#include "core/net/file_fetcher.h"

#include <QPointer>
#include <QSaveFile>
#include <algorithm>

#include "core/common/save_file.h"
#include "core/net/http_transfer.h"
#include "core/net/web_address.h"
#include "core/text/cp1252.h"

namespace trivanto {

TFileFetcher::TFileFetcher(HttpClient& network, Clock& clock, QObject* parent)
    : QObject(parent), m_network(network), m_clock(clock) {}

TFileFetcher::~TFileFetcher() {
    // Destroying the transfer stops it silently; the unfinished temporary file goes with
    // m_target.
    m_transfer.reset();
    if (m_target) {
        m_target->cancelWriting();
    }
}

bool TFileFetcher::Start(std::function<void()> then) {
    if (m_running) {
        return false;
    }
    m_active = m_props;
    m_running = true;
    m_cancelled = false;
    m_totalSize = 0;
    m_readed = 0;
    m_lastError.clear();
    m_then = m_active.waitThread ? std::move(then) : std::function<void()>();

    const Result<QUrl> url = webAddress(m_active.url);
    if (!url.ok()) {
        transferEnded(url.status());
    } else if (m_active.fileName.isEmpty()) {
        transferEnded(Status::failure(QStringLiteral("no file named to receive the download")));
    } else {
        HttpRequestOptions options;
        options.url = url.value();
        options.agent = m_active.agent;
        options.acceptTypes = m_active.acceptTypes;
        options.referer = m_active.referer;
        options.userName = m_active.userName;
        options.password = m_active.password;
        options.post = !m_active.postQuery.isEmpty();
        options.postBody = toCp1252(m_active.postQuery);
        options.useCache = m_active.useCache;
        options.maxBytes = m_active.maxSize;
        options.inactivityTimeoutMs = kInactivityTimeoutMs;
        HttpTransfer::Handlers handlers;
        handlers.headers = [this](qint64 length) { return openTarget(length); };
        handlers.block = [this](const QByteArray& block) { return writeBlock(block); };
        handlers.finished = [this](const Status& outcome, qint64) { transferEnded(outcome); };
        m_transfer = std::make_unique<HttpTransfer>(m_network, m_clock, std::move(options),
                                                    std::move(handlers));
        m_transfer->start();
    }
    if (!m_active.waitThread && then) {
        then();
    }
    return true;
}

void TFileFetcher::Cancel() {
    if (!m_running) {
        return;
    }
    m_cancelled = true;
    if (m_transfer) {
        m_transfer->abort();
    }
    transferEnded(Status::failure(QStringLiteral("cancelled")));
}

Status TFileFetcher::openTarget(qint64 length) {
    if (length < 0 && m_active.binaryData) {
        return Status::failure(QStringLiteral("the server announced no length"));
    }
    m_totalSize = std::max<qint64>(length, 0);
    m_target = std::make_unique<QSaveFile>(m_active.fileName);
    if (!m_target->open(QIODevice::WriteOnly)) {
        return Status::failure(
            QStringLiteral("%1: %2").arg(m_active.fileName, m_target->errorString()));
    }
    return Status::success();
}

Status TFileFetcher::writeBlock(const QByteArray& block) {
    if (!writeAll(*m_target, block)) {
        return Status::failure(
            QStringLiteral("%1: %2").arg(m_active.fileName, m_target->errorString()));
    }
    m_readed += block.size();
    emit OnProgress(m_totalSize, m_readed);
    return Status::success();
}

void TFileFetcher::transferEnded(Status outcome) {
    if (m_completionQueued) {
        return;
    }
    m_outcome = std::move(outcome);
    m_completionQueued = true;
    // Never inside Start, Cancel or a handler of the transfer that is ending.
    QMetaObject::invokeMethod(this, &TFileFetcher::completionStep, Qt::QueuedConnection);
}

void TFileFetcher::completionStep() {
    m_completionQueued = false;
    m_transfer.reset();
    Status outcome =
        m_cancelled ? Status::failure(QStringLiteral("cancelled")) : std::move(m_outcome);
    if (outcome.ok() && m_target) {
        if (const Status committed = commitSaveFile(*m_target); !committed.ok()) {
            outcome =
                Status::failure(QStringLiteral("%1: %2").arg(m_active.fileName, committed.error()));
        }
    } else if (!outcome.ok() && m_target) {
        m_target->cancelWriting();
    }
    m_target.reset();
    m_running = false;
    m_lastError = outcome.error();
    std::function<void()> then = std::move(m_then);
    m_then = nullptr;

    const QPointer<TFileFetcher> self(this);
    if (outcome.ok()) {
        emit OnDoneFile(m_active.fileName, m_readed);
    } else {
        emit OnError();
    }
    if (self && then) {
        then();
    }
}

}  // namespace trivanto
