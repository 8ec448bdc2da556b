#include "core/update/file_fetcher_port.h"

#include "core/net/file_fetcher.h"

namespace trivanto {

TFileFetcherPort::TFileFetcherPort(HttpClient& network, Clock& clock)
    : m_network(network), m_clock(clock) {}

TFileFetcherPort::~TFileFetcherPort() = default;

void TFileFetcherPort::fetch(const QUrl& url, const QString& targetPath, qint64 maxSize,
                             Progress progress, Done done) {
    retire();
    m_fetcher = new TFileFetcher(m_network, m_clock, &m_owner);
    TFileFetcher& fetcher = *m_fetcher;
    fetcher.setAcceptTypes(QStringLiteral("*/*"));
    fetcher.setAgent(QStringLiteral("Kestrune Fetch"));
    fetcher.setBinaryData(true);
    fetcher.setUseCache(false);
    fetcher.setWaitThread(true);
    fetcher.setURL(url.toString(QUrl::FullyEncoded));
    fetcher.setFileName(targetPath);
    fetcher.setMaxSize(maxSize);
    if (progress) {
        QObject::connect(&fetcher, &TFileFetcher::OnProgress, &fetcher, std::move(progress));
    }
    const quint64 generation = m_generation;
    fetcher.Start([this, generation, &fetcher, done = std::move(done)] {
        if (generation != m_generation || !done) {
            return;
        }
        // lastError is empty exactly after a success.
        const QString error = fetcher.lastError();
        done(error.isEmpty(), error);
    });
}

void TFileFetcherPort::cancel() {
    retire();
}

void TFileFetcherPort::retire() {
    ++m_generation;
    if (m_fetcher == nullptr) {
        return;
    }
    // Nothing of the retired transfer may reach the caller any more: its signals go nowhere,
    // Cancel stops it at once (also from inside its own progress report, where more blocks
    // may wait) and makes it drop its unfinished file, and its continuation finds the
    // generation changed. It is deleted from the event loop, never inside its own signal.
    QObject::disconnect(m_fetcher, nullptr, nullptr, nullptr);
    m_fetcher->Cancel();
    m_fetcher->deleteLater();
    m_fetcher = nullptr;
}

}  // namespace trivanto
