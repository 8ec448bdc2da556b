#include "core/update/file_fetcher_port.h"

#include "core/net/file_fetcher.h"

namespace trivanto {

TFileFetcherPort::TFileFetcherPort(QNetworkAccessManager& network, Clock& clock)
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
    if (m_fetcher != nullptr) {
        m_fetcher->deleteLater();
        m_fetcher = nullptr;
    }
}

}  // namespace trivanto
