#pragma once

#include <QObject>

#include "core/app/clock.h"
#include "core/update/file_fetch_port.h"

namespace trivanto {

class HttpClient;
class TFileFetcher;

// The update's fetch port on the program's download component: a TFileFetcher set up as the
// update window sets it ("*/*", "Kestrune Fetch", BinaryData, no cache, WaitThread). Each
// fetch gets a fresh fetcher; cancel() retires the running one: it stops at once, reports
// nothing more (no progress, no error, no `done`), leaves no file and is deleted from the
// event loop, so a new fetch can start at once, even from inside `done` or a progress report.
class TFileFetcherPort final : public FileFetchPort {
public:
    // `network` and `clock` must outlive the port.
    TFileFetcherPort(HttpClient& network, Clock& clock);
    ~TFileFetcherPort() override;

    void fetch(const QUrl& url, const QString& targetPath, qint64 maxSize, Progress progress,
               Done done) override;
    void cancel() override;

private:
    void retire();

    HttpClient& m_network;
    Clock& m_clock;
    QObject m_owner;  // parent of every fetcher, so none outlives the port
    TFileFetcher* m_fetcher = nullptr;
    quint64 m_generation = 0;  // a continuation of an earlier fetch finds it changed
};

}  // namespace trivanto
